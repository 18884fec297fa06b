#include "mainwindow/Main.h"
#include "mainwindow/Splash.h"

#include "admin/Login.h"
#include "admin/TorzsMe.h"
#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "foundation/Seged.h"
#include "members/Szerkeszt.h"
#include "platform/db/DataSet.h"
#include "platform/ui/BoundControls.h"
#include "platform/ui/EditDialog.h"
#include "platform/ui/FileDialogs.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MenuStyle.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/SearchBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The three sortable columns: field, and the label the status bar names it by.
struct SortColumn {
    const char *field;
    const char *label;
};
const SortColumn SortColumns[] = {{"Sorszam", "sorszám"}, {"Ugyfel_nev", "tag"}, {"Horgigszam", "horg.ig.sz"}};

const QColor Inaktiv(0x80, 0x80, 0x80);
const QColor InaktivKijelolt(0xC0, 0xC0, 0xC0);
const QColor InaktivHatter(0xF5, 0xF5, 0xF5);

QPixmap nincsFoto()
{
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB0, 0xB8, 0xC4));
    p.drawEllipse(QRect(30, 10, 36, 40));
    p.drawRoundedRect(QRect(14, 54, 68, 42), 18, 18);
    return pm;
}

} // namespace

// The picture area of the detail panel: the member's photo placed by the
// scaling rule, or the placeholder; a click chooses a photo.
class PhotoBox : public QWidget {
public:
    static constexpr int W = 132;
    static constexpr int H = 100;

    explicit PhotoBox(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(W, H);
        setCursor(Qt::PointingHandCursor);
        setToolTip(QStringLiteral("Kép választása"));
    }
    std::function<void()> clicked;

    void show(const QString &file)
    {
        m_image = QImage();
        if (QFileInfo::exists(file)) {
            QImageReader reader(file);
            reader.setAutoTransform(true);
            m_image = reader.read();
        }
        update();
    }
    bool hasPhoto() const { return !m_image.isNull(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (m_image.isNull()) {
            static const QPixmap placeholder = nincsFoto();
            p.drawPixmap(Tfrm_Main::FotoHely(placeholder.size(), size()), placeholder);
            return;
        }
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(Tfrm_Main::FotoHely(m_image.size(), size()), m_image);
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && clicked)
            clicked();
    }

private:
    QImage m_image;
};

Tfrm_Main::Tfrm_Main(QWidget *parent) : QMainWindow(parent), m_ugyfel(new DataSet(this))
{
    setObjectName("frm_Main");
    buildActions();
    buildList();
    buildMenus();
}

Tfrm_Main::~Tfrm_Main() = default;

QRect Tfrm_Main::FotoHely(const QSize &image, const QSize &area)
{
    if (image.width() < area.width() && image.height() < area.height())
        return QRect(QPoint((area.width() - image.width()) / 2, (area.height() - image.height()) / 2), image);
    const double scale = std::min(double(area.width()) / image.width(), double(area.height()) / image.height());
    const int w = qRound(image.width() * scale);
    const int h = qRound(image.height() * scale);
    return QRect((area.width() - w) / 2, (area.height() - h) / 2, w, h);
}

QString Tfrm_Main::fotoUtvonal(int ugyfel)
{
    return QDir(folders().pictures()).filePath(QStringLiteral("%1.jpg").arg(ugyfel, 5, 10, QChar('0')));
}

