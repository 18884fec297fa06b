// The member reports on their laid-out pages: the data sheet, the lists by name
// and by ID number with their chooser and CSV export, the notes and the
// envelope; and the initial letter the list by name is grouped by.
#include "foundation/Beall.h"
#include "foundation/Kodlap.h"
#include "output/Kezdobetu.h"
#include "output/Kimenet.h"
#include "output/rptBoritek.h"
#include "output/rptMegjegyzes.h"
#include "output/rptUgyfel.h"
#include "output/rptUgyfel_reszl.h"
#include "platform/db/Database.h"
#include "platform/report/ReportOutput.h"
#include "platform/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Band = ReportBand::Kind;

bool near(double a, double b)
{
    return qAbs(a - b) < 0.01;
}

// The texts that bands of a kind printed, page after page.
std::vector<const ReportText *> textsOf(const ReportDocument &doc, Band band)
{
    std::vector<const ReportText *> out;
    for (const ReportPage &p : doc.pages)
        for (const ReportText *t : p.textsOf(band))
            out.push_back(t);
    return out;
}

// The texts of a band kind whose box starts left mm from the paper's edge.
QStringList column(const ReportDocument &doc, Band band, double left)
{
    QStringList out;
    for (const ReportText *t : textsOf(doc, band))
        if (near(t->rect.left(), left))
            out << t->text;
    return out;
}

const ReportText *findIn(const ReportDocument &doc, const QString &text)
{
    for (const ReportPage &p : doc.pages)
        if (const ReportText *t = p.find(text))
            return t;
    return nullptr;
}

void tipus(int id, const QString &nev)
{
    Db::exec("INSERT INTO tipus (Tipus, Tipus_nev) VALUES (?, ?)", {id, nev});
}

void tag(int id, const QString &nev, const QString &aktiv, int tipus, const QString &igszam, int sorszam)
{
    Db::exec(
        "INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Aktiv, Tipus, Horgigszam, Sorszam, Horgaszjegy, Cim_irsz, "
        "Cim_varos, Cim_cim) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {id, nev, aktiv, tipus, igszam, sorszam, QStringLiteral("J-%1").arg(id), "6720", "Szeged",
         QStringLiteral("Tisza Lajos krt. %1.").arg(id)});
}

// Members of three types; Aba Tibor is inactive, Null Nándor has no flag.
void listaTagok()
{
    tipus(1, "Felnőtt");
    tipus(2, "Ifjúsági");
    tipus(3, "Nyugdíjas");
    tag(1, "Kovács Ádám", "I", 1, "HU-0300", 42);
    tag(2, "Ábel Éva", "I", 2, "HU-0100", 7);
    tag(3, "Aba Tibor", "N", 1, "HU-0050", 3);
    tag(4, "Csizmár Géza", "I", 2, "HU-0200", 12);
    tag(5, "Cecei Ottó", "I", 1, "HU-0250", 5);
    tag(6, "Őze Lajos", "I", 3, "HU-0010", 8);
    tag(7, "Null Nándor", "I", 1, "HU-0070", 9);
    Db::exec("UPDATE ugyfel SET Aktiv = NULL WHERE Ugyfel = 7");
}

} // namespace

class TestMemberReports : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        Beall() = TBeall();
        Db::exec("UPDATE tulajdonos SET irsz = '6720', varos = 'Szeged', cim = 'Kárász u. 1.', telefon = "
                 "'62/123-456'");
    }
    void cleanup()
    {
        KimenetHook::clear();
        MessageBoxHook::clear();
        ReportOutputHook::clear();
        m_folder.reset();
    }

    void initialLetter_data();
    void initialLetter();
    void serialNumber_data();
    void serialNumber();

    void listsShowActiveMembersOfTheType_data();
    void listsShowActiveMembersOfTheType();
    void listFrameAndRows();
    void listByNameGroupsByHungarianLetter();
    void letterHeaderStaysWithItsFirstRow();
    void chooserDecidesTheOutput_data();
    void chooserDecidesTheOutput();
    void csvExportGetsTheFilteredQuery();

    void dataSheetPlacesEveryField();
    void dataSheetOfInactiveMember();
    void longRemarkGrowsTheDataSheet();
    void wideValuesShrinkToTheirBoxes();
    void unknownMemberGivesFrameOnly();

    void notesNewestFirst();
    void notesOfUnknownMember();

    void envelope_data();
    void envelope();
};

