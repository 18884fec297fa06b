// The output sequence of the list reports: the chooser's answer decides between
// preview, print, CSV export and nothing; the record filter and the owner row
// reach the report; the data are closed however the call ends.
#include "foundation/Error.h"
#include "output/Kimenet.h"
#include "output/ListaKeret.h"
#include "output/ListaKimenet.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportOutput.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

class tst_ListaKimenet : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<DataSet> m_query;
    QList<ReportOutputMode> m_modes;
    ReportDocument m_doc;

    static ReportDefinition report()
    {
        ReportDefinition def;
        ListaKeret(def, "Egyesületi tagok listája", "névsorban", {}, "qrUgyfel", "VORN V1.x");
        def.addBand(ReportBand::Kind::Detail, 6).add(ReportItem::fieldItem({0, 1, 60, 4}, "nev"));
        return def;
    }
    QStringList names() const
    {
        QStringList l;
        for (const ReportPage &p : m_doc.pages)
            for (const ReportText *t : p.textsOf(ReportBand::Kind::Detail))
                l << t->text;
        return l;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Db::exec("CREATE TABLE tagok (nev TEXT COLLATE HU, tipus INTEGER)");
        Db::exec("INSERT INTO tagok VALUES ('Ács Ödön', 5), ('Bíró Éva', 2), ('Cseh Ürmös', 5), ('Dávid "
                 "Íbolya', 1)");
        // A new data folder holds one owner row.
        QCOMPARE(Db::scalar("SELECT count(*) FROM tulajdonos").toInt(), 1);
        Db::exec(
            "UPDATE tulajdonos SET tulajdonos = 'Zöld Ár Horgászegyesület', irsz = '2600', varos = 'Vác', "
            "cim = 'Fő utca 1.', telefon = '06 27 123 456'");
        m_query = std::make_unique<DataSet>();
        m_query->setQuery("SELECT nev, tipus FROM tagok ORDER BY nev");
        m_modes.clear();
        m_doc = {};
        ReportOutputHook::set([this](const ReportDocument &doc, ReportOutputMode mode) {
            m_modes << mode;
            m_doc = doc;
        });
    }
    void cleanup()
    {
        ReportOutputHook::clear();
        KimenetHook::clear();
        m_query.reset();
        m_folder.reset();
    }

    void choice_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<ReportOutputMode>>("modes");
        QTest::addColumn<QStringList>("rows");
        const QStringList all{"Ács Ödön", "Bíró Éva", "Cseh Ürmös", "Dávid Íbolya"};
        QTest::newRow("preview") << 0 << QString() << QList<ReportOutputMode>{ReportOutputMode::Preview}
                                 << all;
        QTest::newRow("print") << 1 << QString() << QList<ReportOutputMode>{ReportOutputMode::Print} << all;
        QTest::newRow("print, type 5") << 1 << "tipus=5" << QList<ReportOutputMode>{ReportOutputMode::Print}
                                       << QStringList{"Ács Ödön", "Cseh Ürmös"};
        QTest::newRow("cancelled") << -1 << QString() << QList<ReportOutputMode>{} << QStringList{};
    }
    void choice()
    {
        QFETCH(int, choice);
        QFETCH(QString, filter);
        QFETCH(QList<ReportOutputMode>, modes);
        QFETCH(QStringList, rows);
        KimenetHook::expect(choice);
        ReportDefinition def = report();
        ListaKimenet(def, *m_query, filter);
        QCOMPARE(KimenetHook::asked(), 1);
        QCOMPARE(m_modes, modes);
        QCOMPARE(names(), rows);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!m_query->isOpen());
        QVERIFY(!def.data);
        QVERIFY(def.sources.isEmpty());
    }

    // The owner block reads the owner row, with irsz + ", " + varos.
    void ownerBlock_data()
    {
        QTest::addColumn<QVariant>("irsz");
        QTest::addColumn<QVariant>("varos");
        QTest::addColumn<QString>("line");
        QTest::newRow("both") << QVariant("2600") << QVariant("Vác") << "2600, Vác";
        QTest::newRow("no postal code") << QVariant() << QVariant("Vác") << ", Vác";
        QTest::newRow("neither") << QVariant() << QVariant() << ", ";
    }
    void ownerBlock()
    {
        QFETCH(QVariant, irsz);
        QFETCH(QVariant, varos);
        QFETCH(QString, line);
        Db::exec("UPDATE tulajdonos SET irsz = ?, varos = ?", {irsz, varos});
        KimenetHook::expect(0);
        ReportDefinition def = report();
        ListaKimenet(def, *m_query);
        const ReportPage &p = m_doc.pages[0];
        const ReportText *name = p.find("Zöld Ár Horgászegyesület");
        QVERIFY(name);
        QVERIFY(name->bold);
        QCOMPARE(name->band, ReportBand::Kind::PageHeader);
        for (const QString &t : {line, QStringLiteral("Fő utca 1."), QStringLiteral("06 27 123 456")}) {
            const ReportText *x = p.find(t);
            QVERIFY2(x, qPrintable(t));
            QCOMPARE(x->alignment, Qt::Alignment(Qt::AlignRight));
            QCOMPARE(x->rect.right(), 200.0);
        }
    }

    // A long owner name gets a smaller size and stays in the owner box, clear
    // of the title; the title stays in its box.
    void longOwnerNameFitsItsBox()
    {
        const QString owner = QStringLiteral("Tisza-parti Horgászegyesület Szeged-Tápé és Vidéke");
        Db::exec("UPDATE tulajdonos SET tulajdonos = ?", {owner});
        KimenetHook::expect(0);
        ReportDefinition def = report();
        ListaKimenet(def, *m_query);
        const ReportText *name = m_doc.pages[0].find(owner);
        QVERIFY(name);
        QVERIFY(name->size < 10);
        QVERIFY(textWidthMm(name->text, name->font()) <= name->rect.width());
        QVERIFY(name->rect.left() >= 10 + 131.0);
        const ReportText *title = m_doc.pages[0].find(def.title);
        QVERIFY(title);
        QVERIFY(10 + 61.1 + textWidthMm(title->text, title->font()) <= 10 + 131.0);
    }

    // CSV: the export dialog gets the query, open and filtered, and the report
    // title + ".csv" as proposed name; nothing is printed.
    void csvExport()
    {
        KimenetHook::expect(2);
        ReportDefinition def = report();
        QString proposed;
        int rows = -1;
        QString dialogName;
        QVERIFY(driveModal([&] { ListaKimenet(def, *m_query, "tipus=5"); },
                           [&](QDialog *dlg) {
                               dialogName = dlg->objectName();
                               if (auto *e = dlg->findChild<QLineEdit *>("Edit1"))
                                   proposed = e->text();
                               rows = m_query->isOpen() ? m_query->recordCount() : -1;
                               dlg->reject();
                           }));
        QCOMPARE(dialogName, QStringLiteral("frm_Hatarolt"));
        QVERIFY2(proposed.endsWith("/Egyesületi tagok listája.csv") ||
                     proposed == "Egyesületi tagok listája.csv",
                 qPrintable(proposed));
        QCOMPARE(rows, 2);
        QVERIFY(m_modes.isEmpty());
        QVERIFY(!m_query->isOpen());
    }

    void dataClosedWhenPrintingFails()
    {
        ReportOutputHook::set([](const ReportDocument &, ReportOutputMode) {
            throw VornError("Nincs nyomtató telepítve, a nyomtatás nem lehetséges.");
        });
        KimenetHook::expect(1);
        ReportDefinition def = report();
        QVERIFY_THROWS_EXCEPTION(VornError, ListaKimenet(def, *m_query));
        QVERIFY(!m_query->isOpen());
        QVERIFY(!def.data);
        QVERIFY(def.sources.isEmpty());
    }

    void failedOpenAsksNothing()
    {
        m_query->setQuery("SELECT nincsilyen FROM tagok");
        KimenetHook::expect(0);
        ReportDefinition def = report();
        QVERIFY_THROWS_EXCEPTION(VornError, ListaKimenet(def, *m_query));
        QCOMPARE(KimenetHook::asked(), 0);
        QVERIFY(m_modes.isEmpty());
        QVERIFY(!m_query->isOpen());
    }

    void emptyQueryStillPrintsFrame()
    {
        Db::exec("DELETE FROM tagok");
        KimenetHook::expect(1);
        ReportDefinition def = report();
        ListaKimenet(def, *m_query);
        QCOMPARE(m_doc.pageCount(), 1);
        QVERIFY(names().isEmpty());
        QVERIFY(m_doc.pages[0].find("Egyesületi tagok listája"));
        QVERIFY(m_doc.pages[0].find("oldal: 1"));
    }
};

QTEST_MAIN(tst_ListaKimenet)
#include "tst_listakimenet.moc"
