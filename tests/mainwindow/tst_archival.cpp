// Archiving the data folder: a sound copy of the database even while another
// workstation is writing, every other file under its name, the dialog and its
// proposal, cancel, a target that cannot be written, the second archive of a
// day replacing the first, and a lock held too long.
#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "mainwindow/Archival.h"
#include "platform/db/Database.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QDate>
#include <QDir>
#include <QProcess>
#include <QTest>
#include <atomic>
#include <chrono>
#include <future>
#include <sqlite3.h>
#include <thread>

namespace {

const QString Done = QStringLiteral("Archív állomány kész, indítsa újra a programot!");
const QString Failed = QStringLiteral("Hiba az archiválás közben\r\n");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray unzip(const QStringList &args)
{
    QProcess p;
    p.start("unzip", args);
    p.waitForFinished(60000);
    return p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray("unzip failed");
}

QStringList entries(const QString &archive)
{
    QStringList names = QString::fromUtf8(unzip({"-Z1", archive})).split('\n', Qt::SkipEmptyParts);
    names.sort();
    return names;
}

// The halfaj names stored in the database of the archive, after its integrity check.
QStringList fishInArchive(const QString &archive, const QString &dir)
{
    unzip({"-o", "-q", archive, "vorn.sqlite", "-d", dir});
    Db::open(dir, "archivum");
    const QString check = Db::scalar("PRAGMA integrity_check", {}, "archivum").toString();
    QStringList names;
    {
        Db::Statement st("SELECT halfaj_nev FROM halfaj WHERE halfaj_nev LIKE 'Teszt%' ORDER BY halfaj",
                         "archivum");
        while (st.step())
            names << st.column(0).toString();
    }
    Db::close("archivum");
    return QStringList{check} + names;
}

QString proposal()
{
    return folders().dataRoot + "/Archiv/" + QDate::currentDate().toString("yyyyMMdd") + ".zip";
}

QString committedName(int i)
{
    return QStringLiteral("Teszt kész %1 ").arg(i, 5, 10, QChar('0')).leftJustified(50, 'x');
}

// Another workstation: its own connection in its own thread, which commits
// rows, then runs pendingSql in a write transaction that it holds until it is
// released or its time is up, and rolls it back.
class Writer {
public:
    Writer(const QString &data, int committed, const QString &pendingSql, bool spill,
           std::chrono::milliseconds hold)
        : m_thread([=] { run(data, committed, pendingSql, spill, hold); })
    {
        m_holding.get_future().wait();
    }
    ~Writer() { finish(); }
    void finish()
    {
        if (m_thread.joinable()) {
            m_release.set_value();
            m_thread.join();
        }
    }
    // True while the write transaction is open.
    bool holding() const { return m_holdingNow; }
    const QString &error() const { return m_error; }

private:
    void run(const QString &data, int committed, const QString &pendingSql, bool spill,
             std::chrono::milliseconds hold)
    {
        bool signalled = false;
        try {
            Db::open(data, "masik");
            {
                Db::Transaction t("masik");
                for (int i = 1; i <= committed; ++i)
                    Db::exec("INSERT INTO halfaj(halfaj_nev) VALUES(?)", {committedName(i)}, "masik");
                t.commit();
            }
            // A small page cache makes the writer spill changed pages into the file.
            Db::exec(spill ? "PRAGMA cache_size=10" : "PRAGMA cache_size=2000", {}, "masik");
            {
                Db::Transaction t("masik");
                Db::exec(pendingSql, {}, "masik");
                m_holdingNow = true;
                m_holding.set_value();
                signalled = true;
                m_release.get_future().wait_for(hold);
                m_holdingNow = false;
            }
            Db::close("masik");
        } catch (const VornError &e) {
            m_error = e.message();
        }
        if (!signalled)
            m_holding.set_value();
    }

    std::promise<void> m_holding, m_release;
    std::atomic<bool> m_holdingNow{false};
    QString m_error;
    std::thread m_thread;
};

} // namespace

class TestArchival : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void soundCopyWhileAnotherWrites_data();
    void soundCopyWhileAnotherWrites();
    void everyFileOfTheDataFolder();
    void askedWithProposalAndCancelDoesNothing();
    void archiveFolderCannotBeMade();
    void targetCannotBeWritten_data();
    void targetCannotBeWritten();
    void secondArchiveOfTheDayReplacesFirst();
    void lockedTooLongKeepsTheConnection();

private:
    std::unique_ptr<TestDataFolder> m_data;
    std::unique_ptr<QTemporaryDir> m_out;
};

