#pragma once
// The HTML export of a list window's grid: a fixed-layout table page of the
// grid's columns and rows, with optional group rows and a totals row, that can
// be opened in the browser or handed to the mail program.
#include "platform/ui/EditDialog.h"

#include <QString>
#include <QStringList>
#include <functional>

class GridView;
class QCheckBox;
class QLineEdit;
class QProgressBar;

namespace Grid2Html {

struct Page {
    QString title;
    QString subtitle;
    QString sumList;     // field names separated by ';', or empty
    QString groupField;  // a field name, or empty
};

// The page's lines, without line ends. Every text taken from the data or the
// caller is escaped for HTML. progress gets the number of the record at every
// tenth record. Throws VornError when the group field is not in the data set.
QStringList pageLines(const GridView &grid, const Page &page, const std::function<void(int)> &progress = {});

// Writes the lines, each ended by CR LF, in code page 1250, creating the
// folder when missing; a failure leaves no file behind and throws VornError.
void writePage(const QString &fileName, const QStringList &lines);

// Escapes & < > " and writes characters outside code page 1250 as numeric
// character references.
QString escaped(const QString &text);

} // namespace Grid2Html

class Tfrm_Grid2Html : public EditDialog {
    Q_OBJECT
public:
    Tfrm_Grid2Html(const GridView &grid, const Grid2Html::Page &page, const QString &fileName,
                   QWidget *parent = nullptr);

    QString fileName() const;

private:
    void save();

    const GridView &m_grid;
    Grid2Html::Page m_page;
    QLineEdit *Edit1;
    QCheckBox *CheckBox1;
    QProgressBar *ProgressBar1;
};

// Opens the dialog modally; the last argument is kept for the callers and not used.
void Grid2HtmlExport(const GridView &grid, const QString &title, const QString &subtitle, const QString &sumList,
                     const QString &groupField, const QString &unused, QWidget *owner = nullptr);
