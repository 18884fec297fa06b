// The program's message boxes: captions, icons, Hungarian buttons, the answer of
// the question box, and the test hook that answers without showing anything.
#include "platform/ui/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

Q_DECLARE_METATYPE(QMessageBox::StandardButton)
Q_DECLARE_METATYPE(QMessageBox::Icon)

using BoxCall = std::function<void()>;
Q_DECLARE_METATYPE(BoxCall)

class tst_UiMessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { MessageBoxHook::clear(); }

    void hookRecordsEveryKind_data()
    {
        QTest::addColumn<BoxCall>("call");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QMessageBox::Icon>("icon");
        const QString msg = QStringLiteral("Első sor\r\nmásodik sor");
        QTest::newRow("error") << BoxCall([msg] { HibaUzenet(msg); }) << "Hiba" << QMessageBox::Critical;
        QTest::newRow("warning") << BoxCall([msg] { FigyelmeztetoUzenet(msg); }) << "Figyelmeztetés"
                                 << QMessageBox::Warning;
        QTest::newRow("information") << BoxCall([msg] { InfoUzenet(msg); }) << "Üzenet"
                                     << QMessageBox::Information;
        QTest::newRow("question") << BoxCall([msg] { KerdesUzenet(msg, "Megerősítés"); }) << "Megerősítés"
                                  << QMessageBox::Question;
    }
    void hookRecordsEveryKind()
    {
        QFETCH(BoxCall, call);
        QFETCH(QString, caption);
        QFETCH(QMessageBox::Icon, icon);
        MessageBoxHook::arm();
        call();
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        const MessageBoxHook::Shown &s = MessageBoxHook::shown().first();
        QCOMPARE(s.caption, caption);
        QCOMPARE(s.icon, icon);
        QCOMPARE(s.text, QStringLiteral("Első sor\r\nmásodik sor"));
    }

    void questionIsTrueOnlyForYes_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("result");
        QTest::newRow("yes") << QMessageBox::Yes << true;
        QTest::newRow("no") << QMessageBox::No << false;
        QTest::newRow("ok") << QMessageBox::Ok << false;
        QTest::newRow("cancel") << QMessageBox::Cancel << false;
    }
    void questionIsTrueOnlyForYes()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, result);
        MessageBoxHook::expect(answer);
        QCOMPARE(KerdesUzenet("Valóban töröljem a sort?", "Megerősítés"), result);
    }

    void queuedAnswersAreUsedInTurnThenTheSafeOne()
    {
        MessageBoxHook::expect(QMessageBox::Yes);
        MessageBoxHook::expect(QMessageBox::No);
        QVERIFY(KerdesUzenet("1", "K"));
        QVERIFY(!KerdesUzenet("2", "K"));
        QVERIFY(!KerdesUzenet("3", "K")); // nothing queued: No
        QCOMPARE(MessageBoxHook::shown().size(), 3);
        MessageBoxHook::clear();
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }

    // Without the hook a real box appears, with only the Hungarian Yes and No.
    void realQuestionBox_data()
    {
        QTest::addColumn<QString>("press"); // a button's text, or "Escape"
        QTest::addColumn<bool>("result");
        QTest::newRow("Igen") << "Igen" << true;
        QTest::newRow("Nem") << "Nem" << false;
        QTest::newRow("Escape") << "Escape" << false;
    }
    void realQuestionBox()
    {
        QFETCH(QString, press);
        QFETCH(bool, result);
        QStringList buttons;
        QString caption;
        bool done = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            if (press == "Escape") {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                for (QAbstractButton *b : box->buttons())
                    if (b->text() == press)
                        b->click();
            }
            done = true;
        });
        QCOMPARE(KerdesUzenet("Valóban töröljem a sort?", "Megerősítés"), result);
        QVERIFY(done);
        QCOMPARE(caption, QStringLiteral("Megerősítés"));
        buttons.sort();
        QCOMPARE(buttons, QStringList({"Igen", "Nem"}));
    }

    void errorBoxGivesTheActiveWindowBack()
    {
        QWidget main;
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QString caption;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->buttons().first()->text(), QStringLiteral("OK"));
            box->buttons().first()->click();
        });
        HibaUzenet("Hiba történt", nullptr);
        QCOMPARE(caption, QStringLiteral("Hiba"));
        QTRY_COMPARE(QApplication::activeWindow(), &main);
    }
};

QTEST_MAIN(tst_UiMessageBoxes)
#include "tst_ui_messageboxes.moc"
