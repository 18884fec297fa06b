// The commands of the main window: one list with caption, hint, shortcut and
// picture, shown in the main menu, the pop-up menus and the two tool bars.
#include "mainwindow/Main.h"

#include "admin/Beallit.h"
#include "admin/Felhasznalo.h"
#include "admin/TorzsCimke.h"
#include "admin/TorzsMe.h"
#include "catches/TorzsHalfaj.h"
#include "foundation/Beall.h"
#include "foundation/Folders.h"
#include "foundation/Seged.h"
#include "mainwindow/Archival.h"
#include "mainwindow/Nevjegy.h"
#include "mainwindow/Readme.h"
#include "output/Grid2Html.h"
#include "output/Hatarolt.h"
#include "output/rptBoritek.h"
#include "output/rptCimke.h"
#include "output/rptUgyfel.h"
#include "output/rptUgyfel_reszl.h"
#include "payments/TorzsFiztip.h"
#include "platform/db/DataSet.h"
#include "platform/io/Documents.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

struct Parancs {
    const char *name;
    const char *category;
    const char *caption;
    const char *hint;  // nullptr: the same as the caption
    QKeySequence shortcut;
    QStyle::StandardPixmap picture;
};

// Every command of the main window, in the order of the command list.
const std::vector<Parancs> &parancsok()
{
    using S = QStyle;
    using K = QKeySequence;
    static const std::vector<Parancs> all{
        {"aUj", "Klubtagok", "Új sor", nullptr, K(Qt::Key_Insert), S::SP_FileIcon},
        {"aSzerkeszt", "Klubtagok", "Szerkeszt", nullptr, K(Qt::Key_F2), S::SP_FileDialogDetailedView},
        {"aTorol", "Klubtagok", "Töröl", nullptr, K(Qt::CTRL | Qt::Key_Delete), S::SP_TrashIcon},
        {"aMegjegyzes", "Klubtagok", "Megj.", "Megjegyzések", K(Qt::CTRL | Qt::Key_M), S::SP_FileDialogInfoView},
        {"aUjMegjegyzes", "Klubtagok", "Új megjegyzés", nullptr, K(Qt::CTRL | Qt::SHIFT | Qt::Key_M),
         S::SP_FileDialogNewFolder},
        {"aCsatolt", "Klubtagok", "Csatolt...", "Csatolt dokumentumok", K(Qt::Key_F3), S::SP_DirLinkIcon},
        {"aExcelbe", "Klubtagok", "Excelbe", nullptr, K(Qt::CTRL | Qt::Key_E), S::SP_DialogSaveButton},
        {"aKeres", "Klubtagok", "Keresés", nullptr, K(Qt::CTRL | Qt::Key_F), S::SP_FileDialogContentsView},
        {"aKeres2", "Klubtagok", "Keresés", "Részletes keresés", K(Qt::CTRL | Qt::Key_T), S::SP_FileDialogListView},
        {"aSzur", "Klubtagok", "Szűrés", "Típus szűrés", K(Qt::Key_F6), S::SP_DialogApplyButton},
        {"aHtml", "Klubtagok", "Html export", nullptr, K(Qt::CTRL | Qt::Key_H), S::SP_DriveNetIcon},
        {"aTagsagidij", "Klubtagok", "Tagdíj", "Tagsági díjak", K(Qt::Key_F4), S::SP_DialogYesButton},
        {"aFogNaplo", "Klubtagok", "Fog.napló", "Fogási napló", K(Qt::CTRL | Qt::Key_O), S::SP_FileDialogStart},
        {"aNapiFogas", "Klubtagok", "Napi fogások", nullptr, K(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
         S::SP_FileDialogEnd},
        {"aBezar", "Klubtagok", "Bezár", nullptr, K(), S::SP_DialogCloseButton},
        {"aNyomtat", "Nyomtatások", "Adatlap", "Nyomtat (Adatlap)", K(Qt::CTRL | Qt::Key_P), S::SP_FileDialogInfoView},
        {"aNyomAdatFiz", "Nyomtatások", "Nyomtat (Adatlap + tagdíj)", nullptr, K(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
         S::SP_FileDialogDetailedView},
        {"aTeljes", "Nyomtatások", "Teljes lista (név szerint)", "Teljes lista", K(Qt::Key_F7),
         S::SP_FileDialogListView},
        {"aLista2", "Nyomtatások", "Teljes lista (Ig.szám szerint)", nullptr, K(Qt::CTRL | Qt::Key_F7),
         S::SP_FileDialogListView},
        {"aNyomBefizet1", "Nyomtatások", "Tagok befizetései név szerint", nullptr, K(), S::SP_FileIcon},
        {"aNyomEgyJogcim", "Nyomtatások", "Egy jogcímre érkezett befizetések", nullptr, K(), S::SP_FileIcon},
        {"aNyomJogcim2", "Nyomtatások", "Összes jogcím befizetései", nullptr, K(), S::SP_FileIcon},
        {"aNyomEgyFiz", "Nyomtatások", "Egy tag befizetései", nullptr, K(), S::SP_FileIcon},
        {"aCimke", "Nyomtatások", "Címke nyomtatás", nullptr, K(Qt::CTRL | Qt::Key_B), S::SP_FileDialogContentsView},
        {"aDymo", "Nyomtatások", "Dymo címke", "Dymo címke nyomtatás", K(Qt::CTRL | Qt::SHIFT | Qt::Key_B),
         S::SP_DriveFDIcon},
        {"aBoritekNyom", "Nyomtatások", "Boríték nyomtatás", nullptr, K(Qt::CTRL | Qt::Key_I), S::SP_MessageBoxInformation},
        {"aFognaploOssz", "Nyomtatások", "Fogások összesen halfajonként", nullptr, K(), S::SP_FileIcon},
        {"aFognaploTag", "Nyomtatások", "Fogások tagonként", nullptr, K(), S::SP_FileIcon},
        {"aFelhaszn", "Rendszer", "Felhasználók", nullptr, K(), S::SP_DirHomeIcon},
        {"aSQL", "Rendszer", "Szabad lekérdezés", nullptr, K(), S::SP_ComputerIcon},
        {"aArchival", "Rendszer", "Adatbázis archiválása", nullptr, K(), S::SP_DriveHDIcon},
        {"aBeallit", "Rendszer", "Beállítások", nullptr, K(), S::SP_FileDialogDetailedView},
        {"aSugo", "Súgó", "Súgó", nullptr, K(Qt::Key_F1), S::SP_DialogHelpButton},
        {"aDoksi", "Súgó", "Program dokumentáció (pdf)", nullptr, K(), S::SP_FileIcon},
        {"aFontos", "Súgó", "Fontos információk", nullptr, K(Qt::CTRL | Qt::Key_F1), S::SP_MessageBoxInformation},
        {"aLevel", "Súgó", "Levélküldés Kelvarnak", nullptr, K(), S::SP_DialogOkButton},
        {"aHonlap", "Súgó", "Kelvar honlapja", nullptr, K(), S::SP_DriveNetIcon},
        {"aUjdonsag", "Súgó", "Újdonságok az Interneten", nullptr, K(), S::SP_BrowserReload},
        {"aNevjegy", "Súgó", "Névjegy", nullptr, K(Qt::ALT | Qt::Key_F1), S::SP_ComputerIcon},
        {"aBetuNovel", "Nézet", "Betűméret növelése", nullptr, K(Qt::CTRL | Qt::Key_F10), S::SP_ArrowUp},
        {"aBetuCsokkent", "Nézet", "Betűméret csökkentése", nullptr, K(Qt::SHIFT | Qt::Key_F10), S::SP_ArrowDown},
        {"aTipus", "Törzsadatok", "Tagság típusok", "Típusok", K(), S::SP_DirIcon},
        {"aFizTip", "Törzsadatok", "Fizetési típusok", nullptr, K(), S::SP_DirIcon},
        {"aHalfaj", "Törzsadatok", "Halfajok", "Halfajok", K(), S::SP_DirIcon},
    };
    return all;
}

} // namespace

void Tfrm_Main::buildActions()
{
    for (const Parancs &p : parancsok()) {
        auto *a = new QAction(style()->standardIcon(p.picture), QString::fromUtf8(p.caption), this);
        a->setObjectName(p.name);
        a->setProperty("kategoria", QString::fromUtf8(p.category));
        const QString hint = QString::fromUtf8(p.hint ? p.hint : p.caption);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        a->setShortcut(p.shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(false);  // each command is switched on where it is wired below
        addAction(a);
    }
    const auto wire = [this](const char *name, auto slot) {
        QAction *a = parancs(QString::fromLatin1(name));
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, slot);
    };
    wire("aUj", [this] { UjUgyfel(); });
    wire("aSzerkeszt", [this] { UgyfelSzerkeszt(); });
    wire("aTorol", [this] { UgyfelTorol(); });
    wire("aKeres", [this] {
        m_kereso->setFocus(Qt::ShortcutFocusReason);
        m_kereso->selectAll();
    });
    parancs("aSzur")->setCheckable(true);
    wire("aSzur", [this] { TipusSzures(); });
    wire("aBezar", [this] { close(); });
    wire("aArchival", [this] {
        AdatbazisArchival(this);
        if (!Db::isOpen())
            m_ugyfel->close();  // no table stays open on a closed connection
    });
    wire("aSugo", [] { DokumentumNyit(folders().help()); });
    wire("aDoksi", [] { DokumentumNyit(folders().manual()); });
    wire("aFontos", [this] {
        Tfrm_Readme w(this);
        w.exec();
    });
    wire("aLevel", [] { DokumentumNyit(QString::fromLatin1(Kelvar::Level)); });
    wire("aHonlap", [] { DokumentumNyit(QString::fromLatin1(Kelvar::Honlap)); });
    wire("aUjdonsag", [] { DokumentumNyit(folders().news()); });
    wire("aNevjegy", [this] {
        Tfrm_Nevjegy w(this);
        w.exec();
    });
    wire("aBetuNovel", [this] { BetumeretValt(+1); });
    wire("aBetuCsokkent", [this] { BetumeretValt(-1); });
    wire("aTipus", [this] { TipusValaszt(-1, false, this); });
    wire("aBeallit", [this] { BeallitasokSzerkeszt(this); });
    wire("aFelhaszn", [this] { FelhasznalokMutat(this); });
    wire("aHalfaj", [this] { HalfajValaszt(-1, false, this); });
    wire("aExcelbe", [this] { HataroltExport(*m_ugyfel, QStringLiteral("Teljes lista.csv"), this); });
    wire("aHtml", [this] { Grid2HtmlExport(*m_grid, QStringLiteral("Teljes lista"), {}, {}, {}, {}, this); });
    // The member lists follow the type filter of the list; the other prints
    // take the current member (null counts as 0).
    const auto tag = [this] { return NullEgesz(m_ugyfel->value(QStringLiteral("Ugyfel")), 0); };
    wire("aNyomtat", [this, tag] { AdatlapNyomtat(tag(), this); });
    wire("aTeljes", [this] { UgyfelListaNyomtat(m_ugyfel->filter(), this); });
    wire("aLista2", [this] { UgyfelLista2Nyomtat(m_ugyfel->filter(), this); });
    wire("aBoritekNyom", [this, tag] { BoritekNyomtat(tag(), true, this); });
    wire("aCimke", [this] {
        const TCimke c = CimkeValaszt({}, true, this);
        if (!c.cimke.isEmpty())
            CimkeNyomtat({}, c.oszlop, c.felsomargo, c.szelsomargo, c.cimkemagas, this);
    });
    wire("aFizTip", [this] {
        int ido = 0, osszeg = 0;
        bool eves = false;
        FiztipValaszt(-1, false, ido, osszeg, eves, this);
    });
}

void Tfrm_Main::buildMenus()
{
    const auto a = [this](const char *name) { return parancs(QString::fromLatin1(name)); };
    const auto fill = [this, a](QMenu *menu, std::initializer_list<const char *> names) {
        for (const char *n : names) {
            if (QLatin1String(n) == QLatin1String("-"))
                menu->addSeparator();
            else
                menu->addAction(a(n));
        }
    };
    const auto top = [this, fill](const QString &title, std::initializer_list<const char *> names) {
        QMenu *m = menuBar()->addMenu(title);
        fill(m, names);
        return m;
    };
    top(QStringLiteral("Klubtagok"), {"aUj", "aSzerkeszt", "aTorol", "-", "aMegjegyzes", "aCsatolt", "-", "aCimke",
                                       "-", "aKeres", "aKeres2", "aSzur", "-", "aExcelbe", "aHtml", "-", "aBezar"});
    top(QStringLiteral("Törzsadatok"), {"aTipus", "aFizTip", "-", "aHalfaj"});
    top(QStringLiteral("Fogás"), {"aFogNaplo", "aNapiFogas"});
    top(QStringLiteral("Tagdíjak"), {"aTagsagidij", "-", "aNyomEgyFiz", "aNyomBefizet1", "aNyomEgyJogcim",
                                      "aNyomJogcim2"});
    top(QStringLiteral("Nyomtatások"), {"aNyomtat", "aNyomAdatFiz", "-", "aTeljes", "aLista2", "-", "aFognaploOssz",
                                         "aFognaploTag"});
    top(QStringLiteral("Rendszer"), {"aFelhaszn", "aSQL", "-", "aArchival", "-", "aBeallit"});
    top(QStringLiteral("Súgó"), {"aSugo", "aDoksi", "-", "aFontos", "-", "aLevel", "aHonlap", "aUjdonsag", "-",
                                  "aNevjegy"});

    m_gridMenu = new QMenu(this);
    m_gridMenu->setObjectName("pmGrid");
    fill(m_gridMenu, {"aUj", "aSzerkeszt", "aTorol", "-", "aKeres", "aKeres2", "aSzur", "-", "aTagsagidij", "-",
                      "aCsatolt", "aMegjegyzes", "aUjMegjegyzes", "-", "aExcelbe", "aNyomtat"});
    auto *notes = new QMenu(this);
    notes->setObjectName("pmMegjegyzes");
    fill(notes, {"aMegjegyzes", "aUjMegjegyzes", "-", "aCsatolt"});
    auto *catches = new QMenu(this);
    catches->setObjectName("pmFogas");
    fill(catches, {"aFogNaplo", "aNapiFogas"});
    auto *prints = new QMenu(this);
    prints->setObjectName("pmNyomtat");
    fill(prints, {"aNyomtat", "aTeljes", "-", "aCimke", "aDymo", "-", "aBoritekNyom", "-", "aExcelbe", "aHtml"});

    // Small bar: pictures only, at the top edge.
    QToolBar *small = addToolBar(QStringLiteral("Eszközök"));
    small->setObjectName("tbKicsi");
    small->setMovable(false);
    small->setIconSize(QSize(16, 16));
    small->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const char *n : {"aBeallit", "-", "aBetuNovel", "aBetuCsokkent", "-", "aSugo", "aFontos", "-", "aHonlap",
                          "aUjdonsag", "-", "aBezar"}) {
        if (QLatin1String(n) == QLatin1String("-"))
            small->addSeparator();
        else
            small->addAction(a(n));
    }

    // Large bar: picture above caption, 55 by 36 buttons; three of them carry a menu.
    auto *large = findChild<QToolBar *>("tbNagy");
    large->setIconSize(QSize(16, 16));
    large->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto button = [large, a](const char *name, QMenu *menu) {
        large->addAction(a(name));
        auto *b = qobject_cast<QToolButton *>(large->widgetForAction(a(name)));
        b->setMinimumSize(55, 36);
        if (menu) {
            b->setMenu(menu);
            b->setPopupMode(QToolButton::MenuButtonPopup);
        }
    };
    button("aKeres2", nullptr);
    button("aSzur", nullptr);
    large->addSeparator();
    button("aUj", nullptr);
    button("aSzerkeszt", nullptr);
    button("aTorol", nullptr);
    large->addSeparator();
    button("aTagsagidij", nullptr);
    large->addSeparator();
    button("aFogNaplo", catches);
    large->addSeparator();
    button("aMegjegyzes", notes);
    large->addSeparator();
    button("aNyomtat", prints);
}
