#include "output/rptBoritek.h"

#include "output/ListaKeret.h"
#include "output/Szovegmeret.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportOutput.h"

#include <algorithm>

void BoritekNyomtat(int ugyfel, bool print, QWidget *owner)
{
    DataSet tulajdonos;
    TulajdonosBeallit(tulajdonos);
    // The sender's street address on one line: town, comma, street.
    tulajdonos.addCalculatedField(QStringLiteral("varoscim"), Schema::Type::Text, [](const Record &r) {
        return QVariant(r.value(QStringLiteral("varos")).toString() + QStringLiteral(", ") +
                        r.value(QStringLiteral("cim")).toString());
    });
    tulajdonos.open();

    DataSet tag;
    tag.setQuery(QStringLiteral("SELECT * FROM ugyfel;"));
    tag.setFilter(QStringLiteral("ugyfel=") + QString::number(ugyfel));
    tag.open();

    ReportDefinition def;
    def.paperSize = QSizeF(160, 113);
    def.margins = QMarginsF(10, 10, 10, 10);
    def.fontFamily = QStringLiteral("Arial");
    def.title = QStringLiteral("Boríték nyomtatás");
    def.data = &tag;
    def.sources.insert(TulajdonosForras, &tulajdonos);

    ReportBand &detail = def.addBand(ReportBand::Kind::Detail, 92.3);
    const QString arial = QStringLiteral("Arial");
    const QString courier = QStringLiteral("Courier New");
    // A box shows the whole lines that fit in it and nothing of the next one;
    // the name and the street may take a second line in the free space below them.
    const auto doboz = [&](ReportItem item, double top, double left, double space, int lines) {
        item.rect =
            QRectF(left, top, 74.4, std::min(space, SorokMagassaga(item.font, def.fontFamily, lines)));
        item.wordWrap = true;
        return item;
    };
    const auto felado = [&](double top, const QString &field, const ReportFont &font) {
        detail.add(doboz(ReportItem::sourceField({}, TulajdonosForras, field, font), top, 1.3, 5.0, 1));
    };
    ReportFont nev = reportFont(9, true, false, arial, true);
    nev.colour = QColor(0, 0, 128);
    felado(1.3, QStringLiteral("tulajdonos"), nev);
    felado(7.9, QStringLiteral("varoscim"), reportFont(9, false, false, courier));
    felado(13.2, QStringLiteral("irsz"), reportFont(9, true, false, courier));

    const auto cimzett = [&](double top, double space, int lines, const ReportItem &item) {
        detail.add(doboz(item, top, 60.9, space, lines)).alignment = Qt::AlignHCenter;
    };
    cimzett(43.7, 54.2 - 43.7, 2,
            ReportItem::fieldItem({}, QStringLiteral("Ugyfel_nev"), reportFont(11, true, false, arial)));
    cimzett(54.2, 5.0, 1,
            ReportItem::label({}, QStringLiteral("részére"), reportFont(9, false, false, arial)));
    cimzett(
        62.2, 5.0, 1,
        ReportItem::fieldItem({}, QStringLiteral("Cim_varos"), reportFont(10, false, false, arial, true)));
    cimzett(68.8, 79.4 - 68.8, 2,
            ReportItem::fieldItem({}, QStringLiteral("Cim_cim"), reportFont(10, false, false, arial)));
    cimzett(79.4, 6.6, 1,
            ReportItem::fieldItem({}, QStringLiteral("Cim_irsz"),
                                  reportFont(16, true, false, QStringLiteral("Arial Rounded MT Bold"))));

    if (print)
        printReport(def);
    else
        previewReport(def, owner);
    tag.close();
    tulajdonos.close();
}
