#include "foundation/Folders.h"
#include "foundation/Seged.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

// The folder rule: Vorn.ini beside the program makes the installation
// self-contained, otherwise the data lives in the common data folder.
class tst_Folders : public QObject {
    Q_OBJECT

private slots:
    void rule_data()
    {
        QTest::addColumn<bool>("iniBeside");
        QTest::addColumn<bool>("commonKnown");
        QTest::addColumn<bool>("selfContained");
        QTest::newRow("Vorn.ini beside the program") << true << true << true;
        QTest::newRow("Vorn.ini beside, no common folder") << true << false << true;
        QTest::newRow("no Vorn.ini") << false << true << false;
        QTest::newRow("no Vorn.ini, no common folder") << false << false << true;
    }
    void rule()
    {
        QFETCH(bool, iniBeside);
        QFETCH(bool, commonKnown);
        QFETCH(bool, selfContained);
        QTemporaryDir dir;
        // Letter case and a blank in the name: the folder must be used as it is.
        const QString program = dir.filePath("Program Files/Vorn");
        QVERIFY(QDir().mkpath(program));
        if (iniBeside) {
            QFile ini(program + "/Vorn.ini");
            QVERIFY(ini.open(QIODevice::WriteOnly));
        }
        const QString common = commonKnown ? dir.filePath("ProgramData") : QString();
        const QRect area(0, 0, 1280, 984);

        const Folders f = Folders::fix(program + "/", common, area);
        const QString root = selfContained ? program : common + "/Vorn";
        QCOMPARE(f.program, program);  // no trailing separator, case kept
        QCOMPARE(f.dataRoot, root);
        QCOMPARE(f.settingsFile, root + "/Vorn.ini");
        QCOMPARE(f.defaultDataFolder(), root + "/Data");
        QCOMPARE(f.pictures(), root + "/Kepek");
        QCOMPARE(f.archive(), root + "/Archiv");
        QCOMPARE(f.help(), program + "/Help/index.htm");
        QCOMPARE(f.manual(), program + "/Doc/Vorn.pdf");
        QCOMPARE(f.news(), program + "/Ujdonsag.exe");
        QCOMPARE(f.workArea, area);
    }

    void aFolderNamedVornIniDoesNotCount()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Vorn.ini"));
        const Folders f = Folders::fix(dir.path(), "/common", QRect());
        QCOMPARE(f.dataRoot, QStringLiteral("/common/Vorn"));
    }

    void thisProgram()
    {
        const Folders f = Folders::fixForThisProgram();
        QCOMPARE(f.program, QCoreApplication::applicationDirPath());
        QCOMPARE(f.dataRoot, KozosAdatMappa() + "/Vorn");  // the build folder has no Vorn.ini
        QVERIFY(QGuiApplication::primaryScreen());
        QCOMPARE(f.workArea, QGuiApplication::primaryScreen()->availableGeometry());
        QVERIFY(!f.workArea.isEmpty());

        folders() = f;
        QCOMPARE(ProgramMappa(), f.program);
    }
};

QTEST_MAIN(tst_Folders)
#include "tst_folders.moc"
