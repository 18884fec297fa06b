#pragma once
// The delimited-text export dialog: writes any open data set (a table or a
// query) to a delimited text file or, by the file name, to a spreadsheet.
#include "platform/io/Spreadsheet.h"
#include "platform/ui/EditDialog.h"

#include <QString>
#include <vector>

class DataSet;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace Hatarolt {

struct Options {
    QChar delimiter = u';';
    QString qualifier;       // put before and after every value; may be empty
    bool memo = false;       // memos on one line instead of "BLOB"
    bool fieldNames = false; // header with field names instead of display labels
    bool noHeader = false;   // the first line stays empty
};

// The header line and the line of one row, without the line end. Only the
// columns flagged in takesPart are written; every value is followed by the
// delimiter. A qualifier inside a value is doubled so it cannot end the field.
QString headerLine(const DataSet &ds, const std::vector<bool> &takesPart, const Options &o);
QString recordLine(const DataSet &ds, int row, const std::vector<bool> &takesPart, const Options &o);

} // namespace Hatarolt

class Tfrm_Hatarolt : public EditDialog {
    Q_OBJECT
public:
    Tfrm_Hatarolt(DataSet &ds, const QString &fileName, QWidget *parent = nullptr);

    void exportStart(); // "Export indítás"

private:
    std::vector<bool> takingPart() const;
    Hatarolt::Options options() const;
    bool chooseFile();
    void delimitedExport(const QString &fileName);
    void spreadsheetExport(const QString &fileName, Spreadsheet::Format format);

    DataSet &m_ds;
    bool m_running = false;
    QListWidget *CheckListBox1;
    QRadioButton *m_delimiters[4];
    QRadioButton *m_qualifiers[3];
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QCheckBox *CheckBox3;
    QCheckBox *CheckBox4;
    QLineEdit *Edit1;
    QPushButton *Button3;
    QProgressBar *ProgressBar1;
};

// Opens the dialog modally for the data set; an empty proposal becomes
// the documents folder + "/File001.csv".
void HataroltExport(DataSet &ds, const QString &proposedName, QWidget *owner = nullptr);