void Tfrm_Main::buildList()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Title panel: the search box at its left, the version text in bold Arial 15 px.
    auto *title = new QWidget(central);
    title->setObjectName("pnlCim");
    title->setFixedHeight(33);
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

    auto *large = new QToolBar(central);
    large->setObjectName("tbNagy");
    layout->addWidget(large);

    // The list area: grid and jump tabs on the left, the detail panel on the right.
    auto *area = new QWidget(central);
    auto *areaLayout = new QHBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(2);
    auto *left = new QWidget(area);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);

    m_grid = new GridView(left);
    m_grid->setObjectName("grdUgyfel");
    m_model = new GridModel(m_ugyfel, this);
    const auto sorszam = [](const QVariant &v) {
        return v.isNull() ? QString() : QStringLiteral("%1").arg(v.toInt(), 5, 10, QChar('0'));
    };
    // Row colours: the type's colour, replaced by grey for inactive members;
    // the selected row keeps the selection colours, with silver text when inactive.
    const auto inaktiv = [this](int row) {
        return m_ugyfel->valueAt(row, "Aktiv").toString() == QLatin1String("N");
    };
    const auto hatter = [this, inaktiv](int row) {
        if (row == m_ugyfel->currentRow())
            return QColor();
        if (inaktiv(row))
            return InaktivHatter;
        const int szin = m_ugyfel->valueAt(row, "szin").toInt();
        return szin > 1 ? colorFromBgr(szin) : QColor();
    };
    const auto betu = [this, inaktiv](int row) {
        if (!inaktiv(row))
            return QColor();
        return row == m_ugyfel->currentRow() ? InaktivKijelolt : Inaktiv;
    };
    m_model->setColumns({
        {"Sorszam", QStringLiteral("sorszám"), 0, Qt::AlignCenter, sorszam, hatter, betu},
        {"Ugyfel_nev", QStringLiteral("egyesületi tag"), 0, Qt::AlignLeft | Qt::AlignVCenter, {}, hatter, betu},
        {"Horgigszam", QStringLiteral("állami horg.ig"), 0, Qt::AlignLeft | Qt::AlignVCenter, {}, hatter, betu},
    });
    m_grid->setGridModel(m_model);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &Tfrm_Main::Rendez);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &Tfrm_Main::UgyfelSzerkeszt);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { m_gridMenu->popup(m_grid->viewport()->mapToGlobal(p)); });
    leftLayout->addWidget(m_grid, 1);
    installSearchBox(m_grid, m_kereso, [this](const QString &text) { Keres(text); });

    m_fulek = new QTabBar(left);
    m_fulek->setObjectName("tabUgras");
    m_fulek->setShape(QTabBar::RoundedSouth);
    m_fulek->setExpanding(false);
    m_fulek->setDrawBase(false);
    for (const char *c : {"A-C", "D-F", "G-I", "J-L", "M-O", "P-R", "S-U", "V-Z"})
        m_fulek->addTab(QString::fromLatin1(c));
    m_fulek->setStyleSheet("QTabBar::tab { min-width: 30px; }");
    connect(m_fulek, &QTabBar::tabBarClicked, this, &Tfrm_Main::UgrasFul);
    leftLayout->addWidget(m_fulek);
    areaLayout->addWidget(left, 1);
    // A low window scrolls the detail panel rather than growing past its height.
    auto *detail = new QScrollArea(area);
    detail->setObjectName("sbAdatok");
    detail->setWidget(buildDetail());
    detail->setWidgetResizable(true);
    detail->setFrameShape(QFrame::NoFrame);
    detail->setFixedWidth(428 + detail->verticalScrollBar()->sizeHint().width());
    detail->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    areaLayout->addWidget(detail);
    layout->addWidget(area, 1);
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
    connect(m_ugyfel, &DataSet::currentChanged, this, &Tfrm_Main::soronAll);
}

