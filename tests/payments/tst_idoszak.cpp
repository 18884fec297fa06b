// The period dialog: its four quick choices on any day (month ends, leap years,
// weeks across a year end), the one-month-back preset, and the dialog driven by
// keys and clicks: Enter order, OK and cancel, caption, focus colour, position.
#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "foundation/IniFile.h"
#include "foundation/Seged.h"
#include "payments/Idoszak.h"
#include "platform/ui/WidgetBehaviour.h"
#include "tests/support/TestSupport.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using Valasztas = Idokoz (*)(const QDate &);
Q_DECLARE_METATYPE(Valasztas)

namespace {

// The focused control by name; a date picker's inner edit counts as the picker.
QString fokusz()
{
    QWidget *w = QApplication::focusWidget();
    if (w && qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

} // namespace

class tst_Idoszak : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;

    // Runs IdoszakMegad over also and felso; act drives the dialog once it is up.
    bool megad(QDate &also, QDate &felso, const std::function<void(Tfrm_Idoszak *)> &act,
               const QString &felirat = {})
    {
        bool done = false;
        std::function<void()> poll = [&] {
            auto *dlg = qobject_cast<Tfrm_Idoszak *>(QApplication::activeModalWidget());
            if (!dlg || !dlg->isActiveWindow()) {
                QTimer::singleShot(10, poll);
                return;
            }
            act(dlg);
            done = true;
            if (dlg->isVisible()) // a check in act failed before it closed the dialog
                dlg->reject();
        };
        QTimer::singleShot(0, poll);
        const bool ok = IdoszakMegad(also, felso, felirat);
        if (!done)
            QTest::qFail("the dialog was never driven", __FILE__, __LINE__);
        return ok;
    }

    static QPushButton *gomb(Tfrm_Idoszak *dlg, const char *name)
    {
        return dlg->findChild<QPushButton *>(QLatin1String(name));
    }

private slots:
    void initTestCase() { installWidgetBehaviour(); }
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Beall() = TBeall();
    }
    void cleanup() { m_folder.reset(); }

    void quickChoices_data()
    {
        QTest::addColumn<Valasztas>("valasztas");
        QTest::addColumn<QDate>("ma");
        QTest::addColumn<QDate>("also");
        QTest::addColumn<QDate>("felso");
        const Valasztas het = EzAHet, honap = EzAHonap, mult = MultHonap, iden = Iden;
        QTest::newRow("week of a Monday, across the year end")
            << het << QDate(2024, 12, 30) << QDate(2024, 12, 30) << QDate(2025, 1, 5);
        QTest::newRow("week of a Friday 1 January")
            << het << QDate(2021, 1, 1) << QDate(2020, 12, 28) << QDate(2021, 1, 3);
        QTest::newRow("week of a Sunday ends that day")
            << het << QDate(2026, 3, 15) << QDate(2026, 3, 9) << QDate(2026, 3, 15);
        QTest::newRow("week of Thursday 31 December 2026")
            << het << QDate(2026, 12, 31) << QDate(2026, 12, 28) << QDate(2027, 1, 3);
        QTest::newRow("week of Friday 1 January 2027")
            << het << QDate(2027, 1, 1) << QDate(2026, 12, 28) << QDate(2027, 1, 3);
        QTest::newRow("week over 29 February")
            << het << QDate(2024, 2, 29) << QDate(2024, 2, 26) << QDate(2024, 3, 3);
        QTest::newRow("month, leap February")
            << honap << QDate(2024, 2, 10) << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("month, common February")
            << honap << QDate(2023, 2, 28) << QDate(2023, 2, 1) << QDate(2023, 2, 28);
        QTest::newRow("month, February of 1900")
            << honap << QDate(1900, 2, 1) << QDate(1900, 2, 1) << QDate(1900, 2, 28);
        QTest::newRow("month, February of 2000")
            << honap << QDate(2000, 2, 1) << QDate(2000, 2, 1) << QDate(2000, 2, 29);
        QTest::newRow("month of 30 days, on its last day")
            << honap << QDate(2026, 4, 30) << QDate(2026, 4, 1) << QDate(2026, 4, 30);
        QTest::newRow("month, December")
            << honap << QDate(2026, 12, 31) << QDate(2026, 12, 1) << QDate(2026, 12, 31);
        QTest::newRow("last month from 15 March, leap year")
            << mult << QDate(2024, 3, 15) << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("last month from 31 March, common year")
            << mult << QDate(2023, 3, 31) << QDate(2023, 2, 1) << QDate(2023, 2, 28);
        QTest::newRow("last month from January")
            << mult << QDate(2024, 1, 15) << QDate(2023, 12, 1) << QDate(2023, 12, 31);
        QTest::newRow("last month from 31 May")
            << mult << QDate(2026, 5, 31) << QDate(2026, 4, 1) << QDate(2026, 4, 30);
        QTest::newRow("last month from 1 August")
            << mult << QDate(2026, 8, 1) << QDate(2026, 7, 1) << QDate(2026, 7, 31);
        QTest::newRow("year, on 1 January")
            << iden << QDate(2027, 1, 1) << QDate(2027, 1, 1) << QDate(2027, 12, 31);
        QTest::newRow("year, on 31 December of a leap year")
            << iden << QDate(2024, 12, 31) << QDate(2024, 1, 1) << QDate(2024, 12, 31);
    }
    void quickChoices()
    {
        QFETCH(Valasztas, valasztas);
        QFETCH(QDate, ma);
        QFETCH(QDate, also);
        QFETCH(QDate, felso);
        const Idokoz k = valasztas(ma);
        QCOMPARE(k.also, also);
        QCOMPARE(k.felso, felso);
    }

