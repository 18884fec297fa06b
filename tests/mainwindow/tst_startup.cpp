// Start-up and shut-down of the main window: the three fatal exits, the data
// folder repair, login or none, the caption, the window's place and font, and
// the settings written at close.
#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "foundation/IniFile.h"
#include "mainwindow/Main.h"
#include "mainwindow/Splash.h"
#include "platform/db/DataFolder.h"
#include "platform/db/DataSet.h"
#include "platform/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

void writeIni(const QString &text)
{
    QFile f(folders().settingsFile);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
}

QString readIni()
{
    QFile f(folders().settingsFile);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Answers the login dialog when it comes: logs in with the default user, or
// cancels. Counts the dialogs seen.
struct LoginAnswer {
    explicit LoginAnswer(bool login)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, login] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w || w->objectName() != "frm_Login")
                return;
            ++seen;
            if (login) {
                w->findChild<QLineEdit *>("edtFelhasznalo")->setText(DataFolder::DefaultUser);
                w->findChild<QLineEdit *>("edtJelszo")->setText(DataFolder::DefaultPassword);
                w->findChild<QPushButton *>("btnOK")->click();
            } else {
                w->findChild<QPushButton *>("btnMegsem")->click();
            }
        });
        timer.start(20);
    }
    QTimer timer;
    int seen = 0;
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void missingDataFolderEnds();
    void missingDatabaseEnds();
    void loginCancelledEnds();
    void loginThenMainWindow();
    void noLoginUnlessAsked_data();
    void noLoginUnlessAsked();
    void dataFolderRepairWrittenBack();
    void ownerMissingGivesEmptyBrackets();
    void placeAndFontWhenShown();
    void shutDownWritesSettingsAndKeepsTheRest();
    void splashFades();

private:
    std::unique_ptr<TestDataFolder> m_folder;
};

void TestStartup::init()
{
    m_folder = std::make_unique<TestDataFolder>();
    Db::close();  // the start-up opens it itself
    Beall() = TBeall();
    MessageBoxHook::arm();
    writeIni("[Alapertek]\nUtvonal=" + m_folder->data() + "\n");
}

void TestStartup::cleanup()
{
    MessageBoxHook::clear();
    Db::close();
    m_folder.reset();
}

void TestStartup::missingDataFolderEnds()
{
    QVERIFY(QDir(m_folder->data()).removeRecursively());
    writeIni("[Alapertek]\nUtvonal=" + m_folder->root() + "/nincs\n");
    Tfrm_Main w;
    QVERIFY(!w.Inditas());
    QCOMPARE(MessageBoxHook::shown().size(), 1);
    QCOMPARE(MessageBoxHook::shown()[0].caption, QString("Hiba"));
    QCOMPARE(MessageBoxHook::shown()[0].text, QString("Nem létező adatbázis mappa."));
    QVERIFY(!Db::isOpen());
}

void TestStartup::missingDatabaseEnds()
{
    QVERIFY(QFile::remove(Db::databaseFile(m_folder->data())));
    Tfrm_Main w;
    QVERIFY(!w.Inditas());
    QCOMPARE(MessageBoxHook::shown().size(), 1);
    QVERIFY(MessageBoxHook::shown()[0].text.startsWith("Adatbázis megnyitása sikertelen\r\n"));
    QVERIFY(!QFile::exists(Db::databaseFile(m_folder->data())));  // never made an empty one
}

void TestStartup::loginCancelledEnds()
{
    LoginAnswer answer(false);
    Tfrm_Main w;
    QVERIFY(!w.Inditas());
    QCOMPARE(answer.seen, 1);
    QVERIFY(!Db::isOpen());
}

void TestStartup::loginThenMainWindow()
{
    LoginAnswer answer(true);
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    QCOMPARE(answer.seen, 1);
    QCOMPARE(w.windowTitle(), QString("Vorn V5.0.1.158: [Horgászegyesület]"));
    QCOMPARE(Db::scalar("SELECT count(*) FROM naplo WHERE sikeres = 'I'").toInt(), 1);
    QCOMPARE(w.findChild<QLabel *>("lblCim")->text(), QString("Vorn V5.0.1.158"));
    QCOMPARE(w.statusPanel(1)->text(), QString("Sorrend: név"));
    QCOMPARE(w.ugyfel()->order(), QString("Ugyfel_nev"));
    QCOMPARE(w.tipusSzuro(), -1);
    QCOMPARE(Beall().m[0], QString("anyja neve"));
    QCOMPARE(Beall().m[5], QString("horgászhely"));
}

void TestStartup::noLoginUnlessAsked_data()
{
    QTest::addColumn<QString>("sql");
    QTest::newRow("switch N") << "UPDATE beallit SET vanbelep = 'N'";
    QTest::newRow("switch null") << "UPDATE beallit SET vanbelep = NULL";
    QTest::newRow("switch lower-case i") << "UPDATE beallit SET vanbelep = 'i'";
    QTest::newRow("no settings row") << "DELETE FROM beallit";
}

