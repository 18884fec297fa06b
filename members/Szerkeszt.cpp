#include "members/Szerkeszt.h"

#include "admin/TorzsMe.h"
#include "foundation/Beall.h"
#include "foundation/Formats.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/BoundControls.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

enum Jelleg { Normal = 0, Nagy = 1, Nagybetus = 2 };

QFont nagyBetu()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(15);
    f.setBold(true);
    return f;
}

// The label above a control.
QLabel *felirat(QWidget *tab, const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text, tab);
    l->setGeometry(buddy->x(), buddy->y() - 16, buddy->width(), 16);
    l->setBuddy(buddy);
    return l;
}

BoundLineEdit *mezo(QWidget *tab, DataSet *ds, const char *name, int x, int y, int w, const QString &field,
                    int jelleg = Normal)
{
    auto *e = new BoundLineEdit(tab);
    e->setObjectName(QLatin1String(name));
    if (jelleg & Nagy)
        e->setFont(nagyBetu());
    e->setGeometry(x, y, w, (jelleg & Nagy) ? 24 : 21);
    e->bind(ds, field);
    e->setUpperCase(jelleg & Nagybetus);
    return e;
}

// Its width follows the caption, fitted when the dialog is first shown.
BoundCheckBox *jelolo(QWidget *tab, DataSet *ds, const char *name, int x, int y, const QString &caption,
                      const QString &field)
{
    auto *c = new BoundCheckBox(caption, tab);
    c->setObjectName(QLatin1String(name));
    c->setLayoutDirection(Qt::RightToLeft); // the caption at the left of the box
    c->move(x, y);
    c->bind(ds, field);
    return c;
}

// Not bound: the pickers reach the record only on OK.
BoundDateEdit *datum(QWidget *tab, const char *name, int x, int y, int w)
{
    auto *d = new BoundDateEdit(tab);
    d->setObjectName(QLatin1String(name));
    d->setCalendarPopup(false);
    d->setGeometry(x, y, w, 21);
    return d;
}

QPushButton *kepGomb(QWidget *tab, const char *name, int x, int y, QStyle::StandardPixmap kep)
{
    auto *b = new QPushButton(tab);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(x, y, 25, 21);
    b->setIcon(tab->style()->standardIcon(kep));
    b->setIconSize(QSize(14, 14));
    return b;
}

QVariant datumErtek(const BoundDateEdit *d)
{
    return d->date() == d->minimumDate() ? QVariant() : QVariant(d->date());
}

void datumBeallit(BoundDateEdit *d, const QVariant &v)
{
    const QDate date = v.toDate();
    d->setDate(date.isValid() ? date : d->minimumDate());
}

} // namespace

