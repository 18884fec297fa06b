// The member list of the main window: new, edit, delete through the real
// dialogs, search in every order, jump tabs, the type filter, row colours,
// font size, the photo and the command list.
#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "mainwindow/Main.h"
#include "output/Kimenet.h"
#include "platform/db/DataSet.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace {

// Closes the next modal dialog with the given object name by clicking the
// button named `button`, after `before` ran with the dialog.
void whenModal(const QString &name, const QString &button, std::function<void(QWidget *)> before = {})
{
    auto *t = new QTimer(qApp);
    QObject::connect(t, &QTimer::timeout, [t, name, button, before] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || w->objectName() != name)
            return;
        t->stop();
        t->deleteLater();
        if (before)
            before(w);
        w->findChild<QPushButton *>(button)->click();
    });
    t->start(10);
}

int count(const QString &sql)
{
    return Db::scalar(sql).toInt();
}

// Types a member's name into the edit dialog as a user would.
void typeName(QWidget *dialog, const QString &name)
{
    auto *edit = dialog->findChild<QLineEdit *>("DBEdit2");
    edit->selectAll();
    typeText(edit, name);
}

} // namespace

class TestMain : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newMemberStoresPresets();
    void newMemberCancelledStoresNothing();
    void refusedPostStoresNothingAndBrowses();
    void editAndDelete();
    void search_data();
    void search();
    void sortByTitle();
    void jumpTabTriesTheNextLetters();
    void typeFilter();
    void rowColours();
    void fontSizeStaysWithin8And10_data();
    void fontSizeStaysWithin8And10();
    void photoPlacement_data();
    void photoPlacement();
    void photoChosenIsCopied();
    void exportShortcutsFromTheSearchBox();
    void memberListsFollowTheTypeFilter();
    void commands_data();
    void commands();
    void menus();

private:
    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<Tfrm_Main> m_main;
    QString statusText() const { return m_main->statusPanel(0)->text(); }
    QString current() const { return m_main->ugyfel()->value("Ugyfel_nev").toString(); }
};

void TestMain::init()
{
    m_folder = std::make_unique<TestDataFolder>();
    Db::exec("UPDATE beallit SET vanbelep = 'N'");
    Db::exec("INSERT INTO tipus (Tipus, Tipus_nev, szin) VALUES (1, 'Felnőtt', 255), (2, 'Ifjúsági', -1)");
    const QList<QVariantList> members{
        {1, "Kovács Anna", 1, 1, "1234", "I"},
        {2, "kovács béla", 12, 2, "2345", "I"},
        {3, "Tóth Ede", 120, 1, "1299", "N"},
        {4, "Ábel Ákos", 3, 2, "12", "I"},
        {5, "Varga Vera", 41, QVariant(), QVariant(), QVariant()},
    };
    for (const QVariantList &m : members)
        Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Sorszam, Tipus, Horgigszam, Aktiv) VALUES (?, ?, "
                 "?, ?, ?, ?)",
                 m);
    Db::close();
    Beall() = TBeall();
    MessageBoxHook::arm();
    m_main = std::make_unique<Tfrm_Main>();
    QVERIFY(m_main->Inditas());
    Beall().TeljesKep = false;
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
}

void TestMain::cleanup()
{
    m_main.reset();
    MessageBoxHook::clear();
    FileDialogHook::clear();
    m_folder.reset();
}

void TestMain::newMemberStoresPresets()
{
    Beall().AlapVaros = "Szeged"; // the settings dialog changes it during the run
    whenModal("frm_Szerkeszt", "Button1", [](QWidget *w) { typeName(w, "Új Tag"); });
    m_main->parancs("aUj")->trigger();
    Db::Statement st("SELECT Ugyfel, Sorszam, Cim_varos, Dat_szul, Dat_tag, Dat_belep, Aktiv FROM ugyfel "
                     "WHERE Ugyfel_nev = 'Új Tag'");
    QVERIFY(st.step());
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(st.column(0).toInt(), 6);
    QCOMPARE(st.column(1).toInt(), 121); // one above the highest, though lower numbers are free
    QCOMPARE(st.column(2).toString(), QString("Szeged"));
    QCOMPARE(st.column(3).toString(), today);
    QCOMPARE(st.column(4).toString(), today);
    QCOMPARE(st.column(5).toString(), today);
    QCOMPARE(st.column(6).toString(), QString("I"));
    QCOMPARE(current(), QString("Új Tag"));
    QCOMPARE(m_main->ugyfel()->state(), DataSet::State::Browse);
}

