// The top-level handler: an error thrown from any event handler is shown in the
// error box, the action ends and the program keeps handling events.
#include "foundation/Error.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageBoxes.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

class tst_UiApplication : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { MessageBoxHook::clear(); }

    void errorsOfEventHandlersReachTheErrorBox_data()
    {
        QTest::addColumn<Thrower>("thrower");
        QTest::addColumn<QString>("message");
        QTest::newRow("VornError") << Thrower([] { throw VornError("A tábla zárolt."); })
                                   << "A tábla zárolt.";
        QTest::newRow("std::exception")
            << Thrower([] { throw std::runtime_error("Nyomtató hiba: ő"); }) << "Nyomtató hiba: ő";
    }
    void errorsOfEventHandlersReachTheErrorBox()
    {
        QFETCH(Thrower, thrower);
        QFETCH(QString, message);
        MessageBoxHook::arm();
        bool after = false, later = false;
        QTimer::singleShot(0, [&] {
            thrower();
            after = true; // the action ends where it failed
        });
        QTimer::singleShot(0, [&] { later = true; });
        QTRY_VERIFY(later);
        QVERIFY(!after);
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::shown().first().caption, QStringLiteral("Hiba"));
        QCOMPARE(MessageBoxHook::shown().first().icon, QMessageBox::Critical);
        QCOMPARE(MessageBoxHook::shown().first().text, message);
    }

    void errorOfAClickedButton()
    {
        MessageBoxHook::arm();
        QPushButton button("Mentés");
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            throw VornError("Hiányos adat megadás");
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton); // the button still works
        QCOMPARE(clicks, 2);
        QCOMPARE(MessageBoxHook::shown().size(), 2);
        QCOMPARE(MessageBoxHook::shown().last().text, QStringLiteral("Hiányos adat megadás"));
        QVERIFY(!button.isDown());
    }

    void qtSpeaksHungarian()
    {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Mégse"));
    }
};

int main(int argc, char *argv[])
{
    VornApplication app(argc, argv);
    tst_UiApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ui_application.moc"