Tfrm_Szerkeszt::Tfrm_Szerkeszt(DataSet *ugyfel, QWidget *parent)
    : EditDialog(QStringLiteral("frm_Szerkeszt"), parent), m_ugyfel(ugyfel),
      m_tipusValaszto([this](int tipus) { return TipusValaszt(tipus, true, this); })
{
    setWindowTitle(QStringLiteral("Szerkesztés"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(552, 533);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    auto *lapok = new QTabWidget(this);
    lapok->setObjectName(QStringLiteral("PageControl1"));
    lapok->setGeometry(0, 0, 552, 481);
    auto *alt = new QWidget;
    alt->setObjectName(QStringLiteral("TabSheet1"));
    auto *megj = new QWidget;
    megj->setObjectName(QStringLiteral("TabSheet2"));
    lapok->addTab(alt, style()->standardIcon(QStyle::SP_FileDialogDetailedView),
                  QStringLiteral("Általános adatok"));
    lapok->addTab(megj, style()->standardIcon(QStyle::SP_FileDialogContentsView),
                  QStringLiteral("Megjegyzés"));

    DataSet *u = ugyfel;
    DBEdit2 = mezo(alt, u, "DBEdit2", 12, 36, 353, "Ugyfel_nev", Nagy);
    auto *tipusNev = mezo(alt, u, "DBEdit4", 372, 36, 129, "tipus_nev");
    tipusNev->setReadOnly(true);
    tipusNev->setFocusPolicy(Qt::ClickFocus);
    QPalette p = tipusNev->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    tipusNev->setPalette(p);
    auto *btnUgyfelValaszt = kepGomb(alt, "btnUgyfelValaszt", 504, 36, QStyle::SP_FileDialogListView);

    DBEdit3 = mezo(alt, u, "DBEdit3", 12, 84, 93, "Sorszam", Nagy);
    auto *DBEdit11 = mezo(alt, u, "DBEdit11", 112, 84, 101, "Szigszam", Nagybetus);
    auto *DBEdit7 = mezo(alt, u, "DBEdit7", 220, 84, 145, "Telefon");
    auto *DBEdit6 = mezo(alt, u, "DBEdit6", 372, 84, 157, "torvkep");
    auto *DBCheckBox1 = jelolo(alt, u, "DBCheckBox1", 464, 4, QStringLiteral("aktív?"), "Aktiv");
    auto *DBEdit5 = mezo(alt, u, "DBEdit5", 12, 128, 181, "Szulhely");
    Dat_szul = datum(alt, "Dat_szul", 200, 128, 125);
    auto *DBEdit19 = mezo(alt, u, "DBEdit19", 332, 128, 197, "anya");
    DBEdit8 = mezo(alt, u, "DBEdit8", 12, 172, 53, "Cim_irsz");
    auto *DBEdit9 = mezo(alt, u, "DBEdit9", 72, 172, 100, "Cim_varos");
    auto *DBEdit10 = mezo(alt, u, "DBEdit10", 180, 172, 349, "Cim_cim");
    auto *DBEdit12 = mezo(alt, u, "DBEdit12", 12, 216, 145, "Horgigszam", Nagy | Nagybetus);
    auto *DBEdit1 = mezo(alt, u, "DBEdit1", 164, 216, 137, "Horgvizsga", Nagybetus);
    auto *DBEdit13 = mezo(alt, u, "DBEdit13", 308, 216, 221, "Horgaszjegy", Nagybetus);
    auto *DBEdit14 = mezo(alt, u, "DBEdit14", 12, 260, 197, "Tereng", Nagybetus);
    auto *DBEdit20 = mezo(alt, u, "DBEdit20", 220, 260, 309, "taglap", Nagybetus);
    auto *DBEdit21 = mezo(alt, u, "DBEdit21", 12, 304, 169, "csonak", Nagybetus);
    auto *DBEdit15 = mezo(alt, u, "DBEdit15", 188, 304, 185, "horgaszhely", Nagybetus);
    auto *DBEdit16 = mezo(alt, u, "DBEdit16", 380, 304, 149, "horgaszhelym2");
    Dat_tag = datum(alt, "Dat_tag", 12, 348, 121);
    Dat_belep = datum(alt, "Dat_belep", 140, 348, 133);
    auto *DBEdit17 = mezo(alt, u, "DBEdit17", 280, 348, 105, "Dat_kilep");
    // Every digit of the short date has its place; the separators are typed over.
    QString maszk = QString::fromLatin1(Formats::ShortDate);
    maszk.replace(QRegularExpression(QStringLiteral("[yMd]")), QStringLiteral("0"));
    DBEdit17->setInputMask(maszk + QStringLiteral(";_"));
    auto *BitBtn1 = kepGomb(alt, "BitBtn1", 388, 348, QStyle::SP_LineEditClearButton);
    auto *DBEdit22 = mezo(alt, u, "DBEdit22", 12, 392, 121, "fognaplo");
    auto *DBEdit18 = mezo(alt, u, "DBEdit18", 140, 392, 273, "Kizarohat");
    auto *DBCheckBox2 =
        jelolo(alt, u, "DBCheckBox2", 12, 424, QStringLiteral("Fogási naplót leadta?"), "fognaplead");
    auto *DBCheckBox3 =
        jelolo(alt, u, "DBCheckBox3", 236, 424, QStringLiteral("Könyv.véd.napon megjelent?"), "korvednap");

    felirat(alt, QStringLiteral("tag neve"), DBEdit2);
    felirat(alt, QStringLiteral("típus"), tipusNev);
    felirat(alt, QStringLiteral("sorszám"), DBEdit3);
    felirat(alt, QStringLiteral("szig.sz."), DBEdit11);
    felirat(alt, QStringLiteral("telefon"), DBEdit7);
    felirat(alt, QStringLiteral("szül.hely"), DBEdit5);
    felirat(alt, QStringLiteral("szül.dat."), Dat_szul);
    felirat(alt, QStringLiteral("irsz."), DBEdit8);
    felirat(alt, QStringLiteral("város"), DBEdit9);
    felirat(alt, QStringLiteral("cím"), DBEdit10);
    felirat(alt, QStringLiteral("horg.ig.sz"), DBEdit12);
    felirat(alt, QStringLiteral("horg.vizsga"), DBEdit1);
    felirat(alt, QStringLiteral("állami horgászjegy"), DBEdit13);
    felirat(alt, QStringLiteral("ter.eng"), DBEdit14);
    felirat(alt, QStringLiteral("horgászhely m2"), DBEdit16);
    felirat(alt, QStringLiteral("tagság dat."), Dat_tag);
    felirat(alt, QStringLiteral("belép.dat."), Dat_belep);
    felirat(alt, QStringLiteral("kilép.dat"), DBEdit17);
    felirat(alt, QStringLiteral("kizáró hat."), DBEdit18);
    // The free fields m1 ... m6; their captions come from the settings on show.
    const std::pair<QWidget *, const char *> szabad[6] = {
        {DBEdit19, "anyja neve"},   {DBEdit20, "MOHOSZ tagsági lap"}, {DBEdit21, "csónakkikötő"},
        {DBEdit22, "fogási napló"}, {DBEdit6, "törvényes képviselő"}, {DBEdit15, "horgászhely"}};
    for (int i = 0; i < 6; ++i) {
        m_caption[i] = felirat(alt, QString::fromUtf8(szabad[i].second), szabad[i].first);
        m_caption[i]->setObjectName(QStringLiteral("m%1").arg(i + 1));
    }

    auto *Image1 = new QLabel(alt);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(464, 372, 64, 64);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(64, 64));

    auto *DBMemo1 = new BoundMemo(megj);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(12);
    DBMemo1->setFont(courier);
    DBMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DBMemo1->setTabChangesFocus(true);
    DBMemo1->bind(u, "Megjegyzes");
    auto *memoHely = new QVBoxLayout(megj);
    memoHely->setContentsMargins(0, 0, 0, 0);
    memoHely->addWidget(DBMemo1);

    auto *Button1 = addButton(QStringLiteral("Button1"), QStringLiteral("OK"), {368, 496, 75, 25});
    auto *Button2 = addButton(QStringLiteral("Button2"), QStringLiteral("Mégsem"), {456, 496, 75, 25});
    // No default button: Enter moves on or presses the focused button.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    QWidget *const sorrend[] = {
        DBEdit2, btnUgyfelValaszt, DBEdit3,  DBEdit11, DBEdit7,  DBEdit6,     DBCheckBox1,
        DBEdit5, Dat_szul,         DBEdit19, DBEdit8,  DBEdit9,  DBEdit10,    DBEdit12,
        DBEdit1, DBEdit13,         DBEdit14, DBEdit20, DBEdit21, DBEdit15,    DBEdit16,
        Dat_tag, Dat_belep,        DBEdit17, DBEdit22, DBEdit18, DBCheckBox2, DBCheckBox3,
        BitBtn1, Button1,          Button2,  lapok,    DBMemo1};
    for (size_t i = 1; i < std::size(sorrend); ++i)
        setTabOrder(sorrend[i - 1], sorrend[i]);

    DBEdit8->installEventFilter(this);
    connect(btnUgyfelValaszt, &QPushButton::clicked, this, &Tfrm_Szerkeszt::TipusValasztas);
    connect(BitBtn1, &QPushButton::clicked, this, &Tfrm_Szerkeszt::KilepesTorles);
    connect(Button1, &QPushButton::clicked, this, &Tfrm_Szerkeszt::Rendben);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
}

