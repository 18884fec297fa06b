// Data sets: order, derived fields, filters, queries, search and the edit
// buffer, on a small fixture of members, types, payments and catches.
#include "platform/db/DataSet.h"
#include "tests/support/TestSupport.h"

#include <QSignalSpy>
#include <QTest>

class TestDataSet : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tableInIndexOrder();
    void derivedFieldsOfMembers();
    void derivedFieldsOfOtherTables();
    void filterLetsOnlyMatchingRowsThrough_data();
    void filterLetsOnlyMatchingRowsThrough();
    void filterRefusesWhatItCannotRead_data();
    void filterRefusesWhatItCannotRead();
    void queryWithParametersAndFilter();
    void locate();
    void seekPrefix_data();
    void seekPrefix();
    void insertPostsAndMovesToTheNewRow();
    void failedInsertKeepsStateAndBuffer();
    void failedEditKeepsStateAndBuffer();
    void editOnEmptyTableInserts();
    void lookupFollowsTheBuffer();
    void emptiedTextIsStoredAsNull();
    void removeKeepsThePosition();
    void editOfRowDeletedElsewhereFails();
    void positionText();
    void closedConnectionIsReported();
    void rowsChangedElsewhereAreReadFresh();
    void fetchAllReadsEveryRowInOrder();

private:
    std::unique_ptr<TestDataFolder> m_folder;
    QStringList namesOf(DataSet &ds, const QString &field = "Ugyfel_nev");
};

void TestDataSet::init()
{
    m_folder = std::make_unique<TestDataFolder>();
    Db::exec("INSERT INTO tipus (Tipus, Tipus_nev, szin) VALUES (1, 'Felnőtt', 255), (2, 'Ifjúsági', -1)");
    const QList<QVariantList> members{
        {1, "Kiss Péter", 10, 1, "I", "2026-01-01", "I", "N"},
        {2, "Ádám Éva", 11, 2, "N", "2026-01-31", "N", "I"},
        {3, "Adorján Béla", 12, 1, QVariant(), "2026-02-01", QVariant(), QVariant()},
        {4, "Csaba Ottó", 13, 9, "I", QVariant(), "I", "I"},  // type 9 does not exist
        {5, "Czakó Anna", 14, QVariant(), "I", "2025-12-31", "N", "N"},
        {6, "kiss anna", 15, 2, "I", "2026-01-15", "N", "N"},
    };
    for (const QVariantList &m : members)
        Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Sorszam, Tipus, Aktiv, Dat_tag, fognaplead, korvednap) "
                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                 m);
}

void TestDataSet::cleanup() { m_folder.reset(); }

QStringList TestDataSet::namesOf(DataSet &ds, const QString &field)
{
    QStringList names;
    for (int r = 0; r < ds.recordCount(); ++r)
        names << ds.valueAt(r, field).toString();
    return names;
}

void TestDataSet::tableInIndexOrder()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    QCOMPARE(namesOf(ds), QStringList({"Ádám Éva", "Adorján Béla", "Czakó Anna", "Csaba Ottó", "kiss anna",
                                       "Kiss Péter"}));
    QCOMPARE(ds.currentRow(), 0);
    ds.setTable("ugyfel", "Sorszam");
    ds.open();
    QCOMPARE(ds.valueAt(0, "Sorszam").toInt(), 10);
    QCOMPARE(ds.valueAt(5, "Sorszam").toInt(), 15);
    QCOMPARE(ds.value("Dat_tag").toDate(), QDate(2026, 1, 1));  // dates come back as dates
}

void TestDataSet::derivedFieldsOfMembers()
{
    DataSet ds;
    ds.setTable("ugyfel");
    ds.open();
    const auto row = [&](int key) {
        ds.locate("Ugyfel", key);
        return QStringList{ds.value("tipus_nev").toString(), ds.value("szin").toString(),
                           ds.value("aktiv_nev").toString(), ds.value("fognaplead_nev").toString(),
                           ds.value("korvednap_nev").toString()};
    };
    QCOMPARE(row(1), QStringList({"Felnőtt", "255", "Igen", "Igen", "Nem"}));
    QCOMPARE(row(2), QStringList({"Ifjúsági", "-1", "Nem", "Nem", "Igen"}));
    QCOMPARE(row(3), QStringList({"Felnőtt", "255", "Nem", "Nem", "Nem"}));  // null flags read "Nem"
    QCOMPARE(row(4), QStringList({"", "", "Igen", "Igen", "Igen"}));         // type that does not exist
    QVERIFY(ds.value("szin").isNull());
}

