#include "platform/ui/GridView.h"

#include "platform/ui/GridModel.h"

#include <QHeaderView>

GridView::GridView(QWidget *parent) : QTableView(parent)
{
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    QPalette p = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    setPalette(p);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    QHeaderView *rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultAlignment(Qt::AlignCenter);
    rows->setHighlightSections(false);
    rows->setMinimumSectionSize(1);
    fitToFont();
}

void GridView::changeEvent(QEvent *e)
{
    QTableView::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        fitToFont();
}

// Rows as high as a line of text, as the program's font size changes.
void GridView::fitToFont()
{
    const QFontMetrics fm = fontMetrics();
    verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    verticalHeader()->setFixedWidth(fm.horizontalAdvance(GridModel::RowIndicator) + 8);
}

void GridView::setGridModel(GridModel *model)
{
    m_model = model;
    setModel(model);
    m_widths.clear();
    restoreWidths();
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &GridView::keepWidths);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        restoreWidths();
        followDataSet();
    });
    connect(model->dataSet(), &DataSet::currentChanged, this, &GridView::followDataSet);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, &GridView::rowChanged);
    followDataSet();
}

void GridView::followDataSet()
{
    DataSet *ds = m_model ? m_model->dataSet() : nullptr;
    if (!ds || !ds->isOpen())
        return;
    const int row = ds->currentRow();
    if (row < 0 || row >= m_model->rowCount() || currentIndex().row() == row)
        return;
    setCurrentIndex(m_model->index(row, qMax(0, currentIndex().column())));
}

void GridView::rowChanged(const QModelIndex &current)
{
    DataSet *ds = m_model->dataSet();
    if (current.isValid() && ds && ds->isOpen() && current.row() != ds->currentRow())
        ds->moveTo(current.row());
}

void GridView::keepWidths()
{
    m_widths.clear();
    for (int c = 0; c < horizontalHeader()->count(); ++c)
        m_widths.push_back(columnWidth(c));
}

// The widths the columns had before a reload, or their defined widths.
void GridView::restoreWidths()
{
    const auto &cols = m_model->columns();
    const bool kept = m_widths.size() == cols.size();
    for (size_t c = 0; c < cols.size(); ++c) {
        const int w = kept ? m_widths[c] : cols[c].width;
        if (w > 0)
            setColumnWidth(int(c), w);
    }
}
