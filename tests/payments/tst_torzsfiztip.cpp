// Payment types: the chooser's contract (result and output values for every way
// of closing), the list window's differences from the pattern, the new-row
// defaults, and the edit dialog that posts itself and stays open when the post
// is refused, the refusal being shown by the application's handler.
#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "foundation/IniFile.h"
#include "payments/TorzsFiztip.h"
#include "platform/db/DataSet.h"
#include "platform/ui/Application.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>

namespace {

// Runs act on the first active modal window of type T, once it is up. A window
// act leaves open (a failed check) is closed so that the test goes on.
template <class T> void amikor(std::function<void(T *)> act)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, poll] {
        auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!w || !w->isActiveWindow()) {
            QTimer::singleShot(10, *poll);
            return;
        }
        act(w);
        if (w->isVisible())
            w->reject();
        *poll = nullptr; // breaks the cycle
    };
    QTimer::singleShot(0, *poll);
}

// Types text key by key; QTest::keyClicks takes Latin-1 only.
void gepel(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The off-screen platform has no window manager to give the list the activation
// back when the edit dialog closes; the window's shortcuts need it.
void backToTheList(QWidget *w)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

QWidget *gomb(ListWindow *w, QAction *a)
{
    return w->toolBar()->widgetForAction(a);
}

QStringList lathatoFeliratok(const QList<QAction *> &actions)
{
    QStringList texts;
    for (QAction *a : actions)
        if (a->isVisible())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

void duplaKatt(ListWindow *w, int row)
{
    const QRect r = w->grid()->visualRect(w->model()->index(row, 0));
    QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(w->grid()->viewport(), Qt::LeftButton, {}, r.center());
}

struct Valasz {
    int result = 0;
    int ido = -7; // what the caller had before
    int osszeg = -8;
    bool eves = true;
};

Valasz valaszt(int fiztip, bool elfogad, std::function<void(Tfrm_TorzsFiztip *)> act)
{
    Valasz v;
    bool ran = false;
    // A dialog nobody drives (a window that opened what it should not) fails
    // the test instead of waiting for ever.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        QTest::qFail("a dialog was left open", __FILE__, __LINE__);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *d = qobject_cast<QDialog *>(w); d && d->isVisible())
                d->reject();
    });
    guard.start(10000);
    amikor<Tfrm_TorzsFiztip>([&](Tfrm_TorzsFiztip *w) {
        ran = true;
        act(w);
    });
    v.result = FiztipValaszt(fiztip, elfogad, v.ido, v.osszeg, v.eves);
    if (!ran)
        QTest::qFail("the window was never driven", __FILE__, __LINE__);
    return v;
}

int sorokSzama()
{
    return Db::scalar("SELECT COUNT(*) FROM fiztip").toInt();
}

} // namespace