void TestMemberReports::initialLetter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("letter");
    QTest::newRow("long vowel") << "Ádám"
                                << "A";
    QTest::newRow("short vowel") << "Aba"
                                 << "A";
    QTest::newRow("cs") << "Csaba"
                        << "Cs";
    QTest::newRow("c alone") << "Cecil"
                             << "C";
    QTest::newRow("dzs before dz") << "Dzsenifer"
                                   << "Dzs";
    QTest::newRow("dz") << "Dzurják"
                        << "Dz";
    QTest::newRow("d before a vowel") << "Dávid"
                                      << "D";
    QTest::newRow("ő is ö") << "Őze"
                            << "Ö";
    QTest::newRow("ö") << "Ördög"
                       << "Ö";
    QTest::newRow("ó is o") << "Óvári"
                            << "O";
    QTest::newRow("ű is ü") << "Űrös"
                            << "Ü";
    QTest::newRow("ú is u") << "Úri"
                            << "U";
    QTest::newRow("é is e") << "Éva"
                            << "E";
    QTest::newRow("í is i") << "Ízes"
                            << "I";
    QTest::newRow("lower-case sz") << "szabó"
                                   << "Sz";
    QTest::newRow("upper-case SZ") << "SZABÓ"
                                   << "Sz";
    QTest::newRow("gy") << "Gyula"
                        << "Gy";
    QTest::newRow("ly") << "Lyka"
                        << "Ly";
    QTest::newRow("ny") << "Nyitrai"
                        << "Ny";
    QTest::newRow("ty") << "Tyukodi"
                        << "Ty";
    QTest::newRow("zs") << "Zsolt"
                        << "Zs";
    QTest::newRow("z alone") << "Zoltán"
                             << "Z";
    QTest::newRow("s alone") << "Sándor"
                             << "S";
    QTest::newRow("one letter") << "G"
                                << "G";
    QTest::newRow("foreign accent") << "Čapek"
                                    << "C";
    QTest::newRow("leading blanks") << "  Kiss"
                                    << "K";
    QTest::newRow("digit") << "1. sz. tag"
                           << "1";
    QTest::newRow("empty") << ""
                           << "";
}

void TestMemberReports::initialLetter()
{
    QFETCH(QString, name);
    QFETCH(QString, letter);
    QCOMPARE(MagyarKezdobetu(name), letter);
}

void TestMemberReports::serialNumber_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("42") << QVariant(42) << "00042";
    QTest::newRow("0") << QVariant(0) << "00000";
    QTest::newRow("six digits") << QVariant(123456) << "123456";
    QTest::newRow("null") << QVariant() << "";
}

void TestMemberReports::serialNumber()
{
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QCOMPARE(SorszamSzoveg(value), text);
}

void TestMemberReports::listsShowActiveMembersOfTheType_data()
{
    QTest::addColumn<bool>("byName");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("by name, all types")
        << true << "" << QStringList{"Ábel Éva", "Cecei Ottó", "Csizmár Géza", "Kovács Ádám", "Őze Lajos"};
    QTest::newRow("by name, type 2") << true << "tipus=2" << QStringList{"Ábel Éva", "Csizmár Géza"};
    QTest::newRow("by number, all types")
        << false << "" << QStringList{"Őze Lajos", "Ábel Éva", "Csizmár Géza", "Cecei Ottó", "Kovács Ádám"};
    QTest::newRow("by number, type 1") << false << "tipus=1" << QStringList{"Cecei Ottó", "Kovács Ádám"};
    QTest::newRow("by number, a type nobody has") << false << "tipus=9" << QStringList{};
}

void TestMemberReports::listsShowActiveMembersOfTheType()
{
    QFETCH(bool, byName);
    QFETCH(QString, filter);
    QFETCH(QStringList, names);
    listaTagok();
    KimenetHook::expect(0);
    CapturedReports out;
    if (byName)
        UgyfelListaNyomtat(filter);
    else
        UgyfelLista2Nyomtat(filter);
    QCOMPARE(KimenetHook::asked(), 1);
    const ReportDocument &doc = out.only();
    // The name column: at 0 in the list by name, at 34.4 in the list by number.
    QCOMPARE(column(doc, Band::Detail, 10 + (byName ? 0 : 34.4)), names);
    QCOMPARE(doc.pageCount(), 1);
    QVERIFY(findIn(doc, "Egyesületi tagok listája"));
    QVERIFY(!findIn(doc, "Aba Tibor"));
    QVERIFY(!findIn(doc, "Null Nándor"));
}