    void everyWeekRunsMondayToSundayAroundToday()
    {
        // Every day of three years, leap year and two year ends included.
        for (QDate ma(2023, 12, 1); ma <= QDate(2026, 1, 31); ma = ma.addDays(1)) {
            const Idokoz k = EzAHet(ma);
            QCOMPARE(k.also.dayOfWeek(), 1);
            QCOMPARE(k.also.daysTo(k.felso), 6);
            QVERIFY2(k.also <= ma && ma <= k.felso, qPrintable(ma.toString(Qt::ISODate)));
            QCOMPARE(HetSzam(k.also), HetSzam(ma));
        }
    }

    void oneMonthBack_data()
    {
        QTest::addColumn<QDate>("nap");
        QTest::addColumn<QDate>("korabban");
        QTest::newRow("31 March, leap year") << QDate(2024, 3, 31) << QDate(2024, 2, 29);
        QTest::newRow("31 March, common year") << QDate(2023, 3, 31) << QDate(2023, 2, 28);
        QTest::newRow("30 March, common year") << QDate(2026, 3, 30) << QDate(2026, 2, 28);
        QTest::newRow("29 March, leap year") << QDate(2028, 3, 29) << QDate(2028, 2, 29);
        QTest::newRow("31 May") << QDate(2026, 5, 31) << QDate(2026, 4, 30);
        QTest::newRow("1 January") << QDate(2027, 1, 1) << QDate(2026, 12, 1);
        QTest::newRow("31 January") << QDate(2027, 1, 31) << QDate(2026, 12, 31);
        QTest::newRow("15 July") << QDate(2026, 7, 15) << QDate(2026, 6, 15);
        QTest::newRow("29 February") << QDate(2024, 2, 29) << QDate(2024, 1, 29);
    }
    void oneMonthBack()
    {
        QFETCH(QDate, nap);
        QFETCH(QDate, korabban);
        QCOMPARE(EgyHonappalKorabban(nap), korabban);
    }

    void layoutOfTheDialog()
    {
        Tfrm_Idoszak dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Időszak megadása"));
        QCOMPARE(dlg.size(), QSize(258, 296));
        QCOMPARE(dlg.also()->width(), 205);
        QCOMPARE(dlg.felso()->width(), 205);
        QVERIFY(dlg.also()->calendarPopup());
        QVERIFY(dlg.felso()->y() > dlg.also()->y());
        QStringList gombok;
        int y = -1;
        for (const char *name : {"Button3", "Button4", "Button5", "Button6"}) {
            QPushButton *b = gomb(&dlg, name);
            QVERIFY2(b, name);
            QCOMPARE(b->width(), 205);
            QVERIFY(b->y() > y); // one under the other
            y = b->y();
            gombok << b->text();
        }
        QCOMPARE(gombok, QStringList({"Ez a hét", "Ez a hónap", "Múlt hónap", "Idén"}));
        QCOMPARE(gomb(&dlg, "Button1")->text(), QStringLiteral("OK"));
        QCOMPARE(gomb(&dlg, "Button2")->text(), QStringLiteral("Mégsem"));
        dlg.also()->setDate(QDate(2026, 3, 5));
        QCOMPARE(dlg.also()->text(), QStringLiteral("2026. 03. 05."));
    }

