#include "foundation/Folders.h"

#include "foundation/Seged.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

QString Folders::defaultDataFolder() const { return dataRoot + QStringLiteral("/Data"); }
QString Folders::pictures() const { return dataRoot + QStringLiteral("/Kepek"); }
QString Folders::archive() const { return dataRoot + QStringLiteral("/Archiv"); }
QString Folders::help() const { return program + QStringLiteral("/Help/index.htm"); }
QString Folders::manual() const { return program + QStringLiteral("/Doc/Vorn.pdf"); }
QString Folders::news() const { return program + QStringLiteral("/Ujdonsag.exe"); }

Folders Folders::fix(const QString &programFolder, const QString &commonData, const QRect &workArea)
{
    Folders f;
    // cleanPath drops the trailing separator; letter case is kept, since on a
    // case-sensitive file system the lower-cased folder may not exist.
    f.program = QDir::cleanPath(QDir::fromNativeSeparators(programFolder));
    if (QFileInfo(f.program + QStringLiteral("/Vorn.ini")).isFile() || commonData.isEmpty())
        f.dataRoot = f.program;
    else
        f.dataRoot = QDir::cleanPath(QDir::fromNativeSeparators(commonData)) + QStringLiteral("/Vorn");
    f.settingsFile = f.dataRoot + QStringLiteral("/Vorn.ini");
    f.workArea = workArea;
    return f;
}

Folders Folders::fixForThisProgram()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return fix(QCoreApplication::applicationDirPath(), KozosAdatMappa(),
               screen ? screen->availableGeometry() : QRect());
}

Folders &folders()
{
    static Folders instance;
    return instance;
}