void TestMemberReports::listFrameAndRows()
{
    listaTagok();
    for (const bool byName : {true, false}) {
        KimenetHook::expect(0);
        CapturedReports out;
        byName ? UgyfelListaNyomtat({}) : UgyfelLista2Nyomtat({});
        const ReportDocument &doc = out.only();
        const ReportPage &p = doc.pages.at(0);
        const char *subtitle = byName ? "névsorban" : "állami horgász igazolványszám szerint";
        const ReportText *sub = p.find(QString::fromUtf8(subtitle));
        QVERIFY(sub);
        QCOMPARE(sub->size, byName ? 10.0 : 9.0);
        QVERIFY(sub->bold);
        QVERIFY(p.find(byName ? "qrUgyfel" : "qrUgyfel2"));
        QVERIFY(p.find("VORN V1.x"));
        // Column captions at 23.8 mm, 8 pt italic.
        const struct {
            const char *text;
            double left;
        } captions[] = {{"egyesületi tag", byName ? 1.3 : 34.4},
                        {"horg.ig.szám", byName ? 60.9 : 0},
                        {"állami horgászjegy", 93.9},
                        {"cím", 121.7}};
        for (const auto &c : captions) {
            const ReportText *t = p.find(QString::fromUtf8(c.text));
            QVERIFY2(t, c.text);
            QCOMPARE(t->band, Band::PageHeader);
            QVERIFY2(near(t->rect.left(), 10 + c.left), c.text);
            QVERIFY(near(t->rect.top(), 10 + 23.8));
            QVERIFY(t->italic);
            QCOMPARE(t->size, 8.0);
        }
        // Kovács Ádám's two lines: serial number five digits, type name, address.
        const ReportText *nev = p.find("Kovács Ádám");
        QVERIFY(nev);
        const double top = nev->rect.top() - 1.3;
        const struct {
            const char *text;
            double left;
            double top;
        } row[] = {{"HU-0300", byName ? 60.9 : 0, 1.3},
                   {"J-1", 93.9, 1.3},
                   {"6720", 121.7, 1.3},
                   {"00042", 14.6, 6.6},
                   {"Felnőtt", 67.5, 6.6},
                   {"Tisza Lajos krt. 1.", 121.7, 6.6}};
        QVERIFY(near(nev->rect.left(), 10 + (byName ? 0 : 34.4)));
        for (const auto &r : row) {
            const ReportText *t = nullptr;
            for (const ReportText *c : p.textsOf(Band::Detail))
                if (c->text == QString::fromUtf8(r.text) && near(c->rect.top(), top + r.top))
                    t = c;
            QVERIFY2(t, r.text);
            QVERIFY2(near(t->rect.left(), 10 + r.left), r.text);
        }
        // No group header in the list by number; one per letter in the list by name.
        const QStringList groups = column(doc, Band::GroupHeader, 10 + 5.3);
        QCOMPARE(groups, byName ? (QStringList{"A", "C", "Cs", "K", "Ö"}) : QStringList{});
    }
}

void TestMemberReports::listByNameGroupsByHungarianLetter()
{
    tipus(1, "Felnőtt");
    const QStringList names{"Aba Tibor",  "Ábel Éva",     "Adorján Béla", "Ág Péter",
                            "Cecei Ottó", "Csizmár Géza", "Dávid Anna",   "Dzsida Jenő",
                            "Oláh Imre",  "Ódor Ágnes",   "Öreg Pál",     "Őze Lajos",
                            "Ötvös Ernő", "szabó ilona",  "Szűts Máté",   "Sas Ede"};
    int id = 0;
    for (const QString &n : names)
        tag(++id, n, "I", 1, QStringLiteral("HU-%1").arg(id), id);
    KimenetHook::expect(0);
    CapturedReports out;
    UgyfelListaNyomtat({});
    const ReportDocument &doc = out.only();
    // Each letter of the alphabet heads its names once, though a and á (o and
    // ó, ö and ő) interleave in the order.
    QCOMPARE(column(doc, Band::GroupHeader, 10 + 5.3),
             (QStringList{"A", "C", "Cs", "D", "Dzs", "O", "Ö", "S", "Sz"}));
    const QStringList inOrder = column(doc, Band::Detail, 10);
    QCOMPARE(inOrder.size(), names.size());
    QCOMPARE(inOrder.mid(0, 4), (QStringList{"Aba Tibor", "Ábel Éva", "Adorján Béla", "Ág Péter"}));
    // Every header stands above the first name of its letter, 2.6 mm into its 10.6 mm band.
    for (const ReportPage &p : doc.pages)
        for (const ReportText *h : p.textsOf(Band::GroupHeader)) {
            const ReportText *first = nullptr;
            for (const ReportText *t : p.textsOf(Band::Detail))
                if (near(t->rect.left(), 10) && t->rect.top() > h->rect.top() &&
                    (!first || t->rect.top() < first->rect.top()))
                    first = t;
            QVERIFY(first);
            QCOMPARE(MagyarKezdobetu(first->text), h->text);
            QVERIFY2(near(first->rect.top() - 1.3, h->rect.top() - 2.6 + 10.6), qPrintable(h->text));
            QCOMPARE(h->size, 12.0);
            QVERIFY(h->bold);
        }
}

