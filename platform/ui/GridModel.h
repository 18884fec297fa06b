#pragma once
// A read-only table model over a data set: one row per data-set row, columns
// as defined. Resets when the data set reloads; the vertical header marks the
// current row.
#include "platform/db/DataSet.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPointer>
#include <functional>
#include <vector>

struct GridColumn {
    QString field;
    QString title;
    int width = 0; // pixels; 0 leaves the view's default
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::function<QString(const QVariant &)> format; // display text; fieldText() when empty
    std::function<QColor(int row)> background;       // an invalid colour means the default
    std::function<QColor(int row)> foreground;
};

// A colour stored as blue * 65536 + green * 256 + red.
inline QColor colorFromBgr(int bgr)
{
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    inline static const QString RowIndicator = QStringLiteral("\u25B6");

    explicit GridModel(DataSet *ds, QObject *parent = nullptr);

    DataSet *dataSet() const { return m_ds; }
    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn> &columns() const { return m_columns; }
    // The column of the current order, painted in colour over any background
    // callback; -1 for none.
    void setSortColumn(int column, const QColor &colour);
    int sortColumn() const { return m_sortColumn; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void reset();
    void takeDataSet();
    void currentMoved();

    QPointer<DataSet> m_ds;
    std::vector<GridColumn> m_columns;
    std::vector<int> m_fieldIndex; // per column; -1 when the data set lacks the field
    int m_rows = 0;
    int m_indicatorRow = -1;
    int m_sortColumn = -1;
    QColor m_sortColour;
};
