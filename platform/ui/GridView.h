#pragma once
// The read-only grid of the program: whole-row selection shown also without
// focus, grid lines, a row indicator, column titles not clickable. Its current
// row and the data set's current row follow each other.
#include <QTableView>
#include <vector>

class GridModel;

class GridView : public QTableView {
    Q_OBJECT
public:
    explicit GridView(QWidget *parent = nullptr);

    void setGridModel(GridModel *model);
    GridModel *gridModel() const { return m_model; }

protected:
    void changeEvent(QEvent *e) override;
    // Typed characters never move the grid by themselves; windows decide.
    void keyboardSearch(const QString &) override {}

private:
    void fitToFont();
    void followDataSet();
    void rowChanged(const QModelIndex &current);
    void keepWidths();
    void restoreWidths();

    GridModel *m_model = nullptr;
    std::vector<int> m_widths; // column widths kept across a reload
};