void TestMemberReports::letterHeaderStaysWithItsFirstRow()
{
    // 17 rows of A fill the first page so far that the header of B would just
    // fit under them, its first row not.
    tipus(1, "Felnőtt");
    int id = 0;
    for (int i = 0; i < 17; ++i)
        tag(++id, QStringLiteral("Antal %1").arg(QChar(u'a' + i)), "I", 1, QStringLiteral("HU-%1").arg(id),
            id);
    tag(++id, "Bartos Béla", "I", 1, "HU-B", id);
    KimenetHook::expect(0);
    CapturedReports out;
    UgyfelListaNyomtat({});
    const ReportDocument &doc = out.only();
    QCOMPARE(doc.pageCount(), 2);
    const ReportPage &second = doc.pages[1];
    const ReportText *b = second.find("B");
    QVERIFY(b);
    QCOMPARE(b->band, Band::GroupHeader);
    QVERIFY(near(b->rect.top(), 10 + 30.1 + 2.6));
    QVERIFY(second.find("Bartos Béla"));
    QCOMPARE(column(doc, Band::GroupHeader, 10 + 5.3), (QStringList{"A", "B"}));
}

void TestMemberReports::chooserDecidesTheOutput_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("documents");
    QTest::addColumn<ReportOutputMode>("mode");
    QTest::newRow("preview") << 0 << 1 << ReportOutputMode::Preview;
    QTest::newRow("print") << 1 << 1 << ReportOutputMode::Print;
    QTest::newRow("cancelled") << -1 << 0 << ReportOutputMode::Preview;
}

void TestMemberReports::chooserDecidesTheOutput()
{
    QFETCH(int, choice);
    QFETCH(int, documents);
    QFETCH(ReportOutputMode, mode);
    listaTagok();
    for (const bool byName : {true, false}) {
        KimenetHook::expect(choice);
        MessageBoxHook::arm();
        CapturedReports out;
        byName ? UgyfelListaNyomtat({}) : UgyfelLista2Nyomtat({});
        QCOMPARE(int(out.docs.size()), documents);
        if (documents)
            QCOMPARE(out.modes.front(), mode);
        QVERIFY(MessageBoxHook::shown().isEmpty());
    }
}

void TestMemberReports::csvExportGetsTheFilteredQuery()
{
    listaTagok();
    QTemporaryDir dir;
    const QString file = dir.filePath("tagok.csv");
    for (const bool byName : {true, false}) {
        KimenetHook::expect(2);
        MessageBoxHook::arm();
        CapturedReports out;
        QString proposed;
        QStringList fields;
        const bool closed =
            driveModal([&] { byName ? UgyfelListaNyomtat("tipus=2") : UgyfelLista2Nyomtat("tipus=2"); },
                       [&](QDialog *dlg) {
                           auto *edit = dlg->findChild<QLineEdit *>("Edit1");
                           proposed = edit->text();
                           auto *list = dlg->findChild<QListWidget *>("CheckListBox1");
                           for (int i = 0; i < list->count(); ++i)
                               fields << list->item(i)->text().toLower();
                           edit->setText(file);
                           dlg->findChild<QPushButton *>("Button1")->click();
                           dlg->findChild<QPushButton *>("Button2")->click();
                       });
        QVERIFY(closed);
        QVERIFY(out.docs.empty());
        QCOMPARE(proposed, QStringLiteral("Egyesületi tagok listája.csv"));
        QCOMPARE(fields, (QStringList{"horgigszam", "ugyfel_nev", "horgaszjegy", "sorszam", "cim_irsz",
                                      "cim_varos", "cim_cim", "tipus_nev", "tipus"}));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = Kodlap::fromCp1250(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[1].startsWith("HU-0100;Ábel Éva;"), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith("HU-0200;Csizmár Géza;"), qPrintable(lines[2]));
        QVERIFY(lines[1].contains(";Ifjúsági;2;"));
    }
}

