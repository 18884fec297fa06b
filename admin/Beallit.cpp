#include "admin/Beallit.h"

#include "admin/Tulajdonos.h"
#include "foundation/Beall.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/BoundControls.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

const int Gepelheto = 42; // characters that can be typed into the town and the folder

// A longer text given by the program (a folder path) is kept whole; typing never
// makes the text longer than Gepelheto characters or than it already is.
void korlatozottSzoveg(QLineEdit *e, const QString &text)
{
    e->setMaxLength(qMax(Gepelheto, int(text.length())));
    e->setText(text);
}

QLineEdit *szerkeszto(QWidget *parent, const char *name, int x, int y, int w)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(x, y, w, 21);
    korlatozottSzoveg(e, QString());
    QObject::connect(e, &QLineEdit::textEdited, e,
                     [e] { e->setMaxLength(qMax(Gepelheto, int(e->text().length()))); });
    return e;
}

void felirat(QWidget *parent, const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(buddy->x(), buddy->y() - 16, buddy->width(), 16);
    l->setBuddy(buddy);
}

} // namespace

Tfrm_Beallit::Tfrm_Beallit(DataSet *beallit, QWidget *parent)
    : EditDialog(QStringLiteral("frm_Beallit"), parent)
{
    setWindowTitle(QStringLiteral("Beállítások"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(436, 340);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    CheckBox1 = new QCheckBox(QStringLiteral("Megnyitáskor teljes képernyő"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->move(16, 16);
    Edit1 = szerkeszto(this, "Edit1", 16, 64, 269);
    felirat(this, QStringLiteral("alapértelmezett város"), Edit1);
    auto *DBCheckBox1 = new BoundCheckBox(QStringLiteral("Belépésnél jelszót kér"), this);
    DBCheckBox1->setObjectName(QStringLiteral("DBCheckBox1"));
    DBCheckBox1->move(16, 100);
    DBCheckBox1->bind(beallit, QStringLiteral("vanbelep"));
    Edit2 = szerkeszto(this, "Edit2", 16, 144, 373);
    felirat(this, QStringLiteral("adatbázis elérési útvonala"), Edit2);
    auto *BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(392, 140, 33, 33);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    BitBtn1->setIconSize(QSize(20, 20));

    // The captions of the six free member fields, three rows of two.
    BoundLineEdit *mezo[6];
    for (int i = 0; i < 6; ++i) {
        mezo[i] = new BoundLineEdit(this);
        mezo[i]->setObjectName(QStringLiteral("DBEdit%1").arg(i + 1));
        mezo[i]->setGeometry(i % 2 ? 152 : 20, 200 + 48 * (i / 2), 121, 21);
        mezo[i]->bind(beallit, QStringLiteral("m%1").arg(i + 1));
        felirat(this, QStringLiteral("mező %1.").arg(i + 1), mezo[i]);
    }

    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(348, 12, 64, 64);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_DirHomeIcon).pixmap(64, 64));

    auto *btnTulajdonos = addButton(QStringLiteral("btnTulajdonos"), QStringLiteral("Egyesület adatai..."),
                                    {286, 222, 125, 25});
    auto *Button1 = addButton(QStringLiteral("Button1"), QStringLiteral("OK"), {336, 260, 75, 25});
    auto *Button2 = addButton(QStringLiteral("Button2"), QStringLiteral("Mégsem"), {336, 292, 75, 25});
    // No default button: Enter moves on or presses the focused button.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    QWidget *const sorrend[] = {Edit1,   CheckBox1, Edit2,   mezo[0], mezo[1], mezo[2],     mezo[3],
                                mezo[4], mezo[5],   Button1, Button2, BitBtn1, DBCheckBox1, btnTulajdonos};
    for (size_t i = 1; i < std::size(sorrend); ++i)
        setTabOrder(sorrend[i - 1], sorrend[i]);

    CheckBox1->setChecked(Beall().TeljesKep);
    korlatozottSzoveg(Edit1, Beall().AlapVaros);
    korlatozottSzoveg(Edit2, Beall().Utvonal);
    Edit1->setFocus();

    connect(BitBtn1, &QPushButton::clicked, this, &Tfrm_Beallit::Tallozas);
    connect(btnTulajdonos, &QPushButton::clicked, this, [this] { TulajdonosSzerkeszt(this); });
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
}

void Tfrm_Beallit::Atir(TBeall &b) const
{
    b.TeljesKep = CheckBox1->isChecked();
    b.AlapVaros = Edit1->text();
    b.Utvonal = Edit2->text();
}

void Tfrm_Beallit::Tallozas()
{
    const QString mappa = FolderName(this, QString(), Edit2->text());
    if (!mappa.isEmpty())
        korlatozottSzoveg(Edit2, mappa);
}

void BeallitasokSzerkeszt(QWidget *owner)
{
    {
        DataSet beallit;
        beallit.setTable(QStringLiteral("beallit"));
        beallit.open();
        beallit.edit(); // an empty table starts a first row
        Tfrm_Beallit dlg(&beallit, owner);
        if (dlg.exec() == QDialog::Accepted) {
            // The row first: when the storage refuses it, the settings record stays as it was too.
            beallit.post();
            dlg.Atir(Beall());
        }
        beallit.cancel(); // nothing left to cancel after a post
    }
    FigyelmeztetoUzenet(QStringLiteral("Indítsa újra a programot a beállítások érvénybe léptetéséhez!"),
                        owner);
}
