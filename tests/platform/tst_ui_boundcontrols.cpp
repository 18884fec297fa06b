// Controls bound to a field: what they show, what they write into the edit
// buffer, and the refusal of a bad number, date or time when the edit is left.
#include "platform/ui/BoundControls.h"
#include "platform/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

class tst_UiBoundControls : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<DataSet> m_members; // ugyfel in key order
    std::unique_ptr<DataSet> m_catches; // napifogas: integer, real, date, time

    // A shown window holding the control and a second edit to leave it for.
    struct Window {
        QWidget top;
        QLineEdit next{&top};
        QWidget *control;
        explicit Window(QWidget *w) : control(w)
        {
            w->setParent(&top);
            auto *l = new QVBoxLayout(&top);
            l->addWidget(w);
            l->addWidget(&next);
            top.show();
            top.activateWindow();
        }
        ~Window() { control->setParent(nullptr); } // the control is the test's own
    };

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Db::exec("INSERT INTO tipus (Tipus, Tipus_nev, szin) VALUES (1, 'Felnőtt', -1), (2, 'Ifjúsági', -1)");
        Db::exec(
            "INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Sorszam, Tipus, Aktiv, Dat_szul, Megjegyzes) VALUES "
            "(1, 'Kiss Péter', 10, 1, 'I', '1980-05-06', 'első sor'),"
            "(2, 'Nagy Anna', 11, 2, 'N', NULL, NULL),"
            "(3, 'Tóth Béla', 12, NULL, NULL, NULL, NULL)");
        Db::exec(
            "INSERT INTO napifogas (ugyfel, datum, tol, ponty) VALUES (1, '2026-03-01', '08:00:00', 2.5)");
        m_members = std::make_unique<DataSet>();
        m_members->setTable("ugyfel");
        m_members->open();
        m_catches = std::make_unique<DataSet>();
        m_catches->setTable("napifogas");
        m_catches->open();
    }
    void cleanup()
    {
        MessageBoxHook::clear();
        m_catches.reset();
        m_members.reset();
        m_folder.reset();
    }

    void lineEditShowsTheCurrentRowAndTheFieldWidth()
    {
        BoundLineEdit name;
        name.bind(m_members.get(), "ugyfel_nev");
        QCOMPARE(name.maxLength(), 75);
        QCOMPARE(name.text(), QStringLiteral("Kiss Péter"));
        m_members->next();
        QCOMPARE(name.text(), QStringLiteral("Nagy Anna"));
        BoundLineEdit type;
        type.bind(m_members.get(), "tipus_nev"); // looked up: shown, never typed into
        QCOMPARE(type.text(), QStringLiteral("Ifjúsági"));
        QVERIFY(type.isReadOnly());
        BoundLineEdit date;
        date.bind(m_members.get(), "Dat_szul");
        m_members->first();
        QCOMPARE(date.text(), QStringLiteral("1980. 05. 06."));
    }

    void typingWritesTheBuffer()
    {
        BoundLineEdit name;
        name.bind(m_members.get(), "Ugyfel_nev");
        Window w(&name);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        name.setFocus();
        name.end(false);
        QTest::keyClicks(&name, " ifj");
        QCOMPARE(m_members->state(), DataSet::State::Edit); // browsing turned into editing
        QCOMPARE(m_members->value("Ugyfel_nev").toString(), QStringLiteral("Kiss Péter ifj"));
        QCOMPARE(name.text(), QStringLiteral("Kiss Péter ifj")); // no echo reset the text
        QCOMPARE(name.cursorPosition(), name.text().size());
        m_members->cancel();
        QCOMPARE(name.text(), QStringLiteral("Kiss Péter"));
        name.selectAll();
        QTest::keyClick(&name, Qt::Key_Delete);
        QVERIFY(m_members->value("Ugyfel_nev").isNull());
    }

    void upperCaseIsForced()
    {
        BoundLineEdit name;
        name.setUpperCase(true);
        name.bind(m_members.get(), "Ugyfel_nev");
        Window w(&name);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        name.setFocus();
        QCOMPARE(name.text(), QStringLiteral("KISS PÉTER"));
        QCOMPARE(m_members->state(), DataSet::State::Browse); // shown so, not yet written
        name.home(false);
        typeText(&name, "dr. ő ");
        QCOMPARE(name.text(), QStringLiteral("DR. Ő KISS PÉTER"));
        QCOMPARE(name.cursorPosition(), 6);
        QCOMPARE(m_members->value("Ugyfel_nev").toString(), QStringLiteral("DR. Ő KISS PÉTER"));
    }

    void typedValueIsWrittenWhenLeft_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("integer") << "ugyfel"
                                 << " 42" << QVariant(42) << "42";
        QTest::newRow("real, decimal comma") << "ponty"
                                             << "3,25" << QVariant(3.25) << "3,25";
        QTest::newRow("real, point") << "ponty"
                                     << "3.50" << QVariant(3.5) << "3,5";
        QTest::newRow("date") << "datum"
                              << "2026. 04. 05." << QVariant(QDate(2026, 4, 5)) << "2026. 04. 05.";
        QTest::newRow("time without seconds") << "tol"
                                              << "7:30" << QVariant(QTime(7, 30)) << "7:30:00";
        QTest::newRow("emptied") << "ponty"
                                 << "" << QVariant() << "";
    }
    void typedValueIsWrittenWhenLeft()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QVariant, value);
        QFETCH(QString, shown);
        MessageBoxHook::arm();
        BoundLineEdit edit;
        edit.bind(m_catches.get(), field);
        Window w(&edit);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        edit.setFocus();
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClicks(&edit, typed);
        QCOMPARE(m_catches->state(), DataSet::State::Browse); // nothing written while typing
        QTest::keyClick(&edit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &w.next);
        QVERIFY(MessageBoxHook::shown().isEmpty());
        QCOMPARE(m_catches->value(field), value);
        QCOMPARE(edit.text(), shown);
    }

    void badValueIsRefusedWhenLeft_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters in an integer") << "ugyfel"
                                               << "12a"
                                               << "'12a' nem érvényes egész szám.";
        QTest::newRow("integer beyond 32 bits") << "ugyfel"
                                                << "3000000000"
                                                << "'3000000000' nem érvényes egész szám.";
        QTest::newRow("fraction in an integer") << "ugyfel"
                                                << "1,5"
                                                << "'1,5' nem érvényes egész szám.";
        QTest::newRow("unit after a real") << "ponty"
                                           << "2,5kg"
                                           << "'2,5kg' nem érvényes szám.";
        QTest::newRow("month 13") << "datum"
                                  << "2026. 13. 01."
                                  << "'2026. 13. 01.' nem érvényes dátum.";
        QTest::newRow("hour 25") << "tol"
                                 << "25:00"
                                 << "'25:00' nem érvényes időpont.";
    }
    void badValueIsRefusedWhenLeft()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        MessageBoxHook::arm();
        BoundLineEdit edit;
        edit.bind(m_catches.get(), field);
        const QVariant before = m_catches->value(field);
        Window w(&edit);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, typed);
        QTest::keyClick(&edit, Qt::Key_Tab);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::shown().first().caption, QStringLiteral("Hiba"));
        QCOMPARE(MessageBoxHook::shown().first().text, message);
        QCOMPARE(QApplication::focusWidget(), &edit); // the focus stays
        QCOMPARE(edit.text(), typed);
        QCOMPARE(m_catches->state(), DataSet::State::Browse);
        QCOMPARE(m_catches->value(field), before);
        QVERIFY(!edit.commit()); // still refused when a dialog asks before posting
        QCOMPARE(MessageBoxHook::shown().size(), 2);
    }

    void anotherWindowIsNotLeavingTheEdit()
    {
        MessageBoxHook::arm();
        BoundLineEdit edit;
        edit.bind(m_catches.get(), "ponty");
        Window w(&edit);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        edit.setFocus();
        edit.selectAll();
        QTest::keyClicks(&edit, "sok");
        QWidget other; // a message box, another program
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(MessageBoxHook::shown().isEmpty());
        w.top.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        QCOMPARE(QApplication::focusWidget(), &edit);
        QTest::keyClick(&edit, Qt::Key_Tab);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
    }

    void checkBoxShowsAndWritesTheFlag_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("written"); // by a click
        QTest::newRow("I") << 0 << true << "N";
        QTest::newRow("N") << 1 << false << "I";
        QTest::newRow("null") << 2 << false << "I";
    }
    void checkBoxShowsAndWritesTheFlag()
    {
        QFETCH(int, row);
        QFETCH(bool, checked);
        QFETCH(QString, written);
        BoundCheckBox box("aktív");
        box.bind(m_members.get(), "Aktiv");
        Window w(&box);
        QVERIFY(QTest::qWaitForWindowExposed(&w.top));
        m_members->moveTo(row);
        QCOMPARE(box.isChecked(), checked);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, box.height() / 2)); // on the indicator
        QCOMPARE(m_members->state(), DataSet::State::Edit);
        QCOMPARE(m_members->value("Aktiv").toString(), written);
    }

    void dateEditShowsWritesAndClears()
    {
        BoundDateEdit date;
        date.bind(m_members.get(), "Dat_szul");
        Window w(&date);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        QCOMPARE(date.text(), QStringLiteral("1980. 05. 06."));
        date.setFocus();
        date.setCurrentSection(QDateTimeEdit::YearSection);
        QTest::keyClick(&date, Qt::Key_Up);
        QCOMPARE(m_members->value("Dat_szul").toDate(), QDate(1981, 5, 6));
        QTest::keyClick(&date, Qt::Key_Delete);
        QVERIFY(m_members->value("Dat_szul").isNull());
        QCOMPARE(date.text(), QStringLiteral(" "));
        m_members->cancel();
        m_members->next(); // no date: shown empty, nothing written
        QCOMPARE(date.text(), QStringLiteral(" "));
        QCOMPARE(m_members->state(), DataSet::State::Browse);
    }

    void memoWritesWhatIsTyped()
    {
        BoundMemo memo;
        memo.bind(m_members.get(), "Megjegyzes");
        Window w(&memo);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        QCOMPARE(memo.toPlainText(), QStringLiteral("első sor"));
        memo.setFocus();
        memo.moveCursor(QTextCursor::End);
        QTest::keyClick(&memo, Qt::Key_Return);
        typeText(&memo, "második");
        QCOMPARE(m_members->value("Megjegyzes").toString(), QStringLiteral("első sor\nmásodik"));
        m_members->cancel();
        m_members->next();
        QCOMPARE(memo.toPlainText(), QString());
    }

    void lookupComboShowsTheNameAndWritesTheKey()
    {
        DataSet types;
        types.setTable("tipus", "Tipus_nev");
        types.open();
        BoundLookupCombo combo;
        combo.setLookup(&types, "Tipus", "Tipus_nev");
        combo.bind(m_members.get(), "Tipus");
        Window w(&combo);
        QVERIFY(QTest::qWaitForWindowActive(&w.top));
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.currentText(), QStringLiteral("Felnőtt"));
        combo.setFocus();
        QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(combo.currentText(), QStringLiteral("Ifjúsági"));
        QCOMPARE(m_members->value("Tipus").toInt(), 2);
        QCOMPARE(m_members->value("tipus_nev").toString(), QStringLiteral("Ifjúsági"));
        m_members->cancel();
        m_members->last(); // no type
        QCOMPARE(combo.currentIndex(), -1);
        Db::exec("INSERT INTO tipus (Tipus, Tipus_nev) VALUES (3, 'Nyugdíjas')");
        types.refresh();
        QCOMPARE(combo.count(), 3);
    }

    void labelShowsTheFormattedValue()
    {
        BoundLabel label;
        label.bind(m_members.get(), "Sorszam");
        QCOMPARE(label.text(), QStringLiteral("10"));
        label.setDisplayFormat(
            [](const QVariant &v) { return QStringLiteral("%1").arg(v.toInt(), 5, 10, QLatin1Char('0')); });
        QCOMPARE(label.text(), QStringLiteral("00010"));
        m_members->next();
        QCOMPARE(label.text(), QStringLiteral("00011"));
        m_members->close();
        QCOMPARE(label.text(), QStringLiteral("00000")); // a closed data set gives null
    }
};

QTEST_MAIN(tst_UiBoundControls)
#include "tst_ui_boundcontrols.moc"