void TestMemberReports::dataSheetPlacesEveryField()
{
    tipus(2, "Ifjúsági");
    Beall().m = {"anyja neve", "MOHOSZ lap", "csónakhely", "fogási napló", "m5", "m6"};
    Db::exec(
        "INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Sorszam, Tipus, Szulhely, Dat_szul, Telefon, Cim_irsz, "
        "Cim_varos, Cim_cim, Szigszam, Horgigszam, Horgvizsga, Horgaszjegy, Tereng, Dat_tag, Dat_belep, "
        "Dat_kilep, Kizarohat, Megjegyzes, Aktiv, anya, taglap, csonak, fognaplo) VALUES "
        "(17, 'Zsigmond Ödön', 42, 2, 'Hódmezővásárhely', '1980-02-29', '30/111', '6800', "
        "'Hódmezővásárhely', "
        "'Andrássy út 12.', 'AB123456', 'IG-777', 'V-55', 'AJ-2024', 'TE-9', '2026-12-31', '2001-04-01', "
        "'2026-06-30', 'H-3', 'Csendes horgász.', 'N', 'Kovács Mária', 'ML-1', 'CS-2', 'FN-3')");

    CapturedReports out;
    AdatlapNyomtat(17);
    const ReportDocument &doc = out.only();
    QCOMPARE(out.modes.front(), ReportOutputMode::Preview);
    QCOMPARE(doc.pageCount(), 1);
    const ReportPage &p = doc.pages[0];
    const double y0 = 10 + 24.8; // the detail's top on the page

    const struct {
        const char *text;
        double top;
        double left;
        double size;
        bool bold;
        bool italic;
    } expected[] = {
        {"Zsigmond Ödön", 4.0, 4.0, 11, true, false},
        {"horg.ig.szám", 4.0, 108.5, 9, false, true},
        {"Egyesületi adatok", 11.9, 0, 9, false, true},
        {"sorszám", 18.5, 0, 9, false, true},
        {"00042", 18.5, 29.1, 10, true, false},
        {"állami horgászjegy", 25.1, 0, 9, false, true},
        {"AJ-2024", 25.1, 29.1, 9, true, false},
        {"horg.vizsga", 25.1, 64.8, 9, false, true},
        {"V-55", 25.1, 88.6, 9, true, false},
        {"tagság kezdete", 25.1, 121.7, 9, false, true},
        {"2001. 04. 01.", 25.1, 150.8, 9, true, false},
        {"típus", 31.8, 0, 9, false, true},
        {"Ifjúsági", 31.8, 29.1, 9, true, false},
        {"tagság ig.", 31.8, 64.8, 9, false, true},
        {"2026. 12. 31.", 31.8, 88.6, 9, true, false},
        {"MOHOSZ lap", 31.8, 121.7, 9, false, true},
        {"ML-1", 31.8, 150.8, 9, true, false},
        {"területi eng.", 38.4, 0, 9, false, true},
        {"TE-9", 38.4, 29.1, 9, true, false},
        {"csónakhely", 38.4, 64.8, 9, false, true},
        {"CS-2", 38.4, 88.6, 9, true, false},
        {"fogási napló", 38.4, 121.7, 9, false, true},
        {"FN-3", 38.4, 150.8, 9, true, false},
        {"Személyes adatok", 46.3, 0, 9, false, true},
        {"cím", 54.2, 0, 9, false, true},
        {"6800", 54.2, 27.8, 9, true, false},
        {"Andrássy út 12.", 54.2, 74.1, 9, true, false},
        {"született", 60.9, 0, 9, false, true},
        {"1980. 02. 29.", 60.9, 56.9, 9, true, false},
        {"szig.szám", 60.9, 79.4, 9, false, true},
        {"AB123456", 60.9, 96.6, 9, true, false},
        {"anyja neve", 60.9, 124.4, 9, false, true},
        {"Kovács Mária", 60.9, 146.8, 9, true, false},
        {"Kilépés adatok", 70.1, 0, 9, false, true},
        {"kilépés", 79.4, 0, 9, false, true},
        {"2026. 06. 30.", 79.4, 26.5, 9, true, false},
        {"kilépési hat.", 79.4, 63.5, 9, false, true},
        {"H-3", 79.4, 87.3, 9, true, false},
        {"megjegyzés", 86.0, 0, 9, false, true},
        {"Csendes horgász.", 86.0, 21.2, 9, false, false},
    };
    for (const auto &e : expected) {
        const ReportText *t = p.find(QString::fromUtf8(e.text));
        QVERIFY2(t, e.text);
        QCOMPARE(t->band, Band::Detail);
        QVERIFY2(near(t->rect.top(), y0 + e.top), e.text);
        QVERIFY2(near(t->rect.left(), 10 + e.left), e.text);
        QCOMPARE(t->size, e.size);
        QCOMPARE(t->bold, e.bold);
        QCOMPARE(t->italic, e.italic);
        QCOMPARE(t->family, QStringLiteral("Tahoma"));
    }
    // The ID number right-aligned in its box; the town of the address and of birth.
    const ReportText *ig = p.find("IG-777");
    QVERIFY(ig && (ig->alignment & Qt::AlignRight));
    QVERIFY(near(ig->rect.right(), 10 + 137.6 + 50.6));
    int towns = 0;
    for (const ReportText *t : p.textsOf(Band::Detail))
        if (t->text == "Hódmezővásárhely")
            towns += near(t->rect.left(), 10 + 41.0) || near(t->rect.left(), 10 + 27.8);
    QCOMPARE(towns, 2);

    // Page header: owner block at the left, the title, the initial at the right.
    const ReportText *owner = p.find("Horgászegyesület");
    QVERIFY(owner && owner->bold);
    QVERIFY(near(owner->rect.left(), 10));
    QVERIFY(p.find("6720, Szeged"));
    QVERIFY(p.find("Kárász u. 1."));
    const ReportText *title = p.find("Adatlap");
    QVERIFY(title && title->size == 16 && title->bold);
    const ReportText *initial = p.find("Z");
    QVERIFY(initial && initial->band == Band::PageHeader && (initial->alignment & Qt::AlignRight));
    QVERIFY(near(initial->rect.right(), 200));
    // The common footer.
    QVERIFY(p.find("qrUgyfel_reszl"));
    QVERIFY(p.find("VORN"));
    QVERIFY(p.find("Egyesületi tag adatlap"));
    QVERIFY(p.find("oldal: 1"));
}

