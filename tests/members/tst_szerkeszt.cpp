// The member edit dialog driven by keys and clicks over a member row in insert
// or edit state: tab order, width and letter-case rules, the postal code lookup,
// the type button, the date pickers that reach the row only on OK, the leaving
// date, the free-field captions and the dialog's keyboard.
#include "foundation/Beall.h"
#include "foundation/Seged.h"
#include "members/Szerkeszt.h"
#include "platform/db/DataSet.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"
#include "tests/support/TestSupport.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QDate SzulDatum(1970, 5, 17);
const QDate TagDatum(2001, 1, 2);
const QDate BelepDatum(1999, 3, 4);
const QDate KilepDatum(2020, 5, 1);

// The control that has the focus, by its name: a date picker's inner edit
// counts as the picker, the tab bar as the page control.
QString fokusz()
{
    QWidget *w = QApplication::focusWidget();
    if (!w)
        return {};
    if (qobject_cast<QAbstractSpinBox *>(w->parentWidget()) || qobject_cast<QTabWidget *>(w->parentWidget()))
        w = w->parentWidget();
    return w->objectName();
}

// Names of the controls Tab visits from the focused one until the focus comes
// back to it; a date picker that steps through its sections counts once.
QStringList tabKor()
{
    const QString start = fokusz();
    QStringList visited{start};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString now = fokusz();
        if (now == start)
            return visited;
        if (now != visited.last())
            visited << now;
    }
    return visited << "(no way back)";
}

} // namespace

class TestSzerkeszt : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layoutAndButtons();
    void tabOrder_data();
    void tabOrder();
    void widthAndUpperCase_data();
    void widthAndUpperCase();
    void wholeNumberField();
    void postalCode_data();
    void postalCode();
    void laterPostalCodeLeavesTheTownAlone();
    void focusColourIsBackBeforeTheLookup();
    void typeButton_data();
    void typeButton();
    void datesReachTheRowOnlyOnOk_data();
    void datesReachTheRowOnlyOnOk();
    void nullDateStaysNull();
    void leavingDate();
    void captionsFromTheSettings_data();
    void captionsFromTheSettings();
    void enterKey();
    void fontAndPosition();

private:
    // Shows the dialog over the member row in edit state (insert for a new member).
    void open(bool newMember = false);
    template <class T> T *control(const char *name)
    {
        T *w = m_dlg->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QLineEdit *edit(const char *name) { return control<QLineEdit>(name); }

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<DataSet> m_ugyfel;
    std::unique_ptr<Tfrm_Szerkeszt> m_dlg;
    QList<int> m_asked; // what the type chooser was given
    int m_answer = -1;  // what it answers
};

void TestSzerkeszt::initTestCase()
{
    installWidgetBehaviour();
    MessageBoxHook::arm();
    m_folder = std::make_unique<TestDataFolder>();
    Db::exec("INSERT INTO tipus (Tipus, Tipus_nev, szin) VALUES (1, 'Felnőtt', -1), (2, 'Ifjúsági', -1)");
    // One code of two towns, the lower Id stored later and later in the alphabet.
    Db::exec("INSERT INTO irsz (Id, irsz, varos) VALUES (90002, '9999', 'Alsóváros'), (90001, '9999', "
             "'Zalaváros')");
}

void TestSzerkeszt::init()
{
    Beall() = TBeall();
    Beall().AlapVaros = QStringLiteral("Aba");
    Db::exec("DELETE FROM ugyfel");
    Db::exec(
        "INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Sorszam, Tipus, Cim_irsz, Cim_varos, Dat_szul, Dat_tag, "
        "Dat_belep, Dat_kilep, Aktiv) VALUES (1, 'Kovács Béla', 7, 1, '6720', 'Szeged', ?, ?, ?, ?, 'I')",
        {SzulDatum, TagDatum, BelepDatum, KilepDatum});
    m_ugyfel = std::make_unique<DataSet>();
    m_ugyfel->setTable("ugyfel", "Ugyfel_nev");
    m_ugyfel->open();
    m_asked.clear();
    m_answer = -1;
}

void TestSzerkeszt::cleanup()
{
    m_dlg.reset();
    m_ugyfel.reset();
}