void TestDataSet::derivedFieldsOfOtherTables()
{
    Db::exec("INSERT INTO fiztip (fiztip_nev, ido, osszeg, eves) VALUES ('Tagdíj', 365, 12000, 'I')");
    Db::exec("INSERT INTO ugyfel_fiz (ugyfel, fiztip, datum, osszeg) VALUES (1, 1, '2026-03-01', 12000)");
    Db::exec("INSERT INTO halfaj (halfaj_nev) VALUES ('ponty')");
    Db::exec("INSERT INTO fognaplo (ugyfel, halfaj, kg1, kg2, kg5) VALUES (1, 1, 1.5, NULL, 2.25)");
    Db::exec("INSERT INTO napifogas (ugyfel, datum) VALUES (2, '2026-03-02')");

    DataSet pay;
    pay.setTable("ugyfel_fiz");
    pay.open();
    QCOMPARE(pay.value("fiztip_nev").toString(), QString("Tagdíj"));
    QCOMPARE(pay.value("fizido").toInt(), 365);

    DataSet log;
    log.setTable("fognaplo");
    log.open();
    QCOMPARE(log.value("halfaj_nev").toString(), QString("ponty"));
    QCOMPARE(log.value("kg").toDouble(), 3.75);

    DataSet daily;
    daily.setTable("napifogas");
    daily.open();
    QCOMPARE(daily.value("ugyfel_nev").toString(), QString("Ádám Éva"));
}

void TestDataSet::filterLetsOnlyMatchingRowsThrough_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("type") << "tipus=2" << QStringList{"Ádám Éva", "kiss anna"};
    QTest::newRow("type with blanks") << " Tipus = 1 " << QStringList{"Adorján Béla", "Kiss Péter"};
    QTest::newRow("no such type") << "tipus=7" << QStringList{};
    QTest::newRow("period, whole days, no empty dates")
        << "(Dat_tag>='2026. 01. 01.') and (Dat_tag<='2026. 01. 31.')"
        << QStringList{"Ádám Éva", "kiss anna", "Kiss Péter"};
    QTest::newRow("text with a quote stays a value") << "Ugyfel_nev='x'' or ''1''=''1'" << QStringList{};
    QTest::newRow("or and not") << "(tipus=1) or not (Aktiv<>'N')" << QStringList{"Ádám Éva", "Adorján Béla",
                                                                                "Kiss Péter"};
}

void TestDataSet::filterLetsOnlyMatchingRowsThrough()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, names);
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.setFilter(filter);
    ds.open();
    QCOMPARE(namesOf(ds), names);
    ds.setFilter(QString());  // off again: every row
    QCOMPARE(ds.recordCount(), 6);
}

void TestDataSet::filterRefusesWhatItCannotRead_data()
{
    QTest::addColumn<QString>("filter");
    QTest::newRow("no value") << "tipus=";
    QTest::newRow("unknown field") << "nincs=1";
    QTest::newRow("statement after it") << "tipus=1; DROP TABLE ugyfel";
    QTest::newRow("not a number") << "tipus='abc'";
    QTest::newRow("not a date") << "Dat_tag>='tegnap'";
    QTest::newRow("open parenthesis") << "(tipus=1";
    QTest::newRow("derived field") << "tipus_nev='Felnőtt'";
}

void TestDataSet::filterRefusesWhatItCannotRead()
{
    QFETCH(QString, filter);
    DataSet ds;
    ds.setTable("ugyfel");
    QVERIFY_THROWS_EXCEPTION(DbError, ds.setFilter(filter));
    QCOMPARE(Db::scalar("SELECT count(*) FROM ugyfel").toInt(), 6);
}

