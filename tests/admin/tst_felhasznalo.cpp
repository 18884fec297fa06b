// Users: the edit dialog's three checks and its prefilled repetition, the
// refused delete of the last user while the login is on, the keys that open the
// dialog, and the yes/no pictures of the grid.
#include "admin/Felhasznalo.h"
#include "admin/FelhasznaloSzerkeszt.h"
#include "foundation/Beall.h"
#include "platform/db/DataSet.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <functional>

namespace {

// The users as "code/name/password/admin/master" in key order.
QStringList felhasznalok()
{
    QStringList rows;
    Db::Statement st(
        "SELECT felhasznalo, felhasznalo_nev, jelszo, rendszergazda, torzsszerkeszt FROM felhasznalo "
        "ORDER BY felhasznalo");
    while (st.step()) {
        QStringList f;
        for (int i = 0; i < 5; ++i)
            f << (st.column(i).isNull() ? "null" : st.column(i).toString());
        rows << f.join('/');
    }
    return rows;
}

// Types text as the user would, replacing what the edit holds.
void retype(QLineEdit *e, const QString &text)
{
    e->setFocus();
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Backspace);
    typeText(e, text);
}

QStringList visibleCaptions(const QList<QAction *> &actions)
{
    QStringList texts;
    for (QAction *a : actions) {
        if (!a->isVisible())
            continue;
        const QString t = a->isSeparator() ? "-" : a->text();
        if (t != "-" || texts.value(texts.size() - 1) != "-") // a menu shows adjacent separators as one
            texts << t;
    }
    return texts;
}

const QString Gazda = QStringLiteral("gazda/Gazda/vorn/I/I");

} // namespace

class TestFelhasznalo : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<Tfrm_Felhasznalo> m_w;

    bool showWindow()
    {
        m_w->show();
        m_w->activateWindow();
        return QTest::qWaitForWindowActive(m_w.get());
    }

