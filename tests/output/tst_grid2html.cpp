// The HTML page of a grid: its lines, widths, group and totals rows, escaping,
// the code page, the dialog's buttons and the mail hand-over.
#include "output/Grid2Html.h"
#include "output/MapiMail.h"

#include "foundation/Folders.h"
#include "foundation/Kodlap.h"
#include "platform/db/DataSet.h"
#include "platform/io/Documents.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"
#include "tests/support/TestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Catch {
    const char *datum;
    double ponty;
    double amur;
    const char *megjegyzes;
};

// The daily catches of one member, with a grid of the given columns and widths
// in a grid of the given width.
class Fixture {
public:
    Fixture(const std::vector<Catch> &catches, std::vector<GridColumn> columns, int gridWidth)
    {
        Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Aktiv) VALUES (1, 'Kiss', 'I')");
        for (const Catch &c : catches)
            Db::exec("INSERT INTO napifogas (ugyfel, datum, ponty, amur, megjegyzes) VALUES (1, ?, ?, ?, ?)",
                     {QString::fromLatin1(c.datum), c.ponty, c.amur, QString::fromUtf8(c.megjegyzes)});
        ds.setTable("napifogas");
        ds.open();
        model.setColumns(columns);
        grid.setGridModel(&model);
        grid.resize(gridWidth, 200);
        for (size_t i = 0; i < columns.size(); ++i)
            grid.setColumnWidth(int(i), columns[i].width);
    }

    DataSet ds;
    GridModel model{&ds};
    GridView grid;
};

QStringList dataCells(const QStringList &lines)
{
    QStringList cells;
    for (const QString &l : lines)
        if (l.startsWith("    <td width=") && !l.contains("bgcolor"))
            cells << l;
    return cells;
}

} // namespace

