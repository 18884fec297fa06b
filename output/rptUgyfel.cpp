#include "output/rptUgyfel.h"

#include "output/Kezdobetu.h"
#include "output/ListaKeret.h"
#include "output/ListaKimenet.h"
#include "output/rptUgyfel_reszl.h"
#include "platform/db/DataSet.h"

namespace {

const char *const ListaSql = "SELECT\n"
                             "  ugyfel.horgigszam,\n"
                             "  ugyfel.ugyfel_nev,\n"
                             "  ugyfel.horgaszjegy,\n"
                             "  ugyfel.sorszam,\n"
                             "  ugyfel.cim_irsz,\n"
                             "  ugyfel.cim_varos,\n"
                             "  ugyfel.cim_cim,\n"
                             "  tipus.tipus_nev,\n"
                             "  ugyfel.tipus\n"
                             "FROM ugyfel LEFT OUTER JOIN tipus ON ugyfel.tipus = tipus.tipus\n"
                             "WHERE aktiv='I'\n";

// Both lists; the list by ID number has the first two columns swapped, its own
// subtitle and no groups.
void lista(bool nevSzerint, const QString &filter, QWidget *owner)
{
    DataSet query;
    query.setQuery(QString::fromUtf8(ListaSql) + (nevSzerint ? QStringLiteral("ORDER BY ugyfel.ugyfel_nev;")
                                                             : QStringLiteral("ORDER BY horgigszam;")));

    ReportDefinition def;
    const QString subtitle =
        nevSzerint ? QStringLiteral("névsorban") : QStringLiteral("állami horgász igazolványszám szerint");
    ReportBand &header = ListaKeret(def, QStringLiteral("Egyesületi tagok listája"), subtitle, {},
                                    nevSzerint ? QStringLiteral("qrUgyfel") : QStringLiteral("qrUgyfel2"),
                                    QStringLiteral("VORN V1.x"));
    if (!nevSzerint)
        for (ReportItem &item : header.items)
            if (item.kind == ReportItem::Kind::Label && item.text == subtitle)
                item.font.size = 9;

    const double nevLeft = nevSzerint ? 1.3 : 34.4;
    const double igLeft = nevSzerint ? 60.9 : 0;
    const ReportFont caption = reportFont(8, false, true);
    const auto fejlec = [&](double left, double width, const QString &text) {
        header.add(ReportItem::label(QRectF(left, 23.8, width, 0), text, caption));
    };
    fejlec(nevLeft, 58.5, QStringLiteral("egyesületi tag"));
    fejlec(igLeft, nevSzerint ? 32.1 : 33.4, QStringLiteral("horg.ig.szám"));
    fejlec(93.9, 26.8, QStringLiteral("állami horgászjegy"));
    fejlec(121.7, 67.8, QStringLiteral("cím"));

    if (nevSzerint) {
        // Names that begin with a and á (o and ó ...) interleave in alphabetical
        // order, so the group is the letter of the alphabet, not the character.
        const auto kezdobetu = [](const ReportContext &c) {
            return MagyarKezdobetu(c.value(QStringLiteral("ugyfel_nev")).toString());
        };
        ReportBand &group = def.addBand(ReportBand::Kind::GroupHeader, 10.6);
        group.bottomRule = 2;
        group.keepWithNext = true;
        group.groupKey = [kezdobetu](const ReportContext &c) { return QVariant(kezdobetu(c)); };
        group.add(ReportItem::computed(QRectF(5.3, 2.6, 60, 0), kezdobetu, reportFont(12, true)));
    }

    ReportBand &detail = def.addBand(ReportBand::Kind::Detail, 11.9);
    detail.bottomRule = 1;
    const auto field = [&](double top, double left, double width, const QString &name,
                           const ReportFont &font) -> ReportItem & {
        return detail.add(ReportItem::fieldItem(QRectF(left, top, width, 0), name, font));
    };
    const auto label = [&](double top, double left, double width, const QString &text) {
        detail.add(ReportItem::label(QRectF(left, top, width, 0), text, caption));
    };
    field(1.3, nevSzerint ? 0 : 34.4, nevSzerint ? 59.9 : 58.5, QStringLiteral("ugyfel_nev"),
          reportFont(10, true));
    field(1.3, igLeft, nevSzerint ? 32.1 : 33.4, QStringLiteral("horgigszam"), reportFont(10, true));
    field(1.3, 93.9, 26.8, QStringLiteral("horgaszjegy"), reportFont(8, true));
    field(1.3, 121.7, 12.2, QStringLiteral("cim_irsz"), reportFont(8, false));
    field(1.3, 134.9, 54.6, QStringLiteral("cim_varos"), reportFont(8, false));
    label(6.6, 1.3, 12.2, QStringLiteral("sorszám"));
    field(6.6, 14.6, 30.8, QStringLiteral("sorszam"), reportFont(8, true)).format = SorszamSzoveg;
    label(6.6, 46.3, 20.2, QStringLiteral("típus"));
    field(6.6, 67.5, 53.2, QStringLiteral("tipus_nev"), reportFont(8, true));
    field(6.6, 121.7, 67.8, QStringLiteral("cim_cim"), reportFont(8, false));

    ListaKimenet(def, query, filter, owner);
}

} // namespace

void UgyfelListaNyomtat(const QString &filter, QWidget *owner)
{
    lista(true, filter, owner);
}

void UgyfelLista2Nyomtat(const QString &filter, QWidget *owner)
{
    lista(false, filter, owner);
}