void TestMain::newMemberCancelledStoresNothing()
{
    whenModal("frm_Szerkeszt", "Button2", [](QWidget *w) { typeName(w, "Senki"); });
    m_main->parancs("aUj")->trigger();
    QCOMPARE(count("SELECT count(*) FROM ugyfel"), 5);
    QCOMPARE(m_main->ugyfel()->state(), DataSet::State::Browse);
}

void TestMain::refusedPostStoresNothingAndBrowses()
{
    // Another workstation takes the same key while the dialog is open.
    whenModal("frm_Szerkeszt", "Button1", [](QWidget *w) {
        typeName(w, "Második");
        Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev) VALUES (6, 'Első')");
    });
    m_main->parancs("aUj")->trigger();
    QCOMPARE(MessageBoxHook::shown().size(), 1);
    QCOMPARE(MessageBoxHook::shown()[0].caption, QString("Hiba"));
    QVERIFY(MessageBoxHook::shown()[0].text.contains("Ismétlődő kulcs"));
    QCOMPARE(count("SELECT count(*) FROM ugyfel WHERE Ugyfel_nev = 'Második'"), 0);
    QCOMPARE(m_main->ugyfel()->state(), DataSet::State::Browse);
}

void TestMain::editAndDelete()
{
    QVERIFY(m_main->UgyfelPozicional(3));
    whenModal("frm_Szerkeszt", "Button1", [](QWidget *w) { typeName(w, "Tóth Edit"); });
    m_main->parancs("aSzerkeszt")->trigger();
    QCOMPARE(Db::scalar("SELECT Ugyfel_nev FROM ugyfel WHERE Ugyfel = 3").toString(), QString("Tóth Edit"));

    MessageBoxHook::expect(QMessageBox::No);
    m_main->parancs("aTorol")->trigger();
    QCOMPARE(count("SELECT count(*) FROM ugyfel"), 5);
    MessageBoxHook::expect(QMessageBox::Yes);
    m_main->parancs("aTorol")->trigger();
    QCOMPARE(count("SELECT count(*) FROM ugyfel WHERE Ugyfel = 3"), 0);
    QCOMPARE(MessageBoxHook::shown().last().caption, QString("Megerősítés"));
    QCOMPARE(MessageBoxHook::shown().last().text, QString("Valóban töröljem a sort?"));
    QCOMPARE(statusText(), QString("4 / %1").arg(m_main->ugyfel()->recNo()));
}

void TestMain::search_data()
{
    QTest::addColumn<int>("column"); // -1: the name order of the start
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found"); // empty: the current row stays
    QTest::newRow("name, any letter case") << -1 << "KOV"
                                           << "Kovács Anna";
    QTest::newRow("name, two letters") << -1 << "ko"
                                       << "Kovács Anna";
    QTest::newRow("name, accented") << -1 << "áb"
                                    << "Ábel Ákos";
    QTest::newRow("name, no match") << -1 << "zs"
                                    << "";
    QTest::newRow("licence prefix") << 2 << "12"
                                    << "Ábel Ákos";
    QTest::newRow("licence longer prefix") << 2 << "129"
                                           << "Tóth Ede";
    QTest::newRow("serial is a whole number") << 0 << "12"
                                              << "kovács béla";
    QTest::newRow("serial 1 is not 12 or 120") << 0 << "1"
                                               << "Kovács Anna";
    QTest::newRow("serial with letters") << 0 << "1a"
                                         << "";
}

void TestMain::search()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    if (column >= 0)
        m_main->Rendez(column);
    m_main->UgyfelPozicional(5);
    auto *box = m_main->findChild<QLineEdit *>("edtKereso");
    box->setText(typed);
    QCOMPARE(current(), found.isEmpty() ? QString("Varga Vera") : found);
}

