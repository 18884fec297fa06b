#include "mainwindow/Archival.h"

#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "platform/db/Database.h"
#include "platform/io/Zip.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

namespace {

// The snapshot under the database's own name, then every other file of the
// data folder under its path relative to it; the live database and its
// journal are left out. The connection is closed once the snapshot is taken.
void archive(const QString &target)
{
    QTemporaryDir work;
    if (!work.isValid())
        throw VornError(work.errorString());
    const QString copy = work.filePath(Db::FileName);
    Db::backup(copy);
    Db::close();

    const QDir data(Beall().Utvonal);
    const QString live = QString::fromLatin1(Db::FileName);
    ZipWriter zip(target);
    zip.addFile(copy, live);
    QDirIterator it(data.path(), QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = data.relativeFilePath(path);
        if (name != live && name != live + "-journal")
            zip.addFile(path, name);
    }
    zip.commit();
}

} // namespace

void AdatbazisArchival(QWidget *owner)
{
    const QString folder = folders().archive();
    if (!QDir().mkpath(folder)) {
        HibaUzenet(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(folder), qt_error_string()), owner);
        return;
    }

    const QString proposal =
        folder + '/' + QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + ".zip";
    const QString target =
        SaveFileName(owner, QStringLiteral("Adatbázis mentése"), proposal,
                     QStringLiteral("ZIP archívumok (*.zip)|*.zip"), QStringLiteral("zip"));
    if (target.isEmpty())
        return;

    try {
        archive(target);
    } catch (const VornError &e) {
        HibaUzenet(QStringLiteral("Hiba az archiválás közben\r\n") + e.message(), owner);
        return;
    }
    InfoUzenet(QStringLiteral("Archív állomány kész, indítsa újra a programot!"), owner);
}
