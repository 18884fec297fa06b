#include "foundation/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A settings file as an older installation and other windows leave it.
const char *const kMixed =
    "; Vorn settings\n"
    "[ALAPERTEK]\n"
    "SorrendSzin=12189695\n"
    "  UtVonal = C:\\Vorn\\Data  \n"
    "this line is garbage\n"
    "\n"
    "[frm_Beallit]\n"
    "Left=120\n"
    "Top=80\n"
    "\n"
    "# a comment before the label printer section\n"
    "[Dymo]\n"
    "Nyomtato=DYMO LabelWriter 450\n"
    "=no key\n"
    "[broken header\n";

} // namespace

class tst_IniFile : public QObject {
    Q_OBJECT

private slots:
    void readsKeysWithoutRegardToCase()
    {
        IniFile ini;
        ini.setText(QString::fromLatin1(kMixed));
        QCOMPARE(ini.value("Alapertek", "Utvonal"), QStringLiteral("C:\\Vorn\\Data"));
        QCOMPARE(ini.value("alapertek", "utvonal"), QStringLiteral("C:\\Vorn\\Data"));
        QVERIFY(ini.contains("FRM_BEALLIT", "left"));
        QCOMPARE(ini.intValue("frm_Beallit", "Top", 10), 80);
        QCOMPARE(ini.value("Dymo", "Nyomtato"), QStringLiteral("DYMO LabelWriter 450"));
        // A key belongs to its own section only.
        QVERIFY(!ini.contains("Dymo", "Left"));
        QVERIFY(!ini.contains("frm_Beallit", "SorrendSzin"));
        QCOMPARE(ini.value("Nincs", "Left", "def"), QStringLiteral("def"));
    }

    void roundTripKeepsWhatItDoesNotKnow()
    {
        IniFile ini;
        ini.setText(QString::fromLatin1(kMixed));
        QCOMPARE(ini.text(), QString::fromLatin1(kMixed));  // untouched, byte for byte

        ini.setValue("Alapertek", "Utvonal", "D:/Adat");     // the file spells it UtVonal
        ini.setInt("alapertek", "Betumeret", 10);            // new key of an existing section
        ini.setInt("frm_Beallit", "Left", 130);
        ini.setValue("Tulajdonos", "Tulajdonos", "Horgász Egyesület");  // new section
        QCOMPARE(ini.text(),
                 QStringLiteral("; Vorn settings\n"
                                "[ALAPERTEK]\n"
                                "SorrendSzin=12189695\n"
                                "UtVonal=D:/Adat\n"
                                "Betumeret=10\n"
                                "this line is garbage\n"
                                "\n"
                                "[frm_Beallit]\n"
                                "Left=130\n"
                                "Top=80\n"
                                "\n"
                                "# a comment before the label printer section\n"
                                "[Dymo]\n"
                                "Nyomtato=DYMO LabelWriter 450\n"
                                "=no key\n"
                                "[broken header\n"
                                "\n"
                                "[Tulajdonos]\n"
                                "Tulajdonos=Horgász Egyesület\n"));
    }

    void oneKeyWhateverItsCase()
    {
        IniFile ini;
        ini.setText("[Alapertek]\nutvonal=a\n");
        ini.setValue("ALAPERTEK", "Utvonal", "b");
        QCOMPARE(ini.text(), QStringLiteral("[Alapertek]\nutvonal=b\n"));
        QCOMPARE(ini.value("alapertek", "UTVONAL"), QStringLiteral("b"));
    }

    void newKeyGoesAfterTheLastKeyOfItsSection()
    {
        IniFile ini;
        ini.setText("[A]\n; about x\nx=1\n\n\n; about B\n[B]\ny=2\n");
        ini.setValue("a", "z", "3");
        ini.setValue("B", "w", "4");
        ini.setValue("C", "v", "5");
        QCOMPARE(ini.text(), QStringLiteral("[A]\n; about x\nx=1\nz=3\n\n\n; about B\n[B]\ny=2\nw=4\n\n[C]\nv=5\n"));
    }