void TestSzerkeszt::open(bool newMember)
{
    if (newMember) {
        m_ugyfel->insert();
        m_ugyfel->setValue("Ugyfel", 2);
        m_ugyfel->setValue("Sorszam", 8);
        m_ugyfel->setValue("Cim_varos", Beall().AlapVaros);
        m_ugyfel->setValue("Aktiv", "I");
    } else if (!m_ugyfel->isEditing()) {
        m_ugyfel->edit();
    }
    m_dlg = std::make_unique<Tfrm_Szerkeszt>(m_ugyfel.get());
    m_dlg->setTipusValaszto([this](int tipus) {
        m_asked << tipus;
        return m_answer;
    });
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
}

void TestSzerkeszt::layoutAndButtons()
{
    open();
    QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Szerkesztés"));
    QCOMPARE(m_dlg->size(), QSize(552, 533));
    auto *lapok = control<QTabWidget>("PageControl1");
    QCOMPARE(lapok->tabText(0), QStringLiteral("Általános adatok"));
    QCOMPARE(lapok->tabText(1), QStringLiteral("Megjegyzés"));
    QCOMPARE(control<QPushButton>("Button1")->text(), QStringLiteral("OK"));
    QCOMPARE(control<QPushButton>("Button2")->text(), QStringLiteral("Mégsem"));
    for (QPushButton *b : m_dlg->findChildren<QPushButton *>())
        QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));
    // Labels stand above their controls with the texts of the window.
    auto *nev = control<QLabel>("m1");
    QCOMPARE(nev->buddy(), edit("DBEdit19"));
    QVERIFY(nev->geometry().bottom() < edit("DBEdit19")->y());
    auto *tipus = edit("DBEdit4");
    QVERIFY(tipus->isReadOnly());
    QCOMPARE(tipus->focusPolicy() & Qt::TabFocus, 0);
    QCOMPARE(tipus->text(), QStringLiteral("Felnőtt"));
    QCOMPARE(tipus->palette().color(QPalette::Base), tipus->palette().color(QPalette::Window));
    auto *aktiv = control<QCheckBox>("DBCheckBox1");
    QCOMPARE(aktiv->text(), QStringLiteral("aktív?"));
    QVERIFY(aktiv->isChecked());

    // Esc is Mégsem; nothing of the row is stored either way.
    edit("DBEdit2")->setFocus();
    QTest::keyClick(edit("DBEdit2"), Qt::Key_End);
    typeText(edit("DBEdit2"), " Jr");
    QTest::keyClick(edit("DBEdit2"), Qt::Key_Escape);
    QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
    QVERIFY(m_dlg->isHidden());
    QCOMPARE(m_ugyfel->value("Ugyfel_nev").toString(), QStringLiteral("Kovács Béla Jr"));
    QCOMPARE(Db::scalar("SELECT Ugyfel_nev FROM ugyfel").toString(), QStringLiteral("Kovács Béla"));
}

void TestSzerkeszt::tabOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("Általános adatok")
        << 0 << QStringList{"DBEdit2",  "btnUgyfelValaszt", "DBEdit3",     "DBEdit11", "DBEdit7",
                            "DBEdit6",  "DBCheckBox1",      "DBEdit5",     "Dat_szul", "DBEdit19",
                            "DBEdit8",  "DBEdit9",          "DBEdit10",    "DBEdit12", "DBEdit1",
                            "DBEdit13", "DBEdit14",         "DBEdit20",    "DBEdit21", "DBEdit15",
                            "DBEdit16", "Dat_tag",          "Dat_belep",   "DBEdit17", "DBEdit22",
                            "DBEdit18", "DBCheckBox2",      "DBCheckBox3", "BitBtn1",  "Button1",
                            "Button2",  "PageControl1"};
    QTest::newRow("Megjegyzés") << 1 << QStringList{"DBMemo1", "Button1", "Button2", "PageControl1"};
}

void TestSzerkeszt::tabOrder()
{
    QFETCH(int, tab);
    QFETCH(QStringList, order);
    open();
    QCOMPARE(fokusz(), QStringLiteral("DBEdit2")); // where the dialog opens
    if (tab == 1) {
        control<QTabWidget>("PageControl1")->setCurrentIndex(1);
        control<QPlainTextEdit>("DBMemo1")->setFocus(Qt::OtherFocusReason);
    }
    QCOMPARE(tabKor(), order);
}