void TestMain::sortByTitle()
{
    QHeaderView *header = m_main->grid()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    QCOMPARE(m_main->statusPanel(1)->text(), QString("Sorrend: sorszám"));
    QCOMPARE(m_main->sorrendMezo(), QString("Sorszam"));
    QVERIFY(m_main->findChild<QLineEdit *>("edtKereso")->hasFocus());
    auto *model = qobject_cast<GridModel *>(m_main->grid()->model());
    QCOMPARE(model->sortColumn(), 0);
    QCOMPARE(m_main->ugyfel()->valueAt(0, "Sorszam").toInt(), 1);
    QCOMPARE(m_main->ugyfel()->valueAt(4, "Sorszam").toInt(), 120);
    m_main->Rendez(2);
    QCOMPARE(m_main->statusPanel(1)->text(), QString("Sorrend: horg.ig.sz"));
    m_main->Rendez(1);
    QCOMPARE(m_main->statusPanel(1)->text(), QString("Sorrend: tag"));
}

void TestMain::jumpTabTriesTheNextLetters()
{
    m_main->Rendez(0);
    m_main->UgrasFul(6); // "S-U": no S, but a T
    QCOMPARE(current(), QString("Tóth Ede"));
    QCOMPARE(m_main->sorrendMezo(), QString("Ugyfel_nev"));
    QCOMPARE(m_main->statusPanel(1)->text(), QString("Sorrend: név"));
    m_main->UgrasFul(7); // "V-Z"
    QCOMPARE(current(), QString("Varga Vera"));
    m_main->UgrasFul(2); // "G-I": nobody, the current row stays
    QCOMPARE(current(), QString("Varga Vera"));
}

void TestMain::typeFilter()
{
    // The chooser opens in accept mode; the second type by name is accepted.
    auto *t = new QTimer(this);
    connect(t, &QTimer::timeout, this, [t] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || w->objectName() != "frm_TorzsMe")
            return;
        t->stop();
        auto *ds = w->findChild<DataSet *>();
        ds->locate("Tipus", 2);
        w->findChild<QAction *>("aElfogad")->trigger();
    });
    t->start(10);
    m_main->parancs("aSzur")->trigger();
    QCOMPARE(m_main->tipusSzuro(), 2);
    QVERIFY(m_main->parancs("aSzur")->isChecked());
    QCOMPARE(m_main->ugyfel()->recordCount(), 2);
    QCOMPARE(statusText(), QString("2 / 1"));
    m_main->parancs("aSzur")->trigger(); // checked: all members again
    QCOMPARE(m_main->tipusSzuro(), -1);
    QVERIFY(!m_main->parancs("aSzur")->isChecked());
    QCOMPARE(statusText(), QString("5 / 1"));
}

void TestMain::rowColours()
{
    auto *model = qobject_cast<GridModel *>(m_main->grid()->model());
    DataSet *ds = m_main->ugyfel();
    const auto cell = [model](int row, int column, int role) {
        return model->data(model->index(row, column), role).value<QColor>();
    };
    const auto rowOf = [ds](int key) {
        for (int r = 0; r < ds->recordCount(); ++r)
            if (ds->valueAt(r, "Ugyfel").toInt() == key)
                return r;
        return -1;
    };
    m_main->UgyfelPozicional(5);
    const int red = rowOf(1), inactive = rowOf(3), plain = rowOf(2);
    const QColor sort = colorFromBgr(Beall().SorrendSzin);
    QCOMPARE(cell(red, 0, Qt::BackgroundRole), QColor(255, 0, 0));
    QCOMPARE(cell(red, 2, Qt::BackgroundRole), QColor(255, 0, 0));
    QCOMPARE(cell(red, 1, Qt::BackgroundRole), sort);       // the sort column keeps its colour
    QVERIFY(!cell(plain, 0, Qt::BackgroundRole).isValid()); // colour -1: none
    QCOMPARE(cell(inactive, 0, Qt::BackgroundRole), QColor(0xF5, 0xF5, 0xF5));
    QCOMPARE(cell(inactive, 0, Qt::ForegroundRole), QColor(0x80, 0x80, 0x80));
    m_main->UgyfelPozicional(3); // the inactive member selected: silver text, selection colours
    QCOMPARE(cell(inactive, 0, Qt::ForegroundRole), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(!cell(inactive, 0, Qt::BackgroundRole).isValid());
    QVERIFY(!cell(red, 0, Qt::ForegroundRole).isValid());
}

void TestMain::fontSizeStaysWithin8And10_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("to");
    QTest::newRow("up from 9") << 9 << "aBetuNovel" << 10;
    QTest::newRow("up at 10") << 10 << "aBetuNovel" << 10;
    QTest::newRow("down from 9") << 9 << "aBetuCsokkent" << 8;
    QTest::newRow("down at 8") << 8 << "aBetuCsokkent" << 8;
    QTest::newRow("down from 14") << 14 << "aBetuCsokkent" << 13;
}

