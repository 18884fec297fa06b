#include "foundation/Beall.h"
#include "foundation/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Reading and writing the settings record against a real Vorn.ini in a
// temporary data root.
class tst_Beall : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    Folders m_folders;

    QByteArray settingsBytes() const
    {
        QFile f(m_folders.settingsFile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeSettings(const QByteArray &bytes) const
    {
        QFile f(m_folders.settingsFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    TBeall read() const
    {
        TBeall b;
        BeallitasOlvas(b, m_folders);
        return b;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_folders = Folders::fix(m_dir->path(), QString(), QRect(0, 0, 1280, 1024));
        QVERIFY(QDir().mkdir(m_folders.defaultDataFolder()));
    }

    void defaultsWhenTheFileIsMissing()
    {
        TBeall b;
        b.SorrendSzin = 1;
        b.TeljesKep = false;
        b.Betumeret = 12;
        b.Tulajdonos = "régi";
        BeallitasOlvas(b, m_folders);
        QCOMPARE(b.SorrendSzin, 12189695);
        QCOMPARE(b.AlapVaros, QString());
        QCOMPARE(b.TeljesKep, true);
        QCOMPARE(QRect(b.Bal, b.Felul, b.Szeles, b.Magas), QRect(5, 5, 640, 400));
        QCOMPARE(b.Utvonal, m_folders.defaultDataFolder());
        QCOMPARE(b.Betumeret, 9);
        QCOMPARE(b.Tulajdonos, QString());
        QVERIFY(!QFileInfo::exists(m_folders.settingsFile));  // created by the first write only
    }

    void readsEveryKey()
    {
        const QString other = m_dir->filePath("Masik");
        QVERIFY(QDir().mkdir(other));
        writeSettings("[alapertek]\n"
                      "sorrendszin=255\nAlapVaros=Győr\nTeljesKep=0\n"
                      "Bal=15\nFelul=25\nMagas=300\nSzeles=500\n"
                      "utvonal=" + other.toUtf8() + "\nBetumeret=14\nvanbelep=I\n"
                      "[TULAJDONOS]\nTulajdonos=Vorn HE\nTulCim=Fő utca 1.\nTulTel=+36 1 234 5678\n");
        TBeall b;
        b.vanbelep = true;
        b.m[0] = "Szabad 1";
        BeallitasOlvas(b, m_folders);
        QCOMPARE(b.SorrendSzin, 255);
        QCOMPARE(b.AlapVaros, QStringLiteral("Győr"));
        QCOMPARE(b.TeljesKep, false);
        QCOMPARE(QRect(b.Bal, b.Felul, b.Szeles, b.Magas), QRect(15, 25, 500, 300));
        QCOMPARE(b.Utvonal, other);
        QCOMPARE(b.Betumeret, 14);  // not held within 8 to 10 here
        QCOMPARE(b.Tulajdonos, QStringLiteral("Vorn HE"));
        QCOMPARE(b.TulCim, QStringLiteral("Fő utca 1."));
        QCOMPARE(b.TulTel, QStringLiteral("+36 1 234 5678"));
        // The login switch and the captions come from the database, not from here.
        QCOMPARE(b.vanbelep, true);
        QCOMPARE(b.m[0], QStringLiteral("Szabad 1"));
    }

    void teljesKep_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("teljesKep");
        QTest::newRow("0") << QByteArray("0") << false;
        QTest::newRow("1") << QByteArray("1") << true;
        QTest::newRow("2 is non-zero") << QByteArray("2") << true;
        QTest::newRow("x is no number: default") << QByteArray("x") << true;
        QTest::newRow("empty: default") << QByteArray("") << true;
    }
    void teljesKep()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, teljesKep);
        writeSettings("[Alapertek]\nTeljesKep=" + stored + "\n");
        QCOMPARE(read().TeljesKep, teljesKep);
    }

    void numbersThatAreNotNumbersGiveDefaults()
    {
        writeSettings("[Alapertek]\nSorrendSzin=sárga\nBal=\nMagas=4OO\nBetumeret=9.5\n");
        const TBeall b = read();
        QCOMPARE(b.SorrendSzin, 12189695);
        QCOMPARE(b.Bal, 5);
        QCOMPARE(b.Magas, 400);
        QCOMPARE(b.Betumeret, 9);
    }

    void missingDataFolderIsRepairedInTheFileAtOnce()
    {
        const QByteArray before = "; saját megjegyzés\n"
                                  "[Alapertek]\nSorrendSzin=255\nUtvonal=/nincs/ilyen/mappa\nBetumeret=10\n"
                                  "\n[frm_Beallit]\nLeft=120\nTop=80\n";
        writeSettings(before);
        QCOMPARE(read().Utvonal, m_folders.defaultDataFolder());
        QCOMPARE(settingsBytes(), QByteArray(before).replace("/nincs/ilyen/mappa", m_folders.defaultDataFolder().toUtf8()));
    }

    void repairWrittenEvenWhenTheDefaultIsMissingToo()
    {
        QVERIFY(QDir(m_folders.defaultDataFolder()).removeRecursively());
        writeSettings("[Alapertek]\nUtvonal=/nincs\n");
        QCOMPARE(read().Utvonal, m_folders.defaultDataFolder());
        QCOMPARE(settingsBytes(), "[Alapertek]\nUtvonal=" + m_folders.defaultDataFolder().toUtf8() + "\n");
    }

    void emptyDataFolderIsNotWrittenBack()
    {
        const QByteArray before = "[Alapertek]\nUtvonal=\nBetumeret=14\n";
        writeSettings(before);
        const TBeall b = read();
        QCOMPARE(b.Utvonal, m_folders.defaultDataFolder());
        QCOMPARE(b.Betumeret, 14);
        QCOMPARE(settingsBytes(), before);
    }

    void writesInTheShutDownOrder()
    {
        TBeall b;
        b.SorrendSzin = 255;
        b.AlapVaros = "Pécs";
        b.TeljesKep = false;
        b.Utvonal = "/adat";
        b.Betumeret = 8;
        b.Tulajdonos = "Vorn HE";
        b.TulCim = "Fő utca 1.";
        b.TulTel = "123";
        QVERIFY(BeallitasIr(b, m_folders, QRect(11, 22, 333, 444)));
        QCOMPARE(settingsBytes(), QByteArray("[Alapertek]\n"
                                             "SorrendSzin=255\n"
                                             "TeljesKep=0\n"
                                             "Utvonal=/adat\n"
                                             "AlapVaros=Pécs\n"
                                             "Betumeret=8\n"
                                             "Bal=11\n"
                                             "Felul=22\n"
                                             "Magas=444\n"
                                             "Szeles=333\n"
                                             "\n"
                                             "[Tulajdonos]\n"
                                             "Tulajdonos=Vorn HE\n"
                                             "TulCim=Fő utca 1.\n"
                                             "TulTel=123\n"));
    }

    void writeKeepsWindowSectionsAndUnknownKeys()
    {
        writeSettings("[frm_Beallit]\r\nLeft=120\r\nTop=80\r\n"
                      "[alapertek]\r\nutvonal=/regi\r\nSajat=igen\r\nTeljesKep=1\r\n"
                      "[Dymo]\r\nNyomtato=LW450\r\n");
        TBeall b;
        b.Utvonal = "/uj";
        QVERIFY(BeallitasIr(b, m_folders, QRect(5, 5, 640, 400)));
        QCOMPARE(settingsBytes(), QByteArray("[frm_Beallit]\r\nLeft=120\r\nTop=80\r\n"
                                             "[alapertek]\r\nutvonal=/uj\r\nSajat=igen\r\nTeljesKep=1\r\n"
                                             "SorrendSzin=12189695\r\nAlapVaros=\r\nBetumeret=9\r\n"
                                             "Bal=5\r\nFelul=5\r\nMagas=400\r\nSzeles=640\r\n"
                                             "[Dymo]\r\nNyomtato=LW450\r\n"
                                             "\r\n[Tulajdonos]\r\nTulajdonos=\r\nTulCim=\r\nTulTel=\r\n"));
    }

    void writtenRecordReadsBackTheSame()
    {
        TBeall b;
        b.SorrendSzin = 0xB5DAFF;
        b.AlapVaros = "Székesfehérvár";
        b.TeljesKep = false;
        b.Utvonal = m_folders.defaultDataFolder();
        b.Betumeret = 10;
        b.Tulajdonos = "Ő";
        QVERIFY(BeallitasIr(b, m_folders, QRect(-4, 7, 1024, 768)));
        const TBeall r = read();
        QCOMPARE(r.SorrendSzin, b.SorrendSzin);
        QCOMPARE(r.AlapVaros, b.AlapVaros);
        QCOMPARE(r.TeljesKep, false);
        QCOMPARE(r.Utvonal, b.Utvonal);
        QCOMPARE(r.Betumeret, 10);
        QCOMPARE(r.Tulajdonos, b.Tulajdonos);
        QCOMPARE(QRect(r.Bal, r.Felul, r.Szeles, r.Magas), QRect(-4, 7, 1024, 768));
    }

    void writeFailsWhenTheFolderIsMissing()
    {
        m_folders.settingsFile = m_dir->filePath("nincs/Vorn.ini");
        QVERIFY(!BeallitasIr(TBeall(), m_folders, QRect(0, 0, 640, 400)));
        QVERIFY(!QFileInfo::exists(m_dir->filePath("nincs")));
    }
};

QTEST_GUILESS_MAIN(tst_Beall)
#include "tst_beall.moc"