void TestStartup::noLoginUnlessAsked()
{
    QFETCH(QString, sql);
    Db::open(m_folder->data());
    Db::exec(sql);
    Db::close();
    LoginAnswer answer(false);
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    QCOMPARE(answer.seen, 0);
    QCOMPARE(Db::scalar("SELECT count(*) FROM naplo").toInt(), 0);
    if (sql.startsWith("DELETE"))
        QVERIFY(Beall().m[0].isEmpty());
}

void TestStartup::dataFolderRepairWrittenBack()
{
    Db::open(m_folder->data());
    Db::exec("UPDATE beallit SET vanbelep = 'N'");
    Db::close();
    writeIni("[Alapertek]\nutvonal=" + m_folder->root() + "/torolt\n[frm_Beallit]\nLeft=7\n");
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    QVERIFY(MessageBoxHook::shown().isEmpty());  // silently
    const IniFile ini(folders().settingsFile);
    QCOMPARE(ini.value("Alapertek", "Utvonal"), m_folder->data());
    QCOMPARE(ini.intValue("frm_Beallit", "Left", 0), 7);
}

void TestStartup::ownerMissingGivesEmptyBrackets()
{
    Db::open(m_folder->data());
    Db::exec("UPDATE beallit SET vanbelep = 'N'");
    Db::exec("DELETE FROM tulajdonos");
    Db::close();
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    QCOMPARE(w.windowTitle(), QString("Vorn V5.0.1.158: []"));
}

void TestStartup::placeAndFontWhenShown()
{
    Db::open(m_folder->data());
    Db::exec("UPDATE beallit SET vanbelep = 'N'");
    Db::close();
    writeIni("[Alapertek]\nUtvonal=" + m_folder->data() +
             "\nTeljesKep=0\nBal=5\nFelul=5\nMagas=400\nSzeles=640\nBetumeret=14\n");
    Tfrm_Main w;
    QVERIFY(w.Inditas());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.pos(), QPoint(5, 5));
    QCOMPARE(w.size(), QSize(640, 400));
    QCOMPARE(w.font().pointSize(), 14);
    w.close();
}

void TestStartup::shutDownWritesSettingsAndKeepsTheRest()
{
    Db::open(m_folder->data());
    Db::exec("UPDATE beallit SET vanbelep = 'N'");
    Db::close();
    writeIni("; kézzel írt megjegyzés\n[frm_TorzsMe]\nLeft=3\nTop=4\nWidth=441\nHeight=465\n[Egyeb]\nkulcs=ertek\n"
             "[Alapertek]\nUtvonal=" +
             m_folder->data() + "\nTeljesKep=0\nBal=20\nFelul=30\nMagas=300\nSzeles=500\nAlapVaros=Szeged\n");
    {
        Tfrm_Main w;
        QVERIFY(w.Inditas());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.move(25, 35);
        w.resize(610, 420);
        w.close();
        QVERIFY(!Db::isOpen());
    }
    const QString text = readIni();
    QVERIFY(text.startsWith("; kézzel írt megjegyzés\n"));
    const IniFile ini(folders().settingsFile);
    QCOMPARE(ini.intValue("frm_TorzsMe", "Width", 0), 441);
    QCOMPARE(ini.value("Egyeb", "kulcs"), QString("ertek"));
    QCOMPARE(ini.value("Alapertek", "AlapVaros"), QString("Szeged"));
    QCOMPARE(ini.intValue("Alapertek", "Bal", 0), 25);
    QCOMPARE(ini.intValue("Alapertek", "Felul", 0), 35);
    QCOMPARE(ini.intValue("Alapertek", "Szeles", 0), 610);
    QCOMPARE(ini.intValue("Alapertek", "Magas", 0), 420);
    QCOMPARE(ini.intValue("Alapertek", "SorrendSzin", 0), 12189695);
    QVERIFY(ini.contains("Tulajdonos", "TulCim"));
}

void TestStartup::splashFades()
{
    const QImage logo = Tfrm_Splash::logo().toImage();
    QCOMPARE(logo.size(), QSize(400, 240));
    QCOMPARE(logo.pixelColor(0, 0), QColor(0x80, 0x80, 0x80));  // the transparent grey
    QPointer<Tfrm_Splash> splash = new Tfrm_Splash;
    QList<int> steps;
    connect(splash, &Tfrm_Splash::opacityChanged, this, [&steps](int o) { steps << o; });
    QVERIFY(!splash->mask().contains(QPoint(0, 0)));
    QVERIFY(splash->mask().contains(QPoint(200, 120)));
    splash->show();
    QCOMPARE(splash->opacity(), 255);
    QTest::qWait(400);
    QVERIFY(steps.isEmpty());  // fully opaque for the first second
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 5000);
    QList<int> expected;
    for (int o = 245; o >= 35; o -= 10)
        expected << o;
    QCOMPARE(steps, expected);  // 255 and 22 more, then 25 closes it
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
