// Fish species: the chooser's results, the list in key order with the search in
// name order, new and edited rows saved by the list and seen by another
// connection at once, and the edit dialog that Esc does not close.
#include "catches/TorzsHalfaj.h"
#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "foundation/IniFile.h"
#include "foundation/Seged.h"
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

QStringList storedNames(const QString &connection = Db::Regiszter)
{
    QStringList names;
    Db::Statement st("SELECT halfaj_nev FROM halfaj ORDER BY halfaj", connection);
    while (st.step())
        names << st.column(0).toString();
    return names;
}

QStringList gridNames(const ListWindow *w)
{
    QStringList names;
    for (int r = 0; r < w->model()->rowCount(); ++r)
        names << w->model()->index(r, 0).data().toString();
    return names;
}

QString current(const ListWindow *w)
{
    return w->dataSet()->value("halfaj_nev").toString();
}

} // namespace

class tst_TorzsHalfaj : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    const QStringList m_names{"Ponty", "Amur", "Pisztráng", "Keszeg", "Kárász"};

    // The list window on its own, shown and active, on the species with key halfaj.
    std::unique_ptr<Tfrm_TorzsHalfaj> shownWindow(int halfaj = 1)
    {
        auto w = std::make_unique<Tfrm_TorzsHalfaj>();
        w->dataSet()->open();
        w->dataSet()->locate("halfaj", halfaj);
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w.get()))
            return nullptr;
        return w;
    }

