#include "output/ListaKeret.h"

#include "foundation/Seged.h"
#include "output/Szovegmeret.h"
#include "platform/report/ReportLayout.h"
#include "platform/db/DataSet.h"

#include <QPainter>
#include <QPainterPath>

void TulajdonosBeallit(DataSet &owner)
{
    owner.setTable(QStringLiteral("tulajdonos"));
    owner.addCalculatedField(QStringLiteral("irszvaros"), Schema::Type::Text, [](const Record &r) {
        return QVariant(NullSzoveg(r.value("irsz"), {}) + QStringLiteral(", ") +
                        NullSzoveg(r.value("varos"), {}));
    });
}

namespace {
constexpr double FrameWidth = 190.0; // printable width of A4 portrait with 10 mm margins
} // namespace

void TulajdonosBlokk(ReportBand &band, double boxLeft, double boxWidth, Qt::Alignment alignment)
{
    band.add(ReportItem::rectangle({boxLeft, 0, boxWidth, 20.2}));
    const bool right = alignment & Qt::AlignRight;
    struct Line {
        const char *field;
        double top;
        bool bold;
    };
    for (const Line &l : {Line{"tulajdonos", 1.3, true}, Line{"irszvaros", 6.6, false},
                          Line{"cim", 10.6, false}, Line{"telefon", 14.6, false}}) {
        ReportFont f;
        f.family = QStringLiteral("Tahoma");
        f.size = 10;
        f.bold = l.bold;
        // Right-aligned lines end at the band's right edge, left-aligned ones at the box's.
        const double width = right ? FrameWidth - boxLeft : boxWidth;
        band.add(ReportItem::sourceField({boxLeft, l.top, width, 4.5}, TulajdonosForras,
                                         QString::fromLatin1(l.field), f, right ? Qt::AlignRight : Qt::AlignLeft));
    }
}

// A fish over three waves in the program's blue and green.
QImage ListaLogo()
{
    static const QImage logo = [] {
        QImage img(453, 215, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor blue(30, 80, 150), green(40, 140, 80);
        QPainterPath fish;
        fish.moveTo(60, 100);
        fish.cubicTo(120, 20, 260, 20, 320, 100);
        fish.cubicTo(260, 180, 120, 180, 60, 100);
        fish.moveTo(320, 100);
        fish.lineTo(400, 45);
        fish.lineTo(385, 100);
        fish.lineTo(400, 155);
        fish.closeSubpath();
        p.setPen(QPen(blue, 8));
        p.setBrush(QColor(200, 220, 245));
        p.drawPath(fish);
        p.setBrush(blue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(115, 88), 11, 11);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(i == 0 ? green : green.lighter(130), i == 0 ? 9 : 6, Qt::SolidLine, Qt::RoundCap));
            const double y = 182 + i * 11;
            QPainterPath wave;
            wave.moveTo(40, y);
            for (int x = 40; x < 420; x += 60) {
                wave.quadTo(x + 15, y - 10, x + 30, y);
                wave.quadTo(x + 45, y + 10, x + 60, y);
            }
            p.drawPath(wave);
        }
        return img;
    }();
    return logo;
}

ReportBand &KozosLablec(ReportDefinition &def)
{
    return addCommonPageFooter(def, WebCim);
}

ReportBand &ListaKeret(ReportDefinition &def, const QString &title, const QString &subtitle,
                       const QString &periodLine, const QString &identifier, const QString &productLine,
                       const DataSet *owner)
{
    def.paperSize = {210, 297};
    def.landscape = false;
    def.margins = {10, 10, 10, 10};
    def.fontFamily = QStringLiteral("Tahoma");
    def.title = title;
    def.identifier = identifier;
    def.productLine = productLine;
    if (owner)
        def.sources.insert(TulajdonosForras, owner);

    ReportBand &h = def.addBand(ReportBand::Kind::PageHeader, 30.1);
    h.bottomRule = 2;
    h.add(ReportItem::pictureItem({0, 0, 45.3, 21.5}, ListaLogo()));
    const bool period = !periodLine.isEmpty();
    h.add(ReportItem::rectangle({61.1, 0, 67.8, period ? 20.2 : 14.9}));
    // The title stays inside its box: a face wider than the designed one
    // gets a smaller size.
    ReportFont titleFont{QStringLiteral("Tahoma"), 16, true};
    while (titleFont.size > 10 && textWidthMm(title, JelentesBetu(titleFont, def.fontFamily)) > 66.8)
        titleFont.size -= 0.5;
    ReportFont subFont{QStringLiteral("Tahoma"), 10, true};
    ReportFont periodFont{QStringLiteral("Tahoma"), 10};
    h.add(ReportItem::label({0, 1.3, 0, 7.0}, title, titleFont, Qt::AlignHCenter)).alignToBand = true;
    h.add(ReportItem::label({0, 9.3, 0, 4.8}, subtitle, subFont, Qt::AlignHCenter)).alignToBand = true;
    if (period)
        h.add(ReportItem::label({0, 14.6, 0, 4.8}, periodLine, periodFont, Qt::AlignHCenter)).alignToBand =
            true;
    TulajdonosBlokk(h, 131.0, 58.5, Qt::AlignRight);
    KozosLablec(def);
    return *def.band(ReportBand::Kind::PageHeader);
}