    void newKeyOfAnEmptySectionFollowsItsHeader()
    {
        IniFile ini;
        ini.setText("[A]\n\n[B]\n");
        ini.setValue("A", "k", "v");
        QCOMPARE(ini.text(), QStringLiteral("[A]\nk=v\n\n[B]\n"));
    }

    void brokenLinesAreKeptButNotRead_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("no equals sign") << "Left 5";
        QTest::newRow("no key") << "=5";
        QTest::newRow("unclosed header") << "[frm_X";
        QTest::newRow("semicolon comment") << ";Left=5";
        QTest::newRow("hash comment") << "#Left=5";
        QTest::newRow("control characters") << QStringLiteral("\x01\x02\x7f");
        QTest::newRow("blanks only") << "   \t";
    }
    void brokenLinesAreKeptButNotRead()
    {
        QFETCH(QString, line);
        const QString text = "[frm_X]\n" + line + "\nTop=7\n";
        IniFile ini;
        ini.setText(text);
        QVERIFY(!ini.contains("frm_X", "Left"));
        QCOMPARE(ini.intValue("frm_X", "Top", 10), 7);
        QCOMPARE(ini.text(), text);
        ini.setInt("frm_X", "Left", 1);
        QCOMPARE(ini.intValue("frm_X", "Left", 10), 1);
        QVERIFY(ini.text().contains("\n" + line + "\n"));
    }

    void numbersAndBooleans_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("number");  // with the default 77
        QTest::addColumn<bool>("boolWithDefaultFalse");
        QTest::addColumn<bool>("boolWithDefaultTrue");
        QTest::newRow("0") << "0" << 0 << false << false;
        QTest::newRow("1") << "1" << 1 << true << true;
        QTest::newRow("2") << "2" << 2 << true << true;
        QTest::newRow("-1") << "-1" << -1 << true << true;
        QTest::newRow("blanks around") << " 12 " << 12 << true << true;
        QTest::newRow("letters") << "x" << 77 << false << true;
        QTest::newRow("digits then letters") << "12abc" << 77 << false << true;
        QTest::newRow("decimal") << "1,5" << 77 << false << true;
        QTest::newRow("beyond 32 bits") << "99999999999" << 77 << false << true;
        QTest::newRow("empty") << "" << 77 << false << true;
    }
    void numbersAndBooleans()
    {
        QFETCH(QString, stored);
        QFETCH(int, number);
        QFETCH(bool, boolWithDefaultFalse);
        QFETCH(bool, boolWithDefaultTrue);
        IniFile ini;
        ini.setText("[S]\nK=" + stored + "\n");
        QCOMPARE(ini.intValue("S", "K", 77), number);
        QCOMPARE(ini.boolValue("S", "K", false), boolWithDefaultFalse);
        QCOMPARE(ini.boolValue("S", "K", true), boolWithDefaultTrue);
    }

    void writesNumbersAndBooleans()
    {
        IniFile ini;
        ini.setInt("S", "N", -42);
        ini.setBool("S", "T", true);
        ini.setBool("S", "F", false);
        QCOMPARE(ini.text(), QStringLiteral("[S]\nN=-42\nT=1\nF=0\n"));
    }

    void lineBreakInAValueCannotStartALine()
    {
        IniFile ini;
        ini.setValue("Tulajdonos", "TulCim", "Fő utca 1.\r\n[Alapertek]\nUtvonal=/tmp");
        IniFile again;
        again.setText(ini.text());
        QCOMPARE(again.value("Tulajdonos", "TulCim"), QStringLiteral("Fő utca 1.  [Alapertek] Utvonal=/tmp"));
        QVERIFY(!again.contains("Alapertek", "Utvonal"));
    }

    void readsTheEncodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8") << QByteArray("[Alapertek]\nAlapVaros=Győr\n");
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF[Alapertek]\nAlapVaros=Győr\n");
        QTest::newRow("code page 1250") << QByteArray("[Alapertek]\nAlapVaros=Gy\xF5r\n");
        QTest::newRow("code page 1250, CR LF") << QByteArray("[Alapertek]\r\nAlapVaros=Gy\xF5r\r\n");
        QTest::newRow("no final line break") << QByteArray("[Alapertek]\nAlapVaros=Győr");
    }
    void readsTheEncodings()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Vorn.ini");
        QVERIFY(writeBytes(path, bytes));
        const IniFile ini(path);
        QCOMPARE(ini.path(), path);
        QCOMPARE(ini.value("Alapertek", "AlapVaros"), QStringLiteral("Győr"));
    }

    void writesUtf8AndKeepsTheLineEnds_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("LF") << QByteArray("[A]\nk=1\n") << QByteArray("[A]\nk=1\nv=Győr\n");
        QTest::newRow("CR LF") << QByteArray("[A]\r\nk=1\r\n") << QByteArray("[A]\r\nk=1\r\nv=Győr\r\n");
        QTest::newRow("code page 1250 becomes UTF-8")
            << QByteArray("[A]\r\nk=\xD5\r\n") << QByteArray("[A]\r\nk=\xC5\x90\r\nv=Győr\r\n");
        QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBF[A]\nk=1\n") << QByteArray("[A]\nk=1\nv=Győr\n");
    }
    void writesUtf8AndKeepsTheLineEnds()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath("Vorn.ini");
        QVERIFY(writeBytes(path, before));
        IniFile ini(path);
        ini.setValue("A", "v", "Győr");
        QVERIFY(ini.save());
        QCOMPARE(readBytes(path), after);
    }

    void missingOrEmptyFileGivesDefaultsAndIsCreatedOnSave_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << false;
        QTest::newRow("empty") << true;
    }
    void missingOrEmptyFileGivesDefaultsAndIsCreatedOnSave()
    {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const QString path = dir.filePath("Vorn.ini");
        if (exists)
            QVERIFY(writeBytes(path, {}));
        IniFile ini(path);
        QVERIFY(!ini.contains("Alapertek", "Utvonal"));
        QCOMPARE(ini.intValue("frm_SQL", "Left", 10), 10);
        QCOMPARE(ini.text(), QString());
        ini.setInt("frm_SQL", "Left", 3);
        QVERIFY(ini.save());
        QCOMPARE(readBytes(path), QByteArray("[frm_SQL]\nLeft=3\n"));
    }

    void failedSaveLeavesNothingBehind()
    {
        QTemporaryDir dir;
        IniFile ini;
        ini.setInt("A", "k", 1);

        // Into a folder that does not exist: refused, and no folder appears.
        const QString missing = dir.filePath("nincs/Vorn.ini");
        QVERIFY(!ini.save(missing));
        QVERIFY(!QFileInfo::exists(dir.filePath("nincs")));

        // Where the "folder" is a file: refused, the file stays as it was.
        const QString file = dir.filePath("file");
        QVERIFY(writeBytes(file, "old"));
        QVERIFY(!ini.save(file + "/Vorn.ini"));
        QCOMPARE(readBytes(file), QByteArray("old"));

        // Over a folder: refused, the folder stays, no temporary file remains.
        QVERIFY(QDir(dir.path()).mkdir("isdir"));
        QVERIFY(!ini.save(dir.filePath("isdir")));
        QVERIFY(QFileInfo(dir.filePath("isdir")).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"file", "isdir"}));

        QVERIFY(!IniFile().save());  // no path at all
    }

    void failedSaveInReadOnlyFolderKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString sub = dir.filePath("ro");
        QVERIFY(QDir().mkdir(sub));
        const QString path = sub + "/Vorn.ini";
        QVERIFY(writeBytes(path, "[A]\nk=old\n"));
        QVERIFY(QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto restore = qScopeGuard([&] { QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); });
        if (QFile(sub + "/probe").open(QIODevice::WriteOnly)) {
            QFile::remove(sub + "/probe");
            QSKIP("this user may write into read-only folders");
        }
        IniFile ini(path);
        ini.setValue("A", "k", "new");
        QVERIFY(!ini.save());
        QCOMPARE(readBytes(path), QByteArray("[A]\nk=old\n"));
        QCOMPARE(QDir(sub).entryList(QDir::Files | QDir::Hidden), QStringList({"Vorn.ini"}));
    }
};

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_inifile.moc"
