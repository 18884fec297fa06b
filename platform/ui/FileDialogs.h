#pragma once
// The program's file dialogs, with a test hook for the next file name.
//
// Both dialogs start at start: a folder, or a file whose folder they open with
// its name filled in. filter is given as the system writes it: "Description|
// patterns" pairs joined by '|', patterns separated by ';' ("CSV állományok
// (*.csv)|*.csv|Minden állomány (*.*)|*.*"); empty for no filter. A name typed
// without extension gets defaultSuffix. An empty caption leaves Qt's own. The
// result is empty text when the user cancels.
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

QString OpenFileName(QWidget *owner, const QString &caption, const QString &start, const QString &filter,
                     const QString &defaultSuffix);
// An existing file is chosen without a question.
QString SaveFileName(QWidget *owner, const QString &caption, const QString &start, const QString &filter,
                     const QString &defaultSuffix);
// The folder-selection dialog, starting at the folder start; empty text when cancelled.
QString FolderName(QWidget *owner, const QString &caption, const QString &start);

// Lets tests answer file dialogs without showing them. While armed no dialog
// is shown: each call is recorded and answered with the next queued name (with
// defaultSuffix added as the dialog would), or cancelled when the queue is
// empty. An empty name answers with a cancel.
namespace FileDialogHook {

struct Asked {
    bool save;
    QString caption;
    QString start;
    QStringList nameFilters; // as the dialog lists them
    QString defaultSuffix;
    bool folder = false; // FolderName asked
};

void expect(const QString &fileName);
const QList<Asked> &asked();
// Disarms the hook and forgets answers and records.
void clear();

} // namespace FileDialogHook