void TestMemberReports::dataSheetOfInactiveMember()
{
    listaTagok();
    Beall().m = {"", "", "", "", "", ""};
    CapturedReports out;
    AdatlapNyomtat(3);
    const ReportPage &p = out.only().pages.at(0);
    QVERIFY(p.find("Aba Tibor"));
    QVERIFY(p.find("00003"));
    QVERIFY(p.find("Felnőtt"));
    QVERIFY(!p.find("Kovács Ádám"));
    // Empty captions print nothing where the renamable labels stand.
    const double y0 = 10 + 24.8;
    const QPointF captions[] = {{121.7, 31.8}, {64.8, 38.4}, {121.7, 38.4}, {124.4, 60.9}};
    for (const QPointF &c : captions)
        for (const ReportText *t : p.textsOf(Band::Detail))
            if (near(t->rect.left(), 10 + c.x()) && near(t->rect.top(), y0 + c.y()))
                QVERIFY2(t->text.isEmpty(), qPrintable(t->text));
}

void TestMemberReports::longRemarkGrowsTheDataSheet()
{
    tipus(1, "Felnőtt");
    QStringList paragraphs;
    for (int i = 1; i <= 12; ++i)
        paragraphs << QStringLiteral(
                          "%1. bekezdés: a tag a tavaszi versenyen a Körös-parti szakaszon ügyeletet "
                          "vállalt, és a csónakkikötő javításában is részt vett, amiért az elnökség "
                          "dicséretben részesítette.")
                          .arg(i);
    const QString remark = paragraphs.join("\r\n");
    tag(1, "Rövid Rita", "I", 1, "HU-1", 1);
    tag(2, "Hosszú Hugó", "I", 1, "HU-2", 2);
    Db::exec("UPDATE ugyfel SET Megjegyzes = 'Rövid.' WHERE Ugyfel = 1");
    Db::exec("UPDATE ugyfel SET Megjegyzes = ? WHERE Ugyfel = 2", {remark});

    // The bottom of the detail band: its silver rule (drawn inside the band).
    const auto detailBottom = [](const ReportPage &p) {
        double y = -1;
        for (const ReportLine &l : p.lines)
            if (l.band == Band::Detail && qFuzzyCompare(l.line.y1(), l.line.y2()))
                y = std::max(y, l.line.y1());
        return y;
    };
    CapturedReports out;
    AdatlapNyomtat(1);
    AdatlapNyomtat(2);
    QCOMPARE(out.docs.size(), size_t(2));
    const ReportPage &rovid = out.docs[0].pages.at(0);
    const ReportPage &hosszu = out.docs[1].pages.at(0);
    QVERIFY2(qAbs(detailBottom(rovid) - (10 + 24.8 + 100.5)) < 0.2,
             qPrintable(QString::number(detailBottom(rovid))));

    const ReportText *memo = nullptr;
    for (const ReportText *t : hosszu.textsOf(Band::Detail))
        if (t->text.contains("bekezdés"))
            memo = t;
    QVERIFY(memo);
    QVERIFY(memo->wordWrap);
    QVERIFY(memo->text.contains("1. bekezdés") && memo->text.contains("12. bekezdés"));
    QVERIFY2(memo->rect.height() > 13.6 * 3, qPrintable(QString::number(memo->rect.height())));
    // The whole text fits its box, and the band ends below the box.
    QVERIFY(textHeightMm(memo->text, memo->font(), memo->rect.width(), true) <= memo->rect.height() + 0.01);
    QVERIFY(detailBottom(hosszu) >= memo->rect.bottom() + 0.5);
    QVERIFY(detailBottom(hosszu) > 10 + 24.8 + 100.5 + 20);
    QVERIFY(hosszu.find("qrUgyfel_reszl"));
}

