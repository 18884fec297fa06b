// The storage of a data folder: the layout a new installation brings, the
// refusals of the storage itself, the Hungarian order and opening a folder.
#include "foundation/Schema.h"
#include "platform/db/DataFolder.h"
#include "platform/db/Database.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

class TestStorage : public QObject {
    Q_OBJECT
private slots:
    void newFolderHasTheLayout();
    void newFolderHasInstallationRows();
    void storageRefuses_data();
    void storageRefuses();
    void refusedInsertStoresNothing();
    void hungarianOrder();
    void unicodeUpperLower();
    void openRefusesFolderWithoutDatabase();
    void openRefusesFileThatIsNoDatabase();
    void openRefusesLockedDatabase();
    void createRefusesExistingDatabase();
    void nextKey();
};

void TestStorage::newFolderHasTheLayout()
{
    TestDataFolder folder;
    QCOMPARE(int(Schema::tables().size()), 15);
    for (const Schema::Table &t : Schema::tables()) {
        Db::Statement st("PRAGMA table_info(\"" + t.name + "\")");
        QStringList names;
        while (st.step())
            names << st.column(1).toString();
        QStringList expected;
        for (const Schema::Field &f : t.fields)
            expected << f.name;
        QCOMPARE(names, expected);
        QCOMPARE(Db::scalar("SELECT strict FROM pragma_table_list WHERE name = ?", {t.name}).toInt(), 1);
        for (const Schema::Index &ix : t.indexes)
            QCOMPARE(Db::scalar("SELECT tbl_name FROM sqlite_master WHERE type = 'index' AND name = ?", {ix.name})
                         .toString(),
                     t.name);
    }
    QCOMPARE(Db::scalar("PRAGMA journal_mode").toString(), QString("delete"));
    QCOMPARE(Db::scalar("PRAGMA synchronous").toInt(), 2);  // FULL
}

void TestStorage::newFolderHasInstallationRows()
{
    TestDataFolder folder;
    QCOMPARE(Db::scalar("SELECT count(*) FROM irsz").toInt(), 3574);
    QCOMPARE(Db::scalar("SELECT min(Id) || '-' || max(Id) FROM irsz").toString(), QString("1-3574"));
    QCOMPARE(Db::scalar("SELECT irsz || ' ' || varos FROM irsz WHERE Id = 1").toString(), QString("8128 Aba"));
    QCOMPARE(Db::scalar("SELECT varos FROM irsz WHERE Id = 3").toString(), QString("Abádszalók"));
    QCOMPARE(Db::scalar("SELECT rendszergazda || torzsszerkeszt || jelszo FROM felhasznalo WHERE felhasznalo = ?",
                        {DataFolder::DefaultUser})
                 .toString(),
             QString("II") + DataFolder::DefaultPassword);
    QCOMPARE(Db::scalar("SELECT count(*) FROM felhasznalo").toInt(), 1);
    QCOMPARE(Db::scalar("SELECT vanbelep || '|' || m1 || '|' || m2 || '|' || m3 || '|' || m4 || '|' || m5 || '|' || m6 "
                        "FROM beallit")
                 .toString(),
             QString("I|anyja neve|MOHOSZ lap|csónakkikötő|fog.napló|törv.képv.|horgászhely"));
    QCOMPARE(Db::scalar("SELECT count(*) FROM beallit").toInt(), 1);
    QCOMPARE(Db::scalar("SELECT count(*) FROM tulajdonos").toInt(), 1);
}

void TestStorage::storageRefuses_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("message");
    QTest::newRow("duplicate integer key")
        << "INSERT INTO tipus (Tipus, Tipus_nev) VALUES (1, 'Második')" << "Ismétlődő kulcs";
    QTest::newRow("duplicate text key")
        << "INSERT INTO felhasznalo (felhasznalo) VALUES ('rendszergazda')" << "Ismétlődő kulcs";
    QTest::newRow("text longer than its width")
        << "INSERT INTO tipus (Tipus, Tipus_nev) VALUES (2, '" + QString(26, QChar(0x151)) + "')"
        << "tipus.Tipus_nev: legfeljebb 25 karakter";
    QTest::newRow("text in an integer field")
        << "INSERT INTO ugyfel (Ugyfel, Sorszam) VALUES (1, 'abc')" << "Hibás típusú érték";
    QTest::newRow("integer beyond 32 bits")
        << "INSERT INTO ugyfel (Ugyfel, Sorszam) VALUES (1, 2147483648)" << "32 bites egész szám";
    QTest::newRow("no such date")
        << "INSERT INTO ugyfel (Ugyfel, Dat_szul) VALUES (1, '2026-02-30')" << "ugyfel.Dat_szul: dátum";
    QTest::newRow("time of day out of range")
        << "INSERT INTO napifogas (ugyfel, tol) VALUES (1, '25:00:00')" << "napifogas.tol: időpont";
    QTest::newRow("same document twice")
        << "INSERT INTO megj (ugyfel, doknev) VALUES (1, '/a.pdf'), (1, '/a.pdf')" << "Ismétlődő kulcs";
    QTest::newRow("text key missing")
        << "INSERT INTO cimke (felsomargo) VALUES (1.5)" << "Hiányzó kötelező érték";
}