class TestGrid2Html : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        MessageBoxHook::arm();
        DocumentHook::arm();
        MailHook::arm();
    }
    void cleanup()
    {
        MessageBoxHook::clear();
        DocumentHook::clear();
        MailHook::clear();
        m_folder.reset();
    }

    void wholePageOfOneRow()
    {
        Fixture f({{"2026-05-01", 2.5, 0, "első"}}, {{"megjegyzes", "Megj.", 100}}, 400);
        const QStringList lines = Grid2Html::pageLines(f.grid, {"Napi fogások", "Kiss", {}, {}});
        QStringList expected{
            "<html>", "", "<head>",
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">",
            "<title>Napi fogások</title>", "<meta name=\"GENERATOR\" content=\"Kelvar Bt. Grid2Html\">", "</head>", "",
            "<body>", "<p><strong><font face=\"Verdana\" size=\"2\">Napi fogások</font></strong></p>",
            "<p><strong><font face=\"Verdana\" size=\"1\">Kiss</font></strong></p>", "<div align=\"center\"><center>", "",
            "<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\" width=\"90%\">", "  <tr>",
            "    <td width=\"25%\" bgcolor=\"#C0C0C0\"><font face=\"Verdana\" size=\"1\"><strong>Megj.</strong></font></td>",
            "  </tr>", "  <tr>", "    <td width=\"25%\"><font face=\"Verdana\" size=\"1\">első</font></td>", "  </tr>",
            "</table>", "</center></div>", "", "<p><font face=\"Verdana\" size=\"1\">Összesen 1 sor.</font></p>", "",
            "DATE", "", "<p><font face=\"Courier New\" size=\"1\">" + QCoreApplication::applicationName() + " 1.0.0.1</font></p>",
            "", "</body>", "</html>"};
        QCOMPARE(lines.size(), expected.size());
        QVERIFY(QRegularExpression("^<p><font face=\"Verdana\" size=\"1\">\\d{4}\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d:\\d\\d</font></p>$")
                    .match(lines[25])
                    .hasMatch());
        expected[25] = lines[25];
        QCOMPARE(lines, expected);
    }

    void widthsAreShares_data()
    {
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("100/200/100 of 500") << 500 << QList<int>{100, 200, 100} << QStringList{"20", "40", "20"};
        // 50/2000 = 2.5 % -> 2 and 70/2000 = 3.5 % -> 4 (halves to even), 510/2000 = 25.5 % -> 26
        QTest::newRow("halves to even") << 2000 << QList<int>{50, 70, 510} << QStringList{"2", "4", "26"};
    }
    void widthsAreShares()
    {
        QFETCH(int, gridWidth);
        QFETCH(QList<int>, widths);
        QFETCH(QStringList, expected);
        Fixture f({}, {{"datum", "Dátum", widths[0]}, {"ponty", "Ponty", widths[1]}, {"amur", "Amur", widths[2]}},
                  gridWidth);
        QStringList got;
        const QRegularExpression width("<td width=\"(\\d+)%\\\" bgcolor=\"#C0C0C0\">");
        for (const QString &l : Grid2Html::pageLines(f.grid, {"T", {}, {}, {}})) {
            const auto m = width.match(l);
            if (m.hasMatch())
                got << m.captured(1);
        }
        QCOMPARE(got, expected);
    }

    void emptyGridHasHeaderAndCountOnly()
    {
        Fixture f({}, {{"datum", "Dátum", 100}, {"ponty", "Ponty", 100}}, 400);
        const QStringList lines = Grid2Html::pageLines(f.grid, {"T", {}, {}, {}});
        QCOMPARE(lines.count("  <tr>"), 1); // the header row; no data and no totals row
        QVERIFY(lines.contains("<p><font face=\"Verdana\" size=\"1\">Összesen 0 sor.</font></p>"));
    }

    void totalsRowUnderSumColumns_data()
    {
        QTest::addColumn<QString>("sumList");
        QTest::addColumn<QStringList>("totals");
        QTest::newRow("ponty;amur") << "ponty;amur" << QStringList{"", "4,75", "10"};
        QTest::newRow("letter case") << "PONTY" << QStringList{"", "4,75", ""};
        // An empty piece between the names gives the second name its own total.
        QTest::newRow("empty piece") << "ponty;;amur" << QStringList{"", "4,75", "10"};
        QTest::newRow("leading empty piece") << ";amur" << QStringList{"", "", "10"};
    }
    void totalsRowUnderSumColumns()
    {
        QFETCH(QString, sumList);
        QFETCH(QStringList, totals);
        Fixture f({{"2026-05-01", 2.5, 4, ""}, {"2026-05-02", 2.25, 6, ""}, {"2026-05-03", 0, 0, ""}},
                  {{"datum", "Dátum", 100}, {"ponty", "Ponty", 100}, {"amur", "Amur", 100}}, 400);
        Db::exec("UPDATE napifogas SET ponty = NULL WHERE datum = '2026-05-03'"); // null counts as 0
        f.ds.refresh();
        const QStringList lines = Grid2Html::pageLines(f.grid, {"T", {}, sumList, {}});
        const int last = int(lines.lastIndexOf("  <tr>"));
        QStringList got;
        const QRegularExpression cell("^    <td width=\"25%\" bgcolor=\"#C0C0C0\"><font face=\"Verdana\" size=\"1\"><strong>(?:<p align=\"right\">)?(.*)</strong></font></td>$");
        for (int i = last + 1; i < last + 4; ++i)
            got << cell.match(lines[i]).captured(1);
        QCOMPARE(got, totals);
        QCOMPARE(lines.count("  <tr>"), 5); // header, three rows, totals
    }

    void groupRowsWhenTheDateChanges()
    {
        Fixture f({{"2026-05-01", 1, 0, "a"}, {"2026-05-01", 2, 0, "b"}, {"2026-05-02", 3, 0, "c"}},
                  {{"megjegyzes", "Megj.", 100}}, 400);
        QStringList groups;
        for (const QString &l : Grid2Html::pageLines(f.grid, {"T", {}, {}, "datum"}))
            if (l.contains("colspan=\"11\" bgcolor=\"#EAEAEA\""))
                groups << l;
        QCOMPARE(groups, (QStringList{
                             "    <td width=\"95%\" colspan=\"11\" bgcolor=\"#EAEAEA\"><font face=\"Verdana\" size=\"1\">"
                             "<strong>2026. 05. 01.</strong></font></td>",
                             "    <td width=\"95%\" colspan=\"11\" bgcolor=\"#EAEAEA\"><font face=\"Verdana\" size=\"1\">"
                             "<strong>2026. 05. 02.</strong></font></td>"}));
    }

    void unknownGroupFieldIsRefused()
    {
        Fixture f({{"2026-05-01", 1, 0, "a"}}, {{"ponty", "Ponty", 100}}, 400);
        QVERIFY_THROWS_EXCEPTION(VornError, Grid2Html::pageLines(f.grid, {"T", {}, {}, "nincs"}));
    }

    void textsAreEscaped()
    {
        Fixture f({{"2026-05-01", 1, 0, "<script>x&\"y\"</script>"}}, {{"megjegyzes", "<b>Megj.</b>", 100}}, 400);
        const QStringList lines = Grid2Html::pageLines(f.grid, {"A & B", "Ж", {}, {}});
        QVERIFY(lines.contains("<title>A &amp; B</title>"));
        QVERIFY(lines.contains("<p><strong><font face=\"Verdana\" size=\"1\">&#1046;</font></strong></p>"));
        const QStringList cells = dataCells(lines);
        QCOMPARE(cells, QStringList{"    <td width=\"25%\"><font face=\"Verdana\" size=\"1\">"
                                    "&lt;script&gt;x&amp;&quot;y&quot;&lt;/script&gt;</font></td>"});
        QVERIFY(lines.join("").contains("<strong>&lt;b&gt;Megj.&lt;/b&gt;</strong>"));
    }

    void numbersStandRight()
    {
        Fixture f({{"2026-05-01", 1.5, 0, "a"}}, {{"ponty", "Ponty", 100}, {"megjegyzes", "M", 100}}, 400);
        QCOMPARE(dataCells(Grid2Html::pageLines(f.grid, {"T", {}, {}, {}})),
                 (QStringList{"    <td width=\"25%\"><font face=\"Verdana\" size=\"1\"><p align=\"right\">1,5</font></td>",
                              "    <td width=\"25%\"><font face=\"Verdana\" size=\"1\">a</font></td>"}));
    }

    void pageIsWrittenInCodePage1250()
    {
        const QString name = m_folder->root() + "/uj/mappa/lap.htm";
        Grid2Html::writePage(name, {"árvíztűrő", "tükörfúrógép"});
        QFile f(name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xE1rv\xEDzt\xFBr\xF5\r\nt\xFCk\xF6rf\xFAr\xF3g\xE9p\r\n"));
    }

    void unwritableFileLeavesNothing()
    {
        const QString name = m_folder->root() + "/lap.htm";
        QVERIFY(QDir().mkpath(name)); // a folder stands where the file should go
        const QStringList before = QDir(m_folder->root()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY_THROWS_EXCEPTION(VornError, Grid2Html::writePage(name, {"x"}));
        QVERIFY(QFileInfo(name).isDir());
        QCOMPARE(QDir(m_folder->root()).entryList(QDir::Files | QDir::Hidden), before);
    }

    void okSavesOpensAndRemembersTheFolder()
    {
        Fixture f({{"2026-05-01", 1, 0, "a"}}, {{"megjegyzes", "M", 100}}, 400);
        f.ds.moveTo(0);
        QString proposed;
        const QString target = m_folder->root() + "/lapok/teljes.htm";
        QVERIFY(driveModal([&] { Grid2HtmlExport(f.grid, "Teljes lista", {}, {}, {}, {}); },
                           [&](QDialog *d) {
                               auto *edit = d->findChild<QLineEdit *>("Edit1");
                               proposed = edit->text();
                               QVERIFY(d->findChild<QCheckBox *>("CheckBox1")->isChecked());
                               edit->setText(target);
                               d->findChild<QPushButton *>("Button1")->click();
                           }));
        QCOMPARE(proposed, folders().dataRoot + "/teljes-lista.htm");
        QVERIFY(QFileInfo::exists(target));
        QCOMPARE(DocumentHook::opened(), QStringList{target});
        QCOMPARE(f.ds.currentRow(), 0);
        // The next page is proposed in the folder of the last one saved with OK.
        QVERIFY(driveModal([&] { Grid2HtmlExport(f.grid, "Napi fogások", {}, {}, {}, {}); },
                           [&](QDialog *d) {
                               proposed = d->findChild<QLineEdit *>("Edit1")->text();
                               d->findChild<QPushButton *>("Button2")->click();
                           }));
        QCOMPARE(proposed, m_folder->root() + "/lapok/napi-fog_sok.htm");
    }

    void eMailSavesWithoutOpeningAndStaysOpen()
    {
        Fixture f({{"2026-05-01", 1, 0, "a"}}, {{"megjegyzes", "M", 100}}, 400);
        const QString target = m_folder->root() + "/level.htm";
        bool stillOpen = false;
        driveModal([&] { Grid2HtmlExport(f.grid, "Lista", {}, {}, {}, {}); },
                   [&](QDialog *d) {
                       d->findChild<QLineEdit *>("Edit1")->setText(target);
                       d->findChild<QPushButton *>("Button3")->click();
                       stillOpen = d->isVisible();
                       QVERIFY(!d->findChild<QCheckBox *>("CheckBox1")->isChecked());
                   });
        QVERIFY(stillOpen);
        QVERIFY(QFileInfo::exists(target));
        QVERIFY(DocumentHook::opened().isEmpty());
        QCOMPARE(MailHook::sent().size(), 1);
        QCOMPARE(MailHook::sent()[0].arguments,
                 (QStringList{"--utf8", "--subject", "Html küldés", "--body", "Html küldés", "--attach", target}));
    }

    void mapiKuldWithoutMailProgram()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", m_folder->root().toLocal8Bit()); // no xdg-email there
        const int result = MapiKuld("s", "t", "f", {}, {}, {}, {});
        qputenv("PATH", path);
        QCOMPARE(result, -1);
        QVERIFY(MailHook::sent().isEmpty());
    }

    void mapiKuldAddressesTheRecipient()
    {
        if (QStandardPaths::findExecutable("xdg-email").isEmpty())
            QSKIP("xdg-email is not installed");
        QCOMPARE(MapiKuld({}, {}, {}, "Egyesület", "a@b.example", "Kiss Pál", "kiss@pal.example"), 0);
        QCOMPARE(MailHook::sent()[0].arguments, (QStringList{"--utf8", "Kiss Pál <kiss@pal.example>"}));
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
};

QTEST_MAIN(TestGrid2Html)
#include "tst_grid2html.moc"