void TestArchival::init()
{
    m_data = std::make_unique<TestDataFolder>();
    m_out = std::make_unique<QTemporaryDir>();
    Beall().Utvonal = m_data->data();
    MessageBoxHook::arm();
}

void TestArchival::cleanup()
{
    MessageBoxHook::clear();
    FileDialogHook::clear();
    m_data.reset();
}

void TestArchival::soundCopyWhileAnotherWrites_data()
{
    QTest::addColumn<int>("committed");
    QTest::addColumn<QString>("pendingSql");
    QTest::addColumn<bool>("spill");
    // The writer holds its transaction open through the whole archiving.
    QTest::newRow("open write transaction")
        << 3 << "INSERT INTO halfaj(halfaj_nev) VALUES('Teszt függő 1'), ('Teszt függő 2')" << false;
    // The writer has overwritten committed rows in the file, uncommitted; a copy
    // of the file would hold them. It ends after a second, within the busy timeout.
    QTest::newRow("uncommitted changes in the file")
        << 3000
        << "UPDATE halfaj SET halfaj_nev = 'Teszt függő ' || halfaj WHERE halfaj_nev LIKE 'Teszt kész%'"
        << true;
}

void TestArchival::soundCopyWhileAnotherWrites()
{
    QFETCH(int, committed);
    QFETCH(QString, pendingSql);
    QFETCH(bool, spill);
    const QString db = Db::databaseFile(m_data->data());
    QFile file(db);
    QVERIFY(file.open(QIODevice::ReadOnly));
    using namespace std::chrono_literals;
    Writer writer(m_data->data(), committed, pendingSql, spill, spill ? 1000ms : 60000ms);
    QVERIFY2(writer.error().isEmpty(), qPrintable(writer.error()));
    QVERIFY(QFileInfo::exists(db + "-journal"));
    if (spill)
        QVERIFY2(file.readAll().contains("Teszt függő"), "the uncommitted changes are not in the file");

    const QString target = m_out->filePath("a.zip");
    FileDialogHook::expect(target);
    AdatbazisArchival(nullptr);
    // A writer with changes in the file holds its lock, so the copy waits for
    // it; one that has not written yet lets the copy be read meanwhile.
    QCOMPARE(writer.holding(), !spill);
    writer.finish();
    QVERIFY2(writer.error().isEmpty(), qPrintable(writer.error()));

    QCOMPARE(MessageBoxHook::shown().size(), 1);
    QCOMPARE(MessageBoxHook::shown()[0].text, Done);
    QVERIFY(!Db::isOpen());
    QVERIFY(!entries(target).contains("vorn.sqlite-journal"));
    QStringList expected{"ok"};
    for (int i = 1; i <= committed; ++i)
        expected << committedName(i);
    QCOMPARE(fishInArchive(target, m_out->filePath("x")), expected);
}

void TestArchival::everyFileOfTheDataFolder()
{
    const QList<QPair<QString, QByteArray>> files = {
        {".rejtett", "hidden"}, {"leírás.txt", "text"}, {"al/mappa.txt", "in a sub-folder"}};
    for (const auto &[name, bytes] : files)
        writeFile(m_data->data() + "/" + name, bytes);
    Db::exec("INSERT INTO halfaj(halfaj_nev) VALUES('Teszt ponty')");

    const QString target = m_out->filePath("a.zip");
    FileDialogHook::expect(target);
    AdatbazisArchival(nullptr);

    QCOMPARE(MessageBoxHook::shown().size(), 1);
    QCOMPARE(MessageBoxHook::shown()[0].caption, QStringLiteral("Üzenet"));
    QCOMPARE(MessageBoxHook::shown()[0].text, Done);
    QVERIFY(!Db::isOpen());
    QCOMPARE(entries(target), (QStringList{".rejtett", "al/mappa.txt", "leírás.txt", "vorn.sqlite"}));
    for (const auto &[name, bytes] : files)
        QCOMPARE(unzip({"-p", target, name}), bytes);
    QCOMPARE(fishInArchive(target, m_out->filePath("x")), (QStringList{"ok", "Teszt ponty"}));
}

