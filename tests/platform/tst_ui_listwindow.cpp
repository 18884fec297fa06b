// The list-window pattern on a small window over tipus: search box and typing in
// the grid, accept mode, closing, status text, delete question, new and edit rows
// with either side posting, position memory and fonts.
#include "foundation/Beall.h"
#include "foundation/IniFile.h"
#include "foundation/Seged.h"
#include "platform/ui/GridView.h"
#include "platform/ui/ListWindow.h"
#include "platform/ui/MenuStyle.h"
#include "platform/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <functional>

Q_DECLARE_METATYPE(ListWindow::Posting)

namespace {

class TipusWindow : public ListWindow {
public:
    DataSet tipus{this};
    std::function<bool()> dialog; // what the edit dialog does; true for OK
    int dialogRuns = 0;

    TipusWindow()
    {
        setWindowName("frm_TorzsMe");
        setWindowTitle("Tagság típusok");
        resize(441, 465);
        tipus.setTable("tipus", "Tipus_nev");
        tipus.open();
        setTitleStrip("Tagság típusok  ", "Tipus_nev");
        setDataSet(&tipus, {{"Tipus_nev", "típus"}});
    }

    QString current() const { return tipus.value("Tipus_nev").toString(); }

protected:
    void initNewRow() override { tipus.setValue("Tipus", KovetkezoAzon("tipus", "Tipus")); }
    bool execEditDialog() override
    {
        ++dialogRuns;
        return dialog ? dialog() : false;
    }
};


QStringList captions(const QList<QAction *> &actions)
{
    QStringList texts;
    for (QAction *a : actions)
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

class tst_UiListWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<TipusWindow> m_w;

    bool showWindow()
    {
        m_w->show();
        m_w->activateWindow();
        return QTest::qWaitForWindowActive(m_w.get());
    }
    QLineEdit *search() const { return m_w->searchBox(); }
    QWidget *grid() const { return m_w->grid(); }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Db::exec("INSERT INTO tipus (Tipus, Tipus_nev, szin) VALUES (1, 'Felnőtt', -1), (2, 'Ifjúsági', -1),"
                 "(3, 'kedvezményes', -1), (4, 'Kölyök', -1), (5, 'Őstag', -1), (6, 'Nyugdíjas', -1)");
        Beall() = TBeall();
        m_w = std::make_unique<TipusWindow>();
    }
    void cleanup()
    {
        MessageBoxHook::clear();
        m_w.reset();
        m_folder.reset();
    }