QWidget *Tfrm_Main::buildDetail()
{
    auto *panel = new QFrame(this);
    panel->setObjectName("pnlAdatok");
    panel->setFixedWidth(428);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);

    const auto value = [this, panel](const QString &field) {
        auto *v = new BoundLabel(panel);
        v->setObjectName("lbl_" + field);
        v->bind(m_ugyfel, field);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return v;
    };
    int row = 0;
    auto *nev = value("Ugyfel_nev");
    QFont big("Arial");
    big.setBold(true);
    big.setPixelSize(15);
    nev->setFont(big);
    grid->addWidget(nev, row++, 0, 1, 3);
    const auto line = [&](QLabel *caption, std::initializer_list<QWidget *> values) {
        caption->setStyleSheet("color: #808080;");
        grid->addWidget(caption, row, 0, Qt::AlignTop);
        int col = 1;
        for (QWidget *v : values)
            grid->addWidget(v, row, col++, 1, values.size() == 1 ? 2 : 1);
        ++row;
    };
    const auto caption = [panel](const QString &text) { return new QLabel(text, panel); };
    auto *sorszam = value("Sorszam");
    sorszam->setDisplayFormat(
        [](const QVariant &v) { return v.isNull() ? QString() : QStringLiteral("%1").arg(v.toInt(), 5, 10, QChar('0')); });
    line(caption(QStringLiteral("sorszám")), {sorszam});
    line(caption(QStringLiteral("aktív?")), {value("aktiv_nev")});
    line(caption(QStringLiteral("típus")), {value("tipus_nev")});
    line(caption(QStringLiteral("horg.ig")), {value("Horgigszam")});
    line(caption(QStringLiteral("horg.vizsga")), {value("Horgvizsga")});
    line(caption(QStringLiteral("horgászjegy")), {value("Horgaszjegy")});
    line(caption(QStringLiteral("tagság dat.")), {value("Dat_tag")});
    line(caption(QStringLiteral("ter.eng.sz")), {value("Tereng")});
    line(caption(QStringLiteral("belép.dat")), {value("Dat_belep")});
    line(caption(QStringLiteral("született")), {value("Szulhely"), value("Dat_szul")});
    line(caption(QStringLiteral("cím")), {value("Cim_irsz"), value("Cim_varos")});
    grid->addWidget(value("Cim_cim"), row++, 1, 1, 2);
    line(caption(QStringLiteral("szig.szám")), {value("Szigszam")});
    const QStringList design{QStringLiteral("anyja neve"), QStringLiteral("MOHOSZ lap"), QStringLiteral("cs.kikötő"),
                             QStringLiteral("fogási napló"), QStringLiteral("horg.hely")};
    const auto free = [&](int i) {
        auto *c = caption(design[i]);
        c->setObjectName(QStringLiteral("lblSzabad%1").arg(i));
        m_szabadCimkek << c;
        return c;
    };
    line(free(0), {value("anya")});
    line(caption(QStringLiteral("telefon")), {value("Telefon")});
    line(free(1), {value("taglap")});
    line(free(2), {value("csonak")});
    line(free(3), {value("fognaplo")});
    line(free(4), {value("horgaszhely")});
    line(caption(QStringLiteral("horg.hely m2")), {value("horgaszhelym2")});
    line(caption(QStringLiteral("fog.naplót leadta?")), {value("fognaplead_nev")});
    line(caption(QStringLiteral("körny.véd.nap?")), {value("korvednap_nev")});

    auto *megjegyzes = new BoundMemo(panel);
    megjegyzes->setObjectName("memMegjegyzes");
    megjegyzes->bind(m_ugyfel, "Megjegyzes");
    megjegyzes->setReadOnly(true);
    megjegyzes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont courier("Courier New");
    courier.setPointSize(9);
    megjegyzes->setFont(courier);
    megjegyzes->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(megjegyzes, &QWidget::customContextMenuRequested, this,
            [this, megjegyzes](const QPoint &p) { m_gridMenu->popup(megjegyzes->mapToGlobal(p)); });
    grid->addWidget(megjegyzes, row++, 0, 1, 3);
    grid->setRowStretch(row - 1, 1);

    m_foto = new PhotoBox(panel);
    m_foto->setObjectName("imgFoto");
    m_foto->clicked = [this] { FotoValaszt(); };
    grid->addWidget(m_foto, row++, 0, 1, 3, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    return panel;
}