void TestDataSet::queryWithParametersAndFilter()
{
    DataSet q;
    q.setQuery("SELECT u.Ugyfel_nev, u.Dat_tag, u.Tipus AS tipus, t.Tipus_nev FROM ugyfel u "
               "LEFT JOIN tipus t ON t.Tipus = u.Tipus WHERE u.Dat_tag BETWEEN :d1 AND :d2 ORDER BY u.Ugyfel_nev",
               {{"d1", QDate(2026, 1, 1)}, {"d2", QDate(2026, 2, 1)}});
    q.open();
    QCOMPARE(namesOf(q), QStringList({"Ádám Éva", "Adorján Béla", "kiss anna", "Kiss Péter"}));
    QCOMPARE(q.value("Dat_tag").toDate(), QDate(2026, 1, 31));
    q.close();
    q.setFilter("tipus=1");
    q.open();
    QCOMPARE(namesOf(q), QStringList({"Adorján Béla", "Kiss Péter"}));
    QVERIFY_THROWS_EXCEPTION(DbError, q.insert());
    // A display label stays when the query reads its rows again.
    q.setDisplayLabel("ugyfel_nev", "Név");
    q.setFilter("tipus=2");
    q.refresh();
    QCOMPARE(namesOf(q), QStringList({"Ádám Éva", "kiss anna"}));
    QCOMPARE(q.displayLabel("Ugyfel_nev"), QString("Név"));
}

void TestDataSet::locate()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    QVERIFY(ds.locate("Ugyfel_nev", "kiss anna"));
    QCOMPARE(ds.value("Ugyfel").toInt(), 6);
    QVERIFY(!ds.locate("Ugyfel_nev", "KISS PÉTER"));
    QCOMPARE(ds.value("Ugyfel").toInt(), 6);  // stays
    QVERIFY(ds.locate("Ugyfel_nev", "KISS PÉTER", DataSet::CaseInsensitive));
    QCOMPARE(ds.value("Ugyfel").toInt(), 1);
    QVERIFY(ds.locate("ugyfel_nev", "czak", DataSet::CaseInsensitive | DataSet::PartialKey));
    QCOMPARE(ds.value("Ugyfel").toInt(), 5);
    QVERIFY(ds.locate("Ugyfel", 3));
    QCOMPARE(ds.recNo(), 2);
}

void TestDataSet::seekPrefix_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("key");  // 0: not found, the current row stays
    QTest::newRow("first of a letter") << "k" << 6;
    QTest::newRow("letter case ignored") << "KISS P" << 1;
    QTest::newRow("accents count") << "ad" << 3;
    QTest::newRow("accented prefix") << "Ád" << 2;
    QTest::newRow("c before cs") << "c" << 5;
    QTest::newRow("cs is a letter") << "cs" << 4;
    QTest::newRow("nothing begins so") << "zz" << 0;
    QTest::newRow("beyond the last") << "Kiss Péterné" << 0;
}

void TestDataSet::seekPrefix()
{
    QFETCH(QString, prefix);
    QFETCH(int, key);
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    ds.moveTo(2);
    const int before = ds.value("Ugyfel").toInt();
    QCOMPARE(ds.seekPrefix("Ugyfel_nev", prefix), key != 0);
    QCOMPARE(ds.value("Ugyfel").toInt(), key != 0 ? key : before);
}

void TestDataSet::insertPostsAndMovesToTheNewRow()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    QSignalSpy state(&ds, &DataSet::stateChanged);
    ds.insert();
    QCOMPARE(ds.state(), DataSet::State::Insert);
    ds.setValue("Ugyfel", KovetkezoAzon("ugyfel", "Ugyfel"));
    ds.setValue("Ugyfel_nev", "Bartók Béla");
    ds.setValue("Dat_tag", "2026. 12. 11.");
    ds.post();
    QCOMPARE(ds.state(), DataSet::State::Browse);
    QCOMPARE(state.count(), 2);
    QCOMPARE(ds.recordCount(), 7);
    QCOMPARE(ds.value("Ugyfel_nev").toString(), QString("Bartók Béla"));
    QCOMPARE(ds.recNo(), 3);  // after Ádám, Adorján
    QCOMPARE(Db::scalar("SELECT Dat_tag FROM ugyfel WHERE Ugyfel = 7").toString(), QString("2026-12-11"));
}

