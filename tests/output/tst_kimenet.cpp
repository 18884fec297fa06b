// The output chooser: its controls, the answer for each way of closing it,
// the first choice at every call, its remembered place and the font size.
#include "foundation/Beall.h"
#include "foundation/Seged.h"
#include "output/Kimenet.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class tst_Kimenet : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;

    static QRadioButton *item(QDialog *dlg, int i)
    {
        return dlg->findChild<QRadioButton *>(QStringLiteral("RadioItem%1").arg(i));
    }
    // A click on the item's round indicator.
    static void pick(QDialog *dlg, int i)
    {
        QRadioButton *b = item(dlg, i);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }

private slots:
    void init() { m_folder = std::make_unique<TestDataFolder>(); }
    void cleanup()
    {
        KimenetHook::clear();
        m_folder.reset();
    }

    void controls()
    {
        Tfrm_Kimenet dlg;
        QCOMPARE(dlg.objectName(), QStringLiteral("frm_Kimenet"));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Kimenet választás"));
        QCOMPARE(dlg.size(), QSize(267, 200));
        QCOMPARE(dlg.minimumSize(), dlg.maximumSize()); // not resizable
        auto *group = dlg.findChild<QGroupBox *>("RadioGroup1");
        QVERIFY(group);
        QCOMPARE(group->title(), QStringLiteral("Kimenet"));
        QCOMPARE(group->geometry(), QRect(8, 8, 249, 137));
        const QStringList captions{"Nyomtatási kép", "Nyomtatás", "Excel export (CSV)"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(item(&dlg, i)->text(), captions[i]);
            QCOMPARE(item(&dlg, i)->parentWidget(), group);
            QCOMPARE(item(&dlg, i)->isChecked(), i == 0);
        }
        auto *ok = dlg.findChild<QPushButton *>("Button1");
        auto *cancel = dlg.findChild<QPushButton *>("Button2");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->geometry(), QRect(88, 160, 75, 25));
        QVERIFY(ok->isDefault());
        QCOMPARE(cancel->text(), QStringLiteral("Mégsem"));
        QCOMPARE(cancel->geometry(), QRect(172, 160, 75, 25));
        QCOMPARE(dlg.choice(), 0);
    }

    void okGivesTheChoice_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("enterKey");
        QTest::newRow("preview, OK clicked") << 0 << false;
        QTest::newRow("print, OK clicked") << 1 << false;
        QTest::newRow("CSV, OK clicked") << 2 << false;
        QTest::newRow("print, Enter") << 1 << true;
        QTest::newRow("CSV, Enter") << 2 << true;
    }
    void okGivesTheChoice()
    {
        QFETCH(int, choice);
        QFETCH(bool, enterKey);
        int result = -2;
        QVERIFY(driveModal([&] { result = KimenetValaszt(); },
                           [&](QDialog *dlg) {
                               pick(dlg, choice);
                               if (enterKey)
                                   QTest::keyClick(item(dlg, choice), Qt::Key_Return);
                               else
                                   QTest::mouseClick(dlg->findChild<QPushButton *>("Button1"),
                                                     Qt::LeftButton);
                           }));
        QCOMPARE(result, choice);
    }

    void cancelGivesMinusOne_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Mégsem") << "button";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("close box") << "close";
    }
    void cancelGivesMinusOne()
    {
        QFETCH(QString, how);
        int result = -2;
        QVERIFY(driveModal([&] { result = KimenetValaszt(); },
                           [&](QDialog *dlg) {
                               pick(dlg, 2);
                               if (how == "button")
                                   QTest::mouseClick(dlg->findChild<QPushButton *>("Button2"),
                                                     Qt::LeftButton);
                               else if (how == "esc")
                                   QTest::keyClick(dlg, Qt::Key_Escape);
                               else
                                   dlg->close();
                           }));
        QCOMPARE(result, -1);
    }

    void everyCallStartsWithTheFirstChoice()
    {
        int result = -2;
        QVERIFY(driveModal([&] { result = KimenetValaszt(); },
                           [&](QDialog *dlg) {
                               pick(dlg, 2);
                               dlg->accept();
                           }));
        QCOMPARE(result, 2);
        bool firstChecked = false;
        QVERIFY(driveModal([&] { result = KimenetValaszt(); },
                           [&](QDialog *dlg) {
                               firstChecked = item(dlg, 0)->isChecked();
                               dlg->accept();
                           }));
        QVERIFY(firstChecked);
        QCOMPARE(result, 0);
    }

    void placeRememberedAndFontSizeTaken()
    {
        Beall().Betumeret = 12;
        QPoint moved;
        QVERIFY(driveModal([&] { KimenetValaszt(); },
                           [&](QDialog *dlg) {
                               QCOMPARE(dlg->font().pointSize(), 12);
                               dlg->move(dlg->x() + 37, dlg->y() + 21);
                               moved = dlg->pos();
                               dlg->reject();
                           }));
        int left = -1, top = -1;
        AblakHelyBetolt("frm_Kimenet", left, top);
        QCOMPARE(QPoint(left, top), moved);
        QPoint shownAt;
        QVERIFY(driveModal([&] { KimenetValaszt(); },
                           [&](QDialog *dlg) {
                               shownAt = dlg->pos();
                               dlg->reject();
                           }));
        QCOMPARE(shownAt, moved);
        Beall().Betumeret = 9;
    }

    void hookAnswersWithoutShowing()
    {
        KimenetHook::expect(2);
        KimenetHook::expect(-1);
        QCOMPARE(KimenetValaszt(), 2);
        QCOMPARE(KimenetValaszt(), -1);
        QCOMPARE(KimenetHook::asked(), 2);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(tst_Kimenet)
#include "tst_kimenet.moc"
