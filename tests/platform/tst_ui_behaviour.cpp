// The shared widget behaviour: focus colour and Enter-as-Tab in dialogs that opt
// in, and nothing of it elsewhere.
#include "platform/ui/WidgetBehaviour.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

struct Dialog : QDialog {
    QLineEdit *first = new QLineEdit(this);
    QDateEdit *date = new QDateEdit(this);
    QPlainTextEdit *memo = new QPlainTextEdit(this);
    QLineEdit *own = new QLineEdit(this); // has its own palette
    QPushButton *ok = new QPushButton("OK", this);
    QPushButton *other = new QPushButton("Más", this);

    explicit Dialog(bool optIn)
    {
        auto *l = new QVBoxLayout(this);
        for (QWidget *w : std::initializer_list<QWidget *>{first, date, memo, own, ok, other})
            l->addWidget(w);
        QPalette p = own->palette();
        p.setColor(QPalette::Base, Qt::yellow);
        own->setPalette(p);
        ok->setDefault(true);
        if (optIn)
            enableDialogBehaviour(this);
        show();
        activateWindow();
    }
};

QColor base(const QWidget *w)
{
    return w->palette().color(QPalette::Base);
}

} // namespace

class tst_UiBehaviour : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installWidgetBehaviour(); }

    void focusedEditsTurnLightBlueAndBack()
    {
        Dialog d(true);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.other->setFocus(Qt::TabFocusReason);
        const QColor normal = base(d.first);
        QVERIFY(normal != FocusColor);
        QCOMPARE(FocusColor, QColor(166, 202, 240));
        for (QWidget *w : std::initializer_list<QWidget *>{d.first, d.date, d.memo, d.own}) {
            const QColor before = base(w);
            w->setFocus(Qt::TabFocusReason);
            QCOMPARE(base(w), FocusColor);
            d.other->setFocus(Qt::TabFocusReason);
            QCOMPARE(base(w), before);
        }
        QCOMPARE(base(d.own), QColor(Qt::yellow)); // its own palette came back
        // Palette changes of the window still reach an edit that got its colour back.
        QPalette p = d.palette();
        p.setColor(QPalette::Base, Qt::green);
        d.setPalette(p);
        QCOMPARE(base(d.first), QColor(Qt::green));
    }

    void enterMovesLikeTab()
    {
        Dialog d(true);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QSignalSpy accepted(&d, &QDialog::accepted);
        d.first->setFocus();
        QTest::keyClick(d.first, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d.date);
        QTest::keyClick(d.date, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), d.memo);
        QCOMPARE(accepted.count(), 0); // the default button was not pressed
    }

    void enterInAMemoMakesANewLine()
    {
        Dialog d(true);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.memo->setFocus();
        QTest::keyClicks(d.memo, "egy");
        QTest::keyClick(d.memo, Qt::Key_Return);
        QTest::keyClicks(d.memo, "ketto");
        QCOMPARE(d.memo->toPlainText(), QStringLiteral("egy\nketto"));
        QCOMPARE(QApplication::focusWidget(), d.memo);
    }

    void enterPressesTheFocusedButtonNotTheDefault()
    {
        Dialog d(true);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QSignalSpy okClicked(d.ok, &QPushButton::clicked);
        QSignalSpy otherClicked(d.other, &QPushButton::clicked);
        d.other->setFocus();
        QTest::keyClick(d.other, Qt::Key_Return);
        QCOMPARE(otherClicked.count(), 1);
        QCOMPARE(okClicked.count(), 0);
    }

    void windowsThatDoNotOptInKeepQtBehaviour()
    {
        Dialog d(false);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QSignalSpy okClicked(d.ok, &QPushButton::clicked);
        d.first->setFocus();
        QCOMPARE(base(d.first) == FocusColor, false);
        QTest::keyClick(d.first, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d.first);
        QCOMPARE(okClicked.count(), 1); // Qt's default button
    }
};

QTEST_MAIN(tst_UiBehaviour)
#include "tst_ui_behaviour.moc"