void TestDataSet::failedInsertKeepsStateAndBuffer()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    ds.moveTo(4);
    ds.insert();
    ds.setValue("Ugyfel", 1);  // taken, as when two workstations took the same key
    ds.setValue("Ugyfel_nev", "Második Kiss");
    try {
        ds.post();
        QFAIL("a duplicate key was stored");
    } catch (const DbError &e) {
        QVERIFY2(e.message().contains("Ismétlődő kulcs"), qPrintable(e.message()));
    }
    QCOMPARE(ds.state(), DataSet::State::Insert);
    QCOMPARE(ds.value("Ugyfel_nev").toString(), QString("Második Kiss"));
    QCOMPARE(ds.value("Ugyfel").toInt(), 1);
    QCOMPARE(ds.recordCount(), 6);
    QCOMPARE(Db::scalar("SELECT count(*) FROM ugyfel").toInt(), 6);
    ds.setValue("Ugyfel", 100);  // corrected, the same buffer posts
    ds.post();
    QCOMPARE(Db::scalar("SELECT Ugyfel_nev FROM ugyfel WHERE Ugyfel = 100").toString(), QString("Második Kiss"));
}

void TestDataSet::failedEditKeepsStateAndBuffer()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    ds.locate("Ugyfel", 1);
    ds.edit();
    const QString tooLong(76, 'x');
    ds.setValue("Ugyfel_nev", tooLong);
    QVERIFY_THROWS_EXCEPTION(DbError, ds.post());
    QCOMPARE(ds.state(), DataSet::State::Edit);
    QCOMPARE(ds.value("Ugyfel_nev").toString(), tooLong);
    ds.cancel();
    QCOMPARE(ds.state(), DataSet::State::Browse);
    QCOMPARE(ds.value("Ugyfel_nev").toString(), QString("Kiss Péter"));
    QCOMPARE(Db::scalar("SELECT Ugyfel_nev FROM ugyfel WHERE Ugyfel = 1").toString(), QString("Kiss Péter"));
}

void TestDataSet::editOnEmptyTableInserts()
{
    DataSet ds;
    ds.setTable("halfaj");
    ds.open();
    QVERIFY(ds.isEmpty());
    ds.edit();
    QCOMPARE(ds.state(), DataSet::State::Insert);
    ds.setValue("halfaj_nev", "csuka");
    ds.post();
    QCOMPARE(ds.recordCount(), 1);
    QCOMPARE(ds.value("halfaj").toInt(), 1);  // given by the storage
}

void TestDataSet::lookupFollowsTheBuffer()
{
    DataSet ds;
    ds.setTable("ugyfel");
    ds.open();
    ds.locate("Ugyfel", 5);
    ds.edit();
    QVERIFY(ds.value("tipus_nev").toString().isEmpty());
    QSignalSpy changed(&ds, &DataSet::bufferChanged);
    ds.setValue("Tipus", 2);
    QCOMPARE(ds.value("tipus_nev").toString(), QString("Ifjúsági"));
    QStringList announced;
    for (const QList<QVariant> &args : changed)
        announced << args[0].toString();
    QCOMPARE(announced, QStringList({"Tipus", "tipus_nev", "szin"}));  // the key, then what follows it
    QVERIFY_THROWS_EXCEPTION(DbError, ds.setValue("tipus_nev", "x"));  // derived: read-only
    ds.cancel();
    QVERIFY(ds.value("tipus_nev").toString().isEmpty());
}

void TestDataSet::emptiedTextIsStoredAsNull()
{
    DataSet ds;
    ds.setTable("ugyfel");
    ds.open();
    ds.edit();
    ds.setValue("Telefon", "");
    ds.post();
    QVERIFY(Db::scalar("SELECT Telefon IS NULL FROM ugyfel WHERE Ugyfel = 1").toBool());
}