bool Tfrm_Main::fotoLathato() const { return m_foto->hasPhoto(); }

QLabel *Tfrm_Main::statusPanel(int i) const { return m_panels.value(i); }

QAction *Tfrm_Main::parancs(const QString &name) const { return findChild<QAction *>(name); }

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
    QString tulajdonos;
    try {
        Db::open(Beall().Utvonal);
        tulajdonos = beallitOlvas();
    } catch (const DbError &e) {
        HibaUzenet(QStringLiteral("Adatbázis megnyitása sikertelen") + "\r\n" + e.message(), nullptr);
        Db::close();
        return false;
    }
    // The free-field captions of the detail panel: m1, m2, m3, m4 and m6.
    const int szabad[] = {0, 1, 2, 3, 5};
    for (int i = 0; i < 5; ++i)
        m_szabadCimkek[i]->setText(Beall().m[size_t(szabad[i])]);
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

void Tfrm_Main::soronAll()
{
    m_panels[0]->setText(QStringLiteral("%1 / %2").arg(m_ugyfel->recordCount()).arg(m_ugyfel->recNo()));
    const QVariant key = m_ugyfel->isEmpty() ? QVariant() : m_ugyfel->value("Ugyfel");
    m_foto->show(fotoUtvonal(NullEgesz(key, 0)));
    m_grid->viewport()->update();  // the selected row's colours follow the current row
}

void Tfrm_Main::setSortColumn(int column)
{
    m_sortColumn = column;
    m_model->setSortColumn(column, colorFromBgr(Beall().SorrendSzin));
}

void Tfrm_Main::Rendez(int column)
{
    if (column < 0 || column > 2)
        return;
    const QVariant key = m_ugyfel->isEmpty() ? QVariant() : m_ugyfel->value("Ugyfel");
    m_sorrendMezo = QString::fromLatin1(SortColumns[column].field);
    m_ugyfel->setTable("ugyfel", m_sorrendMezo);
    m_ugyfel->open();
    if (key.isValid())
        m_ugyfel->locate("Ugyfel", key);
    m_panels[1]->setText(QStringLiteral("Sorrend: ") + QString::fromUtf8(SortColumns[column].label));
    setSortColumn(column);
    m_kereso->setFocus();
}

bool Tfrm_Main::Keres(const QString &text)
{
    if (text.isEmpty() || !m_ugyfel->isOpen())
        return false;
    return searchInOrder(*m_ugyfel, m_sorrendMezo, text);
}

void Tfrm_Main::UgrasFul(int tab)
{
    if (tab < 0)
        return;
    m_fulek->setCurrentIndex(tab);
    if (m_sorrendMezo != QLatin1String("Ugyfel_nev")) {
        const QVariant key = m_ugyfel->isEmpty() ? QVariant() : m_ugyfel->value("Ugyfel");
        m_sorrendMezo = "Ugyfel_nev";
        m_ugyfel->setTable("ugyfel", m_sorrendMezo);
        m_ugyfel->open();
        if (key.isValid())
            m_ugyfel->locate("Ugyfel", key);
    }
    m_panels[1]->setText(QStringLiteral("Sorrend: név"));
    const QChar first = m_fulek->tabText(tab).at(0);
    for (int i = 0; i < 3; ++i)
        if (m_ugyfel->seekPrefix("Ugyfel_nev", QString(QChar(first.unicode() + i))))
            return;
}

void Tfrm_Main::TipusSzures()
{
    QAction *a = parancs("aSzur");
    if (m_tipusSzuro != -1) {
        m_tipusSzuro = -1;
        m_ugyfel->setFilter(QString());
        a->setChecked(false);
        return;
    }
    const int tipus = TipusValaszt(-1, true, this);
    if (tipus == -1) {
        a->setChecked(false);
        return;
    }
    m_tipusSzuro = tipus;
    m_ugyfel->setFilter(QStringLiteral("tipus=%1").arg(tipus));
    a->setChecked(true);
}

