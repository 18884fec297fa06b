#include "payments/TorzsFiztip.h"

#include "foundation/Formats.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/BoundControls.h"
#include "platform/ui/GridView.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr Qt::Alignment Jobbra = Qt::AlignRight | Qt::AlignVCenter;

QString csoportositva(const QVariant &v)
{
    return v.isNull() ? QString() : Formats::grouped(v.toLongLong());
}

} // namespace

Tfrm_TorzsFiztip::Tfrm_TorzsFiztip(QWidget *parent) : ListWindow(parent), m_fiztip(new DataSet(this))
{
    setObjectName("frm_TorzsFiztip");
    setWindowTitle(QStringLiteral("Jogcímek"));
    resize(439, 415);
    setWindowName("frm_TorzsFiztip");
    setTitleStrip(QStringLiteral("Jogcímek  "));
    m_fiztip->setTable("fiztip");
    setDataSet(m_fiztip, {{"fiztip_nev", QStringLiteral("jogcím")},
                          {"ido", QStringLiteral("időtartam"), 0, Jobbra},
                          {"osszeg", QStringLiteral("összeg"), 0, Jobbra, csoportositva}});
    setSortColumn(0);
    setStatusText(StatusText::CountSlashPos);
    setPosting(Posting::ByDialog);
    // A double-click closes the window with OK in either mode: with accept mode
    // off the caller ignores the result, so it simply closes the list.
    disconnect(grid(), &QAbstractItemView::doubleClicked, this, nullptr);
    connect(grid(), &QAbstractItemView::doubleClicked, this, &QDialog::accept);
}

void Tfrm_TorzsFiztip::initNewRow()
{
    m_fiztip->setValue("ido", 365);
    m_fiztip->setValue("eves", QStringLiteral("N"));
}

bool Tfrm_TorzsFiztip::execEditDialog()
{
    Tfrm_TorzsFiztip_Szerkeszt dlg(m_fiztip, this);
    return dlg.exec() == QDialog::Accepted;
}

void Tfrm_TorzsFiztip::resizeEvent(QResizeEvent *e)
{
    ListWindow::resizeEvent(e);
    const int szabad = grid()->width() - 44;
    const double reszek[] = {0.6, 0.2, 0.2};
    for (int i = 0; i < 3; ++i)
        grid()->setColumnWidth(i, qRound(szabad * reszek[i]));
}

Tfrm_TorzsFiztip_Szerkeszt::Tfrm_TorzsFiztip_Szerkeszt(DataSet *fiztip, QWidget *parent)
    : EditDialog("frm_TorzsFiztip_Szerkeszt", parent), m_fiztip(fiztip)
{
    setWindowTitle(QStringLiteral("Fizetési típus szerkesztése"));
    setFixedSize(276, 189);
    setFont(QFont("Tahoma"));

    auto cimke = [this](const char *name, const QString &text, const QRect &geometry, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(geometry);
        l->setBuddy(buddy);
    };
    auto mezo = [this, fiztip](const char *name, const char *field, const QRect &geometry) {
        auto *e = new BoundLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(geometry);
        e->bind(fiztip, QLatin1String(field));
        return e;
    };
    auto *DBEdit1 = mezo("DBEdit1", "fiztip_nev", {16, 26, 245, 21});
    auto *DBEdit2 = mezo("DBEdit2", "ido", {16, 72, 93, 21});
    auto *DBEdit3 = mezo("DBEdit3", "osszeg", {124, 68, 137, 25});
    QFont osszegBetu("Arial");
    osszegBetu.setPixelSize(15);
    osszegBetu.setBold(true);
    DBEdit3->setFont(osszegBetu);
    DBEdit2->setAlignment(Qt::AlignRight);
    DBEdit3->setAlignment(Qt::AlignRight);
    cimke("Label1", QStringLiteral("jogcím"), {16, 8, 200, 16}, DBEdit1);
    cimke("Label2", QStringLiteral("időtartam"), {16, 52, 93, 16}, DBEdit2);
    cimke("Label3", QStringLiteral("összeg"), {124, 52, 137, 16}, DBEdit3);

    auto *DBCheckBox1 = new BoundCheckBox(QStringLiteral("Éves díj? (tárgyévre)"), this);
    DBCheckBox1->setObjectName("DBCheckBox1");
    DBCheckBox1->setGeometry(16, 110, 245, 19);
    DBCheckBox1->bind(fiztip, "eves");

    auto *btnOK = addButton(QStringLiteral("btnOK"), QStringLiteral("OK"), {105, 150, 75, 25});
    auto *btnMegsem = addButton(QStringLiteral("btnMegsem"), QStringLiteral("Mégsem"), {186, 150, 75, 25});
    setTabOrder(DBEdit1, DBEdit2);
    setTabOrder(DBEdit2, DBEdit3);
    setTabOrder(DBEdit3, DBCheckBox1);
    setTabOrder(DBCheckBox1, btnOK);
    setTabOrder(btnOK, btnMegsem);
    connect(btnOK, &QPushButton::clicked, this, &Tfrm_TorzsFiztip_Szerkeszt::Rendben);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
    DBEdit1->setFocus();
}

void Tfrm_TorzsFiztip_Szerkeszt::Rendben()
{
    // A number still being typed goes into the row first; a refused one keeps the dialog open.
    for (BoundLineEdit *e : findChildren<BoundLineEdit *>())
        if (!e->commit())
            return;
    m_fiztip->post(); // a refusal goes on to the application's handler
    accept();
}

int FiztipValaszt(int fiztip, bool elfogad, int &ido, int &osszeg, bool &eves, QWidget *owner)
{
    Tfrm_TorzsFiztip w(owner);
    w.setAcceptMode(elfogad);
    DataSet *t = w.Tbl();
    t->open();
    t->locate("fiztip", fiztip);
    int result = -1;
    if (w.exec() == QDialog::Accepted) {
        // An empty list has no row: every value reads as empty.
        auto ertek = [t](const char *field) { return t->isEmpty() ? QVariant() : t->value(field); };
        result = NullEgesz(ertek("fiztip"), 0);
        ido = NullEgesz(ertek("ido"), 0);
        osszeg = NullEgesz(ertek("osszeg"), 0);
        eves = ertek("eves").toString() == QLatin1String("I");
    }
    t->close();
    return result;
}