void TestDataSet::removeKeepsThePosition()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    ds.moveTo(2);  // Czakó Anna
    ds.remove();
    QCOMPARE(ds.recordCount(), 5);
    QCOMPARE(ds.value("Ugyfel_nev").toString(), QString("Csaba Ottó"));
    QCOMPARE(Db::scalar("SELECT count(*) FROM ugyfel WHERE Ugyfel = 5").toInt(), 0);
    ds.last();
    ds.remove();
    QCOMPARE(ds.value("Ugyfel_nev").toString(), QString("kiss anna"));  // the new last row
}

void TestDataSet::editOfRowDeletedElsewhereFails()
{
    DataSet ds;
    ds.setTable("ugyfel");
    ds.open();
    ds.edit();
    Db::exec("DELETE FROM ugyfel WHERE Ugyfel = 1");
    ds.setValue("Telefon", "123");
    QVERIFY_THROWS_EXCEPTION(DbError, ds.post());
    QCOMPARE(ds.state(), DataSet::State::Edit);
    QCOMPARE(Db::scalar("SELECT count(*) FROM ugyfel").toInt(), 5);
}

void TestDataSet::positionText()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    ds.moveTo(2);
    QCOMPARE(PozicioSzoveg(ds), QString("6: 3"));
    ds.setFilter("tipus=7");
    QCOMPARE(PozicioSzoveg(ds), QString());
}

void TestDataSet::closedConnectionIsReported()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    QCOMPARE(ds.value("Ugyfel_nev").toString(), QString("Ádám Éva"));
    Db::close();  // as archiving does while the member list stays open
    QVERIFY(!Db::isOpen());
    QVERIFY_THROWS_EXCEPTION(DbError, ds.valueAt(3, "Ugyfel_nev"));
    QVERIFY_THROWS_EXCEPTION(DbError, ds.refresh());
}

void TestDataSet::rowsChangedElsewhereAreReadFresh()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.open();
    // Another workstation renames a member the list has not shown yet.
    Db::exec("UPDATE ugyfel SET Telefon = '06-1' WHERE Ugyfel = 1");
    QCOMPARE(ds.valueAt(5, "Telefon").toString(), QString("06-1"));
    Db::exec("DELETE FROM ugyfel WHERE Ugyfel = 6");
    QVERIFY(ds.valueAt(4, "Ugyfel_nev").isNull());  // gone: no values, no crash
    ds.refresh();
    QCOMPARE(ds.recordCount(), 5);
}

void TestDataSet::fetchAllReadsEveryRowInOrder()
{
    DataSet ds;
    ds.setTable("ugyfel", "Ugyfel_nev");
    ds.setFilter("Aktiv='I'");
    ds.open();
    // Czakó, Csaba, kiss anna, Kiss Péter; the last one has been read already.
    QCOMPARE(ds.valueAt(3, "tipus_nev").toString(), QString("Felnőtt"));
    // Meanwhile another workstation changes two members, adds one and deletes one.
    Db::exec("UPDATE ugyfel SET Tipus = 2 WHERE Ugyfel = 1");
    Db::exec("UPDATE ugyfel SET Ugyfel_nev = 'Zajti Béla' WHERE Ugyfel = 4");
    Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Aktiv) VALUES (7, 'Aba Ödön', 'I')");
    Db::exec("DELETE FROM ugyfel WHERE Ugyfel = 5");
    ds.fetchAll();
    QCOMPARE(ds.recordCount(), 4);
    QStringList keys, names, types;
    for (int r = 0; r < ds.recordCount(); ++r) {
        keys << ds.valueAt(r, "Ugyfel").toString();
        names << ds.valueAt(r, "Ugyfel_nev").toString();
        types << ds.valueAt(r, "tipus_nev").toString();
    }
    // The rows keep their places; each gets its own values, the renamed one
    // its new name, the deleted one none, the one read before what it showed.
    QCOMPARE(keys, (QStringList{"", "4", "6", "1"}));
    QCOMPARE(names, (QStringList{"", "Zajti Béla", "kiss anna", "Kiss Péter"}));
    QCOMPARE(types, (QStringList{"", "", "Ifjúsági", "Felnőtt"}));
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_db_dataset.moc"
