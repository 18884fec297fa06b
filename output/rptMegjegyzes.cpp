#include "output/rptMegjegyzes.h"

#include "output/ListaKeret.h"
#include "output/Szovegmeret.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportOutput.h"
#include "platform/ui/FieldText.h"

#include <algorithm>

namespace {

const QString TagForras = QStringLiteral("ugyfel");

} // namespace

void MegjegyzesNyomtat(int ugyfel, bool print, QWidget *owner)
{
    const QString filter = QStringLiteral("ugyfel=") + QString::number(ugyfel);
    DataSet tulajdonos;
    TulajdonosBeallit(tulajdonos);
    tulajdonos.open();
    DataSet megj;
    megj.setTable(QStringLiteral("ugyf_megj"), QStringLiteral("idx_datum_desc"));
    megj.setFilter(filter);
    megj.open();
    // The member the notes belong to, with the name of its membership type.
    DataSet tag;
    tag.setTable(QStringLiteral("ugyfel"));
    tag.setFilter(filter);
    tag.open();

    ReportDefinition def;
    def.fontFamily = QStringLiteral("Arial");
    def.title = QStringLiteral("Megjegyzések");
    def.identifier = QStringLiteral("qrMegjegyzes");
    def.productLine = QStringLiteral("Vorn");
    def.data = &megj;
    def.sources.insert(TulajdonosForras, &tulajdonos);
    def.sources.insert(TagForras, &tag);

    ReportBand &header = def.addBand(ReportBand::Kind::PageHeader, 22.2);
    header.bottomRule = 2;
    header.add(ReportItem::rectangle(QRectF(0, 0, 67.8, 20.2)));
    header.add(
        ReportItem::label(QRectF(0, 1.3, 67.8, 0), QStringLiteral("Megjegyzések"), reportFont(16, true)));
    TulajdonosBlokk(header, 131.0, 58.5, Qt::AlignRight);

    // Printed once, above the first note.
    ReportBand &group = def.addBand(ReportBand::Kind::GroupHeader, 11.9);
    group.bottomRule = 1;
    group.groupKey = [](const ReportContext &) { return QVariant(0); };
    const auto tagMezo = [&](double left, double top, double width, const QString &field,
                             const ReportFont &font) {
        group.add(ReportItem::sourceField(QRectF(left, top, width, 0), TagForras, field, font));
    };
    tagMezo(0, 1.3, 91.6, QStringLiteral("Ugyfel_nev"), reportFont(11, true));
    group.add(
        ReportItem::label(QRectF(5.3, 6.6, 11.5, 0), QStringLiteral("típus"), reportFont(8, false, true)));
    tagMezo(17.2, 6.6, 29.4, QStringLiteral("tipus_nev"), reportFont(8, true));
    tagMezo(93.9, 1.3, 29.4, QStringLiteral("Telefon"), reportFont(8, false));
    tagMezo(124.4, 1.3, 12.2, QStringLiteral("Cim_irsz"), reportFont(8, false));
    tagMezo(137.6, 1.3, 51.9, QStringLiteral("Cim_varos"), reportFont(8, false));
    tagMezo(124.4, 6.6, 65.2, QStringLiteral("Cim_cim"), reportFont(8, false));

    ReportBand &detail = def.addBand(ReportBand::Kind::Detail, 11.9);
    detail.bottomRule = 1;
    detail.add(ReportItem::fieldItem(QRectF(1.3, 1.3, 28.1, 0), QStringLiteral("datum"), reportFont(9, true)))
        .format = [](const QVariant &v) { return fieldText(v); };
    detail.add(
        ReportItem::fieldItem(QRectF(30.4, 1.3, 157.8, 0), QStringLiteral("rovid"), reportFont(9, true)));
    ReportItem &szoveg =
        detail.add(ReportItem::fieldItem(QRectF(1.3, 6.6, 186.9, 4.5), QStringLiteral("megjegyzes"),
                                         reportFont(9, false, false, QStringLiteral("Times New Roman"))));
    szoveg.wordWrap = true;
    szoveg.grow = true;
    // A grown note keeps a gap above the band's bottom rule.
    const QFont szovegBetu = JelentesBetu(szoveg.font, def.fontFamily);
    detail.rowHeight = [szovegBetu](const ReportContext &c) {
        const QString text = c.value(QStringLiteral("megjegyzes")).toString();
        return std::max(11.9, 6.6 + textHeightMm(text, szovegBetu, 186.9, true) + 1.3);
    };

    // The member and the owner are one row each: a value wider than its box
    // is printed smaller rather than cut.
    ErtekekhezIgazit(header, def);
    ErtekekhezIgazit(group, def);

    KozosLablec(def);

    if (print)
        printReport(def);
    else
        previewReport(def, owner);
    tag.close();
    megj.close();
    tulajdonos.close();
}