void TestSzerkeszt::widthAndUpperCase_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("upper");
    const struct {
        const char *control, *field;
        int width;
        bool upper;
    } rows[] = {{"DBEdit2", "Ugyfel_nev", 75, false}, {"DBEdit11", "Szigszam", 20, true},
                {"DBEdit7", "Telefon", 20, false},    {"DBEdit6", "torvkep", 25, false},
                {"DBEdit5", "Szulhely", 50, false},   {"DBEdit19", "anya", 30, false},
                {"DBEdit8", "Cim_irsz", 5, false},    {"DBEdit9", "Cim_varos", 25, false},
                {"DBEdit10", "Cim_cim", 75, false},   {"DBEdit12", "Horgigszam", 20, true},
                {"DBEdit1", "Horgvizsga", 20, true},  {"DBEdit13", "Horgaszjegy", 20, true},
                {"DBEdit14", "Tereng", 20, true},     {"DBEdit20", "taglap", 30, true},
                {"DBEdit21", "csonak", 30, true},     {"DBEdit15", "horgaszhely", 25, true},
                {"DBEdit22", "fognaplo", 30, false},  {"DBEdit18", "Kizarohat", 20, false}};
    for (const auto &r : rows)
        QTest::newRow(r.control) << r.control << r.field << r.width << r.upper;
}

void TestSzerkeszt::widthAndUpperCase()
{
    QFETCH(QString, control);
    QFETCH(QString, field);
    QFETCH(int, width);
    QFETCH(bool, upper);
    open();
    QLineEdit *e = edit(qPrintable(control));
    e->setFocus(Qt::TabFocusReason);
    e->selectAll();
    const QString typed = QString("őrségi út ").repeated(9); // 90 characters
    typeText(e, typed);
    const QString expected = upper ? typed.left(width).toUpper() : typed.left(width);
    QCOMPARE(e->text(), expected);
    QCOMPARE(m_ugyfel->value(field).toString(), expected);
}

void TestSzerkeszt::wholeNumberField()
{
    open();
    QLineEdit *e = edit("DBEdit16");
    e->setFocus(Qt::TabFocusReason);
    typeText(e, "120");
    QTest::keyClick(e, Qt::Key_Tab);
    QCOMPARE(m_ugyfel->value("horgaszhelym2"), QVariant(120));
}

void TestSzerkeszt::postalCode_data()
{
    QTest::addColumn<QString>("alapVaros");
    QTest::addColumn<QString>("town"); // in the row before; empty is null
    QTest::addColumn<QString>("code"); // typed into the postal code
    QTest::addColumn<int>("leave");    // 0 Tab, 1 Enter, 2 click on OK
    QTest::addColumn<QString>("result");
    QTest::newRow("default town, one town") << "Aba"
                                            << "Aba"
                                            << "5241" << 0 << "Abádszalók";
    QTest::newRow("default town, left by Enter") << "Aba"
                                                 << "Aba"
                                                 << "6721" << 1 << "Szeged";
    QTest::newRow("default town, left by OK") << "Aba"
                                              << "Aba"
                                              << "6722" << 2 << "Szeged";
    QTest::newRow("empty town") << "Aba"
                                << ""
                                << "7678" << 0 << "Abaliget";
    QTest::newRow("no default town, empty town") << ""
                                                 << ""
                                                 << "6720" << 0 << "Szeged";
    QTest::newRow("two towns: the lower Id") << "Aba"
                                             << ""
                                             << "9999" << 0 << "Zalaváros";
    QTest::newRow("unknown code, default town") << "Aba"
                                                << "Aba"
                                                << "0000" << 0 << "Aba";
    QTest::newRow("unknown code, empty town") << "Aba"
                                              << ""
                                              << "0000" << 0 << "";
    QTest::newRow("typed town") << "Aba"
                                << "Tök"
                                << "6720" << 0 << "Tök";
    QTest::newRow("default town in other letter case") << "Aba"
                                                       << "ABA"
                                                       << "6720" << 0 << "ABA";
    QTest::newRow("no default town, a town") << ""
                                             << "Aba"
                                             << "6720" << 0 << "Aba";
}

