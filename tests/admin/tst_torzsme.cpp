// Membership types: the chooser's results, the new key, the edit dialog's colour
// and its failing post, and the search of the real window.
#include "admin/TorzsMe.h"
#include "foundation/Beall.h"
#include "foundation/IniFile.h"
#include "foundation/Seged.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace {

Tfrm_TorzsMe *listOf(QWidget *dialog)
{
    return qobject_cast<Tfrm_TorzsMe *>(dialog->parentWidget());
}

QString rows()
{
    QStringList r;
    Db::Statement st("SELECT Tipus, Tipus_nev, szin FROM tipus ORDER BY Tipus");
    while (st.step())
        r << QStringLiteral("%1 %2 %3")
                 .arg(st.column(0).toString(), st.column(1).toString(),
                      st.column(2).isNull() ? "null" : st.column(2).toString());
    return r.join(", ");
}

} // namespace

Q_DECLARE_METATYPE(DataSet::State)

class TestTorzsMe : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<Tfrm_TorzsMe> m_w;

    void fill()
    {
        Db::exec("INSERT INTO tipus (Tipus, Tipus_nev, szin) VALUES (1, 'Felnőtt', 255), (2, 'Ifjúsági', -1),"
                 "(3, 'kedvezményes', 0), (4, 'Kölyök', 1), (7, 'Nyugdíjas', 65280)");
    }
    // The list window on its own, shown and active.
    bool showList()
    {
        m_w = std::make_unique<Tfrm_TorzsMe>();
        m_w->Tbl()->open();
        m_w->show();
        m_w->activateWindow();
        return QTest::qWaitForWindowActive(m_w.get());
    }
    QString current() const { return m_w->Tbl()->value("Tipus_nev").toString(); }