private slots:
    void initTestCase() { installWidgetBehaviour(); }
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        for (int i = 0; i < m_names.size(); ++i)
            Db::exec("INSERT INTO halfaj (halfaj, halfaj_nev) VALUES (?, ?)", {i + 1, m_names[i]});
        Beall() = TBeall();
    }
    void cleanup()
    {
        MessageBoxHook::clear();
        m_folder.reset();
    }

    void listInKeyOrderWithoutSortColour()
    {
        AblakMeretMent("frm_TorzsHalfaj", 50, 60, 600, 500);
        Beall().SorrendSzin = 0x0000FF;
        auto w = shownWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Halfajok"));
        QCOMPARE(w->findChild<QLabel *>("lblCim")->text(), QStringLiteral("Halfajok  "));
        QCOMPARE(w->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("halfaj"));
        QCOMPARE(gridNames(w.get()), m_names);
        QVERIFY(!w->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>().isValid());
        QCOMPARE(w->statusPanel(0)->text(), QStringLiteral("5: 1"));
        QCOMPARE(w->pos(), QPoint(50, 60));
        QCOMPARE(w->size(), QSize(449, 383)); // only the place is restored
    }

    // The first character is typed in the grid, the rest in the search box.
    void searchFollowsNameOrder_data()
    {
        QTest::addColumn<int>("startKey");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("found");
        QTest::newRow("a") << 1 << "a"
                           << "a"
                           << "Amur";
        QTest::newRow("p: first by name, not by key") << 1 << "p"
                                                      << "p"
                                                      << "Pisztráng";
        QTest::newRow("capital P") << 1 << "P"
                                   << "p"
                                   << "Pisztráng";
        QTest::newRow("po") << 3 << "po"
                            << "po"
                            << "Ponty";
        QTest::newRow("pI, letter case ignored") << 1 << "pI"
                                                 << "pI"
                                                 << "Pisztráng";
        QTest::newRow("k: Hungarian order") << 1 << "k"
                                            << "k"
                                            << "Kárász";
        QTest::newRow("ke") << 1 << "ke"
                            << "ke"
                            << "Keszeg";
        QTest::newRow("x: the row stays") << 4 << "x"
                                          << "x"
                                          << "Keszeg";
        QTest::newRow("pz: the row found by p stays") << 1 << "pz"
                                                      << "pz"
                                                      << "Pisztráng";
    }
    void searchFollowsNameOrder()
    {
        QFETCH(int, startKey);
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, found);
        auto w = shownWindow(startKey);
        QVERIFY(w);
        typeText(w->grid(), typed.left(1));
        QCOMPARE(QApplication::focusWidget(), w->searchBox());
        typeText(w->searchBox(), typed.mid(1));
        QCOMPARE(w->searchBox()->text(), box);
        QCOMPARE(current(w.get()), found);
        QCOMPARE(gridNames(w.get()), m_names); // the list stays in key order
        QCOMPARE(w->grid()->currentIndex().row(), m_names.indexOf(found));
    }

    void chooserResults_data()
    {
        QTest::addColumn<bool>("acceptMode");
        QTest::addColumn<CloseBy>("way");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("result");
        QTest::newRow("Esc") << true << CloseBy::Esc << true << -1;
        QTest::newRow("Bezár") << true << CloseBy::Bezar << true << -1;
        QTest::newRow("close box") << true << CloseBy::CloseBox << true << -1;
        QTest::newRow("Enter") << true << CloseBy::Enter << true << 3;
        QTest::newRow("Elfogad") << true << CloseBy::Elfogad << true << 3;
        QTest::newRow("double-click on Amur") << true << CloseBy::DoubleClick << true << 2;
        QTest::newRow("Enter without accept mode") << false << CloseBy::Enter << false << -1;
        QTest::newRow("Esc without accept mode") << false << CloseBy::Esc << true << -1;
    }
    void chooserResults()
    {
        QFETCH(bool, acceptMode);
        QFETCH(CloseBy, way);
        QFETCH(bool, closes);
        QFETCH(int, result);
        int got = -2;
        bool acceptVisible = !acceptMode;
        const bool closed = driveModal([&] { got = HalfajValaszt(3, acceptMode); },
                                       [&](QDialog *dlg) {
                                           auto *w = qobject_cast<Tfrm_TorzsHalfaj *>(dlg);
                                           QVERIFY(w);
                                           acceptVisible =
                                               w->aElfogad()->isVisible() && w->aElfogad()->isEnabled();
                                           closeListWindow(w, way);
                                       });
        QCOMPARE(acceptVisible, acceptMode);
        QCOMPARE(closed, closes);
        QCOMPARE(got, result);
    }

    void chooserOpensOnTheGivenKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("result");
        QTest::newRow("existing key") << 3 << "5: 3" << 3;
        QTest::newRow("missing key") << 99 << "5: 1" << 1;
        QTest::newRow("none") << -1 << "5: 1" << 1;
    }
    void chooserOpensOnTheGivenKey()
    {
        QFETCH(int, key);
        QFETCH(QString, status);
        QFETCH(int, result);
        int got = -2;
        QString shownStatus;
        QVERIFY(driveModal([&] { got = HalfajValaszt(key, true); },
                           [&](QDialog *dlg) {
                               auto *w = static_cast<ListWindow *>(dlg);
                               shownStatus = w->statusPanel(0)->text();
                               QTest::keyClick(w->grid(), Qt::Key_Return);
                           }));
        QCOMPARE(shownStatus, status);
        QCOMPARE(got, result);
    }

    void acceptingInAnEmptyListGivesZero()
    {
        Db::exec("DELETE FROM halfaj");
        int got = -2;
        int rows = -1;
        QVERIFY(driveModal([&] { got = HalfajValaszt(-1, true); },
                           [&](QDialog *dlg) {
                               auto *w = static_cast<ListWindow *>(dlg);
                               rows = w->model()->rowCount();
                               QTest::keyClick(w->grid(), Qt::Key_Return);
                           }));
        QCOMPARE(rows, 0);
        QCOMPARE(got, 0);
    }

    // Esc is pressed first in every dialog and must leave it open; the button then
    // decides. A saved row is visible at once through a second connection.
    void newAndEditedRows_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("status");
        const QStringList base = m_names;
        QTest::newRow("new, OK") << Qt::Key_Insert << "Harcsa"
                                 << "OK" << (base + QStringList{"Harcsa"}) << "6: 6";
        QTest::newRow("new, empty name, OK") << Qt::Key_Insert << ""
                                             << "OK" << (base + QStringList{""}) << "6: 6";
        QTest::newRow("new, Mégsem") << Qt::Key_Insert << "Harcsa"
                                     << "Mégsem" << base << "5: 2";
        QTest::newRow("new, close box") << Qt::Key_Insert << "Harcsa"
                                        << "close box" << base << "5: 2";
        QStringList renamed = base;
        renamed[1] = "Fehér amur";
        QTest::newRow("edit, OK") << Qt::Key_F2 << "Fehér amur"
                                  << "OK" << renamed << "5: 2";
        QTest::newRow("edit, Mégsem") << Qt::Key_F2 << "Fehér amur"
                                      << "Mégsem" << base << "5: 2";
        QTest::newRow("edit, close box") << Qt::Key_F2 << "Fehér amur"
                                         << "close box" << base << "5: 2";
    }
    void newAndEditedRows()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QString, name);
        QFETCH(QString, button);
        QFETCH(QStringList, stored);
        QFETCH(QString, status);
        Db::open(m_folder->data(), "masik");
        auto w = shownWindow(2);
        QVERIFY(w);
        bool openAfterEsc = false, listOpenAfterEsc = false;
        int maxLength = 0;
        QSize size;
        QVERIFY(
            driveModal([&] { QTest::keyClick(w->grid(), key); },
                       [&](QDialog *dlg) {
                           QVERIFY(qobject_cast<Tfrm_TorzsHalfaj_Szerkeszt *>(dlg));
                           size = dlg->size();
                           auto *edit = dlg->findChild<QLineEdit *>("DBEdit1");
                           QCOMPARE(QApplication::focusWidget(), edit);
                           maxLength = edit->maxLength();
                           QTest::keyClick(edit, Qt::Key_Escape);
                           openAfterEsc = dlg->isVisible();
                           listOpenAfterEsc = w->isVisible();
                           edit->selectAll();
                           QTest::keyClick(edit, Qt::Key_Backspace);
                           typeText(edit, name);
                           if (button == "close box")
                               dlg->close();
                           else
                               dlg->findChild<QPushButton *>(button == "OK" ? "btnOK" : "btnMegsem")->click();
                       }));
        QVERIFY(openAfterEsc);
        QVERIFY(listOpenAfterEsc);
        QCOMPARE(size, QSize(232, 147));
        QCOMPARE(maxLength, 50);
        QCOMPARE(w->dataSet()->state(), DataSet::State::Browse);
        QCOMPARE(storedNames(), stored);
        QCOMPARE(storedNames("masik"), stored);
        QCOMPARE(gridNames(w.get()), stored);
        QCOMPARE(w->statusPanel(0)->text(), status);
        Db::close("masik");
    }

    void editDialogKeysAndPlace()
    {
        AblakHelyMent("frm_TorzsHalfaj_Szerkeszt", 40, 30);
        Beall().Betumeret = 11;
        auto w = shownWindow();
        QVERIFY(w);
        QPoint shownAt;
        int fontSize = 0;
        QStringList focusPath;
        QVERIFY(driveModal([&] { QTest::keyClick(w->grid(), Qt::Key_F2); },
                           [&](QDialog *dlg) {
                               shownAt = dlg->pos();
                               fontSize = dlg->font().pointSize();
                               QTest::keyClick(QApplication::focusWidget(),
                                               Qt::Key_Return); // Enter moves on, as Tab does
                               focusPath << QApplication::focusWidget()->objectName();
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                               focusPath << QApplication::focusWidget()->objectName();
                               dlg->move(70, 90);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // presses Mégsem
                           }));
        QCOMPARE(shownAt, QPoint(40, 30));
        QCOMPARE(fontSize, 11);
        QCOMPARE(focusPath, QStringList({"btnOK", "btnMegsem"}));
        QCOMPARE(storedNames(), m_names);
        const IniFile ini(folders().settingsFile);
        QCOMPARE(ini.intValue("frm_TorzsHalfaj_Szerkeszt", "Left", 0), 70);
        QCOMPARE(ini.intValue("frm_TorzsHalfaj_Szerkeszt", "Top", 0), 90);
    }
};

QTEST_MAIN(tst_TorzsHalfaj)
#include "tst_torzshalfaj.moc"
