// The one-line input dialog: its answers, the caller's value on cancel, and its
// layout in dialog units of its font.
#include "platform/ui/SzovegBeker.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include "tests/support/TestSupport.h"

#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

using DialogAction = std::function<void(QDialog *)>;
Q_DECLARE_METATYPE(DialogAction)

// Runs body on the dialog SzovegBeker is about to show, once it is active; a
// dialog body left open (a failed check) is cancelled so the test goes on.
static void onDialog(const DialogAction &body)
{
    QTimer::singleShot(0, [body] {
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        auto closeLeftOpen = qScopeGuard([dlg] {
            if (dlg->isVisible())
                dlg->reject();
        });
        QVERIFY(QTest::qWaitForWindowActive(dlg));
        body(dlg);
    });
}

class tst_UiSzovegBeker : public QObject {
    Q_OBJECT

    // Runs SzovegBeker with value, types text over the selection, then lets act close it.
    static bool run(QString &value, const QString &typed, const DialogAction &act)
    {
        bool reached = false;
        onDialog([&](QDialog *dlg) {
            auto *edit = dlg->findChild<QLineEdit *>("edtErtek");
            QVERIFY(edit);
            typeText(edit, typed);
            reached = true;
            act(dlg);
        });
        const bool result = SzovegBeker("Felirat", "Kérem a nevet:", "", value);
        [&] { QVERIFY(reached); }();
        return result;
    }

private slots:
    void initialState()
    {
        QString value = "régi érték";
        onDialog([](QDialog *dlg) {
            auto *edit = dlg->findChild<QLineEdit *>("edtErtek");
            QCOMPARE(dlg->windowTitle(), QStringLiteral("Cím"));
            QCOMPARE(dlg->findChild<QLabel *>("lblPrompt")->text(), QStringLiteral("Kérdés"));
            QCOMPARE(edit->text(), QStringLiteral("régi érték"));
            QCOMPARE(edit->selectedText(), QStringLiteral("régi érték"));
            QCOMPARE(edit->maxLength(), 255);
            QVERIFY(edit->hasFocus());
            QCOMPARE(dlg->findChild<QPushButton *>("btnOK")->text(), QStringLiteral("OK"));
            QVERIFY(dlg->findChild<QPushButton *>("btnOK")->isDefault());
            QCOMPARE(dlg->findChild<QPushButton *>("btnMegsem")->text(), QStringLiteral("Mégsem"));
            dlg->reject();
        });
        QVERIFY(!SzovegBeker("Cím", "Kérdés", "", value));
    }

    void okGivesTheTypedText_data()
    {
        QTest::addColumn<DialogAction>("ok");
        QTest::newRow("OK clicked") << DialogAction(
            [](QDialog *d) { QTest::mouseClick(d->findChild<QPushButton *>("btnOK"), Qt::LeftButton); });
        QTest::newRow("Enter in the edit") << DialogAction(
            [](QDialog *d) { QTest::keyClick(d->findChild<QLineEdit *>("edtErtek"), Qt::Key_Return); });
    }
    void okGivesTheTypedText()
    {
        QFETCH(DialogAction, ok);
        QString value = "régi";
        QVERIFY(run(value, "Új név", ok));
        QCOMPARE(value, QStringLiteral("Új név")); // the selection was replaced
    }

    void cancelLeavesTheValue_data()
    {
        QTest::addColumn<DialogAction>("cancel");
        QTest::newRow("Mégsem clicked") << DialogAction(
            [](QDialog *d) { QTest::mouseClick(d->findChild<QPushButton *>("btnMegsem"), Qt::LeftButton); });
        QTest::newRow("Escape") << DialogAction(
            [](QDialog *d) { QTest::keyClick(d->findChild<QLineEdit *>("edtErtek"), Qt::Key_Escape); });
        QTest::newRow("close box") << DialogAction([](QDialog *d) { d->close(); });
        QTest::newRow("Enter on the focused Mégsem") << DialogAction([](QDialog *d) {
            auto *b = d->findChild<QPushButton *>("btnMegsem");
            b->setFocus();
            QTest::keyClick(b, Qt::Key_Return);
        });
    }
    void cancelLeavesTheValue()
    {
        QFETCH(DialogAction, cancel);
        QString value = "marad";
        QVERIFY(!run(value, "valami más", cancel));
        QCOMPARE(value, QStringLiteral("marad"));
    }