void TestSzerkeszt::postalCode()
{
    QFETCH(QString, alapVaros);
    QFETCH(QString, town);
    QFETCH(QString, code);
    QFETCH(int, leave);
    QFETCH(QString, result);
    Beall().AlapVaros = alapVaros;
    m_ugyfel->insert();
    m_ugyfel->setValue("Ugyfel", 2);
    m_ugyfel->setValue("Cim_varos", town.isEmpty() ? QVariant() : QVariant(town));
    open();
    QLineEdit *irsz = edit("DBEdit8");
    irsz->setFocus(Qt::TabFocusReason);
    typeText(irsz, code);
    QCOMPARE(m_ugyfel->value("Cim_varos").toString(), town); // nothing before leaving
    if (leave == 2)
        QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    else
        QTest::keyClick(irsz, leave == 0 ? Qt::Key_Tab : Qt::Key_Return);
    QCOMPARE(m_ugyfel->value("Cim_varos").toString(), result);
    QCOMPARE(edit("DBEdit9")->text(), result);
    if (leave == 2)
        QCOMPARE(m_dlg->result(), int(QDialog::Accepted));
}

void TestSzerkeszt::laterPostalCodeLeavesTheTownAlone()
{
    open(true);
    QLineEdit *irsz = edit("DBEdit8");
    irsz->setFocus(Qt::TabFocusReason);
    typeText(irsz, "6720");
    QTest::keyClick(irsz, Qt::Key_Tab);
    QCOMPARE(m_ugyfel->value("Cim_varos").toString(), QStringLiteral("Szeged"));
    irsz->setFocus(Qt::TabFocusReason);
    irsz->selectAll();
    typeText(irsz, "5241");
    QTest::keyClick(irsz, Qt::Key_Tab);
    QCOMPARE(m_ugyfel->value("Cim_irsz").toString(), QStringLiteral("5241"));
    QCOMPARE(m_ugyfel->value("Cim_varos").toString(), QStringLiteral("Szeged"));
}

void TestSzerkeszt::focusColourIsBackBeforeTheLookup()
{
    open(true);
    QLineEdit *irsz = edit("DBEdit8");
    QList<QColor> atLookup;
    connect(m_ugyfel.get(), &DataSet::bufferChanged, this, [&](const QString &f) {
        if (f == QLatin1String("Cim_varos"))
            atLookup << irsz->palette().color(QPalette::Base);
    });
    irsz->setFocus(Qt::TabFocusReason);
    QCOMPARE(irsz->palette().color(QPalette::Base), FocusColor);
    typeText(irsz, "6720");
    QTest::keyClick(irsz, Qt::Key_Tab);
    QCOMPARE(atLookup.size(), 1);
    QVERIFY(atLookup[0] != FocusColor);
    // The other kinds of control are coloured too.
    for (const char *name : {"DBEdit2", "Dat_szul", "DBEdit17"}) {
        QWidget *w = control<QWidget>(name);
        w->setFocus(Qt::TabFocusReason);
        QCOMPARE(w->palette().color(QPalette::Base), FocusColor);
        control<QWidget>("DBEdit5")->setFocus(Qt::TabFocusReason);
        QVERIFY(w->palette().color(QPalette::Base) != FocusColor);
    }
    control<QTabWidget>("PageControl1")->setCurrentIndex(1);
    auto *memo = control<QPlainTextEdit>("DBMemo1");
    memo->setFocus(Qt::TabFocusReason);
    QCOMPARE(memo->palette().color(QPalette::Base), FocusColor);
}

void TestSzerkeszt::typeButton_data()
{
    QTest::addColumn<QVariant>("tipus"); // in the row before
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QVariant>("result");
    QTest::addColumn<QString>("name");
    QTest::newRow("chosen") << QVariant(1) << 2 << 1 << QVariant(2) << "Ifjúsági";
    QTest::newRow("cancelled") << QVariant(1) << -1 << 1 << QVariant(1) << "Felnőtt";
    QTest::newRow("null type asked as 0") << QVariant() << 1 << 0 << QVariant(1) << "Felnőtt";
    QTest::newRow("null type, cancelled") << QVariant() << -1 << 0 << QVariant() << "";
    QTest::newRow("zero is a choice") << QVariant(1) << 0 << 1 << QVariant(0) << "";
}

