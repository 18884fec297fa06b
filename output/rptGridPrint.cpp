#include "output/rptGridPrint.h"

#include "output/ListaKeret.h"
#include "platform/report/ReportOutput.h"
#include "platform/ui/FieldText.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <cmath>

ReportDefinition GridPrintReport(const GridView &grid, bool portrait, const QString &title, int fontSize,
                                 const QString &sumField, const QString &subtitle)
{
    using std::nearbyint; // rounds an exact half to the even neighbour
    ReportDefinition def;
    def.landscape = !portrait;
    const double W = portrait ? 575 : 838;
    def.fontFamily = QStringLiteral("Tahoma");
    def.fontSize = fontSize;
    def.title = title;
    def.identifier = QStringLiteral("qrGridPrint");
    def.productLine = QCoreApplication::applicationName();
    GridModel *model = grid.gridModel();
    def.data = model ? model->dataSet() : nullptr;

    ReportBand &header = def.addBand(ReportBand::Kind::PageHeader, 30.1);
    header.bottomRule = 2;
    header.add(ReportItem::rectangle({0, 0, 75.7, 20.2}));
    ReportItem &titleItem =
        header.add(ReportItem::label({0, 1.3, 0, 7.0}, title, ReportFont{QStringLiteral("Arial"), 16, true}));
    titleItem.autoSize = true;
    header
        .add(ReportItem::label({0, 9.3, 74.4, 9.6}, subtitle, ReportFont{QStringLiteral("Tahoma"), 9, true}))
        .wordWrap = true;

    ReportBand &detail = def.addBand(ReportBand::Kind::Detail, 6.6);
    detail.bottomRule = 1;

    ReportBand &summary = def.addBand(ReportBand::Kind::Summary, 6.6);
    summary.bottomRule = 1;
    summary.visible = !sumField.isEmpty();
    summary.add(ReportItem::label({5.3, 1.3, 0, 4.0}, QStringLiteral("Összesen"))).autoSize = true;
    ReportFont sumFont;
    sumFont.size = fontSize;
    sumFont.bold = true;
    ReportItem &sum = summary.add(ReportItem::sum({83.0, 1.3, 14.2, 4.0}, sumField, sumFont, Qt::AlignRight));
    sum.visible = !sumField.isEmpty();

    if (model) {
        const QHeaderView *columns = grid.horizontalHeader();
        const double gridWidth = std::max(1, grid.width());
        double x = 0;
        for (int visual = 0; visual < columns->count(); ++visual) {
            const int logical = columns->logicalIndex(visual);
            if (logical < 0 || columns->isSectionHidden(logical) ||
                size_t(logical) >= model->columns().size())
                continue;
            const GridColumn &col = model->columns()[size_t(logical)];
            // W x (column / grid), multiplied first so that an exact half stays exact.
            const double w = nearbyint(W * grid.columnWidth(logical) / gridWidth);
            const Qt::Alignment align = col.alignment & Qt::AlignHorizontal_Mask;
            ReportFont cellFont;
            cellFont.size = fontSize;
            ReportItem &cell = detail.add(ReportItem::fieldItem(
                {layoutUnitsToMm(x), layoutUnitsToMm(4), layoutUnitsToMm(w), layoutUnitsToMm(13)}, col.field,
                cellFont, align));
            cell.format = col.format ? col.format : std::function<QString(const QVariant &)>(fieldText);
            ReportFont captionFont = cellFont;
            captionFont.italic = true;
            header.add(ReportItem::label(
                {layoutUnitsToMm(x), layoutUnitsToMm(72), layoutUnitsToMm(w), layoutUnitsToMm(13)},
                model->headerData(logical, Qt::Horizontal).toString(), captionFont, align));
            if (!sumField.isEmpty() && col.field == sumField) {
                sum.rect.setLeft(layoutUnitsToMm(x));
                sum.rect.setWidth(layoutUnitsToMm(w));
            }
            x += w + 4;
        }
    }
    KozosLablec(def);
    return def;
}

void GridNyomtat(GridView &grid, bool print, bool portrait, const QString &title, int fontSize,
                 const QString &sumField, const QString &subtitle)
{
    const ReportDefinition def = GridPrintReport(grid, portrait, title, fontSize, sumField, subtitle);
    if (print)
        printReport(def);
    else
        previewReport(def, &grid);
}