void TestMemberReports::wideValuesShrinkToTheirBoxes()
{
    tipus(1, "Felnőtt");
    tag(1, "Kiss Ede", "I", 1, "HU-1", 1);
    Db::exec("UPDATE ugyfel SET Szulhely = 'Hódmezővásárhely', anya = 'Szentgyörgyiné Kovács Erzsébet', "
             "Szigszam = 'AB', Horgaszjegy = 'ŰWWWWWWWWWWWWWWWWWWW' WHERE Ugyfel = 1");
    CapturedReports out;
    AdatlapNyomtat(1);
    const ReportPage &p = out.only().pages.at(0);
    for (const char *text : {"Hódmezővásárhely", "Szentgyörgyiné Kovács Erzsébet"}) {
        const ReportText *t = p.find(QString::fromUtf8(text));
        QVERIFY2(t, text);
        QVERIFY2(t->size < 9 && t->size >= 6, text);
        QVERIFY2(textWidthMm(t->text, t->font()) <= t->rect.width(), text);
    }
    // No smaller than 6 pt, even when the value is still too wide then.
    const ReportText *cim = p.find("ŰWWWWWWWWWWWWWWWWWWW");
    QVERIFY(cim);
    QCOMPARE(cim->size, 6.0);
    QVERIFY(textWidthMm(cim->text, cim->font()) > cim->rect.width());
    // A value that fits keeps its size.
    QCOMPARE(p.find("AB")->size, 9.0);
    QCOMPARE(p.find("Kiss Ede")->size, 11.0);
}

void TestMemberReports::unknownMemberGivesFrameOnly()
{
    listaTagok();
    CapturedReports out;
    AdatlapNyomtat(999);
    const ReportDocument &doc = out.only();
    QCOMPARE(doc.pageCount(), 1);
    const ReportPage &p = doc.pages[0];
    QVERIFY(p.textsOf(Band::Detail).empty());
    QVERIFY(p.find("Horgászegyesület"));
    QVERIFY(p.find("Adatlap"));
    QVERIFY(p.find("qrUgyfel_reszl"));
    // The initial at the right stays empty.
    for (const ReportText *t : p.textsOf(Band::PageHeader))
        QVERIFY2(t->text.size() != 1, qPrintable(t->text));
}

void TestMemberReports::notesNewestFirst()
{
    listaTagok();
    Db::exec("UPDATE ugyfel SET Telefon = '30/555-1234' WHERE Ugyfel = 4");
    Db::exec("INSERT INTO ugyf_megj (ugyfel, datum, rovid, megjegyzes) VALUES "
             "(4, '2023-05-01', 'Tavaszi verseny', 'Második helyezés.'), "
             "(4, '2024-01-10', 'Tagdíj', 'Befizette a jeges horgászat díját is.'), "
             "(1, '2025-01-01', 'Más tagé', 'Nem az övé.'), "
             "(4, '2022-12-31', 'Belépés', 'Új tag, ajánlotta: Kovács Ádám.')");
    CapturedReports out;
    MegjegyzesNyomtat(4, true);
    const ReportDocument &doc = out.only();
    QCOMPARE(out.modes.front(), ReportOutputMode::Print);
    QCOMPARE(column(doc, Band::Detail, 10 + 1.3),
             (QStringList{"2024. 01. 10.", "Befizette a jeges horgászat díját is.", "2023. 05. 01.",
                          "Második helyezés.", "2022. 12. 31.", "Új tag, ajánlotta: Kovács Ádám."}));
    QCOMPARE(column(doc, Band::Detail, 10 + 30.4), (QStringList{"Tagdíj", "Tavaszi verseny", "Belépés"}));
    QVERIFY(!findIn(doc, "Más tagé"));
    const ReportText *text = findIn(doc, "Második helyezés.");
    QCOMPARE(text->family, QStringLiteral("Times New Roman"));
    QVERIFY(text->wordWrap);

    // The member above the first note, once.
    const std::vector<const ReportText *> group = textsOf(doc, Band::GroupHeader);
    QStringList groupTexts;
    for (const ReportText *t : group)
        groupTexts << t->text;
    QCOMPARE(groupTexts.count("Csizmár Géza"), 1);
    const ReportPage &p = doc.pages.at(0);
    const struct {
        const char *text;
        double left;
        double top;
    } member[] = {{"Csizmár Géza", 0, 1.3},           {"típus", 5.3, 6.6},  {"Ifjúsági", 17.2, 6.6},
                  {"30/555-1234", 93.9, 1.3},         {"6720", 124.4, 1.3}, {"Szeged", 137.6, 1.3},
                  {"Tisza Lajos krt. 4.", 124.4, 6.6}};
    const double groupTop = 10 + 22.2;
    for (const auto &m : member) {
        const ReportText *t = nullptr;
        for (const ReportText *c : p.textsOf(Band::GroupHeader))
            if (c->text == QString::fromUtf8(m.text))
                t = c;
        QVERIFY2(t, m.text);
        QVERIFY2(near(t->rect.left(), 10 + m.left), m.text);
        QVERIFY2(near(t->rect.top(), groupTop + m.top), m.text);
    }
    const ReportText *first = p.find("2024. 01. 10.");
    QVERIFY(near(first->rect.top(), groupTop + 11.9 + 1.3));
    // Page header: the title and the owner at the right edge.
    const ReportText *title = p.find("Megjegyzések");
    QVERIFY(title && title->band == Band::PageHeader && title->size == 16 && title->bold);
    const ReportText *owner = p.find("Horgászegyesület");
    QVERIFY(owner && (owner->alignment & Qt::AlignRight) && near(owner->rect.right(), 200));
    QVERIFY(p.find("qrMegjegyzes"));
    QVERIFY(p.find("Vorn"));
}