    void averageCharacterSizeOfAMonospacedFont()
    {
        QFont mono("DejaVu Sans Mono");
        mono.setPixelSize(20);
        const QFontMetrics fm(mono);
        QCOMPARE(AtlagKarakterMeret(mono), QSize(fm.horizontalAdvance('M'), fm.height()));
    }

    void averageCharacterWidthIsTruncated()
    {
        // Proportional letters: over a range of sizes some widths lie nearer the
        // next whole number, where rounding would give one more.
        const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        bool roundingWouldDiffer = false;
        for (int px = 9; px <= 30; ++px) {
            QFont f("DejaVu Sans");
            f.setPixelSize(px);
            const int total = QFontMetrics(f).horizontalAdvance(letters);
            QCOMPARE(AtlagKarakterMeret(f).width(), total / 52);
            roundingWouldDiffer |= total % 52 >= 26;
        }
        QVERIFY(roundingWouldDiffer);
    }

    void layoutFollowsTheDialogUnits_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("short prompt") << "DejaVu Sans" << 13 << "Név:";
        QTest::newRow("wrapped prompt") << "Liberation Sans" << 16
                                        << "Ez egy nagyon hosszú kérdés, amelynek a szövege biztosan "
                                           "több sorba tördelődik a párbeszédablakban.";
    }
    void layoutFollowsTheDialogUnits()
    {
        QFETCH(QString, family);
        QFETCH(int, pixels);
        QFETCH(QString, prompt);
        QFont font(family);
        font.setPixelSize(pixels);
        const QFont before = QApplication::font();
        QApplication::setFont(font);
        const QSize m = AtlagKarakterMeret(font);
        const auto u = [&](int a) { return int(std::lround(a * m.width() / 4.0)); };
        const auto v = [&](int a) { return int(std::lround(a * m.height() / 8.0)); };
        onDialog([&](QDialog *dlg) {
            const QRect label = dlg->findChild<QLabel *>("lblPrompt")->geometry();
            const QRect edit = dlg->findChild<QLineEdit *>("edtErtek")->geometry();
            const QRect ok = dlg->findChild<QPushButton *>("btnOK")->geometry();
            const QRect cancel = dlg->findChild<QPushButton *>("btnMegsem")->geometry();
            QCOMPARE(dlg->width(), u(180));
            QCOMPARE(label.topLeft(), QPoint(u(8), v(8)));
            QVERIFY(label.width() <= u(164));
            if (QFontMetrics(font).horizontalAdvance(prompt) > u(164))
                QVERIFY(label.height() >= 2 * QFontMetrics(font).height()); // wrapped
            QCOMPARE(edit.left(), u(8));
            QCOMPARE(edit.top(), label.top() + label.height() + 5);
            QCOMPARE(edit.width(), u(164));
            QCOMPARE(ok.size(), QSize(u(50), v(14)));
            QCOMPARE(cancel.size(), QSize(u(50), v(14)));
            QCOMPARE(ok.top(), edit.top() + edit.height() + 15);
            QCOMPARE(cancel.top(), ok.top());
            QCOMPARE(ok.left(), u(38));
            QCOMPARE(cancel.left(), u(92));
            QCOMPARE(dlg->height(), ok.top() + ok.height() + 13);
            QCOMPARE(dlg->minimumSize(), dlg->maximumSize()); // not resizable
            const QPoint off = dlg->geometry().center() - dlg->screen()->geometry().center();
            QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1, "centred on the screen");
            dlg->reject();
        });
        QString value;
        SzovegBeker("Felirat", prompt, "", value);
        QApplication::setFont(before);
    }
};

QTEST_MAIN(tst_UiSzovegBeker)
#include "tst_ui_szovegbeker.moc"
