#include "payments/Idoszak.h"

#include "foundation/Beall.h"
#include "foundation/Formats.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

Idokoz EzAHet(const QDate &ma)
{
    const QDate hetfo = ma.addDays(1 - ma.dayOfWeek()); // dayOfWeek: Monday 1 ... Sunday 7
    return {hetfo, hetfo.addDays(6)};
}

Idokoz EzAHonap(const QDate &ma)
{
    return {QDate(ma.year(), ma.month(), 1), QDate(ma.year(), ma.month(), ma.daysInMonth())};
}

Idokoz MultHonap(const QDate &ma)
{
    return EzAHonap(QDate(ma.year(), ma.month(), 1).addMonths(-1));
}

Idokoz Iden(const QDate &ma)
{
    return {QDate(ma.year(), 1, 1), QDate(ma.year(), 12, 31)};
}

// addMonths keeps the day where the month has it and takes the month's last day otherwise.
QDate EgyHonappalKorabban(const QDate &d)
{
    return d.addMonths(-1);
}

namespace {

// The dialog's decoration: a calendar sheet.
QPixmap naptarKep()
{
    QPixmap kep(64, 64);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 8.5, 55, 51));
    p.setBrush(QColor(192, 40, 40));
    p.drawRect(QRectF(4.5, 8.5, 55, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    for (int sor = 0; sor < 4; ++sor)
        for (int oszlop = 0; oszlop < 5; ++oszlop)
            p.drawRect(QRectF(10 + oszlop * 10, 27 + sor * 8, 6, 5));
    p.setBrush(QColor(60, 60, 60));
    for (int x : {16, 44})
        p.drawRoundedRect(QRectF(x, 4, 4, 9), 2, 2);
    return kep;
}

QDateEdit *datumValaszto(const char *name, QWidget *parent, int top)
{
    auto *e = new QDateEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setDisplayFormat(QString::fromLatin1(Formats::ShortDate));
    e->setCalendarPopup(true);
    e->setGeometry(18, top, 205, 21);
    return e;
}

} // namespace

Tfrm_Idoszak::Tfrm_Idoszak(QWidget *parent) : EditDialog("frm_Idoszak", parent)
{
    setWindowTitle(QStringLiteral("Időszak megadása"));
    setFixedSize(258, 296);
    setFont(QFont("Tahoma"));

    auto *idoszak = new QGroupBox(QStringLiteral("Időszak"), this);
    idoszak->setObjectName("GroupBox1");
    idoszak->setGeometry(8, 8, 242, 82);
    eAlso = datumValaszto("eAlso", idoszak, 22);
    eFelso = datumValaszto("eFelso", idoszak, 50);

    auto *intervallum = new QGroupBox(QStringLiteral("Intervallum"), this);
    intervallum->setObjectName("GroupBox2");
    intervallum->setGeometry(8, 98, 242, 124);
    auto *Button3 =
        addButton(QStringLiteral("Button3"), QStringLiteral("Ez a hét"), {18, 20, 205, 23}, intervallum);
    auto *Button4 =
        addButton(QStringLiteral("Button4"), QStringLiteral("Ez a hónap"), {18, 45, 205, 23}, intervallum);
    auto *Button5 =
        addButton(QStringLiteral("Button5"), QStringLiteral("Múlt hónap"), {18, 70, 205, 23}, intervallum);
    auto *Button6 =
        addButton(QStringLiteral("Button6"), QStringLiteral("Idén"), {18, 95, 205, 23}, intervallum);

    auto *Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(8, 228, 64, 64);
    Image1->setPixmap(naptarKep());

    auto *Button1 = addButton(QStringLiteral("Button1"), QStringLiteral("OK"), {94, 264, 75, 25});
    auto *Button2 = addButton(QStringLiteral("Button2"), QStringLiteral("Mégsem"), {175, 264, 75, 25});

    setTabOrder(eAlso, eFelso);
    setTabOrder(eFelso, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);
    setTabOrder(Button4, Button5);
    setTabOrder(Button5, Button6);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] { Beallit(EzAHet); });
    connect(Button4, &QPushButton::clicked, this, [this] { Beallit(EzAHonap); });
    connect(Button5, &QPushButton::clicked, this, [this] { Beallit(MultHonap); });
    connect(Button6, &QPushButton::clicked, this, [this] { Beallit(Iden); });
    enableDialogBehaviour(this);
    eAlso->setFocus();
}

void Tfrm_Idoszak::Beallit(Idokoz (*valasztas)(const QDate &))
{
    const Idokoz k = valasztas(m_ma.isValid() ? m_ma : QDate::currentDate());
    eAlso->setDate(k.also);
    eFelso->setDate(k.felso);
}

bool IdoszakMegad(QDate &also, QDate &felso, const QString &felirat, QWidget *owner)
{
    Tfrm_Idoszak dlg(owner);
    dlg.also()->setDate(also);
    dlg.felso()->setDate(felso);
    if (!felirat.isEmpty())
        dlg.setWindowTitle(felirat);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    also = dlg.also()->date();
    felso = dlg.felso()->date();
    return true;
}