void TestStorage::storageRefuses()
{
    QFETCH(QString, sql);
    QFETCH(QString, message);
    TestDataFolder folder;
    Db::exec("INSERT INTO tipus (Tipus, Tipus_nev) VALUES (1, 'Felnőtt')");
    try {
        Db::exec(sql);
        QFAIL("the storage took the row");
    } catch (const DbError &e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
}

void TestStorage::refusedInsertStoresNothing()
{
    TestDataFolder folder;
    try {
        Db::exec("INSERT INTO megj (ugyfel, doknev) VALUES (1, '/a.pdf'), (1, '/a.pdf')");
    } catch (const DbError &) {
    }
    QCOMPARE(Db::scalar("SELECT count(*) FROM megj").toInt(), 0);
}

void TestStorage::hungarianOrder()
{
    TestDataFolder folder;
    const QStringList expected{"Ádám", "Adorján", "Czakó", "Csaba", "Dénes", "Dzsida", "Kis", "kiss", "Kiss",
                               "Kissné", "Olga", "Ödön", "Őze", "Szabó", "Zsolt"};
    QStringList shuffled = expected;
    std::reverse(shuffled.begin(), shuffled.end());
    std::swap(shuffled[3], shuffled[9]);
    int key = 0;
    for (const QString &name : shuffled)
        Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev) VALUES (?, ?)", {++key, name});
    Db::Statement st("SELECT Ugyfel_nev FROM ugyfel ORDER BY Ugyfel_nev");
    QStringList got;
    while (st.step())
        got << st.column(0).toString();
    QCOMPARE(got, expected);
    // Equal only when identical: the key and WHERE stay exact.
    QCOMPARE(Db::scalar("SELECT count(*) FROM ugyfel WHERE Ugyfel_nev = 'kiss'").toInt(), 1);
    QVERIFY(Db::compareHu(u"Ádám", u"Adorján") < 0);
    QVERIFY(Db::compareHu(u"Czakó", u"Csaba") < 0);
    QVERIFY(Db::compareHu(u"kiss", u"Kiss") != 0);
}

void TestStorage::unicodeUpperLower()
{
    TestDataFolder folder;
    QCOMPARE(Db::scalar("SELECT upper('árvíztűrő tükörfúrógép')").toString(), QString("ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"));
    QCOMPARE(Db::scalar("SELECT lower('ŐSZ ÜLŐ')").toString(), QString("ősz ülő"));
    QVERIFY(Db::scalar("SELECT upper(NULL)").isNull());
}

void TestStorage::openRefusesFolderWithoutDatabase()
{
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(DbError, Db::open(dir.path()));
    QVERIFY(!QFile::exists(Db::databaseFile(dir.path())));  // nothing was created
    QVERIFY(!Db::isOpen());
}

void TestStorage::openRefusesFileThatIsNoDatabase()
{
    QTemporaryDir dir;
    QFile f(Db::databaseFile(dir.path()));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    try {
        Db::open(dir.path());
        QFAIL("opened a file that is no database");
    } catch (const DbError &e) {
        QVERIFY2(e.message().contains("nem adatbázis"), qPrintable(e.message()));
    }
    QVERIFY(!Db::isOpen());
}

void TestStorage::openRefusesLockedDatabase()
{
    TestDataFolder folder;
    Db::close();
    // Another workstation holds the file locked for writing beyond the busy timeout.
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open(Db::databaseFile(folder.data()).toUtf8().constData(), &other), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    try {
        Db::open(folder.data());
        QFAIL("opened a locked database");
    } catch (const DbError &e) {
        QVERIFY2(e.message().contains("zárolva"), qPrintable(e.message()));
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    Db::open(folder.data());
    QCOMPARE(Db::scalar("SELECT count(*) FROM beallit").toInt(), 1);
}

void TestStorage::createRefusesExistingDatabase()
{
    TestDataFolder folder;
    Db::close();
    QVERIFY_THROWS_EXCEPTION(DbError, DataFolder::create(folder.data()));
    Db::open(folder.data());
    QCOMPARE(Db::scalar("SELECT count(*) FROM irsz").toInt(), 3574);  // untouched
}

void TestStorage::nextKey()
{
    TestDataFolder folder;
    QCOMPARE(KovetkezoAzon("tipus", "tipus"), 1);
    Db::exec("INSERT INTO tipus (Tipus, Tipus_nev) VALUES (7, 'A'), (3, 'B')");
    QCOMPARE(KovetkezoAzon("tipus", "tipus"), 8);
    Db::exec("INSERT INTO ugyfel (Ugyfel, Sorszam) VALUES (1, 41), (2, NULL)");
    QCOMPARE(KovetkezoAzon("ugyfel", "Sorszam"), 42);
}

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_db_storage.moc"
