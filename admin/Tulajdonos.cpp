#include "admin/Tulajdonos.h"

#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/BoundControls.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QLabel>
#include <QPushButton>

Tfrm_Tulajdonos::Tfrm_Tulajdonos(DataSet *tulajdonos, QWidget *parent)
    : EditDialog(QStringLiteral("frm_Tulajdonos"), parent), m_tulajdonos(tulajdonos)
{
    setWindowTitle(QStringLiteral("Egyesület adatai"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(404, 292);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    struct Mezo {
        const char *name;
        const char *field;
        const char *caption;
        int x, y, w;
    };
    // In tab order; each field's width limits what can be typed.
    const Mezo mezok[] = {
        {"DBEdit1", "tulajdonos", "egyesület neve", 16, 24, 373},
        {"DBEdit2", "irsz", "irsz.", 16, 72, 53},
        {"DBEdit3", "varos", "város", 76, 72, 181},
        {"DBEdit4", "cim", "cím", 16, 120, 373},
        {"DBEdit5", "telefon", "telefon", 16, 168, 121},
        {"DBEdit6", "mobil", "mobil", 142, 168, 121},
        {"DBEdit7", "fax", "fax", 268, 168, 121},
        {"DBEdit8", "adoszam", "adószám", 16, 216, 97},
        {"DBEdit9", "bankszamlaszam", "bankszámlaszám", 120, 216, 185},
    };
    QWidget *elozo = nullptr;
    for (const Mezo &m : mezok) {
        auto *e = new BoundLineEdit(this);
        e->setObjectName(QLatin1String(m.name));
        e->setGeometry(m.x, m.y, m.w, 21);
        e->bind(tulajdonos, QLatin1String(m.field));
        auto *l = new QLabel(QString::fromUtf8(m.caption), this);
        l->setGeometry(m.x, m.y - 16, m.w, 16);
        l->setBuddy(e);
        if (elozo)
            setTabOrder(elozo, e);
        elozo = e;
    }

    auto *btnOK = addButton(QStringLiteral("btnOK"), QStringLiteral("OK"), {232, 256, 75, 25});
    auto *btnMegsem = addButton(QStringLiteral("btnMegsem"), QStringLiteral("Mégsem"), {314, 256, 75, 25});
    // No default button: Enter moves on or presses the focused button.
    setTabOrder(elozo, btnOK);
    setTabOrder(btnOK, btnMegsem);
    connect(btnOK, &QPushButton::clicked, this, &Tfrm_Tulajdonos::Rendben);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
    findChild<QWidget *>(QStringLiteral("DBEdit1"))->setFocus();
}

void Tfrm_Tulajdonos::Rendben()
{
    // The name is the table's key and the reports' heading: refuse a missing or blank one plainly.
    if (NullSzoveg(m_tulajdonos->value("tulajdonos"), QString()).trimmed().isEmpty()) {
        HibaUzenet(QStringLiteral("Az egyesület nevét meg kell adni."), this);
        findChild<QWidget *>(QStringLiteral("DBEdit1"))->setFocus();
        return;
    }
    if (postRow(*m_tulajdonos))
        accept();
}

bool TulajdonosSzerkeszt(QWidget *owner)
{
    DataSet tulajdonos;
    tulajdonos.setTable(QStringLiteral("tulajdonos"));
    tulajdonos.open();
    tulajdonos.edit(); // an empty table starts a new row
    Tfrm_Tulajdonos dlg(&tulajdonos, owner);
    const bool ok = dlg.exec() == QDialog::Accepted;
    tulajdonos.cancel(); // nothing left to cancel after a post
    return ok;
}
