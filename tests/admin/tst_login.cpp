// The login dialog: the exact-case credential check, one log row per attempt,
// the password change and the keyboard of the dialog.
#include "admin/Login.h"
#include "platform/db/DataFolder.h"
#include "platform/db/DataSet.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The log as "code:flag" in the order of the attempts.
QStringList naplo()
{
    QStringList rows;
    Db::Statement st("SELECT felhasznalo, sikeres FROM naplo ORDER BY naplo");
    while (st.step())
        rows << st.column(0).toString() + ":" + st.column(1).toString();
    return rows;
}

QString jelszo(const QString &user)
{
    return Db::scalar("SELECT jelszo FROM felhasznalo WHERE felhasznalo = ?", {user}).toString();
}

// Answers the next input dialogs in turn: a text is typed and OK pressed, a
// null text presses Mégsem. Sets *asked to the number of dialogs that came.
// The answering ends with owner.
void answerInputs(QObject *owner, const QStringList &answers, int *asked)
{
    *asked = 0;
    QTimer *t = new QTimer(owner);
    auto remaining = std::make_shared<QStringList>(answers);
    QObject::connect(t, &QTimer::timeout, [t, remaining, asked] {
        QWidget *w = QApplication::activeModalWidget();
        auto *edit = w ? w->findChild<QLineEdit *>("edtErtek") : nullptr;
        if (!edit)
            return;
        ++*asked;
        const QString answer = remaining->takeFirst();
        if (answer.isNull()) {
            w->findChild<QPushButton *>("btnMegsem")->click();
        } else {
            edit->setText(answer);
            w->findChild<QPushButton *>("btnOK")->click();
        }
        if (remaining->isEmpty())
            t->deleteLater();
    });
    t->start(20);
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void attempt_data();
    void attempt();
    void failuresThenSuccessLogFourRows();
    void cancelEndsWithoutLogin();
    void passwordChange();
    void passwordChangeWithWrongPassword();
    void passwordChangeMismatch();
    void passwordChangeCancelled();
    void enterMovesOnAndPressesButtons();

private:
    void type(const QString &user, const QString &password);
    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<Tfrm_Login> m_dlg;
};

void TestLogin::initTestCase() { installWidgetBehaviour(); }

void TestLogin::init()
{
    m_folder = std::make_unique<TestDataFolder>();
    Db::exec("INSERT INTO felhasznalo (felhasznalo, felhasznalo_nev, jelszo) VALUES ('kata', 'Kata', NULL)");
    MessageBoxHook::arm();
    m_dlg = std::make_unique<Tfrm_Login>();
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
}

void TestLogin::cleanup()
{
    m_dlg.reset();
    MessageBoxHook::clear();
    m_folder.reset();
}

void TestLogin::type(const QString &user, const QString &password)
{
    m_dlg->findChild<QLineEdit *>("edtFelhasznalo")->setText(user);
    m_dlg->findChild<QLineEdit *>("edtJelszo")->setText(password);
}

void TestLogin::attempt_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("right code and password") << "rendszergazda" << DataFolder::DefaultPassword << true;
    QTest::newRow("code in another letter case") << "Rendszergazda" << DataFolder::DefaultPassword << false;
    QTest::newRow("password in another letter case") << "rendszergazda" << "VORN" << false;
    QTest::newRow("no such user") << "senki" << "x" << false;
    QTest::newRow("empty password against a null one") << "kata" << "" << false;
}

void TestLogin::attempt()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    type(user, password);
    m_dlg->findChild<QPushButton *>("btnOK")->click();
    QCOMPARE(m_dlg->belepett(), accepted);
    QCOMPARE(m_dlg->result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(m_dlg->isVisible(), !accepted);
    QCOMPARE(naplo(), QStringList{user + (accepted ? ":I" : ":N")});
    if (accepted) {
        QVERIFY(MessageBoxHook::shown().isEmpty());
    } else {
        QCOMPARE(MessageBoxHook::shown().size(), 1);
        QCOMPARE(MessageBoxHook::shown()[0].caption, QString("Hiba"));
        QCOMPARE(MessageBoxHook::shown()[0].text, QString("Érvénytelen felhasználó, vagy jelszó"));
    }
    const QDateTime at = Db::scalar("SELECT datum FROM naplo").toDateTime();
    QVERIFY(qAbs(at.secsTo(QDateTime::currentDateTime())) < 60);
}

void TestLogin::failuresThenSuccessLogFourRows()
{
    for (const QString &p : {"a", "b", "c"}) {
        type("rendszergazda", p);
        m_dlg->findChild<QPushButton *>("btnOK")->click();
        QVERIFY(m_dlg->isVisible());
    }
    type("rendszergazda", DataFolder::DefaultPassword);
    m_dlg->findChild<QPushButton *>("btnOK")->click();
    QCOMPARE(naplo(), QStringList({"rendszergazda:N", "rendszergazda:N", "rendszergazda:N", "rendszergazda:I"}));
    QVERIFY(m_dlg->belepett());
}

