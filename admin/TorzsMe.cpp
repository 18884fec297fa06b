#include "admin/TorzsMe.h"

#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/BoundControls.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

int bgrFromColor(const QColor &c)
{
    return c.blue() * 65536 + c.green() * 256 + c.red();
}

// A label that acts like a link: a click runs the given function.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString &text, QWidget *parent, std::function<void()> onClick)
        : QLabel(text, parent), m_onClick(std::move(onClick))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

} // namespace

Tfrm_TorzsMe::Tfrm_TorzsMe(QWidget *parent) : ListWindow(parent), m_tipus(new DataSet(this))
{
    setObjectName("frm_TorzsMe");
    setWindowTitle(QStringLiteral("Tagság típusok"));
    resize(441, 465);
    setWindowName("frm_TorzsMe");
    setTitleStrip(QStringLiteral("Tagság típusok  "), "Tipus_nev");
    m_tipus->setTable("tipus", "Tipus_nev");
    setDataSet(m_tipus, {{"Tipus_nev", QStringLiteral("típus")}});
    setSortColumn(0);
    setFirstColumnFill(40);
    setStatusText(StatusText::CountColonPos);
    setPosting(Posting::ByDialog);
}

void Tfrm_TorzsMe::initNewRow()
{
    m_tipus->setValue("Tipus", KovetkezoAzon("tipus", "tipus"));
}

bool Tfrm_TorzsMe::execEditDialog()
{
    Tfrm_TorzsMe_Szerkeszt dlg(m_tipus, this);
    return dlg.exec() == QDialog::Accepted;
}

Tfrm_TorzsMe_Szerkeszt::Tfrm_TorzsMe_Szerkeszt(DataSet *tipus, QWidget *parent)
    : EditDialog("frm_TorzsMe_Szerkeszt", parent), m_tipus(tipus)
{
    setWindowTitle(QStringLiteral("Tagság típusok"));
    setFixedSize(274, 142);
    setFont(QFont("Tahoma"));

    auto *Label1 = new QLabel(QStringLiteral("típus"), this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(16, 8, 100, 16);
    auto *DBEdit1 = new BoundLineEdit(this);
    DBEdit1->setObjectName("DBEdit1");
    DBEdit1->setGeometry(16, 24, 241, 21);
    DBEdit1->bind(tipus, "Tipus_nev");
    Label1->setBuddy(DBEdit1);

    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setGeometry(16, 56, 105, 65);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAutoFillBackground(true);
    auto *Label2 = new LinkLabel(QStringLiteral("Szín választás"), Shape1, [this] { SzinValaszt(); });
    Label2->setObjectName("Label2");
    QFont link("Tahoma");
    link.setPixelSize(13);
    link.setUnderline(true);
    Label2->setFont(link);
    Label2->setStyleSheet("color: blue; background: transparent;");
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(1, 1, 103, 63);

    auto *btnOK = addButton(QStringLiteral("btnOK"), QStringLiteral("OK"), {182, 64, 75, 25});
    auto *btnMegsem = addButton(QStringLiteral("btnMegsem"), QStringLiteral("Mégsem"), {182, 96, 75, 25});
    setTabOrder(DBEdit1, btnOK);
    setTabOrder(btnOK, btnMegsem);
    connect(btnOK, &QPushButton::clicked, this, &Tfrm_TorzsMe_Szerkeszt::Rendben);
    connect(btnMegsem, &QPushButton::clicked, this, &QDialog::reject);
    enableDialogBehaviour(this);
    DBEdit1->setFocus();

    const int szin = NullEgesz(tipus->value("szin"), 0);
    if (szin > 1)
        setSzin(colorFromBgr(szin));
    else
        setSzin(Qt::white);
}

void Tfrm_TorzsMe_Szerkeszt::setSzin(const QColor &c)
{
    m_szin = c;
    QPalette p = Shape1->palette();
    p.setColor(QPalette::Window, c);
    Shape1->setPalette(p);
}

void Tfrm_TorzsMe_Szerkeszt::SzinValaszt()
{
    const QColor c = QColorDialog::getColor(m_szin, this);
    if (c.isValid())
        setSzin(c);
}

void Tfrm_TorzsMe_Szerkeszt::Rendben()
{
    m_tipus->setValue("szin", bgrFromColor(m_szin));
    if (postRow(*m_tipus))
        accept();
}

int TipusValaszt(int tipus, bool elfogad, QWidget *owner)
{
    Tfrm_TorzsMe w(owner);
    w.setAcceptMode(elfogad);
    return w.choose("Tipus", tipus);
}