void TestMemberReports::notesOfUnknownMember()
{
    listaTagok();
    Db::exec("INSERT INTO ugyf_megj (ugyfel, datum, rovid) VALUES (4, '2023-05-01', 'Tavaszi verseny')");
    CapturedReports out;
    MegjegyzesNyomtat(999, false);
    const ReportDocument &doc = out.only();
    QCOMPARE(out.modes.front(), ReportOutputMode::Preview);
    QCOMPARE(doc.pageCount(), 1);
    QVERIFY(textsOf(doc, Band::Detail).empty());
    QVERIFY(textsOf(doc, Band::GroupHeader).empty());
    QVERIFY(findIn(doc, "Megjegyzések"));
    QVERIFY(findIn(doc, "qrMegjegyzes"));
}

void TestMemberReports::envelope_data()
{
    QTest::addColumn<QVariant>("varos");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("print");
    QTest::newRow("town and street") << QVariant("Szeged") << "Szeged, Kárász u. 1." << true;
    QTest::newRow("no town") << QVariant() << ", Kárász u. 1." << false;
}

void TestMemberReports::envelope()
{
    QFETCH(QVariant, varos);
    QFETCH(QString, line);
    QFETCH(bool, print);
    listaTagok();
    Db::exec("UPDATE tulajdonos SET varos = ?", {varos});
    CapturedReports out;
    BoritekNyomtat(5, print);
    const ReportDocument &doc = out.only();
    QCOMPARE(out.modes.front(), print ? ReportOutputMode::Print : ReportOutputMode::Preview);
    QCOMPARE(doc.pageSize, QSizeF(160, 113));
    QCOMPARE(doc.pageCount(), 1);
    const ReportPage &p = doc.pages[0];
    const struct {
        const char *text;
        double left;
        double top;
        const char *family;
        double size;
    } items[] = {{"Horgászegyesület", 1.3, 1.3, "Arial", 9},
                 {"", 1.3, 7.9, "Courier New", 9},
                 {"6720", 1.3, 13.2, "Courier New", 9},
                 {"Cecei Ottó", 60.9, 43.7, "Arial", 11},
                 {"részére", 60.9, 54.2, "Arial", 9},
                 {"Szeged", 60.9, 62.2, "Arial", 10},
                 {"Tisza Lajos krt. 5.", 60.9, 68.8, "Arial", 10},
                 {"6720", 60.9, 79.4, "Arial Rounded MT Bold", 16}};
    for (const auto &it : items) {
        const QString text = *it.text ? QString::fromUtf8(it.text) : line;
        const ReportText *t = nullptr;
        for (const ReportText &c : p.texts)
            if (c.text == text && near(c.rect.top(), 10 + it.top))
                t = &c;
        QVERIFY2(t, qPrintable(text));
        QVERIFY2(near(t->rect.left(), 10 + it.left), qPrintable(text));
        QVERIFY(near(t->rect.width(), 74.4));
        QCOMPARE(t->family, QString::fromUtf8(it.family));
        QCOMPARE(t->size, it.size);
        if (it.left > 50)
            QVERIFY(t->alignment & Qt::AlignHCenter);
    }
    // Whole lines: the name and the street may take two, the others one; no box
    // reaches the next text.
    const auto heightOf = [&](const QString &text, double top) {
        for (const ReportText &c : p.texts)
            if (c.text == text && near(c.rect.top(), 10 + top))
                return std::pair{c.rect.height(), textHeightMm("Ág\nÁg", c.font(), 100, false)};
        return std::pair{0.0, 0.0};
    };
    const auto [nevMagas, nevKetSor] = heightOf("Cecei Ottó", 43.7);
    QVERIFY(nevMagas >= nevKetSor - 0.01 && 43.7 + nevMagas <= 54.2);
    const auto [cimMagas, cimKetSor] = heightOf("Tisza Lajos krt. 5.", 68.8);
    QVERIFY(cimMagas >= cimKetSor - 0.01 && 68.8 + cimMagas <= 79.4);
    const auto [reszere, reszereKetSor] = heightOf("részére", 54.2);
    QVERIFY(reszere <= 5.0 && reszere < reszereKetSor - 1);
    const ReportText *sender = p.find("Horgászegyesület");
    QVERIFY(sender->bold && sender->underline);
    QCOMPARE(sender->colour, QColor(0, 0, 128));
    // Neither header nor footer.
    QCOMPARE(int(p.texts.size()), 8);
}

QTEST_MAIN(TestMemberReports)
#include "tst_memberreports.moc"