    void quickChoiceSetsBothPickers_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("also");
        QTest::addColumn<QDate>("felso");
        QTest::newRow("Ez a hét") << "Button3" << QDate(2024, 2, 26) << QDate(2024, 3, 3);
        QTest::newRow("Ez a hónap") << "Button4" << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("Múlt hónap") << "Button5" << QDate(2024, 1, 1) << QDate(2024, 1, 31);
        QTest::newRow("Idén") << "Button6" << QDate(2024, 1, 1) << QDate(2024, 12, 31);
    }
    void quickChoiceSetsBothPickers()
    {
        QFETCH(QString, button);
        QFETCH(QDate, also);
        QFETCH(QDate, felso);
        QDate a(2020, 5, 5), f(2020, 6, 6);
        bool openAfterClick = false;
        const bool ok = megad(a, f, [&](Tfrm_Idoszak *dlg) {
            dlg->setMa(QDate(2024, 2, 29));
            QTest::mouseClick(gomb(dlg, qPrintable(button)), Qt::LeftButton);
            openAfterClick = dlg->isVisible();
            QCOMPARE(dlg->also()->date(), also);
            QCOMPARE(dlg->felso()->date(), felso);
            QTest::mouseClick(gomb(dlg, "Button1"), Qt::LeftButton);
        });
        QVERIFY(openAfterClick);
        QVERIFY(ok);
        QCOMPARE(a, also);
        QCOMPARE(f, felso);
    }

    void quickChoiceCountsFromTheCurrentDate()
    {
        Tfrm_Idoszak dlg;
        const QDate ma = QDate::currentDate();
        QTest::mouseClick(gomb(&dlg, "Button4"), Qt::LeftButton);
        if (QDate::currentDate() != ma)
            QSKIP("midnight passed during the test");
        QCOMPARE(dlg.also()->date(), EzAHonap(ma).also);
        QCOMPARE(dlg.felso()->date(), EzAHonap(ma).felso);
    }

    void cancelLeavesTheDates_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Mégsem") << "Mégsem";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "close";
    }
    void cancelLeavesTheDates()
    {
        QFETCH(QString, how);
        const QDate a0(2026, 2, 28), f0(2026, 3, 31);
        QDate a = a0, f = f0;
        const bool ok = megad(a, f, [&](Tfrm_Idoszak *dlg) {
            dlg->setMa(QDate(2024, 7, 10));
            QTest::mouseClick(gomb(dlg, "Button6"), Qt::LeftButton);
            QCOMPARE(dlg->also()->date(), QDate(2024, 1, 1));
            if (how == "Mégsem")
                QTest::mouseClick(gomb(dlg, "Button2"), Qt::LeftButton);
            else if (how == "Esc")
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else
                dlg->close();
        });
        QVERIFY(!ok);
        QCOMPARE(a, a0);
        QCOMPARE(f, f0);
    }

    void okReturnsTheTypedDatesUnchecked()
    {
        QDate a(2026, 1, 1), f(2026, 1, 31);
        QString caption;
        const bool ok = megad(a, f, [&](Tfrm_Idoszak *dlg) {
            caption = dlg->windowTitle();
            QCOMPARE(dlg->also()->date(), QDate(2026, 1, 1)); // preset from the caller
            QCOMPARE(dlg->felso()->date(), QDate(2026, 1, 31));
            QCOMPARE(fokusz(), QStringLiteral("eAlso"));
            dlg->also()->setDate(QDate(2027, 3, 15)); // after the to day
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(fokusz(), QStringLiteral("eFelso"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(fokusz(), QStringLiteral("Button1"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Enter presses OK
        });
        QVERIFY(ok);
        QCOMPARE(caption, QStringLiteral("Időszak megadása"));
        QCOMPARE(a, QDate(2027, 3, 15));
        QCOMPARE(f, QDate(2026, 1, 31));
    }

    void enterOrder()
    {
        QDate a(2026, 1, 1), f(2026, 1, 31);
        QStringList order;
        const bool ok = megad(a, f, [&](Tfrm_Idoszak *dlg) {
            order << fokusz();
            for (int i = 0; i < 7; ++i) {
                // Enter on a button would press it: move on with Tab from there.
                const bool button = qobject_cast<QPushButton *>(QApplication::focusWidget());
                QTest::keyClick(QApplication::focusWidget(), button ? Qt::Key_Tab : Qt::Key_Return);
                order << fokusz();
            }
            QCOMPARE(dlg->also()->date(), QDate(2026, 1, 1)); // nothing pressed on the way
            dlg->reject();
        });
        QVERIFY(!ok);
        QCOMPARE(order, QStringList({"eAlso", "eFelso", "Button1", "Button2", "Button3", "Button4", "Button5",
                                     "Button6"}));
    }

    void enterOnAQuickChoiceKeepsTheDialogOpen()
    {
        QDate a(2026, 1, 1), f(2026, 1, 31);
        const bool ok = megad(a, f, [&](Tfrm_Idoszak *dlg) {
            dlg->setMa(QDate(2026, 12, 31));
            gomb(dlg, "Button3")->setFocus();
            QTest::keyClick(gomb(dlg, "Button3"), Qt::Key_Return);
            QVERIFY(dlg->isVisible());
            QCOMPARE(dlg->also()->date(), QDate(2026, 12, 28));
            QCOMPARE(dlg->felso()->date(), QDate(2027, 1, 3));
            QTest::mouseClick(gomb(dlg, "Button1"), Qt::LeftButton);
        });
        QVERIFY(ok);
        QCOMPARE(a, QDate(2026, 12, 28));
        QCOMPARE(f, QDate(2027, 1, 3));
    }

    void captionOverride()
    {
        QDate a(2026, 1, 1), f(2026, 1, 31);
        QString caption;
        megad(
            a, f,
            [&](Tfrm_Idoszak *dlg) {
                caption = dlg->windowTitle();
                dlg->reject();
            },
            QStringLiteral("Fogások időszaka"));
        QCOMPARE(caption, QStringLiteral("Fogások időszaka"));
    }

    void pickersTurnBlueWhileFocused()
    {
        QDate a(2026, 1, 1), f(2026, 1, 31);
        QColor inAlso, inFelso, alsoAfter, normal;
        megad(a, f, [&](Tfrm_Idoszak *dlg) {
            normal = dlg->felso()->palette().color(QPalette::Base);
            inAlso = dlg->also()->palette().color(QPalette::Base);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            inFelso = dlg->felso()->palette().color(QPalette::Base);
            alsoAfter = dlg->also()->palette().color(QPalette::Base);
            dlg->reject();
        });
        QCOMPARE(inAlso, QColor(166, 202, 240));
        QCOMPARE(inFelso, QColor(166, 202, 240));
        QCOMPARE(alsoAfter, normal);
    }

    void positionAndFont()
    {
        {
            IniFile ini(folders().settingsFile);
            ini.setInt("frm_Idoszak", "Left", 123);
            ini.setInt("frm_Idoszak", "Top", 77);
            ini.save();
        }
        Beall().Betumeret = 12;
        QDate a(2026, 1, 1), f(2026, 1, 31);
        QPoint shownAt;
        int pointSize = 0;
        megad(a, f, [&](Tfrm_Idoszak *dlg) {
            shownAt = dlg->pos();
            pointSize = dlg->font().pointSize();
            dlg->move(150, 90);
            dlg->reject();
        });
        QCOMPARE(shownAt, QPoint(123, 77));
        QCOMPARE(pointSize, 12);
        const IniFile ini(folders().settingsFile);
        QCOMPARE(ini.intValue("frm_Idoszak", "Left", 0), 150);
        QCOMPARE(ini.intValue("frm_Idoszak", "Top", 0), 90);
    }
};

QTEST_MAIN(tst_Idoszak)
#include "tst_idoszak.moc"
