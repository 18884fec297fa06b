#include "admin/Felhasznalo.h"

#include "admin/FelhasznaloSzerkeszt.h"
#include "platform/db/DataSet.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Picture 0 marks "I" (a green tick), picture 1 anything else (a grey cross).
QPixmap igenNemKep(bool igen)
{
    QPixmap kep(16, 16);
    kep.fill(Qt::transparent);
    QPainter p(&kep);
    p.setRenderHint(QPainter::Antialiasing);
    if (igen) {
        p.setPen(QPen(QColor(0, 150, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    } else {
        p.setPen(QPen(QColor(150, 150, 150), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
        p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
    }
    return kep;
}

// A yes/no cell: its background, and the picture of its value 32 pixels from
// the left edge, at the top edge.
class IgenNemDelegate : public QStyledItemDelegate {
public:
    explicit IgenNemDelegate(QObject *parent)
        : QStyledItemDelegate(parent), m_kepek{igenNemKep(true), igenNemKep(false)}
    {
    }

    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        const QWidget *w = opt.widget;
        (w ? w->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &opt, p, w);
        p->drawPixmap(opt.rect.left() + 32, opt.rect.top(),
                      m_kepek[index.data().toString() == QLatin1String("I") ? 0 : 1]);
    }

private:
    QPixmap m_kepek[2];
};

// The design widths of the two yes/no columns.
constexpr int RendszergazdaSzeles = 77;
constexpr int TorzsszerkesztSzeles = 90;

bool belepesBekapcsolva()
{
    return Db::scalar("SELECT vanbelep FROM beallit ORDER BY beallit LIMIT 1").toString() ==
           QLatin1String("I");
}

} // namespace

Tfrm_Felhasznalo::Tfrm_Felhasznalo(QWidget *parent) : ListWindow(parent), m_felhasznalo(new DataSet(this))
{
    setObjectName("frm_Felhasznalo");
    setWindowTitle(QStringLiteral("Felhasználók adatai"));
    resize(498, 358);
    setWindowName("frm_Felhasznalo", true);
    for (auto [a, text] :
         {std::pair{aUj(), QStringLiteral("Új")}, std::pair{aTorol(), QStringLiteral("Töröl")}}) {
        a->setText(text);
        a->setToolTip(text);
    }
    // The menu names the new row differently; the window's aUj keeps the key,
    // the menu's item only shows it.
    auto *ujFelhasznalo = new QAction(aUj()->icon(), QStringLiteral("Új Felhasználó"), contextMenu());
    ujFelhasznalo->setObjectName("aUjFelhasznalo");
    ujFelhasznalo->setShortcut(aUj()->shortcut());
    ujFelhasznalo->setShortcutContext(Qt::WidgetShortcut);
    connect(ujFelhasznalo, &QAction::triggered, aUj(), &QAction::trigger);
    contextMenu()->insertAction(aUj(), ujFelhasznalo);
    contextMenu()->removeAction(aUj());

    m_felhasznalo->setTable("felhasznalo");
    setDataSet(m_felhasznalo, {{"felhasznalo", QStringLiteral("kód")},
                               {"felhasznalo_nev", QStringLiteral("felhasználó"), 146},
                               {"rendszergazda", QStringLiteral("rendszergazda"), RendszergazdaSzeles},
                               {"torzsszerkeszt", QStringLiteral("törzs.szerkeszt"), TorzsszerkesztSzeles}});
    auto *igenNem = new IgenNemDelegate(this);
    grid()->setItemDelegateForColumn(2, igenNem);
    grid()->setItemDelegateForColumn(3, igenNem);
    grid()->installEventFilter(this);
    setSortColumn(0);
    setStatusText(StatusText::CountColonPos);
    setPosting(Posting::ByDialog);
}

void Tfrm_Felhasznalo::initNewRow()
{
    m_felhasznalo->setValue("torzsszerkeszt", QStringLiteral("N"));
    m_felhasznalo->setValue("rendszergazda", QStringLiteral("N"));
}

bool Tfrm_Felhasznalo::execEditDialog()
{
    Tfrm_FelhasznaloSzerkeszt dlg(m_felhasznalo, this);
    return dlg.exec() == QDialog::Accepted;
}

void Tfrm_Felhasznalo::deleteRow()
{
    if (m_felhasznalo->isEmpty())
        return;
    // Counted in the table, not in the list: another workstation may have deleted users since.
    if (Db::scalar("SELECT COUNT(*) FROM felhasznalo").toInt() <= 1 && belepesBekapcsolva()) {
        HibaUzenet(QStringLiteral("Az utolsó felhasználó nem törölhető, amíg a belépés be van kapcsolva."),
                   this);
        return;
    }
    ListWindow::deleteRow();
}

// A font larger than the design one widens the yes/no columns to their titles.
void Tfrm_Felhasznalo::showEvent(QShowEvent *e)
{
    ListWindow::showEvent(e);
    const QHeaderView *fejlec = grid()->horizontalHeader();
    grid()->setColumnWidth(2, qMax(RendszergazdaSzeles, fejlec->sectionSizeHint(2)));
    grid()->setColumnWidth(3, qMax(TorzsszerkesztSzeles, fejlec->sectionSizeHint(3)));
    OszlopIgazit();
}

void Tfrm_Felhasznalo::resizeEvent(QResizeEvent *e)
{
    ListWindow::resizeEvent(e);
    OszlopIgazit();
}

// The first two columns share what the yes/no columns leave, a third and two thirds.
void Tfrm_Felhasznalo::OszlopIgazit()
{
    const int igenNem =
        grid()->columnWidth(2) - RendszergazdaSzeles + grid()->columnWidth(3) - TorzsszerkesztSzeles;
    const int szabad = qMax(0, grid()->width() - 205 - igenNem);
    grid()->setColumnWidth(0, int(szabad * 0.33));
    grid()->setColumnWidth(1, int(szabad * 0.67));
}

// Enter in the grid edits the current user.
bool Tfrm_Felhasznalo::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == grid() && e->type() == QEvent::KeyPress) {
        const auto *k = static_cast<QKeyEvent *>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
            !(k->modifiers() & ~Qt::KeypadModifier)) {
            aSzerkeszt()->trigger();
            return true;
        }
    }
    return ListWindow::eventFilter(watched, e);
}

void FelhasznalokMutat(QWidget *owner)
{
    Tfrm_Felhasznalo w(owner);
    w.Tbl()->open();
    w.exec();
    w.Tbl()->close();
}