private slots:
    void initTestCase() { installWidgetBehaviour(); }
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Beall() = TBeall();
        MessageBoxHook::arm();
        Db::exec("DELETE FROM felhasznalo");
        Db::exec("INSERT INTO felhasznalo VALUES ('gazda', 'Gazda', 'vorn', 'I', 'I')");
        m_w = std::make_unique<Tfrm_Felhasznalo>();
        m_w->Tbl()->open();
    }
    void cleanup()
    {
        m_w.reset();
        MessageBoxHook::clear();
        m_folder.reset();
    }

    void windowLayout()
    {
        QVERIFY(showWindow());
        QCOMPARE(visibleCaptions(m_w->toolBar()->actions()),
                 QStringList({"Új", "Szerkeszt", "Töröl", "-", "Bezár"}));
        QCOMPARE(visibleCaptions(m_w->contextMenu()->actions()),
                 QStringList({"Új Felhasználó", "Szerkeszt", "Töröl", "-", "Bezár"}));
        QStringList titles;
        for (int c = 0; c < m_w->model()->columnCount(); ++c)
            titles << m_w->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles, QStringList({"kód", "felhasználó", "rendszergazda", "törzs.szerkeszt"}));
        QCOMPARE(m_w->statusPanel(0)->text(), QStringLiteral("1: 1"));
        // The yes/no columns are at least as wide as designed and as their titles; the
        // first two share the rest, a third and two thirds; nothing needs scrolling.
        QHeaderView *header = m_w->grid()->horizontalHeader();
        for (int c : {2, 3})
            QVERIFY(m_w->grid()->columnWidth(c) >= qMax(c == 2 ? 77 : 90, header->sectionSizeHint(c)));
        QVERIFY(header->length() <= m_w->grid()->viewport()->width());
        for (const QSize size : {QSize(498, 358), QSize(700, 400)}) {
            m_w->resize(size);
            const int free = m_w->grid()->width() - 205 - (m_w->grid()->columnWidth(2) - 77) -
                             (m_w->grid()->columnWidth(3) - 90);
            QCOMPARE(m_w->grid()->columnWidth(0), int(free * 0.33));
            QCOMPARE(m_w->grid()->columnWidth(1), int(free * 0.67));
        }
    }

    // Ins (window and menu), F2, Enter and a double-click in the grid open the dialog.
    void keysOpenTheDialog_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("inserting");
        QTest::newRow("Ins") << "ins" << true;
        QTest::newRow("menu item") << "menu" << true;
        QTest::newRow("F2") << "f2" << false;
        QTest::newRow("Enter in the grid") << "enter" << false;
        QTest::newRow("double-click") << "double" << false;
    }
    void keysOpenTheDialog()
    {
        QFETCH(QString, how);
        QFETCH(bool, inserting);
        QVERIFY(showWindow());
        DataSet::State state = DataSet::State::Browse;
        QString code, rights;
        QWidget *grid = m_w->grid();
        const bool closed = driveModal(
            [&] {
                if (how == "ins")
                    QTest::keyClick(grid, Qt::Key_Insert);
                else if (how == "menu")
                    m_w->contextMenu()->actions().first()->trigger();
                else if (how == "f2")
                    QTest::keyClick(grid, Qt::Key_F2);
                else if (how == "enter")
                    QTest::keyClick(grid, Qt::Key_Return);
                else {
                    const QPoint at = m_w->grid()->visualRect(m_w->model()->index(0, 1)).center();
                    QTest::mouseClick(m_w->grid()->viewport(), Qt::LeftButton, {}, at);
                    QTest::mouseDClick(m_w->grid()->viewport(), Qt::LeftButton, {}, at);
                }
            },
            [&](QDialog *dlg) {
                QVERIFY(qobject_cast<Tfrm_FelhasznaloSzerkeszt *>(dlg));
                state = m_w->Tbl()->state();
                code = dlg->findChild<QLineEdit *>("DBEdit1")->text();
                rights = m_w->Tbl()->value("rendszergazda").toString() +
                         m_w->Tbl()->value("torzsszerkeszt").toString();
                for (const char *c : {"DBCheckBox1", "DBCheckBox2"})
                    if (dlg->findChild<QCheckBox *>(c)->isChecked())
                        rights += "ticked";
                dlg->findChild<QPushButton *>("btnCancel")->click();
            });
        QVERIFY(closed);
        QCOMPARE(state, inserting ? DataSet::State::Insert : DataSet::State::Edit);
        QCOMPARE(code, inserting ? QString() : QStringLiteral("gazda"));
        if (inserting)
            QCOMPARE(rights, QStringLiteral("NN")); // a new user has neither right
        QVERIFY(!m_w->Tbl()->isEditing());          // cancelled
        QCOMPARE(felhasznalok(), QStringList{Gazda});
    }

    // The dialog's checks: a null password, a differing repetition, a failed post.
    // Every refusal keeps it open with the row still being inserted or edited.
    void editDialogChecks_data()
    {
        QTest::addColumn<bool>("newUser");
        QTest::addColumn<QString>("code");       // null: not touched
        QTest::addColumn<QString>("password");   // null: not touched
        QTest::addColumn<QString>("repetition"); // null: not touched
        QTest::addColumn<QString>("message");    // empty: accepted
        QTest::addColumn<QStringList>("users");  // the table afterwards
        const QString none;
        const QStringList unchanged{Gazda};
        QTest::newRow("new user without password")
            << true << "kata" << none << none << "Hiányos adat megadás" << unchanged;
        QTest::newRow("new user with a password and an empty repetition")
            << true << "kata"
            << "titok" << none << "Hibás jelszó megadás" << unchanged;
        QTest::newRow("repetition differs in letter case") << true << "kata"
                                                           << "titok"
                                                           << "Titok"
                                                           << "Hibás jelszó megadás" << unchanged;
        QTest::newRow("password emptied on edit")
            << false << none << "" << none << "Hiányos adat megadás" << unchanged;
        QTest::newRow("repetition changed on edit") << false << none << none << "mas"
                                                    << "Hibás jelszó megadás" << unchanged;
        QTest::newRow("post fails: code taken") << true << "gazda"
                                                << "titok"
                                                << "titok"
                                                << "Hiányos adat megadás" << unchanged;
        QTest::newRow("post fails: no code") << true << none << "titok"
                                             << "titok"
                                             << "Hiányos adat megadás" << unchanged;
        QTest::newRow("new user complete") << true << "kata"
                                           << "titok"
                                           << "titok"
                                           << "" << QStringList({Gazda, "kata/null/titok/N/N"});
        QTest::newRow("password of 12 characters typed twice")
            << true << "kata"
            << "titoktitok12"
            << "titoktitok12"
            << "" << QStringList({Gazda, "kata/null/titoktitok/N/N"});
        QTest::newRow("new password on edit") << false << none << "uj"
                                              << "uj"
                                              << "" << QStringList{"gazda/Gazda/uj/I/I"};
    }
    void editDialogChecks()
    {
        QFETCH(bool, newUser);
        QFETCH(QString, code);
        QFETCH(QString, password);
        QFETCH(QString, repetition);
        QFETCH(QString, message);
        bool editing = false;
        const bool closed = driveModal([&] { (newUser ? m_w->aUj() : m_w->aSzerkeszt())->trigger(); },
                                       [&](QDialog *dlg) {
                                           if (!code.isNull())
                                               retype(dlg->findChild<QLineEdit *>("DBEdit1"), code);
                                           if (!password.isNull())
                                               retype(dlg->findChild<QLineEdit *>("DBEdit2"), password);
                                           if (!repetition.isNull())
                                               retype(dlg->findChild<QLineEdit *>("Edit1"), repetition);
                                           dlg->findChild<QPushButton *>("btnOK")->click();
                                           editing = m_w->Tbl()->isEditing();
                                       });
        QVERIFY(!m_w->Tbl()->isEditing());
        QCOMPARE(closed, message.isEmpty());
        QCOMPARE(editing, !closed); // a refusal keeps the row being inserted or edited
        if (closed) {
            QVERIFY(MessageBoxHook::shown().isEmpty());
        } else {
            QCOMPARE(MessageBoxHook::shown().size(), 1);
            QCOMPARE(MessageBoxHook::shown()[0].caption, QStringLiteral("Hiba"));
            QCOMPARE(MessageBoxHook::shown()[0].text, message);
        }
        QTEST(felhasznalok(), "users");
    }

    void nameOnlyEditNeedsNoRetyping()
    {
        QString repetition;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        const bool closed = driveModal([&] { m_w->aSzerkeszt()->trigger(); },
                                       [&](QDialog *dlg) {
                                           repetition = dlg->findChild<QLineEdit *>("Edit1")->text();
                                           echo = dlg->findChild<QLineEdit *>("Edit1")->echoMode();
                                           retype(dlg->findChild<QLineEdit *>("DBEdit3"), "Gazda Géza");
                                           dlg->findChild<QPushButton *>("btnOK")->click();
                                       });
        QCOMPARE(repetition, QStringLiteral("vorn"));
        QCOMPARE(echo, QLineEdit::Password);
        QVERIFY(closed);
        QVERIFY(MessageBoxHook::shown().isEmpty());
        QCOMPARE(felhasznalok(), QStringList{"gazda/Gazda Géza/vorn/I/I"});
    }

    void deleteUser_data()
    {
        QTest::addColumn<bool>("secondUser");
        QTest::addColumn<QVariant>("vanbelep");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("left");
        QTest::newRow("last user, login on: refused") << false << QVariant("I") << true << false << 1;
        QTest::newRow("last user, login off") << false << QVariant("N") << true << true << 0;
        QTest::newRow("last user, login switch null") << false << QVariant() << true << true << 0;
        QTest::newRow("one of two users, login on") << true << QVariant("I") << true << true << 1;
        QTest::newRow("one of two users, answer no") << true << QVariant("I") << false << true << 2;
    }
    void deleteUser()
    {
        QFETCH(bool, secondUser);
        QFETCH(QVariant, vanbelep);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        QFETCH(int, left);
        if (secondUser) {
            Db::exec("INSERT INTO felhasznalo (felhasznalo, jelszo, rendszergazda, torzsszerkeszt) "
                     "VALUES ('kata', 'k', 'N', 'N')");
            m_w->Tbl()->refresh();
        }
        Db::exec("UPDATE beallit SET vanbelep = ?", {vanbelep});
        QVERIFY(showWindow());
        MessageBoxHook::expect(yes ? QMessageBox::Yes : QMessageBox::No);
        QTest::keyClick(m_w->grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        const MessageBoxHook::Shown box = MessageBoxHook::shown()[0];
        if (asked) {
            QCOMPARE(box.caption, QStringLiteral("Megerősítés"));
            QCOMPARE(box.text, QStringLiteral("Valóban töröljem a sort?"));
        } else {
            QCOMPARE(box.caption, QStringLiteral("Hiba"));
            QCOMPARE(box.text,
                     QStringLiteral("Az utolsó felhasználó nem törölhető, amíg a belépés be van kapcsolva."));
        }
        QCOMPARE(Db::scalar("SELECT COUNT(*) FROM felhasznalo").toInt(), left);
        QCOMPARE(m_w->Tbl()->recordCount(), left);
    }

    // The yes/no cells show a green tick for "I" and a grey cross otherwise, 32 pixels in.
    void yesNoPictures()
    {
        Db::exec("INSERT INTO felhasznalo (felhasznalo, rendszergazda, torzsszerkeszt) VALUES ('kata', 'N', "
                 "NULL)");
        m_w->Tbl()->refresh();
        QVERIFY(showWindow());
        auto marks = [this](int row, int column) {
            const QRect cell = m_w->grid()->visualRect(m_w->model()->index(row, column));
            const QImage img = m_w->grid()->viewport()->grab(cell).toImage();
            int green = 0, grey = 0, leftOfPicture = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QColor c = img.pixelColor(x, y);
                    const bool isGreen =
                        c.green() > 100 && c.green() - c.red() > 60 && c.green() - c.blue() > 60;
                    const bool isGrey = qAbs(c.red() - c.green()) < 12 && qAbs(c.green() - c.blue()) < 12 &&
                                        c.red() > 110 && c.red() < 190;
                    green += isGreen;
                    grey += isGrey;
                    if ((isGreen || isGrey) && x < 32)
                        ++leftOfPicture;
                }
            return QStringLiteral("%1%2%3")
                .arg(green > 5 ? "tick" : "")
                .arg(grey > 5 ? "cross" : "")
                .arg(leftOfPicture ? " left of 32" : "");
        };
        QCOMPARE(m_w->Tbl()->valueAt(1, "felhasznalo").toString(), QStringLiteral("kata"));
        QCOMPARE(marks(0, 2), QStringLiteral("tick"));
        QCOMPARE(marks(0, 3), QStringLiteral("tick"));
        QCOMPARE(marks(1, 2), QStringLiteral("cross"));
        QCOMPARE(marks(1, 3), QStringLiteral("cross")); // null
    }
};

QTEST_MAIN(TestFelhasznalo)
#include "tst_felhasznalo.moc"
