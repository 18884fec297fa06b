#include "output/rptUgyfel_reszl.h"

#include "foundation/Beall.h"
#include "output/ListaKeret.h"
#include "output/Szovegmeret.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportOutput.h"
#include "platform/ui/FieldText.h"

#include <algorithm>

namespace {

QString datumSzoveg(const QVariant &v)
{
    return fieldText(v);
}

} // namespace

QString SorszamSzoveg(const QVariant &sorszam)
{
    if (sorszam.isNull())
        return {};
    const qint64 n = sorszam.toLongLong();
    const QString digits = QStringLiteral("%1").arg(n < 0 ? -n : n, 5, 10, QLatin1Char('0'));
    return n < 0 ? QStringLiteral("-") + digits : digits;
}

void AdatlapNyomtat(int ugyfel, QWidget *owner)
{
    DataSet tag;
    tag.setQuery(QStringLiteral("SELECT\n"
                                "  ugyfel.*,\n"
                                "  tipus.tipus_nev\n"
                                "FROM ugyfel LEFT OUTER JOIN tipus ON ugyfel.tipus = tipus.tipus\n"
                                "ORDER BY ugyfel.ugyfel;"));
    tag.setFilter(QStringLiteral("ugyfel=") + QString::number(ugyfel));
    tag.open();
    DataSet tulajdonos;
    TulajdonosBeallit(tulajdonos);
    tulajdonos.open();

    ReportDefinition def;
    def.fontFamily = QStringLiteral("Tahoma");
    def.title = QStringLiteral("Egyesületi tag adatlap");
    def.identifier = QStringLiteral("qrUgyfel_reszl");
    def.productLine = QStringLiteral("VORN");
    def.data = &tag;
    def.sources.insert(TulajdonosForras, &tulajdonos);

    ReportBand &header = def.addBand(ReportBand::Kind::PageHeader, 24.8);
    header.bottomRule = 2;
    TulajdonosBlokk(header, 0, 62.5, Qt::AlignLeft);
    header.add(ReportItem::rectangle(QRectF(70.1, 0, 49.3, 9.6)));
    header
        .add(ReportItem::label(QRectF(0, 1.3, 0, 0), QStringLiteral("Adatlap"), reportFont(16, true),
                               Qt::AlignHCenter))
        .alignToBand = true;
    // The initial of the member at the right edge, like a filing tab.
    const QString nev = tag.isEmpty() ? QString() : tag.value(QStringLiteral("Ugyfel_nev")).toString();
    header.add(ReportItem::label(QRectF(0, 0, 0, 0), nev.left(1), reportFont(16, true), Qt::AlignRight))
        .alignToBand = true;

    ReportBand &detail = def.addBand(ReportBand::Kind::Detail, 100.5);
    detail.bottomRule = 1;
    const ReportFont cimke = reportFont(9, false, true);
    const ReportFont mezo = reportFont(9, true);
    const auto label = [&](double top, double left, double width, const QString &text) {
        detail.add(ReportItem::label(QRectF(left, top, width, 0), text, cimke));
    };
    const auto field = [&](double top, double left, double width, const QString &name,
                           const ReportFont &font) -> ReportItem & {
        return detail.add(ReportItem::fieldItem(QRectF(left, top, width, 0), name, font));
    };
    const auto date = [&](double top, double left, double width, const QString &name) {
        field(top, left, width, name, mezo).format = datumSzoveg;
    };
    const auto section = [&](double top, const QString &text) {
        const double height = 4.5;
        detail.add(ReportItem::label(QRectF(0, top, 189.5, height), text, cimke, Qt::AlignHCenter));
        detail.add(ReportItem::rule(0, top, 189.5));
        detail.add(ReportItem::rule(0, top + height, 189.5));
    };
    const auto &m = Beall().m;

    field(4.0, 4.0, 100.9, QStringLiteral("Ugyfel_nev"), reportFont(11, true));
    label(4.0, 108.5, 28.1, QStringLiteral("horg.ig.szám"));
    field(4.0, 137.6, 50.6, QStringLiteral("Horgigszam"), reportFont(11, true)).alignment = Qt::AlignRight;

    section(11.9, QStringLiteral("Egyesületi adatok"));
    label(18.5, 0, 28.1, QStringLiteral("sorszám"));
    field(18.5, 29.1, 33.4, QStringLiteral("Sorszam"), reportFont(10, true)).format = SorszamSzoveg;
    label(25.1, 0, 28.1, QStringLiteral("állami horgászjegy"));
    field(25.1, 29.1, 33.4, QStringLiteral("Horgaszjegy"), mezo);
    label(25.1, 64.8, 22.8, QStringLiteral("horg.vizsga"));
    field(25.1, 88.6, 30.8, QStringLiteral("Horgvizsga"), mezo);
    label(25.1, 121.7, 28.1, QStringLiteral("tagság kezdete"));
    date(25.1, 150.8, 38.7, QStringLiteral("Dat_belep"));
    label(31.8, 0, 28.1, QStringLiteral("típus"));
    field(31.8, 29.1, 33.4, QStringLiteral("Tipus_nev"), mezo);
    label(31.8, 64.8, 22.8, QStringLiteral("tagság ig."));
    date(31.8, 88.6, 30.8, QStringLiteral("Dat_tag"));
    label(31.8, 121.7, 28.1, m[1]);
    field(31.8, 150.8, 38.7, QStringLiteral("taglap"), mezo);
    label(38.4, 0, 28.1, QStringLiteral("területi eng."));
    field(38.4, 29.1, 33.4, QStringLiteral("Tereng"), mezo);
    label(38.4, 64.8, 22.8, m[2]);
    field(38.4, 88.6, 30.8, QStringLiteral("csonak"), mezo);
    label(38.4, 121.7, 28.1, m[3]);
    field(38.4, 150.8, 38.7, QStringLiteral("fognaplo"), mezo);

    section(46.3, QStringLiteral("Személyes adatok"));
    label(54.2, 0, 26.8, QStringLiteral("cím"));
    field(54.2, 27.8, 12.2, QStringLiteral("Cim_irsz"), mezo);
    field(54.2, 41.0, 32.1, QStringLiteral("Cim_varos"), mezo);
    field(54.2, 74.1, 90.3, QStringLiteral("Cim_cim"), mezo);
    label(60.9, 0, 26.8, QStringLiteral("született"));
    field(60.9, 27.8, 28.1, QStringLiteral("Szulhely"), mezo);
    date(60.9, 56.9, 20.2, QStringLiteral("Dat_szul"));
    label(60.9, 79.4, 16.2, QStringLiteral("szig.szám"));
    field(60.9, 96.6, 26.8, QStringLiteral("Szigszam"), mezo);
    label(60.9, 124.4, 21.5, m[0]);
    field(60.9, 146.8, 42.7, QStringLiteral("anya"), mezo);

    section(70.1, QStringLiteral("Kilépés adatok"));
    label(79.4, 0, 20.2, QStringLiteral("kilépés"));
    date(79.4, 26.5, 33.4, QStringLiteral("Dat_kilep"));
    label(79.4, 63.5, 20.2, QStringLiteral("kilépési hat."));
    field(79.4, 87.3, 34.7, QStringLiteral("Kizarohat"), mezo);
    label(86.0, 0, 20.2, QStringLiteral("megjegyzés"));
    ReportItem &megjegyzes = field(86.0, 21.2, 167.0, QStringLiteral("Megjegyzes"), reportFont(9, false));
    megjegyzes.rect.setHeight(13.6);
    megjegyzes.wordWrap = true;
    megjegyzes.grow = true;
    // A grown remark keeps the design's gap above the band's bottom rule.
    const QFont memoBetu = JelentesBetu(megjegyzes.font, def.fontFamily);
    detail.rowHeight = [memoBetu](const ReportContext &c) {
        const QString text = c.value(QStringLiteral("Megjegyzes")).toString();
        return std::max(100.5, 86.0 + textHeightMm(text, memoBetu, 167.0, true) + (100.5 - 86.0 - 13.6));
    };

    // A single member's values are known now: one wider than its box is
    // printed smaller rather than cut.
    ErtekekhezIgazit(header, def);
    ErtekekhezIgazit(detail, def);

    KozosLablec(def);

    previewReport(def, owner);
    tulajdonos.close();
    tag.close();
}
