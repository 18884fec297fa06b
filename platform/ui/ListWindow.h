#pragma once
// The list window every reference list is built on: toolbar, optional title
// strip with a search box, a read-only grid over one data set, a status bar, the
// standard actions and the accept mode of choosers. A window is a subclass that
// configures this in its constructor and overrides the hooks it needs.
//
// Object names: aUj, aSzerkeszt, aTorol, aKeres, aElfogad, aBezar, toolBar,
// titleStrip, lblCim, edtKereso, grid, gridMenu, statusBar, statusPanel0...
#include "platform/ui/GridModel.h"

#include <QDialog>
#include <QList>
#include <QStyle>
#include <vector>

class GridView;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QToolBar;

class ListWindow : public QDialog {
    Q_OBJECT
public:
    enum class StatusText { CountColonPos, CountSlashPos }; // "12: 3" or "12 / 3"
    enum class Posting { ByDialog, ByList };                // who posts after the edit dialog's OK

    explicit ListWindow(QWidget *parent = nullptr);

    // Position memory under name: Left and Top on show (also Width and Height
    // when restoreSize), all four stored on close.
    void setWindowName(const QString &name, bool restoreSize = false);
    // The strip above the grid: caption at the right; a search box at the left
    // searching searchField, the first field of the data set's order, when given.
    void setTitleStrip(const QString &caption, const QString &searchField = {});
    void setDataSet(DataSet *ds, std::vector<GridColumn> columns);
    // A column painted with the sort-column colour of the settings; -1 for none.
    void setSortColumn(int column) { m_sortColumn = column; }
    void setStatusText(StatusText mode) { m_statusText = mode; }
    void setStatusPanels(const QList<int> &widths); // the first one shows the position
    void setPosting(Posting posting) { m_posting = posting; }
    void setDeleteQuestion(const QString &text) { m_deleteQuestion = text; }
    // The first column fills the grid's width but for rest pixels, also when
    // the window is resized; a negative rest leaves the widths alone.
    void setFirstColumnFill(int rest) { m_firstColumnRest = rest; }
    // Chooser mode: aElfogad is enabled and visible, Enter and double-click accept.
    void setAcceptMode(bool on);
    bool acceptMode() const { return m_acceptMode; }

    DataSet *dataSet() const { return m_ds; }
    GridModel *model() const { return m_model; }
    GridView *grid() const { return m_grid; }
    QToolBar *toolBar() const { return m_toolBar; }
    QLineEdit *searchBox() const { return m_search; } // nullptr without one
    QMenu *contextMenu() const { return m_menu; }
    QLabel *statusPanel(int i) const { return m_panels.value(i); }

    QAction *aUj() const { return m_aUj; }
    QAction *aSzerkeszt() const { return m_aSzerkeszt; }
    QAction *aTorol() const { return m_aTorol; }
    QAction *aKeres() const { return m_aKeres; }
    QAction *aElfogad() const { return m_aElfogad; }
    QAction *aBezar() const { return m_aBezar; }

    // Runs the window as a chooser: opens the data set on the row whose keyField
    // equals key (the first row when none does), shows the window modally and
    // returns the accepted row's keyField (0 for a null key or an empty list) or
    // -1; the data set is closed again.
    int choose(const QString &keyField, int key);

    void done(int result) override;

protected:
    // aUj: insert, initNewRow, edit dialog, then post or cancel per the posting.
    virtual void newRow();
    // aSzerkeszt: edit, edit dialog, then post or cancel per the posting.
    virtual void editRow();
    // aTorol: the delete question, and on yes the current row is removed.
    virtual void deleteRow();
    virtual void initNewRow() {}
    // Shows the window's edit dialog over the current row; true when it ended with OK.
    virtual bool execEditDialog() { return false; }
    // Every change of the search box's text: by default the first row, in the
    // data set's order, whose search field begins with the text.
    virtual void search(const QString &text);

    // The first show takes the place, the program's font size, the sort-column
    // colour and the owner-drawn menus.
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QAction *makeAction(const char *name, const QString &caption, QStyle::StandardPixmap icon,
                        const QList<QKeySequence> &shortcuts);
    void finishEdit(bool ok);
    void updateStatus();

    DataSet *m_ds = nullptr;
    GridModel *m_model = nullptr;
    GridView *m_grid = nullptr;
    QToolBar *m_toolBar = nullptr;
    QLineEdit *m_search = nullptr;
    QString m_searchField;
    QMenu *m_menu = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QList<QLabel *> m_panels;
    QAction *m_aUj, *m_aSzerkeszt, *m_aTorol, *m_aKeres, *m_aElfogad, *m_aBezar;
    QString m_windowName;
    bool m_restoreSize = false;
    int m_sortColumn = -1;
    int m_firstColumnRest = -1;
    StatusText m_statusText = StatusText::CountColonPos;
    Posting m_posting = Posting::ByDialog;
    QString m_deleteQuestion = QStringLiteral("Valóban töröljem a sort?");
    bool m_acceptMode = false;
    bool m_wasShown = false;
};
