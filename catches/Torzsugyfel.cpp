#include "catches/Torzsugyfel.h"

#include "foundation/Beall.h"
#include "platform/db/DataSet.h"
#include "platform/ui/GridView.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <cmath>

namespace {

// Shares of the grid's width, per column.
constexpr double Aranyok[] = {0.5, 0.3, 0.2};

} // namespace

Tfrm_Torzsugyfel::Tfrm_Torzsugyfel(QWidget *parent) : ListWindow(parent), m_ugyfel(new DataSet(this))
{
    setObjectName("frm_Torzsugyfel");
    setWindowTitle(QStringLiteral("Tag választás"));
    resize(478, 456);
    setWindowName("frm_Torzsugyfel");
    setTitleStrip(QStringLiteral("Tag választás  "), m_sorrendMezo);
    searchBox()->setFixedWidth(145);
    m_ugyfel->setTable("ugyfel", m_sorrendMezo);
    setDataSet(m_ugyfel, {{"Ugyfel_nev", QStringLiteral("tag neve")},
                          {"Horgigszam", QStringLiteral("horg.ig.szám")},
                          {"Sorszam", QStringLiteral("sorszám"), 0, Qt::AlignRight | Qt::AlignVCenter}});
    setSortColumn(0);
    setStatusText(StatusText::CountColonPos);
    setAcceptMode(true);
    aElfogad()->setText(QStringLiteral("Kiválaszt"));
    aElfogad()->setToolTip(QStringLiteral("Kiválaszt"));

    // The picker edits nothing, and the search box is reached by its shortcut only.
    for (QAction *a : {aUj(), aSzerkeszt(), aTorol()})
        a->setVisible(false);
    for (QAction *a : toolBar()->actions())
        if (a->isSeparator())
            a->setVisible(false);
    contextMenu()->removeAction(aKeres());

    grid()->horizontalHeader()->setSectionsClickable(true);
    connect(grid()->horizontalHeader(), &QHeaderView::sectionClicked, this, &Tfrm_Torzsugyfel::Rendez);
}

void Tfrm_Torzsugyfel::Rendez(int column)
{
    const auto &columns = model()->columns();
    if (column < 0 || column >= int(columns.size()))
        return;
    const QVariant key = m_ugyfel->isEmpty() ? QVariant() : m_ugyfel->value("Ugyfel");
    m_sorrendMezo = columns[size_t(column)].field;
    m_ugyfel->setTable("ugyfel", m_sorrendMezo);
    m_ugyfel->open();
    if (key.isValid())
        m_ugyfel->locate("Ugyfel", key);
    setSortColumn(column);
    model()->setSortColumn(column, colorFromBgr(Beall().SorrendSzin));
}

void Tfrm_Torzsugyfel::search(const QString &text)
{
    if (m_ugyfel->isOpen())
        searchInOrder(*m_ugyfel, m_sorrendMezo, text);
}

void Tfrm_Torzsugyfel::showEvent(QShowEvent *e)
{
    ListWindow::showEvent(e);
    searchBox()->setFocus();
}

void Tfrm_Torzsugyfel::resizeEvent(QResizeEvent *e)
{
    ListWindow::resizeEvent(e);
    const int width = grid()->width() - 44;
    for (int c = 0; c < 3; ++c)
        grid()->setColumnWidth(c, int(std::lround(width * Aranyok[c])));
}

int TagValaszt(int ugyfel, QWidget *owner)
{
    Tfrm_Torzsugyfel w(owner);
    return w.choose("Ugyfel", ugyfel);
}
