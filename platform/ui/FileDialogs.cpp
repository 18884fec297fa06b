#include "platform/ui/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

namespace {

struct Hook {
    bool armed = false;
    QQueue<QString> answers;
    QList<FileDialogHook::Asked> asked;
};

Hook &hook()
{
    static Hook h;
    return h;
}

// "ZIP archívumok (*.zip)|*.zip" gives "ZIP archívumok (*.zip)": the dialog
// reads its patterns from the parentheses, separated by blanks.
QStringList nameFilters(const QString &filter)
{
    const QStringList parts = filter.split('|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int open = description.lastIndexOf('(');
        if (open > 0 && description.endsWith(')'))
            description.truncate(open);
        result << QStringLiteral("%1 (%2)").arg(description.trimmed(),
                                                QString(parts[i + 1]).replace(';', ' '));
    }
    return result;
}

QString ask(bool save, QWidget *owner, const QString &caption, const QString &start, const QString &filter,
            const QString &defaultSuffix)
{
    const QStringList filters = nameFilters(filter);
    Hook &h = hook();
    if (h.armed) {
        h.asked.append({save, caption, start, filters, defaultSuffix});
        const QString answer = h.answers.isEmpty() ? QString() : h.answers.dequeue();
        if (answer.isEmpty() || !QFileInfo(answer).suffix().isEmpty() || defaultSuffix.isEmpty())
            return answer;
        return answer + '.' + defaultSuffix;
    }

    const QFileInfo at(start);
    QFileDialog dialog(owner, caption, at.isDir() ? at.absoluteFilePath() : at.absolutePath());
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!at.isDir())
        dialog.selectFile(at.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString OpenFileName(QWidget *owner, const QString &caption, const QString &start, const QString &filter,
                     const QString &defaultSuffix)
{
    return ask(false, owner, caption, start, filter, defaultSuffix);
}

QString SaveFileName(QWidget *owner, const QString &caption, const QString &start, const QString &filter,
                     const QString &defaultSuffix)
{
    return ask(true, owner, caption, start, filter, defaultSuffix);
}

QString FolderName(QWidget *owner, const QString &caption, const QString &start)
{
    Hook &h = hook();
    if (h.armed) {
        h.asked.append({false, caption, start, {}, {}, true});
        return h.answers.isEmpty() ? QString() : h.answers.dequeue();
    }
    return QFileDialog::getExistingDirectory(owner, caption, start);
}

namespace FileDialogHook {

void expect(const QString &fileName)
{
    hook().armed = true;
    hook().answers.enqueue(fileName);
}

const QList<Asked> &asked()
{
    return hook().asked;
}

void clear()
{
    hook() = Hook();
}

} // namespace FileDialogHook
