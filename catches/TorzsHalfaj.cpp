#include "catches/TorzsHalfaj.h"

#include "platform/db/DataSet.h"
#include "platform/ui/BoundControls.h"
#include "platform/ui/GridView.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

Tfrm_TorzsHalfaj::Tfrm_TorzsHalfaj(QWidget *parent) : ListWindow(parent), m_halfaj(new DataSet(this))
{
    setObjectName("frm_TorzsHalfaj");
    setWindowTitle(QStringLiteral("Halfajok"));
    resize(449, 383);
    setWindowName("frm_TorzsHalfaj");
    setTitleStrip(QStringLiteral("Halfajok  "), "halfaj_nev");
    m_halfaj->setTable("halfaj");
    setDataSet(m_halfaj, {{"halfaj_nev", QStringLiteral("halfaj")}});
    setFirstColumnFill(40);
    setStatusText(StatusText::CountColonPos);
    setPosting(Posting::ByList);
}

bool Tfrm_TorzsHalfaj::execEditDialog()
{
    Tfrm_TorzsHalfaj_Szerkeszt dlg(m_halfaj, this);
    return dlg.exec() == QDialog::Accepted;
}

// A linear pass over the rows: they are not in name order, and the species list
// is short.
void Tfrm_TorzsHalfaj::search(const QString &text)
{
    if (!m_halfaj->isOpen())
        return;
    const int field = m_halfaj->fieldIndex("halfaj_nev");
    int found = -1;
    QString foundName;
    for (int r = 0; r < m_halfaj->recordCount(); ++r) {
        const QString name = m_halfaj->valueAt(r, field).toString();
        if (Db::startsWithHu(name, text) && (found < 0 || Db::compareHu(name, foundName) < 0)) {
            found = r;
            foundName = name;
        }
    }
    if (found >= 0)
        m_halfaj->moveTo(found);
}

Tfrm_TorzsHalfaj_Szerkeszt::Tfrm_TorzsHalfaj_Szerkeszt(DataSet *halfaj, QWidget *parent)
    : EditDialog("frm_TorzsHalfaj_Szerkeszt", parent)
{
    setWindowTitle(QStringLiteral("Halfajok"));
    setFixedSize(232, 147);
    setFont(QFont("Tahoma"));

    auto *Label1 = new QLabel(QStringLiteral("halfaj"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 16, 100, 16);
    auto *DBEdit1 = new BoundLineEdit(this);
    DBEdit1->setObjectName("DBEdit1");
    DBEdit1->setGeometry(16, 32, 197, 21);
    DBEdit1->bind(halfaj, "halfaj_nev");
    Label1->setBuddy(DBEdit1);

    auto *btnOK = addButton(QStringLiteral("btnOK"), QStringLiteral("OK"), {58, 104, 75, 25});
    auto *btnMegsem = addButton(QStringLiteral("btnMegsem"), QStringLiteral("Mégsem"), {138, 104, 75, 25});
    setTabOrder(DBEdit1, btnOK);
    setTabOrder(btnOK, btnMegsem);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
    DBEdit1->setFocus();
}

void Tfrm_TorzsHalfaj_Szerkeszt::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(e);
}

int HalfajValaszt(int halfaj, bool elfogad, QWidget *owner)
{
    Tfrm_TorzsHalfaj w(owner);
    w.setAcceptMode(elfogad);
    return w.choose("halfaj", halfaj);
}
