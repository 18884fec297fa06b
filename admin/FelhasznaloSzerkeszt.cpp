#include "admin/FelhasznaloSzerkeszt.h"

#include "foundation/Schema.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/BoundControls.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

// The dialog's decoration: a person in front of a key.
QPixmap felhasznaloKep()
{
    QPixmap kep(48, 48);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 110, 20), 3));
    p.drawEllipse(QRectF(27, 5, 12, 12));
    p.drawLine(QPointF(33, 17), QPointF(33, 40));
    p.drawLine(QPointF(33, 33), QPointF(38, 33));
    p.drawLine(QPointF(33, 38), QPointF(38, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 100, 160));
    p.drawEllipse(QRectF(8, 10, 15, 15));
    QPainterPath torzs;
    torzs.moveTo(2, 46);
    torzs.cubicTo(2, 26, 29, 26, 29, 46);
    torzs.closeSubpath();
    p.drawPath(torzs);
    return kep;
}

QLabel *felirat(QWidget *dlg, const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text, dlg);
    l->setGeometry(buddy->x(), buddy->y() - 16, buddy->width(), 16);
    l->setBuddy(buddy);
    return l;
}

} // namespace

Tfrm_FelhasznaloSzerkeszt::Tfrm_FelhasznaloSzerkeszt(DataSet *felhasznalo, QWidget *parent)
    : EditDialog("frm_FelhasznaloSzerkeszt", parent), m_felhasznalo(felhasznalo)
{
    setWindowTitle(QStringLiteral("Felhasználó adatainak szerkesztése"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(302, 257);
    setFont(QFont("Tahoma"));

    auto *Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(felhasznaloKep());
    Image1->setGeometry(240, 12, 48, 48);

    auto edit = [this](const char *name, int x, int y, int w, const QString &label) {
        auto *e = new BoundLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(x, y, w, 21);
        felirat(this, label, e);
        return e;
    };
    auto jelolo = [this](const char *name, int y, const QString &caption, const char *field) {
        auto *c = new BoundCheckBox(caption, this);
        c->setObjectName(QLatin1String(name));
        c->setLayoutDirection(Qt::RightToLeft); // the caption at the left of the box
        c->move(12, y);
        c->bind(m_felhasznalo, QLatin1String(field));
        m_jelolok << c;
        return c;
    };

    BoundLineEdit *DBEdit1 = edit("DBEdit1", 12, 28, 150, QStringLiteral("kód"));
    DBEdit1->bind(felhasznalo, "felhasznalo");
    BoundCheckBox *DBCheckBox1 = jelolo("DBCheckBox1", 62, QStringLiteral("Rendszergazda"), "rendszergazda");
    BoundCheckBox *DBCheckBox2 =
        jelolo("DBCheckBox2", 86, QStringLiteral("Törzsadat szerkesztés"), "torzsszerkeszt");
    BoundLineEdit *DBEdit3 = edit("DBEdit3", 12, 128, 277, QStringLiteral("felhasználó"));
    DBEdit3->bind(felhasznalo, "felhasznalo_nev");
    // The field keeps the first characters of a longer password: its edit takes no more.
    BoundLineEdit *DBEdit2 = edit("DBEdit2", 12, 172, 130, QStringLiteral("Jelszó"));
    DBEdit2->bind(felhasznalo, "jelszo");
    DBEdit2->setEchoMode(QLineEdit::Password);
    // The repetition takes as many characters as the password, so that a long
    // password typed alike twice compares equal.
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(159, 172, 130, 21);
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setMaxLength(Schema::width("felhasznalo", "jelszo"));
    felirat(this, QStringLiteral("Jelszó még egyszer"), Edit1);

    auto *btnOK = addButton(QStringLiteral("btnOK"), QStringLiteral("OK"), {130, 220, 75, 25});
    auto *btnCancel = addButton(QStringLiteral("btnCancel"), QStringLiteral("Mégsem"), {214, 220, 75, 25});

    const QList<QWidget *> sorrend{DBEdit1, DBCheckBox1, DBCheckBox2, DBEdit3,
                                   DBEdit2, Edit1,       btnOK,       btnCancel};
    for (int i = 1; i < sorrend.size(); ++i)
        setTabOrder(sorrend[i - 1], sorrend[i]);

    connect(btnOK, &QPushButton::clicked, this, &Tfrm_FelhasznaloSzerkeszt::Rendben);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
    DBEdit1->setFocus();
}

void Tfrm_FelhasznaloSzerkeszt::firstShow()
{
    // Both boxes stand at the right of the wider caption, whatever the font size.
    int w = 0;
    for (QCheckBox *c : m_jelolok)
        w = qMax(w, c->sizeHint().width());
    for (QCheckBox *c : m_jelolok)
        c->resize(w, c->sizeHint().height());
    // An unchanged password needs no retyping.
    Edit1->setText(NullSzoveg(m_felhasznalo->value("jelszo"), {}));
}

void Tfrm_FelhasznaloSzerkeszt::Rendben()
{
    const QVariant jelszo = m_felhasznalo->value("jelszo");
    if (jelszo.isNull()) {
        HibaUzenet(QStringLiteral("Hiányos adat megadás"), this);
        return;
    }
    if (jelszo.toString() != Edit1->text()) {
        HibaUzenet(QStringLiteral("Hibás jelszó megadás"), this);
        return;
    }
    try {
        m_felhasznalo->post();
    } catch (const VornError &) {
        HibaUzenet(QStringLiteral("Hiányos adat megadás"), this);
        return;
    }
    accept();
}
