#include "admin/Login.h"

#include "foundation/Schema.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/SzovegBeker.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

Tfrm_Login::Tfrm_Login(QWidget *parent) : QDialog(parent), m_felhasznalo(new DataSet(this))
{
    setObjectName("frm_Login");
    setWindowTitle(QStringLiteral("Belépés azonosítás"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(256, 127);
    setFont(QFont("Tahoma", 8));

    auto *lblFelhasznalo = new QLabel(QStringLiteral("Felhasználó"), this);
    lblFelhasznalo->setGeometry(16, 16, 80, 16);
    edtFelhasznalo = new QLineEdit(this);
    edtFelhasznalo->setObjectName("edtFelhasznalo");
    edtFelhasznalo->setGeometry(96, 13, 149, 21);
    // The log keeps the code as typed, so it cannot be longer than a stored code.
    edtFelhasznalo->setMaxLength(Schema::width("naplo", "felhasznalo"));

    auto *lblJelszo = new QLabel(QStringLiteral("Jelszó"), this);
    lblJelszo->setGeometry(16, 46, 80, 16);
    edtJelszo = new QLineEdit(this);
    edtJelszo->setObjectName("edtJelszo");
    edtJelszo->setGeometry(96, 43, 149, 21);
    edtJelszo->setEchoMode(QLineEdit::Password);
    lblFelhasznalo->setBuddy(edtFelhasznalo);
    lblJelszo->setBuddy(edtJelszo);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setGeometry(8, 88, 75, 25);
    btnUjJelszo = new QPushButton(QStringLiteral("Új jelszó"), this);
    btnUjJelszo->setObjectName("btnUjJelszo");
    btnUjJelszo->setGeometry(90, 88, 75, 25);
    btnMegsem = new QPushButton(QStringLiteral("Mégsem"), this);
    btnMegsem->setObjectName("btnMegsem");
    btnMegsem->setGeometry(172, 88, 75, 25);
    // None of the buttons is the default one: Enter moves on, Esc cancels.
    for (QPushButton *b : {btnOK, btnUjJelszo, btnMegsem}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    setTabOrder(edtFelhasznalo, edtJelszo);
    setTabOrder(edtJelszo, btnOK);
    setTabOrder(btnOK, btnUjJelszo);
    setTabOrder(btnUjJelszo, btnMegsem);
    edtFelhasznalo->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &Tfrm_Login::Belepes);
    connect(btnUjJelszo, &QPushButton::clicked, this, &Tfrm_Login::UjJelszo);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Tfrm_Login::~Tfrm_Login() = default;

void Tfrm_Login::showEvent(QShowEvent *e)
{
    m_felhasznalo->setTable("felhasznalo");
    m_felhasznalo->open();
    QDialog::showEvent(e);
}

void Tfrm_Login::hideEvent(QHideEvent *e)
{
    m_felhasznalo->close();
    QDialog::hideEvent(e);
}

bool Tfrm_Login::Ellenoriz()
{
    // Letter case counts in both the code and the password; a null password matches nothing.
    m_felhasznalo->refresh();
    if (m_felhasznalo->locate("felhasznalo", edtFelhasznalo->text())) {
        const QVariant jelszo = m_felhasznalo->value("jelszo");
        if (!jelszo.isNull() && jelszo.toString() == edtJelszo->text())
            return true;
    }
    HibaUzenet(QStringLiteral("Érvénytelen felhasználó, vagy jelszó"), this);
    return false;
}

void Tfrm_Login::Belepes()
{
    DataSet naplo;
    naplo.setTable("naplo");
    naplo.open();
    naplo.insert();
    naplo.setValue("felhasznalo", edtFelhasznalo->text());
    naplo.setValue("datum", QDateTime::currentDateTime());
    m_belepett = Ellenoriz();
    naplo.setValue("sikeres", m_belepett ? "I" : "N");
    naplo.post();  // one committed transaction: on disk when it returns
    naplo.close();
    if (m_belepett)
        accept();
}

void Tfrm_Login::UjJelszo()
{
    if (!Ellenoriz())
        return;
    QString uj, ujra;
    if (!SzovegBeker(QStringLiteral("Jelszó megadása"), QStringLiteral("Add meg az új jelszót"), QString(), uj, this))
        return;
    if (!SzovegBeker(QStringLiteral("Megerősítés"), QStringLiteral("Add újra az új jelszót"), QString(), ujra, this))
        return;
    if (uj != ujra) {
        HibaUzenet(QStringLiteral("A megadott jelszavak nem egyezőek"), this);
        return;
    }
    m_felhasznalo->edit();
    // A longer password is stored as its first characters, as many as the field holds.
    m_felhasznalo->setValue("jelszo", uj.left(Schema::width("felhasznalo", "jelszo")));
    try {
        m_felhasznalo->post();
    } catch (...) {
        m_felhasznalo->cancel();
        throw;
    }
    InfoUzenet(QStringLiteral("Jelszó változtatás kész."), this);
}