void TestMain::fontSizeStaysWithin8And10()
{
    QFETCH(int, from);
    QFETCH(QString, command);
    QFETCH(int, to);
    Beall().Betumeret = from;
    m_main->parancs(command)->trigger();
    QCOMPARE(Beall().Betumeret, to);
    if (to != from)
        QCOMPARE(m_main->font().pointSize(), to);
}

void TestMain::photoPlacement_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("small: own size, centred") << QSize(80, 60) << QRect(26, 20, 80, 60);
    QTest::newRow("wide: scaled to the width") << QSize(264, 100) << QRect(0, 25, 132, 50);
    QTest::newRow("tall: scaled to the height") << QSize(200, 400) << QRect(41, 0, 50, 100);
    QTest::newRow("as wide as the area") << QSize(132, 50) << QRect(0, 25, 132, 50);
    QTest::newRow("large, same shape") << QSize(264, 200) << QRect(0, 0, 132, 100);
}

void TestMain::photoPlacement()
{
    QFETCH(QSize, image);
    QFETCH(QRect, placed);
    QCOMPARE(Tfrm_Main::FotoHely(image, QSize(132, 100)), placed);
}

void TestMain::photoChosenIsCopied()
{
    QVERIFY(m_main->UgyfelPozicional(2));
    QVERIFY(!m_main->fotoLathato());
    const QString source = m_folder->root() + "/kep.jpg";
    QImage img(80, 60, QImage::Format_RGB32);
    img.fill(Qt::darkGreen);
    QVERIFY(img.save(source, "JPG"));
    FileDialogHook::expect(source);
    m_main->FotoValaszt();
    QCOMPARE(FileDialogHook::asked().size(), 1);
    QCOMPARE(FileDialogHook::asked()[0].caption, QString("Kép választása (max 160*160px)"));
    QVERIFY(QFile::exists(folders().pictures() + "/00002.jpg"));
    QVERIFY(m_main->fotoLathato());
    QVERIFY(m_main->UgyfelPozicional(1));
    QVERIFY(!m_main->fotoLathato()); // the next member has none
}

