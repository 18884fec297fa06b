// The member picker: the chooser's results, the window without editing, the
// reordering by a click on a column title that keeps the current member, and
// the search that follows the order (prefix for texts, the whole number for the
// serial number, letters ignored there without a message).
#include "catches/Torzsugyfel.h"
#include "foundation/Beall.h"
#include "foundation/Seged.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolBar>

namespace {

void clickTitle(GridView *grid, int column)
{
    QHeaderView *h = grid->horizontalHeader();
    const QPoint at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
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
    return w->dataSet()->value("Ugyfel_nev").toString();
}

// The captions a user sees: visible actions of the tool bar, or the items a
// shown menu lays out (separators it collapses get no place).
QStringList shownCaptions(QToolBar *bar)
{
    QStringList texts;
    for (QAction *a : bar->actions())
        if (a->isVisible())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}
QStringList shownCaptions(QMenu *menu)
{
    QStringList texts;
    for (QAction *a : menu->actions())
        if (!menu->actionGeometry(a).isEmpty())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

class tst_Torzsugyfel : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    const QStringList m_byName{"Ács Zoltán", "Kiss Géza",  "Kovács Anna",
                               "kozma Ödön", "Nagy Péter", "Szabó Éva"};

    std::unique_ptr<Tfrm_Torzsugyfel> shownWindow(int ugyfel)
    {
        auto w = std::make_unique<Tfrm_Torzsugyfel>();
        w->dataSet()->open();
        w->dataSet()->locate("Ugyfel", ugyfel);
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
        Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Sorszam, Horgigszam) VALUES"
                 " (1, 'Nagy Péter', 120, 'B-1200'), (2, 'Kovács Anna', 12, 'A-0012'),"
                 " (3, 'kozma Ödön', 5, 'A-0120'), (4, 'Kiss Géza', 3, 'C-0001'),"
                 " (5, 'Szabó Éva', 1, 'B-0012'), (6, 'Ács Zoltán', 121, 'a-0500')");
        Beall() = TBeall();
        Beall().SorrendSzin = 0x00FF00;
        MessageBoxHook::arm();
    }
    void cleanup()
    {
        MessageBoxHook::clear();
        m_folder.reset();
    }

    void windowWithoutEditing()
    {
        AblakMeretMent("frm_Torzsugyfel", 50, 60, 700, 600);
        auto w = shownWindow(-1);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Tag választás"));
        QCOMPARE(w->findChild<QLabel *>("lblCim")->text(), QStringLiteral("Tag választás  "));
        QCOMPARE(w->pos(), QPoint(50, 60));
        QCOMPARE(w->size(), QSize(478, 456)); // only the place is restored
        QCOMPARE(w->searchBox()->width(), 145);
        QCOMPARE(QApplication::focusWidget(), w->searchBox());
        QCOMPARE(shownCaptions(w->toolBar()), QStringList({"Kiválaszt", "Bezár"}));
        w->contextMenu()->popup(w->grid()->mapToGlobal(QPoint(20, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(w->contextMenu()));
        QCOMPARE(shownCaptions(w->contextMenu()), QStringList({"Kiválaszt", "Bezár"}));
        w->contextMenu()->close();
        QStringList titles;
        for (int c = 0; c < w->model()->columnCount(); ++c)
            titles << w->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({"tag neve", "horg.ig.szám", "sorszám"}));
        QCOMPARE(gridNames(w.get()), m_byName);
        QCOMPARE(w->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 0));
        QVERIFY(!w->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>().isValid());

        // The editing keys do nothing; Ctrl+F still reaches the search box.
        w->grid()->setFocus();
        for (const QKeySequence &key : {QKeySequence(Qt::Key_Insert), QKeySequence(Qt::Key_F2),
                                        QKeySequence(Qt::CTRL | Qt::Key_Delete)})
            QTest::keySequence(w->grid(), key);
        QCOMPARE(w->dataSet()->state(), DataSet::State::Browse);
        QVERIFY(MessageBoxHook::shown().isEmpty());
        QVERIFY(w->isVisible());
        QCOMPARE(Db::scalar("SELECT count(*) FROM ugyfel").toInt(), 6);
        QTest::keyClick(w->grid(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), w->searchBox());

        w->resize(600, 500);
        const int width = w->grid()->width() - 44;
        QCOMPARE(w->grid()->columnWidth(0), qRound(width * 0.5));
        QCOMPARE(w->grid()->columnWidth(1), qRound(width * 0.3));
        QCOMPARE(w->grid()->columnWidth(2), qRound(width * 0.2));
    }

    void reorderKeepsTheMember_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QString>("status"); // Kovács Anna's place
        QTest::newRow("sorszám") << QList<int>{2} << QStringList{"Szabó Éva",   "Kiss Géza",  "kozma Ödön",
                                                                 "Kovács Anna", "Nagy Péter", "Ács Zoltán"}
                                 << "6: 4";
        QTest::newRow("horg.ig.szám")
            << QList<int>{1}
            << QStringList{"Kovács Anna", "kozma Ödön", "Ács Zoltán", "Szabó Éva", "Nagy Péter", "Kiss Géza"}
            << "6: 1";
        QTest::newRow("sorszám, then tag neve") << QList<int>{2, 0} << m_byName << "6: 3";
    }
    void reorderKeepsTheMember()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, order);
        QFETCH(QString, status);
        auto w = shownWindow(2);
        QVERIFY(w);
        for (int c : clicks)
            clickTitle(w->grid(), c);
        QCOMPARE(gridNames(w.get()), order);
        QCOMPARE(current(w.get()), QStringLiteral("Kovács Anna"));
        QCOMPARE(w->statusPanel(0)->text(), status);
        QCOMPARE(w->grid()->currentIndex().row(), order.indexOf("Kovács Anna"));
        for (int c = 0; c < 3; ++c) {
            const QColor bg = w->model()->index(0, c).data(Qt::BackgroundRole).value<QColor>();
            QCOMPARE(bg.isValid() ? bg : QColor(), c == clicks.last() ? QColor(0, 255, 0) : QColor());
        }
    }

    // The first character goes where the focus is after the click (the grid
    // passes it to the search box), the rest into the search box.
    void searchFollowsTheOrder_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("startKey");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found");
        QTest::newRow("name: ko") << 0 << 6 << "ko"
                                  << "Kovács Anna";
        QTest::newRow("name: KOZ, letter case ignored") << 0 << 6 << "KOZ"
                                                        << "kozma Ödön";
        QTest::newRow("name: á") << 0 << 1 << "á"
                                 << "Ács Zoltán";
        QTest::newRow("name: no match, the row stays") << 0 << 3 << "x"
                                                       << "kozma Ödön";
        QTest::newRow("sorszám: 1") << 2 << 6 << "1"
                                    << "Szabó Éva";
        QTest::newRow("sorszám: 12 finds only 12") << 2 << 6 << "12"
                                                   << "Kovács Anna";
        QTest::newRow("sorszám: 120") << 2 << 6 << "120"
                                      << "Nagy Péter";
        QTest::newRow("sorszám: a letter does nothing") << 2 << 3 << "a"
                                                        << "kozma Ödön";
        QTest::newRow("sorszám: 12 then a letter") << 2 << 6 << "12k"
                                                   << "Kovács Anna";
        QTest::newRow("sorszám: no such number") << 2 << 3 << "7"
                                                 << "kozma Ödön";
        QTest::newRow("sorszám: 1.2e1 is no whole number") << 2 << 6 << "1.2e1"
                                                           << "Szabó Éva";
        QTest::newRow("horg.ig.szám: b-1") << 1 << 6 << "b-1"
                                           << "Nagy Péter";
        QTest::newRow("horg.ig.szám: b") << 1 << 6 << "b"
                                         << "Szabó Éva";
        QTest::newRow("horg.ig.szám: A-05, letter case ignored") << 1 << 1 << "A-05"
                                                                 << "Ács Zoltán";
    }
    void searchFollowsTheOrder()
    {
        QFETCH(int, column);
        QFETCH(int, startKey);
        QFETCH(QString, typed);
        QFETCH(QString, found);
        auto w = shownWindow(startKey);
        QVERIFY(w);
        if (column != 0)
            clickTitle(w->grid(), column);
        const QStringList order = gridNames(w.get());
        const bool fromGrid = QApplication::focusWidget() == w->grid();
        typeText(QApplication::focusWidget(), typed.left(1));
        QCOMPARE(QApplication::focusWidget(), w->searchBox());
        typeText(w->searchBox(), typed.mid(1));
        QCOMPARE(w->searchBox()->text(), fromGrid ? typed.left(1).toLower() + typed.mid(1) : typed);
        QCOMPARE(current(w.get()), found);
        QCOMPARE(gridNames(w.get()), order);
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void chooserResults_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("result");
        QTest::newRow("Esc") << "Esc" << -1;
        QTest::newRow("Bezár") << "Bezár" << -1;
        QTest::newRow("close box") << "close box" << -1;
        QTest::newRow("Enter in the search box after sz") << "sz, Enter" << 5;
        QTest::newRow("Enter in the grid") << "Enter in grid" << 3;
        QTest::newRow("Kiválaszt") << "Kiválaszt" << 3;
        QTest::newRow("double-click on Kiss Géza") << "double-click" << 4;
    }
    void chooserResults()
    {
        QFETCH(QString, way);
        QFETCH(int, result);
        int got = -2;
        QVERIFY(driveModal([&] { got = TagValaszt(3); },
                           [&](QDialog *dlg) {
                               auto *w = qobject_cast<Tfrm_Torzsugyfel *>(dlg);
                               QVERIFY(w);
                               if (way == "Esc")
                                   QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                               else if (way == "close box")
                                   closeListWindow(w, CloseBy::CloseBox);
                               else if (way == "sz, Enter") {
                                   typeText(w->searchBox(), "sz");
                                   QTest::keyClick(w->searchBox(), Qt::Key_Return);
                               } else if (way == "Enter in grid") {
                                   w->grid()->setFocus();
                                   QTest::keyClick(w->grid(), Qt::Key_Enter);
                               } else
                                   closeListWindow(w, way == "double-click" ? CloseBy::DoubleClick
                                                      : way == "Bezár"      ? CloseBy::Bezar
                                                                            : CloseBy::Elfogad);
                           }));
        QCOMPARE(got, result);
    }

    void chooserOpensOnTheGivenMember_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("result");
        QTest::newRow("existing member") << 3 << "6: 4" << 3;
        QTest::newRow("missing member") << 99 << "6: 1" << 6;
        QTest::newRow("none") << -1 << "6: 1" << 6;
    }
    void chooserOpensOnTheGivenMember()
    {
        QFETCH(int, key);
        QFETCH(QString, status);
        QFETCH(int, result);
        int got = -2;
        QString shownStatus;
        bool focusInBox = false;
        QVERIFY(driveModal([&] { got = TagValaszt(key); },
                           [&](QDialog *dlg) {
                               auto *w = static_cast<ListWindow *>(dlg);
                               shownStatus = w->statusPanel(0)->text();
                               focusInBox = QApplication::focusWidget() == w->searchBox();
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                           }));
        QCOMPARE(shownStatus, status);
        QVERIFY(focusInBox);
        QCOMPARE(got, result);
    }

    void acceptingInAnEmptyListGivesZero()
    {
        Db::exec("DELETE FROM ugyfel");
        int got = -2;
        QString shownStatus = "?";
        QVERIFY(driveModal([&] { got = TagValaszt(-1); },
                           [&](QDialog *dlg) {
                               shownStatus = static_cast<ListWindow *>(dlg)->statusPanel(0)->text();
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                           }));
        QCOMPARE(shownStatus, QString());
        QCOMPARE(got, 0);
    }
};

QTEST_MAIN(tst_Torzsugyfel)
#include "tst_torzsugyfel.moc"