    void windowCommandsGoBeforeTheSearchBoxKeys()
    {
        // A line edit claims editing keys for itself: Ctrl+A everywhere, Ctrl+E
        // (end of line) under X11. A command of the window with that key wins.
        QAction command(QStringLiteral("Parancs"), m_w.get());
        command.setShortcut(Qt::CTRL | Qt::Key_A);
        m_w->addAction(&command);
        QSignalSpy triggered(&command, &QAction::triggered);
        m_w->show();
        QVERIFY(QTest::qWaitForWindowActive(m_w.get()));
        search()->setFocus();
        search()->setText(QStringLiteral("abc"));
        search()->deselect();
        QTest::keyClick(search(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QVERIFY(!search()->hasSelectedText());
        // A disabled command leaves the key to the box.
        command.setEnabled(false);
        QTest::keyClick(search(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(search()->selectedText(), QStringLiteral("abc"));
    }

    void layoutOfTheWindow()
    {
        QCOMPARE(captions(m_w->toolBar()->actions()),
                 QStringList({"Új sor", "Szerkeszt", "Sor törlése", "-", "Elfogad", "Bezár"}));
        QCOMPARE(captions(m_w->contextMenu()->actions()),
                 QStringList({"Új sor", "Szerkeszt", "Sor törlése", "-", "Kereső", "-", "Elfogad", "Bezár"}));
        QCOMPARE(m_w->toolBar()->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QCOMPARE(m_w->aTorol()->toolTip(), QStringLiteral("Sor törlése"));
        QCOMPARE(m_w->findChild<QWidget *>("titleStrip")->height(), 33);
        QCOMPARE(search()->width(), 121);
        QCOMPARE(m_w->findChild<QLabel *>("lblCim")->text(), QStringLiteral("Tagság típusok  "));
        QCOMPARE(m_w->statusPanel(0)->width(), 77);
        QCOMPARE(m_w->statusPanel(1)->width(), 50);
        QVERIFY(m_w->statusPanel(0)->alignment() & Qt::AlignHCenter);
    }

    void typingInTheGridJumpsToTheSearchBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box"); // empty: nothing happened
        QTest::addColumn<QString>("current");
        QTest::newRow("k") << "k"
                           << "k"
                           << "kedvezményes";
        QTest::newRow("capital K") << "K"
                                   << "k"
                                   << "kedvezményes";
        QTest::newRow("capital Ő") << "Ő"
                                   << "ő"
                                   << "Őstag";
        QTest::newRow("n") << "n"
                           << "n"
                           << "Nyugdíjas";
        QTest::newRow("digit, no name begins so") << "7"
                                                  << "7"
                                                  << "Felnőtt";
        QTest::newRow("blank") << " "
                               << ""
                               << "Felnőtt";
        QTest::newRow("hyphen") << "-"
                                << ""
                                << "Felnőtt";
        QTest::newRow("letter of another alphabet") << "ä"
                                                    << ""
                                                    << "Felnőtt";
    }
    void typingInTheGridJumpsToTheSearchBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, current);
        QVERIFY(showWindow());
        QCOMPARE(QApplication::focusWidget(), grid());
        typeText(grid(), typed);
        QCOMPARE(search()->text(), box);
        QCOMPARE(m_w->current(), current);
        QCOMPARE(QApplication::focusWidget(), box.isEmpty() ? grid() : static_cast<QWidget *>(search()));
        if (!box.isEmpty()) {
            QCOMPARE(search()->cursorPosition(), 1);
            QVERIFY(!search()->hasSelectedText());
        }
    }

    void searchGoesOnInTheBox()
    {
        QVERIFY(showWindow());
        typeText(grid(), "k");
        typeText(search(), "ö"); // after the caret, not over a selection
        QCOMPARE(search()->text(), QStringLiteral("kö"));
        QCOMPARE(m_w->current(), QStringLiteral("Kölyök"));
        typeText(search(), "x"); // no name begins so: the row stays
        QCOMPARE(m_w->current(), QStringLiteral("Kölyök"));
    }

    void searchBoxKeys()
    {
        QVERIFY(showWindow());
        typeText(grid(), "i");
        QTest::keyClick(search(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), grid());
        QTest::keyClick(grid(), Qt::Key_F, Qt::ControlModifier); // aKeres
        QCOMPARE(QApplication::focusWidget(), search());
        QCOMPARE(search()->selectedText(), QStringLiteral("i")); // entering selects the text
        QSignalSpy finished(m_w.get(), &QDialog::finished);
        QTest::keyClick(search(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), grid());
        QVERIFY(m_w->isVisible());
        QTest::keyClick(grid(), Qt::Key_Return); // nothing without accept mode
        QVERIFY(m_w->isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(m_w->dialogRuns, 0);
    }

    void acceptActionOnlyInAcceptMode()
    {
        QVERIFY(!m_w->aElfogad()->isVisible());
        QVERIFY(!m_w->aElfogad()->isEnabled());
        m_w->setAcceptMode(true);
        QVERIFY(m_w->aElfogad()->isVisible());
        QVERIFY(m_w->aElfogad()->isEnabled());
        QVERIFY(showWindow());
        auto *button = qobject_cast<QToolButton *>(m_w->toolBar()->widgetForAction(m_w->aElfogad()));
        QVERIFY(button && button->isVisible());
    }

    void enterAcceptsInAcceptMode_data()
    {
        QTest::addColumn<bool>("fromSearchBox");
        QTest::newRow("grid") << false;
        QTest::newRow("search box") << true;
    }
    void enterAcceptsInAcceptMode()
    {
        QFETCH(bool, fromSearchBox);
        m_w->setAcceptMode(true);
        QVERIFY(showWindow());
        typeText(grid(), "n");
        if (!fromSearchBox)
            grid()->setFocus();
        QSignalSpy finished(m_w.get(), &QDialog::finished);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Accepted));
        QCOMPARE(m_w->tipus.value("Tipus").toInt(), 6);
    }

    void cancelWays_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Esc") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Bezár") << 2;
    }
    void cancelWays()
    {
        QFETCH(int, way);
        m_w->setAcceptMode(true);
        QVERIFY(showWindow());
        QSignalSpy finished(m_w.get(), &QDialog::finished);
        if (way == 0)
            QTest::keyClick(grid(), Qt::Key_Escape);
        else if (way == 1)
            m_w->close();
        else
            QTest::mouseClick(m_w->toolBar()->widgetForAction(m_w->aBezar()), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
    }

    void doubleClick_data()
    {
        QTest::addColumn<bool>("acceptMode");
        QTest::newRow("accepts in accept mode") << true;
        QTest::newRow("edits otherwise") << false;
    }
    void doubleClick()
    {
        QFETCH(bool, acceptMode);
        m_w->setAcceptMode(acceptMode);
        QVERIFY(showWindow());
        QSignalSpy finished(m_w.get(), &QDialog::finished);
        auto *view = m_w->grid();
        const QPoint at = view->visualRect(view->model()->index(2, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(m_w->current(), QStringLiteral("kedvezményes"));
        QCOMPARE(finished.count(), acceptMode ? 1 : 0);
        QCOMPARE(m_w->dialogRuns, acceptMode ? 0 : 1);
        QCOMPARE(m_w->tipus.state(), DataSet::State::Browse); // the edit ended with Cancel
    }

    void statusTextFollowsTheCurrentRow()
    {
        QVERIFY(showWindow());
        QLabel *panel = m_w->statusPanel(0);
        QCOMPARE(panel->text(), QStringLiteral("6: 1"));
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(panel->text(), QStringLiteral("6: 2"));
        typeText(grid(), "n");
        QCOMPARE(panel->text(), QStringLiteral("6: 5"));
        m_w->setStatusText(ListWindow::StatusText::CountSlashPos);
        m_w->tipus.first();
        QCOMPARE(panel->text(), QStringLiteral("6 / 1"));
        Db::exec("DELETE FROM tipus");
        m_w->tipus.refresh();
        QCOMPARE(panel->text(), QString());
    }

    void deleteAsksAndDeletesOnlyOnYes_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("question"); // empty: the default one
        QTest::addColumn<int>("rows");
        QTest::newRow("yes") << QMessageBox::Yes << "" << 5;
        QTest::newRow("no") << QMessageBox::No << "" << 6;
        QTest::newRow("own question") << QMessageBox::Yes << "Valóban töröljem a bejegyzést?" << 5;
    }
    void deleteAsksAndDeletesOnlyOnYes()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, question);
        QFETCH(int, rows);
        if (!question.isEmpty())
            m_w->setDeleteQuestion(question);
        MessageBoxHook::expect(answer);
        QVERIFY(showWindow());
        typeText(grid(), "k");
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::shown().first().caption, QStringLiteral("Megerősítés"));
        QCOMPARE(MessageBoxHook::shown().first().text,
                 question.isEmpty() ? QStringLiteral("Valóban töröljem a sort?") : question);
        QCOMPARE(m_w->tipus.recordCount(), rows);
        QCOMPARE(Db::scalar("SELECT count(*) FROM tipus WHERE Tipus_nev = 'kedvezményes'").toInt(),
                 rows == 6 ? 1 : 0);
    }

    void newAndEditedRows_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<ListWindow::Posting>("posting");
        QTest::addColumn<bool>("dialogPosts");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("stored");
        const auto byDialog = ListWindow::Posting::ByDialog;
        const auto byList = ListWindow::Posting::ByList;
        QTest::newRow("new, dialog posts") << Qt::Key_Insert << byDialog << true << true << true;
        QTest::newRow("new, dialog cancelled") << Qt::Key_Insert << byDialog << false << false << false;
        QTest::newRow("new, list posts on OK") << Qt::Key_Insert << byList << false << true << true;
        QTest::newRow("new, list cancels") << Qt::Key_Insert << byList << false << false << false;
        QTest::newRow("edit, dialog posts") << Qt::Key_F2 << byDialog << true << true << true;
        QTest::newRow("edit, dialog cancelled") << Qt::Key_F2 << byDialog << false << false << false;
        QTest::newRow("edit, list posts on OK") << Qt::Key_F2 << byList << false << true << true;
        QTest::newRow("edit, list cancels") << Qt::Key_F2 << byList << false << false << false;
    }
    void newAndEditedRows()
    {
        QFETCH(Qt::Key, key);
        QFETCH(ListWindow::Posting, posting);
        QFETCH(bool, dialogPosts);
        QFETCH(bool, ok);
        QFETCH(bool, stored);
        m_w->setPosting(posting);
        QVariant keyInDialog;
        m_w->dialog = [&] {
            keyInDialog = m_w->tipus.value("Tipus");
            m_w->tipus.setValue("Tipus_nev", "Aranytag");
            if (dialogPosts)
                m_w->tipus.post();
            return ok;
        };
        QVERIFY(showWindow());
        QTest::keyClick(grid(), key);
        QCOMPARE(m_w->dialogRuns, 1);
        QCOMPARE(keyInDialog.toInt(), key == Qt::Key_Insert ? 7 : 1); // next key, or Felnőtt's own
        QCOMPARE(m_w->tipus.state(), DataSet::State::Browse);
        const int count = Db::scalar("SELECT count(*) FROM tipus").toInt();
        QCOMPARE(count, key == Qt::Key_Insert && stored ? 7 : 6);
        QCOMPARE(Db::scalar("SELECT count(*) FROM tipus WHERE Tipus_nev = 'Aranytag'").toInt(),
                 stored ? 1 : 0);
        QCOMPARE(Db::scalar("SELECT count(*) FROM tipus WHERE Tipus_nev = 'Felnőtt'").toInt(),
                 key == Qt::Key_F2 && stored ? 0 : 1);
    }

    void failedPostOfTheListLeavesNoRowBehind()
    {
        m_w->setPosting(ListWindow::Posting::ByList);
        m_w->dialog = [&] {
            m_w->tipus.setValue("Tipus_nev", QString(30, 'x')); // longer than the field
            return true;
        };
        QVERIFY_THROWS_EXCEPTION(DbError, m_w->aUj()->trigger());
        QCOMPARE(m_w->tipus.state(), DataSet::State::Browse);
        QCOMPARE(Db::scalar("SELECT count(*) FROM tipus").toInt(), 6);
    }

    void placeAndFontsOnShowPlaceOnClose()
    {
        AblakHelyMent("frm_TorzsMe", 50, 60);
        Beall().Betumeret = 10;
        Beall().SorrendSzin = 0x0000FF;
        m_w->setSortColumn(0);
        QVERIFY(showWindow());
        QCOMPARE(m_w->pos(), QPoint(50, 60));
        QCOMPARE(m_w->size(), QSize(441, 465)); // design size kept
        QCOMPARE(m_w->font().pointSize(), 10);
        QCOMPARE(m_w->grid()->font().pointSize(), 10);
        const QFont box = search()->font();
        QCOMPARE(box.family(), QStringLiteral("Tahoma"));
        QVERIFY(box.bold());
        QCOMPARE(box.pointSize(), 8);
        const QFont title = m_w->findChild<QLabel *>("lblCim")->font();
        QCOMPARE(title.family(), QStringLiteral("Arial"));
        QVERIFY(title.bold());
        QCOMPARE(title.pixelSize(), 15);
        QCOMPARE(m_w->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
        QCOMPARE(m_w->contextMenu()->style(), MenuStyle::instance()); // owner-drawn

        m_w->move(70, 80);
        m_w->resize(500, 400);
        m_w->aBezar()->trigger();
        const IniFile ini(folders().settingsFile);
        QCOMPARE(ini.intValue("frm_TorzsMe", "Left", 0), 70);
        QCOMPARE(ini.intValue("frm_TorzsMe", "Top", 0), 80);
        QCOMPARE(ini.intValue("frm_TorzsMe", "Width", 0), 500);
        QCOMPARE(ini.intValue("frm_TorzsMe", "Height", 0), 400);
    }

    void sizeRestoredWhenAsked()
    {
        AblakMeretMent("frm_TorzsMe", 30, 40, 520, 300);
        m_w->setWindowName("frm_TorzsMe", true);
        QVERIFY(showWindow());
        QCOMPARE(m_w->pos(), QPoint(30, 40));
        QCOMPARE(m_w->size(), QSize(520, 300));
    }
};

QTEST_MAIN(tst_UiListWindow)
#include "tst_ui_listwindow.moc"