void TestMain::exportShortcutsFromTheSearchBox()
{
    // Ctrl+E is also the line edit's end-of-line key; the command wins.
    auto *box = m_main->findChild<QLineEdit *>("edtKereso");
    box->setFocus();
    QString proposed;
    int fields = 0;
    whenModal("frm_Hatarolt", "Button2", [&](QWidget *d) {
        proposed = d->findChild<QLineEdit *>("Edit1")->text();
        fields = d->findChild<QListWidget *>("CheckListBox1")->count();
    });
    QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(proposed, QString("Teljes lista.csv"));
    QCOMPARE(fields, int(m_main->ugyfel()->columns().size()));
    QApplication::setActiveWindow(m_main.get()); // back from the dialog
    QTRY_VERIFY(m_main->isActiveWindow());
    whenModal("frm_Grid2Html", "Button2",
              [&](QWidget *d) { proposed = d->findChild<QLineEdit *>("Edit1")->text(); });
    QTest::keyClick(box, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(proposed, folders().dataRoot + "/teljes-lista.htm");
}

void TestMain::memberListsFollowTheTypeFilter()
{
    // The names printed: the 10-point texts of the rows that are not numbers.
    const auto printed = [this](const char *command) {
        CapturedReports out;
        KimenetHook::expect(0);
        m_main->parancs(command)->trigger();
        QStringList names;
        for (const ReportPage &p : out.only().pages)
            for (const ReportText &t : p.texts)
                if (t.band == ReportBand::Kind::Detail && t.size == 10 && !t.text.startsWith("HU") &&
                    !t.text.isEmpty() && !t.text.at(0).isDigit())
                    names << t.text;
        return names;
    };
    for (const char *command : {"aTeljes", "aLista2"}) {
        m_main->ugyfel()->setFilter("tipus=2");
        QCOMPARE(printed(command), (QStringList{"Ábel Ákos", "kovács béla"}));
        m_main->ugyfel()->setFilter(QString());
        QCOMPARE(printed(command).size(), 3); // the active members
    }
    KimenetHook::clear();
}

void TestMain::commands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("aUj") << "aUj"
                         << "Új sor"
                         << "Új sor" << QKeySequence(Qt::Key_Insert);
    QTest::newRow("aTorol") << "aTorol"
                            << "Töröl"
                            << "Töröl" << QKeySequence(Qt::CTRL | Qt::Key_Delete);
    QTest::newRow("aMegjegyzes") << "aMegjegyzes"
                                 << "Megj."
                                 << "Megjegyzések" << QKeySequence(Qt::CTRL | Qt::Key_M);
    QTest::newRow("aKeres2") << "aKeres2"
                             << "Keresés"
                             << "Részletes keresés" << QKeySequence(Qt::CTRL | Qt::Key_T);
    QTest::newRow("aSzur") << "aSzur"
                           << "Szűrés"
                           << "Típus szűrés" << QKeySequence(Qt::Key_F6);
    QTest::newRow("aNyomAdatFiz") << "aNyomAdatFiz"
                                  << "Nyomtat (Adatlap + tagdíj)"
                                  << "Nyomtat (Adatlap + tagdíj)"
                                  << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    QTest::newRow("aLista2") << "aLista2"
                             << "Teljes lista (Ig.szám szerint)"
                             << "Teljes lista (Ig.szám szerint)" << QKeySequence(Qt::CTRL | Qt::Key_F7);
    QTest::newRow("aNevjegy") << "aNevjegy"
                              << "Névjegy"
                              << "Névjegy" << QKeySequence(Qt::ALT | Qt::Key_F1);
    QTest::newRow("aBetuCsokkent") << "aBetuCsokkent"
                                   << "Betűméret csökkentése"
                                   << "Betűméret csökkentése" << QKeySequence(Qt::SHIFT | Qt::Key_F10);
    QTest::newRow("aTipus") << "aTipus"
                            << "Tagság típusok"
                            << "Típusok" << QKeySequence();
}

void TestMain::commands()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QKeySequence, shortcut);
    QAction *a = m_main->parancs(name);
    QVERIFY(a);
    QCOMPARE(a->text(), caption);
    QCOMPARE(a->toolTip(), hint);
    QCOMPARE(a->statusTip(), hint);
    QCOMPARE(a->shortcut(), shortcut);
    QVERIFY(!a->icon().isNull());
}

void TestMain::menus()
{
    QStringList titles;
    for (QAction *m : m_main->menuBar()->actions())
        titles << m->text();
    QCOMPARE(titles, QStringList({"Klubtagok", "Törzsadatok", "Fogás", "Tagdíjak", "Nyomtatások", "Rendszer",
                                  "Súgó"}));
    QStringList items;
    for (QAction *a : m_main->menuBar()->actions()[5]->menu()->actions())
        items << (a->isSeparator() ? QString("-") : a->objectName());
    QCOMPARE(items, QStringList({"aFelhaszn", "aSQL", "-", "aArchival", "-", "aBeallit"}));
    // The status bar shows the hint of what the mouse is over.
    QStatusTipEvent tip(QStringLiteral("Részletes keresés"));
    QApplication::sendEvent(m_main.get(), &tip);
    QCOMPARE(m_main->statusPanel(2)->text(), QString("Részletes keresés"));
}

QTEST_MAIN(TestMain)
#include "tst_main.moc"