void Tfrm_Main::szerkesztoDialog()
{
    Tfrm_Szerkeszt dlg(m_ugyfel, this);
    const bool ok = dlg.exec() == QDialog::Accepted;
    if (!ok) {
        m_ugyfel->cancel();
        return;
    }
    try {
        m_ugyfel->post();  // one committed transaction: other workstations see it at once
    } catch (const DbError &e) {
        // Nothing was stored; the list returns to browsing.
        m_ugyfel->cancel();
        HibaUzenet(e.message(), this);
    }
}

void Tfrm_Main::UjUgyfel()
{
    const int key = KovetkezoAzon("ugyfel", "ugyfel");
    const int serial = KovetkezoAzon("ugyfel", "sorszam");
    m_ugyfel->insert();
    m_ugyfel->setValue("Ugyfel", key);
    m_ugyfel->setValue("Sorszam", serial);
    m_ugyfel->setValue("Cim_varos", Beall().AlapVaros);
    const QDate today = QDate::currentDate();
    m_ugyfel->setValue("Dat_szul", today);
    m_ugyfel->setValue("Dat_tag", today);
    m_ugyfel->setValue("Dat_belep", today);
    m_ugyfel->setValue("Aktiv", "I");
    szerkesztoDialog();
}

void Tfrm_Main::UgyfelSzerkeszt()
{
    m_ugyfel->edit();
    szerkesztoDialog();
}

void Tfrm_Main::UgyfelTorol()
{
    if (m_ugyfel->isEmpty())
        return;
    if (KerdesUzenet(QStringLiteral("Valóban töröljem a sort?"), QStringLiteral("Megerősítés"), this))
        m_ugyfel->remove();
}

bool Tfrm_Main::UgyfelPozicional(int ugyfel) { return m_ugyfel->locate("Ugyfel", ugyfel); }

void Tfrm_Main::BetumeretValt(int delta)
{
    int &size = Beall().Betumeret;
    if ((delta > 0 && size >= 10) || (delta < 0 && size <= 8))
        return;
    size += delta;
    applyProgramFontSize(this);
}

void Tfrm_Main::FotoValaszt()
{
    if (m_ugyfel->isEmpty() || m_ugyfel->value("Ugyfel").isNull())
        return;
    const QString target = fotoUtvonal(m_ugyfel->value("Ugyfel").toInt());
    const QString file = OpenFileName(this, QStringLiteral("Kép választása (max 160*160px)"), folders().pictures(),
                                      QStringLiteral("JPEG kép (*.jpg)|*.jpg|JPEG kép (*.jpeg)|*.jpeg"),
                                      QStringLiteral("jpg"));
    if (!file.isEmpty() && QFileInfo(file).absoluteFilePath() != QFileInfo(target).absoluteFilePath()) {
        // Copy beside the target first, so a failed copy keeps the earlier photo.
        const QString temp = target + ".uj";
        QFile::remove(temp);
        if (QFile::copy(file, temp)) {
            QFile::remove(target);
            QFile::rename(temp, target);
        }
    }
    soronAll();
}

void Tfrm_Main::oszlopSzelessegek()
{
    // Halves go to the even neighbour (the default rounding mode of nearbyint).
    const double w = m_grid->width() - 33;
    const double share[] = {0.2, 0.5, 0.29};
    for (int c = 0; c < 3; ++c)
        m_grid->setColumnWidth(c, int(std::nearbyint(w * share[c])));
}

void Tfrm_Main::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    oszlopSzelessegek();
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
    applyProgramFontSize(this);
}

void Tfrm_Main::showEvent(QShowEvent *e)
{
    if (m_elsoMegjelenes) {
        m_elsoMegjelenes = false;
        setSortColumn(1);
        showPosition();
        MenuRajzolBeallit(this);
        QMainWindow::showEvent(e);
        oszlopSzelessegek();
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
