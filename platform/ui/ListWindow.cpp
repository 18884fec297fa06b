#include "platform/ui/ListWindow.h"

#include "foundation/Beall.h"
#include "foundation/Seged.h"
#include "platform/ui/EditDialog.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MenuStyle.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/SearchBox.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QFont fixedFont(const QString &family, bool pixels, int size)
{
    QFont f(family);
    if (pixels)
        f.setPixelSize(size);
    else
        f.setPointSize(size);
    f.setBold(true);
    return f;
}

} // namespace

ListWindow::ListWindow(QWidget *parent) : QDialog(parent)
{
    setFont(QFont(QStringLiteral("Tahoma")));

    m_aUj = makeAction("aUj", QStringLiteral("Új sor"), QStyle::SP_FileIcon, {Qt::Key_Insert});
    m_aSzerkeszt = makeAction("aSzerkeszt", QStringLiteral("Szerkeszt"), QStyle::SP_FileDialogDetailedView,
                              {Qt::Key_F2});
    m_aTorol = makeAction("aTorol", QStringLiteral("Sor törlése"), QStyle::SP_TrashIcon,
                          {QKeySequence(Qt::CTRL | Qt::Key_Delete)});
    m_aKeres = makeAction("aKeres", QStringLiteral("Kereső"), QStyle::SP_FileDialogContentsView,
                          {QKeySequence(Qt::CTRL | Qt::Key_F)});
    m_aElfogad = makeAction("aElfogad", QStringLiteral("Elfogad"), QStyle::SP_DialogApplyButton,
                            {Qt::Key_Return, Qt::Key_Enter});
    m_aBezar = makeAction("aBezar", QStringLiteral("Bezár"), QStyle::SP_DialogCloseButton, {Qt::Key_Escape});
    m_aKeres->setVisible(false); // until there is a search box
    setAcceptMode(false);

    connect(m_aUj, &QAction::triggered, this, [this] { newRow(); });
    connect(m_aSzerkeszt, &QAction::triggered, this, [this] { editRow(); });
    connect(m_aTorol, &QAction::triggered, this, [this] { deleteRow(); });
    connect(m_aKeres, &QAction::triggered, this, [this] {
        if (m_search)
            m_search->setFocus(Qt::ShortcutFocusReason);
    });
    connect(m_aElfogad, &QAction::triggered, this, &QDialog::accept);
    connect(m_aBezar, &QAction::triggered, this, &QDialog::reject);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setMovable(false);
    m_toolBar->addActions({m_aUj, m_aSzerkeszt, m_aTorol});
    m_toolBar->addSeparator();
    m_toolBar->addActions({m_aElfogad, m_aBezar});

    m_grid = new GridView(this);
    m_grid->setObjectName(QStringLiteral("grid"));
    connect(m_grid, &QAbstractItemView::doubleClicked, this,
            [this] { (m_acceptMode ? m_aElfogad : m_aSzerkeszt)->trigger(); });

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("gridMenu"));
    m_menu->addActions({m_aUj, m_aSzerkeszt, m_aTorol});
    m_menu->addSeparator();
    m_menu->addAction(m_aKeres);
    m_menu->addSeparator();
    m_menu->addActions({m_aElfogad, m_aBezar});
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_menu->popup(m_grid->viewport()->mapToGlobal(pos)); });

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("statusBar"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_statusBar);
    setStatusPanels({77, 50});
}

QAction *ListWindow::makeAction(const char *name, const QString &caption, QStyle::StandardPixmap icon,
                                const QList<QKeySequence> &shortcuts)
{
    auto *a = new QAction(style()->standardIcon(icon), caption, this);
    a->setObjectName(QLatin1String(name));
    a->setToolTip(caption);
    a->setShortcuts(shortcuts);
    addAction(a); // shortcuts work anywhere in the window
    return a;
}

void ListWindow::setWindowName(const QString &name, bool restoreSize)
{
    m_windowName = name;
    m_restoreSize = restoreSize;
}

void ListWindow::setTitleStrip(const QString &caption, const QString &searchField)
{
    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("titleStrip"));
    strip->setFixedHeight(33);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(2, 0, 0, 0);
    if (!searchField.isEmpty()) {
        m_searchField = searchField;
        m_search = new QLineEdit(strip);
        m_search->setObjectName(QStringLiteral("edtKereso"));
        m_search->setFixedWidth(121);
        m_search->setFont(fixedFont(QStringLiteral("Tahoma"), false, 8));
        // In accept mode Enter is the accept action's shortcut and never reaches the box.
        installSearchBox(m_grid, m_search, [this](const QString &text) { search(text); });
        row->addWidget(m_search);
        m_aKeres->setVisible(true);
    }
    auto *title = new QLabel(caption, strip);
    title->setObjectName(QStringLiteral("lblCim"));
    title->setFont(fixedFont(QStringLiteral("Arial"), true, 15));
    title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(title, 1);
    static_cast<QVBoxLayout *>(layout())->insertWidget(1, strip);
}

