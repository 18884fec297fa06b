// Label layouts: the chooser's preselect and result, the edit dialog's unusual
// Enter order, numbers with a decimal comma, and a refused post.
#include "admin/TorzsCimke.h"
#include "foundation/Beall.h"
#include "platform/db/DataSet.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace {

int cimkeSzam()
{
    return Db::scalar("SELECT COUNT(*) FROM cimke").toInt();
}

} // namespace

class TestTorzsCimke : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;

private slots:
    void initTestCase() { installWidgetBehaviour(); }
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Beall() = TBeall();
        Db::exec("INSERT INTO cimke (cimke, felsomargo, szelsomargo, cimkemagas, oszlop) VALUES "
                 "('Avery', 10.5, 7.25, 38.1, 3), ('Avery nagy', 0, 4, 67.7, 2), ('Herma', NULL, NULL, NULL, "
                 "NULL)");
        MessageBoxHook::arm();
    }
    void cleanup()
    {
        MessageBoxHook::clear();
        m_folder.reset();
    }

    void chooser_data()
    {
        QTest::addColumn<QString>("preselect");
        QTest::addColumn<CloseBy>("close");
        QTest::addColumn<QString>("shown");  // the current layout when the window came up
        QTest::addColumn<QString>("result"); // the name given back
        QTest::addColumn<double>("felso");
        QTest::addColumn<double>("szelso");
        QTest::addColumn<double>("magas");
        QTest::addColumn<int>("oszlop");
        QTest::newRow("empty name: first layout, Enter accepts") << "" << CloseBy::Enter << "Avery"
                                                                 << "Avery" << 10.5 << 7.25 << 38.1 << 3;
        QTest::newRow("whole name in another letter case") << "AVERY NAGY" << CloseBy::Enter << "Avery nagy"
                                                           << "Avery nagy" << 0.0 << 4.0 << 67.7 << 2;
        QTest::newRow("a prefix is no name: first layout") << "Herm" << CloseBy::Enter << "Avery"
                                                           << "Avery" << 10.5 << 7.25 << 38.1 << 3;
        QTest::newRow("no such name: first layout") << "Zweckform" << CloseBy::Enter << "Avery"
                                                    << "Avery" << 10.5 << 7.25 << 38.1 << 3;
        QTest::newRow("null values read as 0") << "herma" << CloseBy::Enter << "Herma"
                                               << "Herma" << 0.0 << 0.0 << 0.0 << 0;
        QTest::newRow("Esc gives an empty name") << "Herma" << CloseBy::Esc << "Herma"
                                                 << "" << 0.0 << 0.0 << 0.0 << 0;
        QTest::newRow("Bezár gives an empty name") << "Avery" << CloseBy::Bezar << "Avery"
                                                   << "" << 0.0 << 0.0 << 0.0 << 0;
        QTest::newRow("close box gives an empty name") << "Avery" << CloseBy::CloseBox << "Avery"
                                                       << "" << 0.0 << 0.0 << 0.0 << 0;
    }
    void chooser()
    {
        QFETCH(QString, preselect);
        QFETCH(CloseBy, close);
        QString seenName = "no window";
        TCimke c;
        const bool closed = driveModal([&] { c = CimkeValaszt(preselect, true); },
                                       [&](QDialog *d) {
                                           auto *w = qobject_cast<Tfrm_TorzsCimke *>(d);
                                           QVERIFY(w);
                                           seenName = w->Tbl()->value("cimke").toString();
                                           closeListWindow(w, close);
                                       });
        QVERIFY(closed);
        QTEST(seenName, "shown");
        QTEST(c.cimke, "result");
        QTEST(c.felsomargo, "felso");
        QTEST(c.szelsomargo, "szelso");
        QTEST(c.cimkemagas, "magas");
        QTEST(c.oszlop, "oszlop");
    }

    void acceptingInAnEmptyListGivesAnEmptyName()
    {
        Db::exec("DELETE FROM cimke");
        QString status = "no window";
        TCimke c;
        c.cimke = "unset";
        const bool closed = driveModal([&] { c = CimkeValaszt(QString(), true); },
                                       [&](QDialog *d) {
                                           auto *w = qobject_cast<Tfrm_TorzsCimke *>(d);
                                           QVERIFY(w);
                                           status = w->statusPanel(0)->text();
                                           QTest::keyClick(w->grid(), Qt::Key_Return);
                                       });
        QVERIFY(closed);
        QCOMPARE(status, QString());
        QCOMPARE(c.cimke, QString());
    }

    void windowLayout()
    {
        Tfrm_TorzsCimke w;
        w.Tbl()->open();
        w.Tbl()->last();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList tools;
        for (QAction *a : w.toolBar()->actions())
            if (a->isVisible())
                tools << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(tools, QStringList({"Új sor", "Szerkeszt", "Töröl", "-", "Bezár"})); // no accept mode
        QCOMPARE(w.aTorol()->toolTip(), QStringLiteral("Sor törlése"));
        QVERIFY(!w.searchBox());
        QCOMPARE(w.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("cimke"));
        QCOMPARE(w.statusPanel(0)->width(), 100);
        QCOMPARE(w.statusPanel(0)->text(), QStringLiteral("3 / 3"));
        w.resize(420, 300);
        QCOMPARE(w.grid()->columnWidth(0), w.grid()->width() - 44);
    }

    // Tab goes from the top margin to the buttons and only then to the other values.
    void tabOrder()
    {
        DataSet ds;
        ds.setTable("cimke", "cimke");
        ds.open();
        ds.insert();
        Tfrm_TorzsCimke_Szerkeszt dlg(&ds);
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QStringList order;
        for (int i = 0; i < 8; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, QStringList({"DBEdit1", "DBEdit2", "btnOK", "btnMegsem", "DBEdit4", "DBEdit3",
                                     "DBEdit5", "DBEdit1"}));
    }

    // Enter in the top-margin field goes to OK, not to the side margin; a second Enter stores the row.
    void enterFromTheTopMarginStores()
    {
        Tfrm_TorzsCimke w;
        w.Tbl()->open();
        QString afterMargin;
        const bool closed = driveModal([&] { w.aUj()->trigger(); },
                                       [&](QDialog *) {
                                           typeText(QApplication::focusWidget(), "Zweckform");
                                           QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                                           typeText(QApplication::focusWidget(), "12,5");
                                           QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                                           afterMargin = QApplication::focusWidget()->objectName();
                                           QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                                       });
        QVERIFY(closed);
        QCOMPARE(afterMargin, QStringLiteral("btnOK"));
        QVERIFY(MessageBoxHook::shown().isEmpty());
        QVERIFY(!w.Tbl()->isEditing());
        QCOMPARE(w.Tbl()->value("cimke").toString(),
                 QStringLiteral("Zweckform")); // the posted row is current
        QCOMPARE(Db::scalar("SELECT felsomargo FROM cimke WHERE cimke = 'Zweckform'").toDouble(), 12.5);
        QVERIFY(Db::scalar("SELECT oszlop FROM cimke WHERE cimke = 'Zweckform'").isNull());
    }

    // Existing values show with a decimal comma; typed ones are stored without a range test.
    void editStoresTypedValues_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("stored");
        QTest::newRow("side margin, decimal comma") << "DBEdit4"
                                                    << "7,25"
                                                    << "3,75"
                                                    << "szelsomargo" << QVariant(3.75);
        QTest::newRow("label height, decimal point") << "DBEdit3"
                                                     << "38,1"
                                                     << "40.5"
                                                     << "cimkemagas" << QVariant(40.5);
        QTest::newRow("negative length") << "DBEdit2"
                                         << "10,5"
                                         << "-1,5"
                                         << "felsomargo" << QVariant(-1.5);
        QTest::newRow("no columns") << "DBEdit5"
                                    << "3"
                                    << "0"
                                    << "oszlop" << QVariant(0);
        QTest::newRow("negative column count") << "DBEdit5"
                                               << "3"
                                               << "-2"
                                               << "oszlop" << QVariant(-2);
    }
    void editStoresTypedValues()
    {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, field);
        Tfrm_TorzsCimke w;
        w.Tbl()->open(); // on Avery
        QString shown;
        const bool closed =
            driveModal([&] { w.aSzerkeszt()->trigger(); },
                       [&](QDialog *dlg) {
                           auto *e = dlg->findChild<QLineEdit *>(edit);
                           shown = e->text();
                           e->setFocus();
                           e->selectAll();
                           typeText(e, typed);
                           dlg->findChild<QPushButton *>("btnOK")->click(); // the focus is still in the edit
                       });
        QVERIFY(closed);
        QTEST(shown, "shown");
        QVERIFY(MessageBoxHook::shown().isEmpty());
        QTEST(Db::scalar(QString("SELECT %1 FROM cimke WHERE cimke = 'Avery'").arg(field)), "stored");
    }

    void notANumberKeepsTheDialogOpen()
    {
        Tfrm_TorzsCimke w;
        w.Tbl()->open();
        const bool closed = driveModal([&] { w.aSzerkeszt()->trigger(); },
                                       [&](QDialog *dlg) {
                                           auto *e = dlg->findChild<QLineEdit *>("DBEdit5");
                                           e->setFocus();
                                           e->selectAll();
                                           typeText(e, "3,5"); // not an integer
                                           dlg->findChild<QPushButton *>("btnOK")->click();
                                       });
        QVERIFY(!closed);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QVERIFY(MessageBoxHook::shown()[0].text.contains("3,5"));
        QCOMPARE(Db::scalar("SELECT oszlop FROM cimke WHERE cimke = 'Avery'").toInt(), 3);
    }

    // A duplicate name: the two-line error, the dialog stays open with the row
    // still being inserted; cancelling then stores nothing.
    void refusedPostKeepsTheDialogOpen()
    {
        Tfrm_TorzsCimke w;
        w.Tbl()->open();
        bool inserting = false;
        const bool closed = driveModal([&] { w.aUj()->trigger(); },
                                       [&](QDialog *dlg) {
                                           typeText(dlg->findChild<QLineEdit *>("DBEdit1"), "Herma");
                                           dlg->findChild<QPushButton *>("btnOK")->click();
                                           inserting = w.Tbl()->state() == DataSet::State::Insert;
                                       });
        QVERIFY(!closed);
        QVERIFY(inserting);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        const QStringList lines = MessageBoxHook::shown()[0].text.split("\r\n");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Hiányos, vagy hibás adatmegadás"));
        QVERIFY(!lines[1].isEmpty());
        QVERIFY(!w.Tbl()->isEditing());
        QCOMPARE(cimkeSzam(), 3);
    }
};

QTEST_MAIN(TestTorzsCimke)
#include "tst_torzscimke.moc"