void TestSzerkeszt::typeButton()
{
    QFETCH(QVariant, tipus);
    QFETCH(int, answer);
    QFETCH(int, asked);
    QFETCH(QVariant, result);
    QFETCH(QString, name);
    m_ugyfel->edit();
    m_ugyfel->setValue("Tipus", tipus);
    m_answer = answer;
    open();
    QTest::mouseClick(control<QPushButton>("btnUgyfelValaszt"), Qt::LeftButton);
    QCOMPARE(m_asked, QList<int>{asked});
    QCOMPARE(m_ugyfel->value("Tipus"), result);
    QCOMPARE(edit("DBEdit4")->text(), name);
    QCOMPARE(fokusz(), QStringLiteral("DBEdit3"));
}

void TestSzerkeszt::datesReachTheRowOnlyOnOk_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Mégsem") << false;
}

void TestSzerkeszt::datesReachTheRowOnlyOnOk()
{
    QFETCH(bool, ok);
    open();
    // Up steps the section the picker selects on entry: the year.
    const char *pickers[] = {"Dat_szul", "Dat_tag", "Dat_belep"};
    const QDate before[] = {SzulDatum, TagDatum, BelepDatum};
    for (int i = 0; i < 3; ++i) {
        auto *d = control<QDateEdit>(pickers[i]);
        QCOMPARE(d->date(), before[i]);
        d->setFocus(Qt::TabFocusReason);
        QTest::keyClick(d, Qt::Key_Up);
        QCOMPARE(d->date(), before[i].addYears(1));
        QCOMPARE(m_ugyfel->value(pickers[i]).toDate(), before[i]);
    }
    QTest::mouseClick(control<QPushButton>(ok ? "Button1" : "Button2"), Qt::LeftButton);
    QCOMPARE(m_dlg->result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
    for (int i = 0; i < 3; ++i) {
        const QVariant v = m_ugyfel->value(pickers[i]);
        QCOMPARE(v.typeId(), int(QMetaType::QDate)); // the date part only
        QCOMPARE(v.toDate(), ok ? before[i].addYears(1) : before[i]);
    }
    QVERIFY(m_ugyfel->isEditing()); // the caller posts or cancels
    QCOMPARE(Db::scalar("SELECT Dat_szul FROM ugyfel").toString(), SzulDatum.toString(Qt::ISODate));
}

void TestSzerkeszt::nullDateStaysNull()
{
    m_ugyfel->edit();
    m_ugyfel->setValue("Dat_szul", QVariant());
    open();
    auto *d = control<QDateEdit>("Dat_szul");
    QCOMPARE(d->text().trimmed(), QString());
    QTest::mouseClick(control<QPushButton>("Button1"), Qt::LeftButton);
    QVERIFY(m_ugyfel->value("Dat_szul").isNull());
    QCOMPARE(m_ugyfel->value("Dat_tag").toDate(), TagDatum);
}

void TestSzerkeszt::leavingDate()
{
    open();
    QLineEdit *kilep = edit("DBEdit17");
    QCOMPARE(kilep->displayText(), QStringLiteral("2020. 05. 01."));

    // The button empties the field and the masked edit with it.
    QTest::mouseClick(control<QPushButton>("BitBtn1"), Qt::LeftButton);
    QVERIFY(m_ugyfel->value("Dat_kilep").isNull());
    QCOMPARE(kilep->displayText(), QStringLiteral("____. __. __."));
    QCOMPARE(m_ugyfel->value("Dat_belep").toDate(), BelepDatum); // nothing else

    // Typed digits fill the mask's places.
    kilep->setFocus(Qt::TabFocusReason);
    kilep->setCursorPosition(0);
    typeText(kilep, "20230415");
    QCOMPARE(kilep->displayText(), QStringLiteral("2023. 04. 15."));
    QTest::keyClick(kilep, Qt::Key_Tab);
    QCOMPARE(m_ugyfel->value("Dat_kilep").toDate(), QDate(2023, 4, 15));

    // Erased by hand it is empty too, not a bad date.
    MessageBoxHook::clear();
    MessageBoxHook::arm();
    kilep->setFocus(Qt::TabFocusReason);
    kilep->selectAll();
    QTest::keyClick(kilep, Qt::Key_Backspace);
    QTest::keyClick(kilep, Qt::Key_Tab);
    QVERIFY(MessageBoxHook::shown().isEmpty());
    QVERIFY(m_ugyfel->value("Dat_kilep").isNull());

    // Cancelled, the caller's cancel gives the old date back.
    QTest::mouseClick(control<QPushButton>("BitBtn1"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
    m_ugyfel->cancel();
    QCOMPARE(m_ugyfel->value("Dat_kilep").toDate(), KilepDatum);
}

void TestSzerkeszt::captionsFromTheSettings_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::newRow("own captions") << QStringList{"anyja neve", "MOHOSZ lap", "csónakkikötő",
                                                 "fog.napló",  "törv.képv.", "horgászhely"};
    QTest::newRow("empty captions") << QStringList{"", "", "", "", "", ""};
}

void TestSzerkeszt::captionsFromTheSettings()
{
    QFETCH(QStringList, settings);
    for (int i = 0; i < 6; ++i)
        Beall().m[size_t(i)] = settings[i];
    open();
    // m1 anya, m2 taglap, m3 csonak, m4 fognaplo, m5 torvkep, m6 horgaszhely
    const char *fields[] = {"DBEdit19", "DBEdit20", "DBEdit21", "DBEdit22", "DBEdit6", "DBEdit15"};
    for (int i = 0; i < 6; ++i) {
        auto *label = control<QLabel>(qPrintable(QString("m%1").arg(i + 1)));
        QCOMPARE(label->text(), settings[i]);
        QCOMPARE(label->buddy(), control<QWidget>(fields[i]));
    }
    QLineEdit *anya = edit("DBEdit19");
    anya->setFocus(Qt::TabFocusReason);
    typeText(anya, "Nagy Ilona");
    QCOMPARE(m_ugyfel->value("anya").toString(), QStringLiteral("Nagy Ilona"));
}

void TestSzerkeszt::enterKey()
{
    open();
    QCOMPARE(fokusz(), QStringLiteral("DBEdit2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(fokusz(), QStringLiteral("btnUgyfelValaszt"));
    // Enter on a button presses it.
    m_answer = 2;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_ugyfel->value("Tipus"), QVariant(2));
    QCOMPARE(fokusz(), QStringLiteral("DBEdit3"));
    // From a check box and from a date picker Enter moves on as well.
    control<QWidget>("DBCheckBox1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(fokusz(), QStringLiteral("DBEdit5"));
    control<QWidget>("Dat_belep")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(fokusz(), QStringLiteral("DBEdit17"));
    QVERIFY(m_dlg->isVisible()); // no default button closed the dialog

    control<QTabWidget>("PageControl1")->setCurrentIndex(1);
    auto *memo = control<QPlainTextEdit>("DBMemo1");
    memo->setFocus(Qt::TabFocusReason);
    typeText(memo, "első");
    QTest::keyClick(memo, Qt::Key_Return);
    typeText(memo, "második");
    QCOMPARE(fokusz(), QStringLiteral("DBMemo1"));
    QCOMPARE(m_ugyfel->value("Megjegyzes").toString(), QStringLiteral("első\nmásodik"));
}

void TestSzerkeszt::fontAndPosition()
{
    Beall().Betumeret = 12;
    AblakHelyMent("frm_Szerkeszt", 123, 77);
    open();
    QCOMPARE(m_dlg->pos(), QPoint(123, 77));
    QCOMPARE(m_dlg->font().pointSize(), 12);
    QCOMPARE(edit("DBEdit5")->font().pointSize(), 12);
    // The large bold edits and the memo keep their own fonts.
    const QFont nagy = edit("DBEdit12")->font();
    QCOMPARE(nagy.pixelSize(), 15);
    QVERIFY(nagy.bold());
    QCOMPARE(control<QPlainTextEdit>("DBMemo1")->font().pixelSize(), 12);
    m_dlg->move(200, 150);
    QTest::mouseClick(control<QPushButton>("Button2"), Qt::LeftButton);
    int left = 0, top = 0;
    AblakHelyBetolt("frm_Szerkeszt", left, top);
    QCOMPARE(QPoint(left, top), QPoint(200, 150));
}

QTEST_MAIN(TestSzerkeszt)
#include "tst_szerkeszt.moc"