void TestArchival::askedWithProposalAndCancelDoesNothing()
{
    QVERIFY(!QFileInfo::exists(folders().archive()));
    FileDialogHook::expect(QString());
    AdatbazisArchival(nullptr);

    QCOMPARE(FileDialogHook::asked().size(), 1);
    const FileDialogHook::Asked asked = FileDialogHook::asked()[0];
    QVERIFY(asked.save);
    QCOMPARE(asked.caption, QStringLiteral("Adatbázis mentése"));
    QCOMPARE(asked.start, proposal());
    QCOMPARE(asked.nameFilters, QStringList{QStringLiteral("ZIP archívumok (*.zip)")});
    QCOMPARE(asked.defaultSuffix, QStringLiteral("zip"));

    QVERIFY(QFileInfo(folders().archive()).isDir()); // made before the dialog
    QVERIFY(QDir(folders().archive()).isEmpty());
    QVERIFY(MessageBoxHook::shown().isEmpty());
    QVERIFY(Db::isOpen());
    QCOMPARE(Db::scalar("SELECT count(*) FROM felhasznalo").toInt(), 1); // and usable
}

void TestArchival::archiveFolderCannotBeMade()
{
    writeFile(folders().archive(), "a file where the folder should be");
    FileDialogHook::expect(m_out->filePath("a.zip"));
    AdatbazisArchival(nullptr);

    QCOMPARE(MessageBoxHook::shown().size(), 1);
    QCOMPARE(MessageBoxHook::shown()[0].caption, QStringLiteral("Hiba"));
    QVERIFY(MessageBoxHook::shown()[0].text.startsWith(QDir::toNativeSeparators(folders().archive()) + ": "));
    QVERIFY(FileDialogHook::asked().isEmpty());
    QVERIFY(Db::isOpen());
    QVERIFY(!QFileInfo::exists(m_out->filePath("a.zip")));
}

void TestArchival::targetCannotBeWritten_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("folder is a file") << "fajl";
    QTest::newRow("folder missing") << "nincs";
}

void TestArchival::targetCannotBeWritten()
{
    QFETCH(QString, folder);
    writeFile(m_out->filePath("fajl"), "x");
    const QString target = m_out->filePath(folder + "/a.zip");
    FileDialogHook::expect(target);
    AdatbazisArchival(nullptr);

    QCOMPARE(MessageBoxHook::shown().size(), 1);
    const MessageBoxHook::Shown box = MessageBoxHook::shown()[0];
    QCOMPARE(box.caption, QStringLiteral("Hiba"));
    QVERIFY2(box.text.startsWith(Failed) && box.text.size() > Failed.size(), qPrintable(box.text));
    QVERIFY(!Db::isOpen());
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"fajl"});
}

void TestArchival::secondArchiveOfTheDayReplacesFirst()
{
    Db::exec("INSERT INTO halfaj(halfaj_nev) VALUES('Teszt első')");
    FileDialogHook::expect(proposal());
    AdatbazisArchival(nullptr);
    QCOMPARE(fishInArchive(proposal(), m_out->filePath("1")), (QStringList{"ok", "Teszt első"}));

    Db::open(m_data->data()); // the restart the message asks for
    Db::exec("INSERT INTO halfaj(halfaj_nev) VALUES('Teszt második')");
    FileDialogHook::expect(proposal());
    AdatbazisArchival(nullptr);

    QCOMPARE(FileDialogHook::asked().size(), 2);
    QCOMPARE(FileDialogHook::asked()[1].start, FileDialogHook::asked()[0].start);
    QCOMPARE(MessageBoxHook::shown().size(), 2);
    QCOMPARE(MessageBoxHook::shown()[1].text, Done);
    QCOMPARE(QDir(folders().archive()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(proposal()).fileName()});
    QCOMPARE(fishInArchive(proposal(), m_out->filePath("2")),
             (QStringList{"ok", "Teszt első", "Teszt második"}));
}

void TestArchival::lockedTooLongKeepsTheConnection()
{
    // Another workstation writing beyond the busy timeout, shortened here.
    sqlite3_busy_timeout(Db::handle(), 100);
    Db::open(m_data->data(), "masik");
    Db::exec("BEGIN EXCLUSIVE", {}, "masik");
    const QString target = m_out->filePath("a.zip");
    FileDialogHook::expect(target);
    AdatbazisArchival(nullptr);
    Db::close("masik");

    QCOMPARE(MessageBoxHook::shown().size(), 1);
    const MessageBoxHook::Shown box = MessageBoxHook::shown()[0];
    QCOMPARE(box.caption, QStringLiteral("Hiba"));
    QCOMPARE(box.text, Failed + QStringLiteral("Az adatbázist egy másik munkaállomás használja (zárolva); "
                                               "próbálja újra később."));
    QVERIFY(!QFileInfo::exists(target));
    QVERIFY(Db::isOpen()); // nothing was archived: the user may try again
    QCOMPARE(Db::scalar("SELECT count(*) FROM felhasznalo").toInt(), 1);
}

QTEST_MAIN(TestArchival)
#include "tst_archival.moc"
