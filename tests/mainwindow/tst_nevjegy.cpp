// The about window and the information window of the help menu.
#include "mainwindow/Nevjegy.h"
#include "mainwindow/Readme.h"
#include "platform/db/Database.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

// Centred on the screen, up to the window frame, which only exists once shown.
bool centred(const QWidget &w)
{
    const QPoint off = w.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    const int frame = std::max(w.geometry().left() - w.frameGeometry().left(),
                               w.geometry().top() - w.frameGeometry().top());
    return std::abs(off.x()) <= frame + 1 && std::abs(off.y()) <= frame + 1;
}

} // namespace

class TestNevjegy : public QObject {
    Q_OBJECT
private slots:
    void aboutWindow();
    void aboutOkCloses_data();
    void aboutOkCloses();
    void readmeWindow();
    void readmeNamesTheInstalledLogin();
};

void TestNevjegy::aboutWindow()
{
    Tfrm_Nevjegy w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Névjegy"));
    QCOMPARE(w.minimumSize(), w.maximumSize()); // fixed border
    QVERIFY(centred(w));

    const auto *logo = w.findChild<QLabel *>("imgLogo");
    QVERIFY(logo);
    QCOMPARE(logo->pixmap().size(), QSize(400, 240));
    QVERIFY(!logo->pixmap().mask().isNull()); // its grey is transparent

    // Product and version on two lines, right-aligned to one edge, on light green.
    const auto *termek = w.findChild<QLabel *>("lblTermek");
    const auto *verzio = w.findChild<QLabel *>("lblVerzio");
    QCOMPARE(termek->text(), QStringLiteral("Vorn"));
    QCOMPARE(verzio->text(), QStringLiteral("V5.0.1.158"));
    QVERIFY(termek->alignment() & Qt::AlignRight);
    QVERIFY(verzio->alignment() & Qt::AlignRight);
    QCOMPARE(termek->geometry().right(), verzio->geometry().right());
    QVERIFY(termek->geometry().bottom() < verzio->geometry().top());
    const auto *panel = w.findChild<QWidget *>("pnlTermek");
    QCOMPARE(termek->parentWidget(), panel);
    QVERIFY(panel->autoFillBackground());
    const QColor green = panel->palette().color(QPalette::Window);
    QVERIFY(green.green() > green.red() && green.green() > green.blue() && green.lightness() > 160);

    QCOMPARE(w.findChild<QLabel *>("lblAlcim")->text(), QStringLiteral("Horgászegyesületi nyilvántartó"));
    const auto *elerhetoseg = w.findChild<QLabel *>("lblElerhetoseg");
    const auto *kapcsolat = w.findChild<QLabel *>("lblKapcsolat");
    QCOMPARE(elerhetoseg->text(), QStringLiteral("Elérhetőség"));
    QVERIFY(elerhetoseg->geometry().bottom() < kapcsolat->geometry().top());
    QVERIFY(kapcsolat->text().contains(Kelvar::Email));
    QVERIFY(kapcsolat->text().contains(Kelvar::Honlap));
    QVERIFY(QString(Kelvar::Level).startsWith(QStringLiteral("mailto:%1?subject=").arg(Kelvar::Email)));

    // Nothing is cut off: every label gets the room its text needs.
    for (const QLabel *l : w.findChildren<QLabel *>())
        QVERIFY2(l->width() >= l->sizeHint().width() && l->height() >= l->sizeHint().height(),
                 qPrintable(l->objectName()));
}

void TestNevjegy::aboutOkCloses_data()
{
    QTest::addColumn<bool>("click");
    QTest::newRow("OK clicked") << true;
    QTest::newRow("Enter, OK is the default") << false;
}

void TestNevjegy::aboutOkCloses()
{
    QFETCH(bool, click);
    Tfrm_Nevjegy w;
    int result = -1;
    QTimer::singleShot(0, &w, [&] {
        auto *ok = w.findChild<QPushButton *>("btnOK");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        if (click)
            ok->click();
        else
            QTest::keyClick(&w, Qt::Key_Return);
    });
    result = w.exec();
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!w.isVisible());
}

void TestNevjegy::readmeWindow()
{
    Tfrm_Readme w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Fontos információk"));
    QVERIFY(centred(w));
    auto *text = w.findChild<QPlainTextEdit *>("memReadme");
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(text->verticalScrollBar()->isVisible());
    QCOMPARE(text->geometry(), w.rect()); // fills the window
    w.resize(300, 200);
    QCOMPARE(text->geometry(), w.rect());

    const QStringList lines = text->toPlainText().split('\n');
    QCOMPARE(lines.mid(0, 4),
             (QStringList{QStringLiteral("Vorn - Horgászegyesületi nyilvántartó program"), QString(18, '-'),
                          QStringLiteral("Fontos információk"), QString(18, '-')}));
}

void TestNevjegy::readmeNamesTheInstalledLogin()
{
    // The login a new installation comes with, read from its user table.
    TestDataFolder data;
    const QString user = "rendszergazda";
    const QString password =
        Db::scalar("SELECT jelszo FROM felhasznalo WHERE felhasznalo = ?", {user}).toString();
    QVERIFY(!password.isEmpty());

    const QStringList lines = Tfrm_Readme::szoveg().split('\n');
    const int at = lines.indexOf(QStringLiteral("A program belépési kódjai alapértelmezésben"));
    QVERIFY(at > 3);
    QVERIFY(lines.value(at + 1).trimmed().endsWith(": " + user));
    QVERIFY(lines.value(at + 2).trimmed().endsWith(": " + password));
    QCOMPARE(lines.value(at + 3),
             QStringLiteral("A felhasználó, és jelszó megadásánál a kis, és nagybetű különbsége fontos."));
}

QTEST_MAIN(TestNevjegy)
#include "tst_nevjegy.moc"
