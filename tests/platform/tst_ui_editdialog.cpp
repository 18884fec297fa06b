// The edit dialogs' base: the place remembered under the window name, the
// program font size on every show, and the font-size helper on its own.
#include "platform/ui/EditDialog.h"

#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "foundation/IniFile.h"
#include "foundation/Seged.h"
#include "tests/support/TestSupport.h"

#include <QTest>
#include <memory>

namespace {

const QString Name = QStringLiteral("frm_Proba");

enum class Close { Accept, Reject, CloseBox };

void closeDialog(QDialog &d, Close how)
{
    switch (how) {
    case Close::Accept: d.accept(); break;
    case Close::Reject: d.reject(); break;
    case Close::CloseBox: d.close(); break;
    }
}

QPoint storedPlace(const QString &section)
{
    const IniFile ini(folders().settingsFile);
    return QPoint(ini.intValue(section, QStringLiteral("Left"), -1), ini.intValue(section, QStringLiteral("Top"), -1));
}

} // namespace

Q_DECLARE_METATYPE(Close)

class TestEditDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDataFolder> m_folder;
    int m_betumeret = 9;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        m_betumeret = Beall().Betumeret;
    }

    void cleanup()
    {
        Beall().Betumeret = m_betumeret;
        m_folder.reset();
    }

    void showRestoresPlaceAndFontSize_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<int>("size");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("saved place, size 8") << true << QPoint(30, 40) << 8 << QPoint(30, 40);
        QTest::newRow("saved place, size 14") << true << QPoint(250, 120) << 14 << QPoint(250, 120);
        QTest::newRow("nothing saved") << false << QPoint() << 10 << QPoint(10, 10);
    }

    void showRestoresPlaceAndFontSize()
    {
        QFETCH(bool, saved);
        QFETCH(QPoint, place);
        QFETCH(int, size);
        QFETCH(QPoint, expected);
        if (saved)
            AblakHelyMent(Name, place.x(), place.y());
        Beall().Betumeret = size;
        EditDialog d(Name);
        d.setFont(QFont(QStringLiteral("Tahoma"), 7));
        d.resize(200, 100);
        QCOMPARE(d.objectName(), Name);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.pos(), expected);
        QCOMPARE(d.font().pointSize(), size);
        QCOMPARE(d.font().family(), QStringLiteral("Tahoma"));
        d.reject();
    }

    // The stored place wins over QDialog's centring over the parent.
    void storedPlaceWinsOverTheParent()
    {
        QWidget parent;
        parent.setGeometry(400, 300, 600, 500);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        AblakHelyMent(Name, 20, 25);
        EditDialog d(Name, &parent);
        d.resize(200, 100);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.pos(), QPoint(20, 25));
        d.reject();
    }

    void doneStoresPlace_data()
    {
        QTest::addColumn<Close>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("accept") << Close::Accept << int(QDialog::Accepted);
        QTest::newRow("reject") << Close::Reject << int(QDialog::Rejected);
        QTest::newRow("close box") << Close::CloseBox << int(QDialog::Rejected);
    }

    void doneStoresPlace()
    {
        QFETCH(Close, how);
        QFETCH(int, result);
        AblakHelyMent(QStringLiteral("frm_Masik"), 1, 2);
        EditDialog d(Name);
        d.resize(200, 100);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.move(77, 88);
        closeDialog(d, how);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), result);
        QCOMPARE(storedPlace(Name), QPoint(77, 88));
        QCOMPARE(storedPlace(QStringLiteral("frm_Masik")), QPoint(1, 2)); // another window's place stays
    }

    void secondShowDoesNotDrift()
    {
        AblakHelyMent(Name, 40, 50);
        Beall().Betumeret = 8;
        EditDialog d(Name);
        d.resize(200, 100);
        for (int i = 0; i < 3; ++i) {
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
            QCOMPARE(d.pos(), QPoint(40, 50));
            d.accept();
            QCOMPARE(storedPlace(Name), QPoint(40, 50));
        }
        // A place changed while open is the next show's place; a changed font size is taken too.
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.move(90, 60);
        d.reject();
        Beall().Betumeret = 10;
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.pos(), QPoint(90, 60));
        QCOMPARE(d.font().pointSize(), 10);
        d.reject();
        QCOMPARE(storedPlace(Name), QPoint(90, 60));
    }

    void applyProgramFontSizeKeepsTheFamily_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("8") << 8;
        QTest::newRow("10") << 10;
        QTest::newRow("14") << 14;
    }

    void applyProgramFontSizeKeepsTheFamily()
    {
        QFETCH(int, size);
        Beall().Betumeret = size;
        QWidget w;
        QFont f(QStringLiteral("Arial"), 11);
        f.setBold(true);
        w.setFont(f);
        applyProgramFontSize(&w);
        QCOMPARE(w.font().pointSize(), size);
        QCOMPARE(w.font().family(), QStringLiteral("Arial"));
        QVERIFY(w.font().bold());
    }
};

QTEST_MAIN(TestEditDialog)
#include "tst_ui_editdialog.moc"