void ListWindow::setDataSet(DataSet *ds, std::vector<GridColumn> columns)
{
    m_ds = ds;
    m_model = new GridModel(ds, this);
    m_model->setColumns(std::move(columns));
    m_grid->setGridModel(m_model);
    connect(ds, &DataSet::currentChanged, this, &ListWindow::updateStatus);
    connect(ds, &DataSet::dataReset, this, &ListWindow::updateStatus);
    updateStatus();
}

void ListWindow::setStatusPanels(const QList<int> &widths)
{
    qDeleteAll(m_panels);
    m_panels.clear();
    for (int i = 0; i < widths.size(); ++i) {
        auto *panel = new QLabel(m_statusBar);
        panel->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i == 0)
            panel->setAlignment(Qt::AlignCenter);
        m_statusBar->addWidget(panel);
        m_panels.append(panel);
    }
    updateStatus();
}

void ListWindow::setAcceptMode(bool on)
{
    m_acceptMode = on;
    m_aElfogad->setEnabled(on);
    m_aElfogad->setVisible(on);
}

void ListWindow::search(const QString &text)
{
    if (m_ds && m_ds->isOpen())
        m_ds->seekPrefix(m_searchField, text);
}

void ListWindow::updateStatus()
{
    QLabel *panel = m_panels.value(0);
    if (!panel)
        return;
    if (!m_ds || !m_ds->isOpen() || m_ds->isEmpty())
        panel->clear();
    else if (m_statusText == StatusText::CountColonPos)
        panel->setText(PozicioSzoveg(*m_ds));
    else
        panel->setText(QStringLiteral("%1 / %2").arg(m_ds->recordCount()).arg(m_ds->recNo()));
}

void ListWindow::newRow()
{
    m_ds->insert();
    initNewRow();
    finishEdit(execEditDialog());
}

void ListWindow::editRow()
{
    m_ds->edit();
    finishEdit(execEditDialog());
}

// A dialog that posts has left the data set browsing; otherwise the list posts
// on OK, and a failed post does not leave a half-made row behind.
void ListWindow::finishEdit(bool ok)
{
    if (!m_ds->isEditing())
        return;
    if (!ok || m_posting == Posting::ByDialog) {
        m_ds->cancel();
        return;
    }
    try {
        m_ds->post();
    } catch (...) {
        m_ds->cancel();
        throw;
    }
}

void ListWindow::deleteRow()
{
    if (m_ds->isEmpty())
        return;
    if (KerdesUzenet(m_deleteQuestion, QStringLiteral("Megerősítés"), this))
        m_ds->remove();
}

void ListWindow::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_wasShown)
        return;
    m_wasShown = true;
    if (!m_windowName.isEmpty()) {
        // Left and Top are the frame's place, as stored on close.
        int left = x(), top = y(), w = width(), h = height();
        if (m_restoreSize) {
            AblakMeretBetolt(m_windowName, left, top, w, h);
            resize(w, h);
        } else {
            AblakHelyBetolt(m_windowName, left, top);
        }
        move(left, top);
    }
    applyProgramFontSize(this);
    // Every button of the toolbar stays reachable, whatever the font gives it.
    if (width() < m_toolBar->sizeHint().width())
        resize(m_toolBar->sizeHint().width(), height());
    if (m_model && m_sortColumn >= 0)
        m_model->setSortColumn(m_sortColumn, colorFromBgr(Beall().SorrendSzin));
    MenuRajzolBeallit(this);
    m_grid->setFocus();
}

int ListWindow::choose(const QString &keyField, int key)
{
    m_ds->open();
    m_ds->locate(keyField, key);
    int result = -1;
    if (exec() == QDialog::Accepted)
        result = m_ds->isEmpty() ? 0 : NullEgesz(m_ds->value(keyField), 0);
    m_ds->close();
    return result;
}

void ListWindow::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    if (m_firstColumnRest >= 0)
        m_grid->setColumnWidth(0, m_grid->width() - m_firstColumnRest);
}

void ListWindow::done(int result)
{
    if (!m_windowName.isEmpty())
        AblakMeretMent(m_windowName, x(), y(), width(), height());
    QDialog::done(result);
}
