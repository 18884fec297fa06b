#include "admin/TorzsCimke.h"

#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/BoundControls.h"
#include "platform/ui/GridView.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

Tfrm_TorzsCimke::Tfrm_TorzsCimke(QWidget *parent) : ListWindow(parent), m_cimke(new DataSet(this))
{
    setObjectName("frm_TorzsCimke");
    setWindowTitle(QStringLiteral("Címkék"));
    resize(353, 324);
    setWindowName("frm_TorzsCimke");
    aTorol()->setText(QStringLiteral("Töröl"));
    aTorol()->setToolTip(QStringLiteral("Sor törlése"));
    m_cimke->setTable("cimke", "cimke");
    setDataSet(m_cimke, {{"cimke", QStringLiteral("cimke"), 307}});
    setSortColumn(0);
    setStatusText(StatusText::CountSlashPos);
    setStatusPanels({100, 50});
    setPosting(Posting::ByDialog);
}

bool Tfrm_TorzsCimke::execEditDialog()
{
    Tfrm_TorzsCimke_Szerkeszt dlg(m_cimke, this);
    return dlg.exec() == QDialog::Accepted;
}

void Tfrm_TorzsCimke::resizeEvent(QResizeEvent *e)
{
    ListWindow::resizeEvent(e);
    grid()->setColumnWidth(0, grid()->width() - 44);
}

Tfrm_TorzsCimke_Szerkeszt::Tfrm_TorzsCimke_Szerkeszt(DataSet *cimke, QWidget *parent)
    : EditDialog("frm_TorzsCimke_Szerkeszt", parent), m_cimke(cimke)
{
    setWindowTitle(QStringLiteral("Címke szerkesztés"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(292, 188);
    setFont(QFont("Tahoma"));

    struct Mezo {
        const char *name;
        int x, y, w;
        const char *label;
        const char *field;
    };
    // In tab order; the buttons come between the top margin and the side margin.
    const Mezo elol[] = {{"DBEdit1", 12, 28, 265, "címke", "cimke"},
                         {"DBEdit2", 12, 72, 125, "felső margó", "felsomargo"}};
    const Mezo hatul[] = {{"DBEdit4", 152, 72, 125, "szélső margó", "szelsomargo"},
                          {"DBEdit3", 12, 116, 125, "címke magasság", "cimkemagas"},
                          {"DBEdit5", 152, 116, 125, "oszlopok száma", "oszlop"}};
    auto mezo = [this](const Mezo &m) {
        auto *e = new BoundLineEdit(this);
        e->setObjectName(QLatin1String(m.name));
        e->setGeometry(m.x, m.y, m.w, 21);
        e->bind(m_cimke, QLatin1String(m.field));
        auto *l = new QLabel(QString::fromUtf8(m.label), this);
        l->setGeometry(m.x, m.y - 16, m.w, 16);
        l->setBuddy(e);
        return e;
    };

    QList<QWidget *> sorrend;
    for (const Mezo &m : elol)
        sorrend << mezo(m);
    auto *btnOK = addButton(QStringLiteral("btnOK"), QStringLiteral("OK"), {108, 152, 75, 25});
    auto *btnMegsem = addButton(QStringLiteral("btnMegsem"), QStringLiteral("Mégsem"), {192, 152, 75, 25});
    sorrend << btnOK << btnMegsem;
    for (const Mezo &m : hatul)
        sorrend << mezo(m);
    for (int i = 1; i < sorrend.size(); ++i)
        setTabOrder(sorrend[i - 1], sorrend[i]);

    connect(btnOK, &QPushButton::clicked, this, &Tfrm_TorzsCimke_Szerkeszt::Rendben);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
    sorrend.first()->setFocus();
}

void Tfrm_TorzsCimke_Szerkeszt::Rendben()
{
    // A number still being typed goes into the row first; a refused one keeps the dialog open.
    for (BoundLineEdit *e : findChildren<BoundLineEdit *>())
        if (!e->commit())
            return;
    if (postRow(*m_cimke))
        accept();
}

TCimke CimkeValaszt(const QString &cimke, bool elfogad, QWidget *owner)
{
    Tfrm_TorzsCimke w(owner);
    w.setAcceptMode(elfogad);
    DataSet *t = w.Tbl();
    t->open();
    if (!cimke.isEmpty())
        t->locate("cimke", cimke, DataSet::CaseInsensitive);
    TCimke result;
    if (w.exec() == QDialog::Accepted && !t->isEmpty()) {
        result.cimke = NullSzoveg(t->value("cimke"), {});
        result.felsomargo = NullValos(t->value("felsomargo"), 0);
        result.szelsomargo = NullValos(t->value("szelsomargo"), 0);
        result.cimkemagas = NullValos(t->value("cimkemagas"), 0);
        result.oszlop = NullEgesz(t->value("oszlop"), 0);
    }
    t->close();
    return result;
}
