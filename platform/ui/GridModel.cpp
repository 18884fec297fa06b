#include "platform/ui/GridModel.h"

#include "platform/ui/FieldText.h"

GridModel::GridModel(DataSet *ds, QObject *parent) : QAbstractTableModel(parent), m_ds(ds)
{
    connect(ds, &DataSet::dataReset, this, &GridModel::reset);
    connect(ds, &DataSet::currentChanged, this, &GridModel::currentMoved);
    connect(ds, &QObject::destroyed, this, &GridModel::reset);
    takeDataSet();
}

void GridModel::setColumns(std::vector<GridColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    takeDataSet();
    endResetModel();
}

void GridModel::setSortColumn(int column, const QColor &colour)
{
    m_sortColumn = column;
    m_sortColour = colour;
    if (m_rows > 0 && !m_columns.empty())
        emit dataChanged(index(0, 0), index(m_rows - 1, int(m_columns.size()) - 1), {Qt::BackgroundRole});
}

void GridModel::reset()
{
    beginResetModel();
    takeDataSet();
    endResetModel();
}

// Only the row count and the field positions are taken; rows are read when painted.
void GridModel::takeDataSet()
{
    const bool open = m_ds && m_ds->isOpen();
    m_rows = open ? m_ds->recordCount() : 0;
    m_fieldIndex.assign(m_columns.size(), -1);
    for (size_t c = 0; open && c < m_columns.size(); ++c)
        m_fieldIndex[c] = m_ds->fieldIndex(m_columns[c].field);
    m_indicatorRow = open ? m_ds->currentRow() : -1;
}

void GridModel::currentMoved()
{
    const int old = m_indicatorRow;
    m_indicatorRow = m_ds && m_ds->isOpen() ? m_ds->currentRow() : -1;
    if (old == m_indicatorRow)
        return;
    if (old >= 0 && old < m_rows)
        emit headerDataChanged(Qt::Vertical, old, old);
    if (m_indicatorRow >= 0 && m_indicatorRow < m_rows)
        emit headerDataChanged(Qt::Vertical, m_indicatorRow, m_indicatorRow);
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const GridColumn &col = m_columns[size_t(index.column())];
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole: {
        const int field = m_fieldIndex[size_t(index.column())];
        const QVariant v = field < 0 ? QVariant() : m_ds->valueAt(row, field);
        return col.format ? col.format(v) : fieldText(v);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(col.alignment);
    case Qt::BackgroundRole: {
        const QColor c = index.column() == m_sortColumn ? m_sortColour
                         : col.background               ? col.background(row)
                                                        : QColor();
        return c.isValid() ? QVariant(c) : QVariant();
    }
    case Qt::ForegroundRole: {
        const QColor c = col.foreground ? col.foreground(row) : QColor();
        return c.isValid() ? QVariant(c) : QVariant();
    }
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section == m_indicatorRow ? RowIndicator : QString();
    if (section < 0 || section >= int(m_columns.size()))
        return {};
    return m_columns[size_t(section)].title;
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