class tst_TorzsFiztip : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Beall() = TBeall();
        MessageBoxHook::arm();
        Db::exec("INSERT INTO fiztip (fiztip, fiztip_nev, ido, osszeg, eves) VALUES (1, 'Tagdíj', 365, "
                 "12000, 'I'),"
                 "(2, 'Területi jegy', 30, 3500, 'N'), (3, 'Napijegy', NULL, NULL, NULL)");
    }
    void cleanup()
    {
        MessageBoxHook::clear();
        m_folder.reset();
    }

    void layoutOfTheWindow()
    {
        Tfrm_TorzsFiztip w;
        w.Tbl()->open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Jogcímek"));
        QCOMPARE(w.size(), QSize(439, 415));
        QCOMPARE(w.findChild<QLabel *>("lblCim")->text(), QStringLiteral("Jogcímek  "));
        QVERIFY(!w.searchBox());
        QCOMPARE(lathatoFeliratok(w.toolBar()->actions()),
                 QStringList({"Új sor", "Szerkeszt", "Sor törlése", "-", "Bezár"}));
        w.setAcceptMode(true);
        QCOMPARE(lathatoFeliratok(w.contextMenu()->actions()),
                 QStringList({"Új sor", "Szerkeszt", "Sor törlése", "-", "-", "Elfogad", "Bezár"}));
        QVERIFY(!w.aKeres()->isVisible());
        QStringList titles, texts;
        for (int c = 0; c < w.model()->columnCount(); ++c) {
            titles << w.model()->headerData(c, Qt::Horizontal).toString();
            texts << w.model()->index(0, c).data().toString();
        }
        QCOMPARE(titles, QStringList({"jogcím", "időtartam", "összeg"}));
        QCOMPARE(texts, QStringList({"Tagdíj", "365", "12 000"}));
        QCOMPARE(w.model()->index(2, 2).data().toString(), QString()); // an empty amount stays empty
        QVERIFY(w.model()->index(0, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    }

    void columnsShareTheGridWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("design size") << 439;
        QTest::newRow("wider") << 701;
    }
    void columnsShareTheGridWidth()
    {
        QFETCH(int, width);
        Tfrm_TorzsFiztip w;
        w.Tbl()->open();
        w.show();
        w.resize(width, 415);
        QTRY_COMPARE(w.width(), width);
        const int free = w.grid()->width() - 44;
        QVERIFY(free > 300);
        QCOMPARE(w.grid()->columnWidth(0), qRound(free * 0.6));
        QCOMPARE(w.grid()->columnWidth(1), qRound(free * 0.2));
        QCOMPARE(w.grid()->columnWidth(2), qRound(free * 0.2));
    }

    void statusAndSortColumn()
    {
        Beall().SorrendSzin = 0x0080ff; // red ff, green 80
        Valasz v = valaszt(2, true, [](Tfrm_TorzsFiztip *w) {
            QCOMPARE(w->statusPanel(0)->text(), QStringLiteral("3 / 2"));
            QTest::keyClick(w->grid(), Qt::Key_Down);
            QCOMPARE(w->statusPanel(0)->text(), QStringLiteral("3 / 3"));
            QCOMPARE(w->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 128, 0));
            QVERIFY(w->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>() != QColor(255, 128, 0));
            QTest::keyClick(w->grid(), Qt::Key_Escape);
        });
        QCOMPARE(v.result, -1);
    }

    void chooser_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("elfogad");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("opensOn");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("ido");
        QTest::addColumn<int>("osszeg");
        QTest::addColumn<bool>("eves");
        const Valasz untouched;
        QTest::newRow("Esc") << 2 << true << "Esc"
                             << "Területi jegy" << -1 << untouched.ido << untouched.osszeg << untouched.eves;
        QTest::newRow("Bezár") << 2 << true << "Bezár"
                               << "Területi jegy" << -1 << untouched.ido << untouched.osszeg
                               << untouched.eves;
        QTest::newRow("close box") << 2 << true << "close"
                                   << "Területi jegy" << -1 << untouched.ido << untouched.osszeg
                                   << untouched.eves;
        QTest::newRow("Enter, not annual") << 2 << true << "Enter"
                                           << "Területi jegy" << 2 << 30 << 3500 << false;
        QTest::newRow("Elfogad, annual") << 1 << true << "Elfogad"
                                         << "Tagdíj" << 1 << 365 << 12000 << true;
        QTest::newRow("empty values read as 0") << 3 << true << "Enter"
                                                << "Napijegy" << 3 << 0 << 0 << false;
        QTest::newRow("key that does not exist") << 99 << true << "Enter"
                                                 << "Tagdíj" << 1 << 365 << 12000 << true;
        QTest::newRow("no key") << -1 << true << "Enter"
                                << "Tagdíj" << 1 << 365 << 12000 << true;
        QTest::newRow("double-click accepts") << 1 << true << "double-click row 2"
                                              << "Tagdíj" << 2 << 30 << 3500 << false;
        QTest::newRow("double-click closes with accept mode off") << -1 << false << "double-click row 2"
                                                                  << "Tagdíj" << 2 << 30 << 3500 << false;
        QTest::newRow("Esc with accept mode off")
            << -1 << false << "Esc"
            << "Tagdíj" << -1 << untouched.ido << untouched.osszeg << untouched.eves;
    }
    void chooser()
    {
        QFETCH(int, key);
        QFETCH(bool, elfogad);
        QFETCH(QString, how);
        QFETCH(QString, opensOn);
        QFETCH(int, result);
        QFETCH(int, ido);
        QFETCH(int, osszeg);
        QFETCH(bool, eves);
        QString openedOn;
        const Valasz v = valaszt(key, elfogad, [&](Tfrm_TorzsFiztip *w) {
            openedOn = w->Tbl()->value("fiztip_nev").toString();
            QCOMPARE(w->aElfogad()->isVisible(), elfogad);
            if (how == "Esc")
                QTest::keyClick(w->grid(), Qt::Key_Escape);
            else if (how == "Bezár")
                QTest::mouseClick(gomb(w, w->aBezar()), Qt::LeftButton);
            else if (how == "close")
                w->close();
            else if (how == "Enter")
                QTest::keyClick(w->grid(), Qt::Key_Return);
            else if (how == "Elfogad")
                QTest::mouseClick(gomb(w, w->aElfogad()), Qt::LeftButton);
            else
                duplaKatt(w, 1); // the second row
        });
        QCOMPARE(openedOn, opensOn);
        QCOMPARE(v.result, result);
        QCOMPARE(v.ido, ido);
        QCOMPARE(v.osszeg, osszeg);
        QCOMPARE(v.eves, eves);
    }

    void enterDoesNothingWithAcceptModeOff()
    {
        bool stillOpen = false;
        const Valasz v = valaszt(-1, false, [&](Tfrm_TorzsFiztip *w) {
            QTest::keyClick(w->grid(), Qt::Key_Return);
            QTest::keyClick(w->grid(), Qt::Key_Enter, Qt::KeypadModifier);
            stillOpen = w->isVisible();
            QTest::keyClick(w->grid(), Qt::Key_Escape);
        });
        QVERIFY(stillOpen);
        QCOMPARE(v.result, -1);
        QCOMPARE(MessageBoxHook::shown().size(), 0);
    }

    void emptyList_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter accepts no row") << "Enter" << 0;
        QTest::newRow("Esc") << "Esc" << -1;
    }
    void emptyList()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        Db::exec("DELETE FROM fiztip");
        QString status = "?";
        const Valasz v = valaszt(-1, true, [&](Tfrm_TorzsFiztip *w) {
            status = w->statusPanel(0)->text();
            QTest::keyClick(w->grid(), how == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        });
        QCOMPARE(status, QString());
        QCOMPARE(v.result, result);
        const Valasz untouched;
        QCOMPARE(v.ido, result == -1 ? untouched.ido : 0);
        QCOMPARE(v.osszeg, result == -1 ? untouched.osszeg : 0);
        QCOMPARE(v.eves, result == -1 ? untouched.eves : false);
    }

    void newTypeWithTheDefaults()
    {
        QStringList shown;
        bool focusOnName = false;
        const Valasz v = valaszt(-1, true, [&](Tfrm_TorzsFiztip *w) {
            amikor<Tfrm_TorzsFiztip_Szerkeszt>([&](Tfrm_TorzsFiztip_Szerkeszt *d) {
                auto *nev = d->findChild<QLineEdit *>("DBEdit1");
                focusOnName = QApplication::focusWidget() == nev;
                shown << nev->text() << d->findChild<QLineEdit *>("DBEdit2")->text()
                      << d->findChild<QLineEdit *>("DBEdit3")->text()
                      << (d->findChild<QCheckBox *>("DBCheckBox1")->isChecked() ? "I" : "N");
                gepel(nev, QStringLiteral("Horgászjegy"));
                QTest::mouseClick(d->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
            });
            QTest::keyClick(w->grid(), Qt::Key_Insert);
            backToTheList(w);
            QCOMPARE(w->statusPanel(0)->text(), QStringLiteral("4 / 4"));
            QTest::keyClick(w->grid(), Qt::Key_Return);
        });
        QVERIFY(focusOnName);
        QCOMPARE(shown, QStringList({"", "365", "", "N"}));
        QCOMPARE(sorokSzama(), 4);
        QCOMPARE(v.result, Db::scalar("SELECT MAX(fiztip) FROM fiztip").toInt());
        QCOMPARE(v.result, 4);
        QCOMPARE(v.ido, 365);
        QCOMPARE(v.osszeg, 0);
        QCOMPARE(v.eves, false);
        Db::Statement st("SELECT fiztip_nev, ido, osszeg, eves FROM fiztip WHERE fiztip = 4");
        QVERIFY(st.step());
        QCOMPARE(st.column(0).toString(), QStringLiteral("Horgászjegy"));
        QCOMPARE(st.column(1).toInt(), 365);
        QVERIFY(st.column(2).isNull());
        QCOMPARE(st.column(3).toString(), QStringLiteral("N"));
    }

    void editByEnterAndKeys()
    {
        QStringList order;
        const Valasz v = valaszt(2, true, [&](Tfrm_TorzsFiztip *w) {
            amikor<Tfrm_TorzsFiztip_Szerkeszt>([&](Tfrm_TorzsFiztip_Szerkeszt *d) {
                auto press = [&](Qt::Key k) {
                    QTest::keyClick(QApplication::focusWidget(), k);
                    order << QApplication::focusWidget()->objectName();
                };
                order << QApplication::focusWidget()->objectName();
                press(Qt::Key_Return);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                gepel(QApplication::focusWidget(), "45");
                press(Qt::Key_Return);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                gepel(QApplication::focusWidget(), "4000");
                press(Qt::Key_Return);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // ticks the annual box
                press(Qt::Key_Return);
                QCOMPARE(d->findChild<QLineEdit *>("DBEdit2")->text(), QStringLiteral("45"));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // presses OK
            });
            QTest::keyClick(w->grid(), Qt::Key_F2);
            backToTheList(w);
            QCOMPARE(w->Tbl()->state(), DataSet::State::Browse);
            QCOMPARE(w->model()->index(1, 2).data().toString(), QStringLiteral("4 000"));
            QTest::keyClick(w->grid(), Qt::Key_Return);
        });
        QCOMPARE(order, QStringList({"DBEdit1", "DBEdit2", "DBEdit3", "DBCheckBox1", "btnOK"}));
        QCOMPARE(v.result, 2);
        QCOMPARE(v.ido, 45);
        QCOMPARE(v.osszeg, 4000);
        QCOMPARE(v.eves, true);
        QCOMPARE(Db::scalar("SELECT eves FROM fiztip WHERE fiztip = 2").toString(), QStringLiteral("I"));
        QCOMPARE(sorokSzama(), 3);
    }

    void cancelledDialogStoresNothing_data()
    {
        QTest::addColumn<bool>("newRow");
        QTest::addColumn<QString>("how");
        QTest::newRow("new row, Mégsem") << true << "Mégsem";
        QTest::newRow("new row, Esc") << true << "Esc";
        QTest::newRow("edit, Mégsem") << false << "Mégsem";
        QTest::newRow("edit, close box") << false << "close";
    }
    void cancelledDialogStoresNothing()
    {
        QFETCH(bool, newRow);
        QFETCH(QString, how);
        const QString before = Db::scalar("SELECT group_concat(fiztip || fiztip_nev || ifnull(ido, '') || "
                                          "ifnull(osszeg, '') || ifnull(eves, ''), ';') FROM fiztip")
                                   .toString();
        const Valasz v = valaszt(1, true, [&](Tfrm_TorzsFiztip *w) {
            amikor<Tfrm_TorzsFiztip_Szerkeszt>([&](Tfrm_TorzsFiztip_Szerkeszt *d) {
                gepel(d->findChild<QLineEdit *>("DBEdit1"), "xyz");
                d->findChild<QCheckBox *>("DBCheckBox1")->click();
                if (how == "Mégsem")
                    QTest::mouseClick(d->findChild<QPushButton *>("btnMegsem"), Qt::LeftButton);
                else if (how == "Esc")
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                else
                    d->close();
            });
            QTest::keyClick(w->grid(), newRow ? Qt::Key_Insert : Qt::Key_F2);
            backToTheList(w);
            QCOMPARE(w->Tbl()->state(), DataSet::State::Browse);
            QCOMPARE(w->Tbl()->value("fiztip_nev").toString(), QStringLiteral("Tagdíj"));
            QCOMPARE(w->statusPanel(0)->text(), QStringLiteral("3 / 1"));
            QTest::keyClick(w->grid(), Qt::Key_Return);
        });
        QCOMPARE(v.result, 1);
        const QString after = Db::scalar("SELECT group_concat(fiztip || fiztip_nev || ifnull(ido, '') || "
                                         "ifnull(osszeg, '') || ifnull(eves, ''), ';') FROM fiztip")
                                  .toString();
        QCOMPARE(after, before);
    }

    void refusedPostKeepsTheDialogOpen_data()
    {
        QTest::addColumn<bool>("newRow");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message"); // the beginning of the error box's text
        QTest::newRow("row deleted by another workstation")
            << false << "deleted"
            << "A sort időközben egy másik munkaállomás törölte.";
        QTest::newRow("name longer than the field") << true << "long name"
                                                    << "Érvénytelen érték";
        QTest::newRow("amount beyond 32 bits") << true << "big amount"
                                               << "'5000000000' nem érvényes egész szám.";
    }
    void refusedPostKeepsTheDialogOpen()
    {
        QFETCH(bool, newRow);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        DataSet fiztip;
        fiztip.setTable("fiztip");
        fiztip.open();
        fiztip.locate("fiztip", 2);
        if (newRow) {
            fiztip.insert();
            fiztip.setValue("ido", 365);
            fiztip.setValue("eves", "N");
        } else {
            fiztip.edit();
        }
        Tfrm_TorzsFiztip_Szerkeszt d(&fiztip);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *nev = d.findChild<QLineEdit *>("DBEdit1");
        nev->selectAll();
        gepel(nev, "Éves engedély");
        if (fault == "deleted")
            Db::exec("DELETE FROM fiztip WHERE fiztip = 2");
        else if (fault == "long name")
            fiztip.setValue("fiztip_nev", QString(26, QChar(u'ő')));
        else
            gepel(d.findChild<QLineEdit *>("DBEdit3"), "5000000000");
        const DataSet::State state = fiztip.state();
        const QString typedName = fiztip.value("fiztip_nev").toString();

        QTest::mouseClick(d.findChild<QPushButton *>("btnOK"), Qt::LeftButton);

        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::shown().first().caption, QStringLiteral("Hiba"));
        QVERIFY2(MessageBoxHook::shown().first().text.startsWith(message),
                 qPrintable(MessageBoxHook::shown().first().text));
        QVERIFY(d.isVisible());
        QVERIFY(!d.findChild<QPushButton *>("btnOK")->isDown());
        QCOMPARE(d.result(), int(QDialog::Rejected)); // not closed with OK
        QCOMPARE(fiztip.state(), state);
        QCOMPARE(fiztip.value("fiztip_nev").toString(), typedName);
        QCOMPARE(sorokSzama(), fault == "deleted" ? 2 : 3);

        // The user corrects the row (the deleted one cannot be) and tries again.
        if (fault == "deleted")
            return;
        if (fault == "long name")
            fiztip.setValue("fiztip_nev", QStringLiteral("Éves engedély"));
        else {
            d.findChild<QLineEdit *>("DBEdit3")->selectAll();
            gepel(d.findChild<QLineEdit *>("DBEdit3"), "50000");
        }
        QTest::mouseClick(d.findChild<QPushButton *>("btnOK"), Qt::LeftButton);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(fiztip.state(), DataSet::State::Browse);
        QCOMPARE(Db::scalar("SELECT COUNT(*) FROM fiztip WHERE fiztip_nev = 'Éves engedély'").toInt(), 1);
    }

    void refusalInsideTheListWindow()
    {
        QStringList afterRefusal;
        const Valasz v = valaszt(-1, false, [&](Tfrm_TorzsFiztip *w) {
            amikor<Tfrm_TorzsFiztip_Szerkeszt>([&](Tfrm_TorzsFiztip_Szerkeszt *d) {
                w->Tbl()->setValue("fiztip_nev", QString(26, QChar('x')));
                QTest::mouseClick(d->findChild<QPushButton *>("btnOK"), Qt::LeftButton);
                afterRefusal << (d->isVisible() ? "open" : "closed")
                             << (w->Tbl()->state() == DataSet::State::Insert ? "insert" : "other");
                QTest::mouseClick(d->findChild<QPushButton *>("btnMegsem"), Qt::LeftButton);
            });
            QTest::keyClick(w->grid(), Qt::Key_Insert);
            backToTheList(w);
            afterRefusal << (w->Tbl()->state() == DataSet::State::Browse ? "browse" : "editing");
            QTest::keyClick(w->grid(), Qt::Key_Escape);
        });
        QCOMPARE(afterRefusal, QStringList({"open", "insert", "browse"}));
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(v.result, -1);
        QCOMPARE(sorokSzama(), 3);
    }

    void positionMemory()
    {
        {
            IniFile ini(folders().settingsFile);
            for (const char *s : {"frm_TorzsFiztip", "frm_TorzsFiztip_Szerkeszt"}) {
                ini.setInt(s, "Left", 61);
                ini.setInt(s, "Top", 42);
                ini.setInt(s, "Width", 700);
                ini.setInt(s, "Height", 600);
            }
            ini.save();
        }
        Beall().Betumeret = 11;
        QPoint listAt, dialogAt;
        QSize listSize;
        int dialogPoints = 0;
        valaszt(-1, false, [&](Tfrm_TorzsFiztip *w) {
            listAt = w->pos();
            listSize = w->size();
            amikor<Tfrm_TorzsFiztip_Szerkeszt>([&](Tfrm_TorzsFiztip_Szerkeszt *d) {
                dialogAt = d->pos();
                dialogPoints = d->font().pointSize();
                d->move(70, 80);
                d->reject();
            });
            QTest::keyClick(w->grid(), Qt::Key_F2);
            backToTheList(w);
            w->move(90, 100);
            w->reject();
        });
        QCOMPARE(listAt, QPoint(61, 42));
        QCOMPARE(listSize, QSize(439, 415)); // the design size is kept
        QCOMPARE(dialogAt, QPoint(61, 42));
        QCOMPARE(dialogPoints, 11);
        const IniFile ini(folders().settingsFile);
        QCOMPARE(ini.intValue("frm_TorzsFiztip_Szerkeszt", "Left", 0), 70);
        QCOMPARE(ini.intValue("frm_TorzsFiztip_Szerkeszt", "Top", 0), 80);
        QCOMPARE(ini.intValue("frm_TorzsFiztip", "Left", 0), 90);
        QCOMPARE(ini.intValue("frm_TorzsFiztip", "Width", 0), 439);
    }
};

// The application object of the program, so that errors nobody catches reach
// its handler as they do in the program.
int main(int argc, char *argv[])
{
    VornApplication app(argc, argv);
    tst_TorzsFiztip test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_torzsfiztip.moc"
