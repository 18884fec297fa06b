#pragma once
// Where the program keeps its files. Fixed once at start, before any window.
#include <QRect>
#include <QString>

struct Folders {
    QString program;       // folder of the executable, no trailing separator
    QString dataRoot;      // program folder when Vorn.ini lies beside the executable
    QString settingsFile;  // dataRoot + "/Vorn.ini"
    QRect workArea;        // desktop area not covered by panels, read at start

    QString defaultDataFolder() const;  // dataRoot + "/Data"
    QString pictures() const;           // dataRoot + "/Kepek"
    QString archive() const;            // dataRoot + "/Archiv"
    QString help() const;               // program + "/Help/index.htm"
    QString manual() const;             // program + "/Doc/Vorn.pdf"
    QString news() const;               // program + "/Ujdonsag.exe"

    // The folder rule: Vorn.ini beside the executable makes the installation
    // self-contained; otherwise the data root is commonData + "/Vorn", or the
    // program folder when commonData is empty. Paths are used as they are
    // (a file system may tell letter case apart).
    static Folders fix(const QString &programFolder, const QString &commonData, const QRect &workArea);
    // The rule applied to the running program (needs the application object).
    static Folders fixForThisProgram();
};

// The folders of this run; set once by the entry point (and by test fixtures).
Folders &folders();
