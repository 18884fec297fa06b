#include "mainwindow/Nevjegy.h"

#include "mainwindow/Splash.h"
#include "platform/ui/EditDialog.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

Tfrm_Nevjegy::Tfrm_Nevjegy(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName("frm_Nevjegy");
    setWindowTitle(QStringLiteral("Névjegy"));

    auto *logo = label("imgLogo", QString(), this);
    QPixmap pm = Tfrm_Splash::logo();
    pm.setMask(pm.createMaskFromColor(QColor(0x80, 0x80, 0x80), Qt::MaskInColor));
    logo->setPixmap(pm);

    // Product and version, right-aligned on light green.
    auto *termek = new QWidget(this);
    termek->setObjectName("pnlTermek");
    termek->setAutoFillBackground(true);
    QPalette green = termek->palette();
    green.setColor(QPalette::Window, QColor(0xC0, 0xDC, 0xC0));
    termek->setPalette(green);
    auto *nev = label("lblTermek", QStringLiteral("Vorn"), termek);
    QFont nevFont("Arial");
    nevFont.setPixelSize(28);
    nevFont.setBold(true);
    nev->setFont(nevFont);
    auto *verzio = label("lblVerzio", QStringLiteral("V5.0.1.158"), termek);
    for (QLabel *l : {nev, verzio})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *termekLayout = new QVBoxLayout(termek);
    termekLayout->setContentsMargins(8, 6, 10, 8);
    termekLayout->setSpacing(0);
    termekLayout->addWidget(nev);
    termekLayout->addWidget(verzio);

    auto *alcim = label("lblAlcim", QStringLiteral("Horgászegyesületi nyilvántartó"), this);
    QFont alcimFont = alcim->font();
    alcimFont.setBold(true);
    alcim->setFont(alcimFont);
    auto *elerhetoseg = label("lblElerhetoseg", QStringLiteral("Elérhetőség"), this);
    QFont headFont = elerhetoseg->font();
    headFont.setBold(true);
    headFont.setUnderline(true);
    elerhetoseg->setFont(headFont);
    auto *kapcsolat = label(
        "lblKapcsolat",
        QStringLiteral("Kelvar Szoftver\nE-mail: %1\nHonlap: %2").arg(Kelvar::Email, Kelvar::Honlap), this);
    kapcsolat->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(termek);
    right->addSpacing(8);
    right->addWidget(alcim);
    right->addSpacing(12);
    right->addWidget(elerhetoseg);
    right->addWidget(kapcsolat);
    right->addStretch(1);
    right->addWidget(ok, 0, Qt::AlignRight);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(logo, 0, Qt::AlignTop);
    layout->addLayout(right, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfrm_Nevjegy::showEvent(QShowEvent *e)
{
    applyProgramFontSize(this);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(e);
}