void Tfrm_Szerkeszt::firstShow()
{
    DBEdit2->setFocus(Qt::OtherFocusReason);
    datumBeallit(Dat_szul, m_ugyfel->value("Dat_szul"));
    datumBeallit(Dat_tag, m_ugyfel->value("Dat_tag"));
    datumBeallit(Dat_belep, m_ugyfel->value("Dat_belep"));
    for (int i = 0; i < 6; ++i)
        m_caption[i]->setText(Beall().m[size_t(i)]);
}

bool Tfrm_Szerkeszt::eventFilter(QObject *obj, QEvent *e)
{
    // Switching to another window or opening a menu is not leaving the field.
    if (obj == DBEdit8 && e->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            IrszKeres();
    }
    return QDialog::eventFilter(obj, e);
}

void Tfrm_Szerkeszt::IrszKeres()
{
    // A town the user typed is never overwritten; the default town is only a proposal.
    const QString varos = NullSzoveg(m_ugyfel->value("Cim_varos"), QString());
    if (!varos.isEmpty() && varos != Beall().AlapVaros)
        return;
    Db::Statement st(QStringLiteral("SELECT varos FROM irsz WHERE irsz = ? ORDER BY Id LIMIT 1"));
    st.bind(QVariantList{NullSzoveg(m_ugyfel->value("Cim_irsz"), QString())});
    if (st.step())
        m_ugyfel->setValue("Cim_varos", st.column(0));
}

void Tfrm_Szerkeszt::TipusValasztas()
{
    const int tipus = m_tipusValaszto(NullEgesz(m_ugyfel->value("Tipus"), 0));
    if (tipus != -1)
        m_ugyfel->setValue("Tipus", tipus);
    DBEdit3->setFocus(Qt::OtherFocusReason);
}

void Tfrm_Szerkeszt::KilepesTorles()
{
    m_ugyfel->setValue("Dat_kilep", QVariant());
}

void Tfrm_Szerkeszt::Rendben()
{
    // A number or date still being typed goes into the row first; a refused one keeps the dialog open.
    for (BoundLineEdit *e : findChildren<BoundLineEdit *>())
        if (!e->commit())
            return;
    m_ugyfel->setValue("Dat_szul", datumErtek(Dat_szul));
    m_ugyfel->setValue("Dat_tag", datumErtek(Dat_tag));
    m_ugyfel->setValue("Dat_belep", datumErtek(Dat_belep));
    accept();
}
