#include "mainwindow/Main.h"
#include "mainwindow/Splash.h"

#include "admin/Login.h"
#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QVBoxLayout>

Tfrm_Main::Tfrm_Main(QWidget *parent) : QMainWindow(parent), m_ugyfel(new DataSet(this))
{
    setObjectName("frm_Main");
    buildWindow();
}

Tfrm_Main::~Tfrm_Main() = default;

void Tfrm_Main::buildWindow()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Title panel: the search box at its left, the version text in bold Arial 15 px.
    auto *title = new QWidget(central);
    title->setObjectName("pnlCim");
    title->setFixedHeight(33);
    title->setAutoFillBackground(true);
    auto *titleLayout = new QHBoxLayout(title);
    titleLayout->setContentsMargins(4, 4, 8, 4);
    m_kereso = new QLineEdit(title);
    m_kereso->setObjectName("edtKereso");
    m_kereso->setFixedWidth(121);
    m_kereso->setToolTip(QStringLiteral("Sorrend szerinti keresés"));
    m_kereso->setStatusTip(QStringLiteral("Sorrend szerinti keresés"));
    QFont searchFont("Tahoma");
    searchFont.setBold(true);
    m_kereso->setFont(searchFont);
    m_cimPanel = new QLabel(title);
    m_cimPanel->setObjectName("lblCim");
    QFont titleFont("Arial");
    titleFont.setBold(true);
    titleFont.setPixelSize(15);
    m_cimPanel->setFont(titleFont);
    m_cimPanel->setAlignment(Qt::AlignCenter);
    titleLayout->addWidget(m_kereso);
    titleLayout->addWidget(m_cimPanel, 1);
    layout->addWidget(title);

    m_grid = new GridView(central);
    m_grid->setObjectName("grdUgyfel");
    m_model = new GridModel(m_ugyfel, this);
    const auto sorszam = [](const QVariant &v) {
        return v.isNull() ? QString() : QStringLiteral("%1").arg(v.toInt(), 5, 10, QChar('0'));
    };
    m_model->setColumns({
        {"Sorszam", QStringLiteral("sorszám"), 0, Qt::AlignCenter, sorszam, {}, {}},
        {"Ugyfel_nev", QStringLiteral("egyesületi tag"), 0, Qt::AlignLeft | Qt::AlignVCenter, {}, {}, {}},
        {"Horgigszam", QStringLiteral("állami horg.ig"), 0, Qt::AlignLeft | Qt::AlignVCenter, {}, {}, {}},
    });
    m_grid->setGridModel(m_model);
    layout->addWidget(m_grid, 1);
    setCentralWidget(central);

    // Status bar: position, sort text, hint of the control under the mouse, empty.
    for (int width : {77, 150, 200, 50}) {
        auto *panel = new QLabel(statusBar());
        panel->setObjectName(QStringLiteral("statusPanel%1").arg(m_panels.size()));
        panel->setFixedWidth(width);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(panel);
        m_panels << panel;
    }
    m_panels[0]->setAlignment(Qt::AlignCenter);
    statusBar()->setSizeGripEnabled(true);
    connect(m_ugyfel, &DataSet::currentChanged, this, [this] { m_panels[0]->setText(PozicioSzoveg(*m_ugyfel)); });
}

QLabel *Tfrm_Main::statusPanel(int i) const { return m_panels.value(i); }

QString Tfrm_Main::beallitOlvas()
{
    TBeall &b = Beall();
    DataSet beallit;
    beallit.setTable("beallit");
    beallit.open();
    b.vanbelep = !beallit.isEmpty() && beallit.value("vanbelep").toString() == QLatin1String("I");
    for (int i = 0; i < 6; ++i)
        b.m[size_t(i)] = beallit.isEmpty() ? QString() : NullSzoveg(beallit.value(QStringLiteral("m%1").arg(i + 1)), {});
    beallit.close();

    DataSet tulajdonos;
    tulajdonos.setTable("tulajdonos", "tulajdonos");
    tulajdonos.open();
    const QString nev = tulajdonos.isEmpty() ? QString() : NullSzoveg(tulajdonos.value("tulajdonos"), {});
    tulajdonos.close();
    return nev;
}

bool Tfrm_Main::Inditas()
{
    Folders &f = folders();
    if (QFileInfo::exists(QDir(f.program).filePath("Vorn.ini"))) {
        f.dataRoot = f.program;
        f.settingsFile = QDir(f.program).filePath("Vorn.ini");
    }
    QDir().mkpath(f.pictures());  // a failure only means photos never appear
    m_tipusSzuro = -1;
    BeallitasOlvas(Beall(), f);
    if (!QFileInfo(Beall().Utvonal).isDir()) {
        HibaUzenet(QStringLiteral("Nem létező adatbázis mappa."), this);
        return false;
    }
    // Workstations sharing the data folder coordinate through the database
    // file's own locks, so the lock information lives in the data folder itself.
    try {
        Db::open(Beall().Utvonal);
    } catch (const DbError &e) {
        HibaUzenet(QStringLiteral("Adatbázis megnyitása sikertelen") + "\r\n" + e.message(), nullptr);
        return false;
    }
    QString tulajdonos;
    try {
        tulajdonos = beallitOlvas();
    } catch (const DbError &e) {
        HibaUzenet(QStringLiteral("Adatbázis megnyitása sikertelen") + "\r\n" + e.message(), nullptr);
        Db::close();
        return false;
    }
    if (Beall().vanbelep) {
        Tfrm_Login login;
        if (login.exec() != QDialog::Accepted) {
            Db::close();
            return false;
        }
    }
    setWindowTitle(QStringLiteral("Vorn V5.0.1.158: [") + tulajdonos + "]");
    m_sorrendMezo = "Ugyfel_nev";
    m_ugyfel->setTable("ugyfel", m_sorrendMezo);
    m_ugyfel->open();
    m_panels[1]->setText(QStringLiteral("Sorrend: név"));

    QPalette tip = QToolTip::palette();
    tip.setColor(QPalette::ToolTipBase, colorFromBgr(11918079));
    tip.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tip);
    m_cimPanel->setText(QString::fromLatin1(Verzio));
    return true;
}

bool Tfrm_Main::event(QEvent *e)
{
    // The hint of the control under the mouse goes to the third status panel.
    if (e->type() == QEvent::StatusTip) {
        m_panels[2]->setText(static_cast<QStatusTipEvent *>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void Tfrm_Main::showPosition()
{
    const TBeall &b = Beall();
    if (b.TeljesKep) {
        const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : folders().workArea;
        setGeometry(0, 0, area.x() + area.width(), area.y() + area.height());
        // Filling the work area is what a maximized window does; the window
        // manager then keeps the frame and its caption on the screen.
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        move(b.Bal, b.Felul);
        resize(b.Szeles, b.Magas);
    }
    QFont f = font();
    f.setPointSize(b.Betumeret);
    setFont(f);
}

void Tfrm_Main::showEvent(QShowEvent *e)
{
    if (m_elsoMegjelenes) {
        m_elsoMegjelenes = false;
        m_model->setSortColumn(1, colorFromBgr(Beall().SorrendSzin));
        showPosition();
        QMainWindow::showEvent(e);
        auto *splash = new Tfrm_Splash(this);
        splash->show();
        return;
    }
    QMainWindow::showEvent(e);
}

void Tfrm_Main::closeEvent(QCloseEvent *e)
{
    BeallitasIr(Beall(), folders(), QRect(pos(), size()));
    m_ugyfel->close();
    Db::close();
    QMainWindow::closeEvent(e);
}