void TestLogin::cancelEndsWithoutLogin()
{
    type("rendszergazda", DataFolder::DefaultPassword);
    QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
    QCOMPARE(m_dlg->result(), int(QDialog::Rejected));
    QVERIFY(!m_dlg->belepett());
    QVERIFY(naplo().isEmpty());
}

void TestLogin::passwordChange()
{
    type("rendszergazda", DataFolder::DefaultPassword);
    int asked = 0;
    answerInputs(m_dlg.get(), {"ujjelszo1234", "ujjelszo1234"}, &asked);
    m_dlg->findChild<QPushButton *>("btnUjJelszo")->click();
    QCOMPARE(asked, 2);
    QCOMPARE(jelszo("rendszergazda"), QString("ujjelszo12"));  // the first 10 characters
    QCOMPARE(MessageBoxHook::shown().size(), 1);
    QCOMPARE(MessageBoxHook::shown()[0].caption, QString("Üzenet"));
    QCOMPARE(MessageBoxHook::shown()[0].text, QString("Jelszó változtatás kész."));
    QVERIFY(naplo().isEmpty());  // a password change is no login attempt
    // Still open, still holding the old password: OK now fails.
    QVERIFY(m_dlg->isVisible());
    m_dlg->findChild<QPushButton *>("btnOK")->click();
    QVERIFY(!m_dlg->belepett());
    type("rendszergazda", "ujjelszo12");
    m_dlg->findChild<QPushButton *>("btnOK")->click();
    QVERIFY(m_dlg->belepett());
}

void TestLogin::passwordChangeWithWrongPassword()
{
    type("rendszergazda", "rossz");
    int asked = 0;
    answerInputs(m_dlg.get(), {"x", "x"}, &asked);
    m_dlg->findChild<QPushButton *>("btnUjJelszo")->click();
    QTest::qWait(100);
    QCOMPARE(asked, 0);
    QCOMPARE(MessageBoxHook::shown().size(), 1);
    QCOMPARE(MessageBoxHook::shown()[0].text, QString("Érvénytelen felhasználó, vagy jelszó"));
    QCOMPARE(jelszo("rendszergazda"), QString(DataFolder::DefaultPassword));
    QVERIFY(naplo().isEmpty());
}

void TestLogin::passwordChangeMismatch()
{
    type("rendszergazda", DataFolder::DefaultPassword);
    int asked = 0;
    answerInputs(m_dlg.get(), {"egyik", "masik"}, &asked);
    m_dlg->findChild<QPushButton *>("btnUjJelszo")->click();
    QCOMPARE(asked, 2);
    QCOMPARE(MessageBoxHook::shown().size(), 1);
    QCOMPARE(MessageBoxHook::shown()[0].text, QString("A megadott jelszavak nem egyezőek"));
    QCOMPARE(jelszo("rendszergazda"), QString(DataFolder::DefaultPassword));
}

void TestLogin::passwordChangeCancelled()
{
    type("rendszergazda", DataFolder::DefaultPassword);
    int asked = 0;
    answerInputs(m_dlg.get(), {"uj", QString()}, &asked);
    m_dlg->findChild<QPushButton *>("btnUjJelszo")->click();
    QCOMPARE(asked, 2);
    QVERIFY(MessageBoxHook::shown().isEmpty());
    QCOMPARE(jelszo("rendszergazda"), QString(DataFolder::DefaultPassword));
}

void TestLogin::enterMovesOnAndPressesButtons()
{
    auto *user = m_dlg->findChild<QLineEdit *>("edtFelhasznalo");
    auto *password = m_dlg->findChild<QLineEdit *>("edtJelszo");
    user->setFocus();
    QTRY_VERIFY(user->hasFocus());
    QTest::keyClicks(user, "rendszergazda");
    QTest::keyClick(user, Qt::Key_Return);
    QTRY_VERIFY(password->hasFocus());
    QTest::keyClicks(password, DataFolder::DefaultPassword);
    QTest::keyClick(password, Qt::Key_Return);
    auto *ok = m_dlg->findChild<QPushButton *>("btnOK");
    QTRY_VERIFY(ok->hasFocus());
    QVERIFY(naplo().isEmpty());  // no default button: Enter only moved on so far
    QTest::keyClick(ok, Qt::Key_Return);
    QVERIFY(m_dlg->belepett());
    QCOMPARE(naplo(), QStringList{"rendszergazda:I"});
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