private slots:
    void initTestCase() { installWidgetBehaviour(); }
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Beall() = TBeall();
        MessageBoxHook::arm();
    }
    void cleanup()
    {
        m_w.reset();
        MessageBoxHook::clear();
        m_folder.reset();
    }

    void chooser_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<int>("given");
        QTest::addColumn<bool>("acceptMode");
        QTest::addColumn<bool>("down"); // one row down before closing
        QTest::addColumn<CloseBy>("close");
        QTest::addColumn<QString>("openedOn");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("result");
        QTest::newRow("Esc") << false << 4 << true << false << CloseBy::Esc << "Kölyök"
                             << "5: 4" << -1;
        QTest::newRow("Bezár") << false << 4 << true << false << CloseBy::Bezar << "Kölyök"
                               << "5: 4" << -1;
        QTest::newRow("close box") << false << 4 << true << false << CloseBy::CloseBox << "Kölyök"
                                   << "5: 4" << -1;
        QTest::newRow("Enter on the given type") << false << 4 << true << false << CloseBy::Enter << "Kölyök"
                                                 << "5: 4" << 4;
        QTest::newRow("Enter after moving") << false << 4 << true << true << CloseBy::Enter << "Kölyök"
                                            << "5: 4" << 7;
        QTest::newRow("Elfogad button") << false << 2 << true << false << CloseBy::Elfogad << "Ifjúsági"
                                        << "5: 2" << 2;
        QTest::newRow("-1 opens on the first by name")
            << false << -1 << true << false << CloseBy::Enter << "Felnőtt"
            << "5: 1" << 1;
        QTest::newRow("unknown key opens on the first")
            << false << 5 << true << false << CloseBy::Enter << "Felnőtt"
            << "5: 1" << 1;
        QTest::newRow("Enter does not accept without accept mode")
            << false << 7 << false << false << CloseBy::Enter << "Nyugdíjas"
            << "5: 5" << -1;
        QTest::newRow("accepting in an empty list") << true << -1 << true << false << CloseBy::Enter << ""
                                                    << "" << 0;
        QTest::newRow("Esc in an empty list") << true << 0 << true << false << CloseBy::Esc << ""
                                              << "" << -1;
    }
    void chooser()
    {
        QFETCH(bool, empty);
        QFETCH(int, given);
        QFETCH(bool, acceptMode);
        QFETCH(bool, down);
        QFETCH(CloseBy, close);
        QFETCH(QString, openedOn);
        QFETCH(QString, status);
        QFETCH(int, result);
        if (!empty)
            fill();
        QString seen, statusSeen;
        bool elfogadVisible = !acceptMode;
        int got = 0;
        const bool closed =
            driveModal([&] { got = TipusValaszt(given, acceptMode); },
                       [&](QDialog *d) {
                           auto *w = qobject_cast<Tfrm_TorzsMe *>(d);
                           QVERIFY(w);
                           seen = w->Tbl()->isEmpty() ? QString() : w->Tbl()->value("Tipus_nev").toString();
                           statusSeen = w->statusPanel(0)->text();
                           elfogadVisible = w->aElfogad()->isVisible();
                           if (down)
                               QTest::keyClick(w->grid(), Qt::Key_Down);
                           closeListWindow(w, close);
                       });
        QCOMPARE(got, result);
        QCOMPARE(seen, openedOn);
        QCOMPARE(statusSeen, status);
        QCOMPARE(elfogadVisible, acceptMode);
        QCOMPARE(closed, close != CloseBy::Enter || acceptMode); // Enter does nothing without accept mode
    }

    void newRowTakesTheNextKey_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty table") << true << "1 Aranytag 16777215";
        QTest::newRow("after the largest key")
            << false
            << "1 Felnőtt 255, 2 Ifjúsági -1, 3 kedvezményes 0, 4 Kölyök 1, "
               "7 Nyugdíjas 65280, 8 Aranytag 16777215";
    }
    void newRowTakesTheNextKey()
    {
        QFETCH(bool, empty);
        QFETCH(QString, stored);
        if (!empty)
            fill();
        QVERIFY(showList());
        QVariant key;
        QVERIFY(driveModal([&] { QTest::keyClick(m_w->grid(), Qt::Key_Insert); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_TorzsMe_Szerkeszt *>(dlg);
                               QVERIFY(d);
                               key = listOf(d)->Tbl()->value("Tipus");
                               typeText(d->findChild<QLineEdit *>("DBEdit1"), "Aranytag");
                               d->findChild<QPushButton *>("btnOK")->click();
                           }));
        QCOMPARE(key, QVariant(empty ? 1 : 8));
        QCOMPARE(rows(), stored);
        QCOMPARE(m_w->Tbl()->state(), DataSet::State::Browse);
        QCOMPARE(current(), QStringLiteral("Aranytag"));
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void newRowCancelledStoresNothing()
    {
        fill();
        QVERIFY(showList());
        const QString before = rows();
        QVERIFY(driveModal([&] { m_w->aUj()->trigger(); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_TorzsMe_Szerkeszt *>(dlg);
                               QVERIFY(d);
                               typeText(d->findChild<QLineEdit *>("DBEdit1"), "Aranytag");
                               QTest::keyClick(d, Qt::Key_Escape);
                           }));
        QCOMPARE(rows(), before);
        QCOMPARE(m_w->Tbl()->state(), DataSet::State::Browse);
    }

    void okStoresThePreviewColour_data()
    {
        QTest::addColumn<QVariant>("szin");
        QTest::addColumn<QColor>("preview");
        QTest::addColumn<QColor>("chosen"); // invalid: the colour dialog is not opened
        QTest::addColumn<bool>("confirm");  // the colour dialog's answer
        QTest::addColumn<int>("stored");
        const QColor none;
        QTest::newRow("-1 has no colour") << QVariant(-1) << QColor(Qt::white) << none << false << 16777215;
        QTest::newRow("0 (black) has no colour")
            << QVariant(0) << QColor(Qt::white) << none << false << 16777215;
        QTest::newRow("1 has no colour") << QVariant(1) << QColor(Qt::white) << none << false << 16777215;
        QTest::newRow("null has no colour") << QVariant() << QColor(Qt::white) << none << false << 16777215;
        QTest::newRow("2 is a colour") << QVariant(2) << QColor(2, 0, 0) << none << false << 2;
        QTest::newRow("red is kept") << QVariant(255) << QColor(Qt::red) << none << false << 255;
        QTest::newRow("blue chosen over red")
            << QVariant(255) << QColor(Qt::red) << QColor(Qt::blue) << true << 16711680;
        QTest::newRow("choice cancelled")
            << QVariant(255) << QColor(Qt::red) << QColor(Qt::blue) << false << 255;
        QTest::newRow("no colour, green chosen")
            << QVariant(-1) << QColor(Qt::white) << QColor(0, 128, 0) << true << 32768;
    }
    void okStoresThePreviewColour()
    {
        QFETCH(QVariant, szin);
        QFETCH(QColor, preview);
        QFETCH(QColor, chosen);
        QFETCH(bool, confirm);
        QFETCH(int, stored);
        Db::exec("INSERT INTO tipus (Tipus, Tipus_nev, szin) VALUES (5, 'Őstag', ?)", {szin});
        QVERIFY(showList());
        QColor shownAtStart, painted, offered, shownAfter;
        QVERIFY(driveModal(
            [&] { QTest::keyClick(m_w->grid(), Qt::Key_F2); },
            [&](QDialog *dlg) {
                auto *d = qobject_cast<Tfrm_TorzsMe_Szerkeszt *>(dlg);
                QVERIFY(d);
                auto *shape = d->findChild<QFrame *>("Shape1");
                shownAtStart = d->szin();
                painted = shape->grab().toImage().pixelColor(4, 4);
                if (chosen.isValid()) {
                    driveModal([&] { QTest::mouseClick(d->findChild<QLabel *>("Label2"), Qt::LeftButton); },
                               [&](QDialog *cd) {
                                   auto *c = qobject_cast<QColorDialog *>(cd);
                                   QVERIFY(c);
                                   offered = c->currentColor();
                                   c->setCurrentColor(chosen);
                                   confirm ? c->accept() : c->reject();
                               });
                }
                shownAfter = shape->grab().toImage().pixelColor(4, 4);
                d->findChild<QPushButton *>("btnOK")->click();
            }));
        QCOMPARE(shownAtStart, preview);
        QCOMPARE(painted, preview);
        if (chosen.isValid())
            QCOMPARE(offered, preview); // the colour dialog starts at the preview's colour
        QCOMPARE(shownAfter, confirm ? chosen : preview);
        QCOMPARE(rows(), QStringLiteral("5 Őstag %1").arg(stored));
    }

    void failingPostKeepsTheDialogOpen_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("keyInDialog");
        QTest::addColumn<DataSet::State>("state");
        QTest::addColumn<QString>("meanwhile"); // what another workstation does while the dialog is open
        QTest::addColumn<QString>("reason");    // how the storage's message begins
        QTest::addColumn<QString>("stored");
        QTest::newRow("new row, key taken meanwhile")
            << Qt::Key_Insert << 8 << DataSet::State::Insert
            << "INSERT INTO tipus (Tipus, Tipus_nev) VALUES (8, 'Máshol felvett')"
            << "Ismétlődő kulcs"
            << "1 Felnőtt 255, 2 Ifjúsági -1, 3 kedvezményes 0, 4 Kölyök 1, 7 Nyugdíjas 65280, 8 Máshol "
               "felvett null";
        QTest::newRow("edited row deleted meanwhile")
            << Qt::Key_F2 << 1 << DataSet::State::Edit << "DELETE FROM tipus WHERE Tipus = 1"
            << "A sort időközben egy másik munkaállomás törölte"
            << "2 Ifjúsági -1, 3 kedvezményes 0, 4 Kölyök 1, 7 Nyugdíjas 65280";
    }
    void failingPostKeepsTheDialogOpen()
    {
        QFETCH(Qt::Key, key);
        QFETCH(int, keyInDialog);
        QFETCH(DataSet::State, state);
        QFETCH(QString, meanwhile);
        QFETCH(QString, reason);
        QFETCH(QString, stored);
        fill();
        QVERIFY(showList());
        QVariant keySeen;
        DataSet::State stateAfterError = DataSet::State::Browse;
        bool openAfterError = false;
        QString nameAfterError;
        QVERIFY(driveModal([&] { QTest::keyClick(m_w->grid(), key); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_TorzsMe_Szerkeszt *>(dlg);
                               QVERIFY(d);
                               DataSet *tipus = listOf(d)->Tbl();
                               keySeen = tipus->value("Tipus");
                               Db::exec(meanwhile);
                               auto *edit = d->findChild<QLineEdit *>("DBEdit1");
                               edit->selectAll();
                               typeText(edit, "Aranytag");
                               d->findChild<QPushButton *>("btnOK")->click();
                               openAfterError = d->isVisible();
                               stateAfterError = tipus->state();
                               nameAfterError = tipus->value("Tipus_nev").toString();
                               d->findChild<QPushButton *>("btnMegsem")->click();
                           }));
        QCOMPARE(keySeen, QVariant(keyInDialog));
        QVERIFY(openAfterError);
        QCOMPARE(stateAfterError, state);
        QCOMPARE(nameAfterError, QStringLiteral("Aranytag"));
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        const MessageBoxHook::Shown box = MessageBoxHook::shown().first();
        QCOMPARE(box.caption, QStringLiteral("Hiba"));
        const QStringList lines = box.text.split("\r\n");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Hiányos, vagy hibás adatmegadás"));
        QVERIFY2(lines[1].startsWith(reason), qPrintable(lines[1]));
        // Mégsem discarded the dialog's row; only the other workstation's change is there.
        QCOMPARE(rows(), stored);
        QCOMPARE(m_w->Tbl()->state(), DataSet::State::Browse);
    }

    void editOnAnEmptyListStartsANewRow()
    {
        QVERIFY(showList());
        QVariant keySeen = 0;
        DataSet::State stateSeen = DataSet::State::Browse;
        QVERIFY(driveModal([&] { QTest::keyClick(m_w->grid(), Qt::Key_F2); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_TorzsMe_Szerkeszt *>(dlg);
                               QVERIFY(d);
                               keySeen = listOf(d)->Tbl()->value("Tipus");
                               stateSeen = listOf(d)->Tbl()->state();
                               typeText(d->findChild<QLineEdit *>("DBEdit1"), "Aranytag");
                               d->findChild<QPushButton *>("btnOK")->click();
                           }));
        QCOMPARE(stateSeen, DataSet::State::Insert);
        QVERIFY(keySeen.isNull()); // unlike Új sor, no key is proposed
        // The storage numbers a row stored without a key.
        QCOMPARE(rows(), QStringLiteral("1 Aranytag 16777215"));
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    void searchesTheTypeName_data()
    {
        QTest::addColumn<QString>("typed"); // typed in the grid, then in the box
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("status");
        QTest::newRow("capital K") << "K"
                                   << "k"
                                   << "kedvezményes"
                                   << "5: 3";
        QTest::newRow("two letters") << "kö"
                                     << "kö"
                                     << "Kölyök"
                                     << "5: 4";
        QTest::newRow("capital N") << "N"
                                   << "n"
                                   << "Nyugdíjas"
                                   << "5: 5";
        QTest::newRow("no name begins so") << "x"
                                           << "x"
                                           << "Felnőtt"
                                           << "5: 1";
        QTest::newRow("blank does nothing") << " "
                                            << ""
                                            << "Felnőtt"
                                            << "5: 1";
    }
    void searchesTheTypeName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, current);
        QFETCH(QString, status);
        fill();
        QVERIFY(showList());
        typeText(m_w->grid(), typed.left(1));
        typeText(m_w->searchBox(), typed.mid(1));
        QCOMPARE(m_w->searchBox()->text(), box);
        QCOMPARE(this->current(), current);
        QCOMPARE(m_w->statusPanel(0)->text(), status);
    }

    void windowOfTheTypes()
    {
        fill();
        QVERIFY(showList());
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Tagság típusok"));
        QCOMPARE(m_w->size(), QSize(441, 465));
        QCOMPARE(m_w->findChild<QLabel *>("lblCim")->text(), QStringLiteral("Tagság típusok  "));
        QCOMPARE(m_w->model()->columnCount(), 1);
        QCOMPARE(m_w->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("típus"));
        QCOMPARE(m_w->model()->index(0, 0).data().toString(), QStringLiteral("Felnőtt")); // name order
        QCOMPARE(m_w->model()->index(4, 0).data().toString(), QStringLiteral("Nyugdíjas"));
        QCOMPARE(m_w->grid()->columnWidth(0), m_w->grid()->width() - 40);
        m_w->resize(600, 400);
        QCOMPARE(m_w->grid()->columnWidth(0), m_w->grid()->width() - 40);
        QVERIFY(m_w->grid()->width() > 441);
    }

    void editDialogPlaceFontAndKeys()
    {
        fill();
        AblakHelyMent("frm_TorzsMe_Szerkeszt", 33, 44);
        Beall().Betumeret = 10;
        QVERIFY(showList());
        QPoint at;
        int pointSize = 0, maxLength = 0;
        QSize client;
        QStringList order;
        QVERIFY(driveModal([&] { m_w->aSzerkeszt()->trigger(); },
                           [&](QDialog *dlg) {
                               auto *d = qobject_cast<Tfrm_TorzsMe_Szerkeszt *>(dlg);
                               QVERIFY(d);
                               at = d->pos();
                               pointSize = d->font().pointSize();
                               client = d->size();
                               auto *edit = d->findChild<QLineEdit *>("DBEdit1");
                               maxLength = edit->maxLength();
                               order << QApplication::focusWidget()->objectName();
                               QTest::keyClick(edit, Qt::Key_Return); // Enter moves on as Tab does
                               order << QApplication::focusWidget()->objectName();
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                               order << QApplication::focusWidget()->objectName();
                               d->move(55, 66);
                               QTest::keyClick(QApplication::focusWidget(),
                                               Qt::Key_Return); // Enter presses Mégsem
                           }));
        QCOMPARE(at, QPoint(33, 44));
        QCOMPARE(pointSize, 10);
        QCOMPARE(client, QSize(274, 142));
        QCOMPARE(maxLength, 25);
        QCOMPARE(order, QStringList({"DBEdit1", "btnOK", "btnMegsem"}));
        QCOMPARE(m_w->Tbl()->state(), DataSet::State::Browse);
        QCOMPARE(rows().count("Felnőtt 255"), 1); // Mégsem left the row as it was
        const IniFile ini(folders().settingsFile);
        QCOMPARE(ini.intValue("frm_TorzsMe_Szerkeszt", "Left", 0), 55);
        QCOMPARE(ini.intValue("frm_TorzsMe_Szerkeszt", "Top", 0), 66);
        QVERIFY(!ini.contains("frm_TorzsMe_Szerkeszt", "Width"));
    }
};

QTEST_MAIN(TestTorzsMe)
#include "tst_torzsme.moc"
