// The grid print: cells and captions in proportion to the grid's columns, the
// sum under its column or at its design place, the summary only with a sum
// field, the frame texts, and preview or print through the output hook.
#include "output/rptGridPrint.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportOutput.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QTest>

namespace {

constexpr double U = 25.4 / 96 / 0.8; // one layout unit in mm

bool near(double a, double b)
{
    return qAbs(a - b) < 1e-6;
}

} // namespace

class tst_GridPrint : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<DataSet> m_ds;
    std::unique_ptr<GridModel> m_model;
    std::unique_ptr<GridView> m_grid;

    // A catch-log-like grid: date, species, kg, water; 667 pixels wide with
    // columns of 152, 84, 120 and 60 pixels unless a test sets others.
    void makeGrid(int rows, const QList<int> &widths = {152, 84, 120, 60}, int gridWidth = 667)
    {
        Db::exec("CREATE TABLE naplo_proba (datum TEXT, halfaj TEXT, kg REAL, viz TEXT)");
        for (int i = 0; i < rows; ++i)
            Db::exec("INSERT INTO naplo_proba VALUES (?, ?, ?, ?)",
                     {QStringLiteral("2026-05-%1").arg(i % 28 + 1, 2, 10, QChar('0')),
                      i % 2 ? QStringLiteral("ponty") : QStringLiteral("süllő"), 1.25 * (i + 1), "Duna"});
        m_ds = std::make_unique<DataSet>();
        m_ds->setQuery("SELECT datum, halfaj, kg, viz FROM naplo_proba ORDER BY rowid");
        m_ds->open();
        m_model = std::make_unique<GridModel>(m_ds.get());
        GridColumn kg{"kg", "kg", 0, Qt::AlignRight | Qt::AlignVCenter};
        m_model->setColumns({{"datum", "Dátum"},
                             {"halfaj", "Halfaj"},
                             kg,
                             {"viz", "Víz", 0, Qt::AlignHCenter | Qt::AlignVCenter}});
        m_grid = std::make_unique<GridView>();
        m_grid->setGridModel(m_model.get());
        m_grid->resize(gridWidth, 300);
        for (int c = 0; c < widths.size(); ++c)
            m_grid->setColumnWidth(c, widths[c]);
    }

    static std::vector<const ReportText *> cells(const ReportDocument &doc, int page = 0)
    {
        return doc.pages[size_t(page)].textsOf(ReportBand::Kind::Detail);
    }

private slots:
    void init() { m_folder = std::make_unique<TestDataFolder>(); }
    void cleanup()
    {
        ReportOutputHook::clear();
        m_grid.reset();
        m_model.reset();
        m_ds.reset();
        m_folder.reset();
    }

    // Width = W x column / grid, rounded half to even; each next column 4 units
    // after the end of the previous one.
    void cellWidths_data()
    {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QList<int>>("units");
        QTest::newRow("landscape 667: 152 and 84 px")
            << false << 667 << QList<int>{152, 84, 120, 60} << QList<int>{191, 106, 151, 75};
        QTest::newRow("portrait 667")
            << true << 667 << QList<int>{152, 84, 120, 60} << QList<int>{131, 72, 103, 52};
        // 575 x 41 / 1150 = 20.5 -> 20; x 43 -> 21.5 -> 22; x 45 -> 22.5 -> 22; x 701 -> 350.5 -> 350
        QTest::newRow("exact halves go to even")
            << true << 1150 << QList<int>{41, 43, 45, 701} << QList<int>{20, 22, 22, 350};
    }
    void cellWidths()
    {
        QFETCH(bool, portrait);
        QFETCH(int, gridWidth);
        QFETCH(QList<int>, widths);
        QFETCH(QList<int>, units);
        makeGrid(2, widths, gridWidth);
        for (int c = 0; c < widths.size(); ++c)
            QCOMPARE(m_grid->columnWidth(c), widths[c]);
        const ReportDocument doc =
            layoutReport(GridPrintReport(*m_grid, portrait, "Fogási napló", 9, "kg", "Kiss Béla"));
        QCOMPARE(doc.landscape, !portrait);
        const auto row0 = cells(doc);
        QCOMPARE(row0.size(), size_t(8)); // two rows of four cells
        const auto captions = doc.pages[0].textsOf(ReportBand::Kind::PageHeader);
        double x = 0;
        for (int c = 0; c < 4; ++c) {
            const ReportText *cell = row0[size_t(c)];
            QVERIFY2(near(cell->rect.left(), 10 + x * U), qPrintable(QString::number(cell->rect.left())));
            QVERIFY(near(cell->rect.width(), units[c] * U));
            QVERIFY(near(cell->rect.top(), 10 + 30.1 + 4 * U));
            QVERIFY(near(cell->rect.height(), 13 * U));
            QCOMPARE(cell->size, 9.0);
            QVERIFY(!cell->wordWrap);
            const ReportText *cap = captions[size_t(2 + c)]; // after the title and the subtitle
            QVERIFY(near(cap->rect.left(), cell->rect.left()));
            QVERIFY(near(cap->rect.width(), cell->rect.width()));
            QVERIFY(near(cap->rect.top(), 10 + 72 * U));
            QVERIFY(cap->italic);
            QCOMPARE(cap->size, 9.0);
            QCOMPARE(cap->alignment, cell->alignment);
            x += units[c] + 4;
        }
        QCOMPARE(captions[2]->text, QStringLiteral("Dátum"));
        QCOMPARE(captions[4]->text, QStringLiteral("kg"));
        QCOMPARE(captions[4]->alignment, Qt::Alignment(Qt::AlignRight));
        QCOMPARE(captions[5]->alignment, Qt::Alignment(Qt::AlignHCenter));
    }

    void landscapeEdgeCaseInMillimetres()
    {
        makeGrid(1);
        const ReportDocument doc =
            layoutReport(GridPrintReport(*m_grid, false, "Fogási napló", 9, "kg", "x"));
        const auto c = cells(doc);
        QCOMPARE(qRound(c[0]->rect.width() * 10), 632);
        QCOMPARE(qRound(c[1]->rect.width() * 10), 351);
        QVERIFY(near(c[1]->rect.left() - c[0]->rect.right(), 4 * U));
        QCOMPARE(doc.pageSize, QSizeF(297, 210));
    }

    // The sum stands under the column whose field is the sum field, by exact
    // name; otherwise at 83.0 mm, 14.2 mm wide.
    void sumPlace_data()
    {
        QTest::addColumn<QString>("sumField");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("width");
        QTest::newRow("under kg") << "kg" << 10 + (191 + 4 + 106 + 4) * U << 151 * U;
        QTest::newRow("letter case differs") << "KG" << 10 + 83.0 << 14.2;
    }
    void sumPlace()
    {
        QFETCH(QString, sumField);
        QFETCH(double, left);
        QFETCH(double, width);
        makeGrid(4);
        const ReportDocument doc =
            layoutReport(GridPrintReport(*m_grid, false, "Fogási napló", 9, sumField, "x"));
        const auto summary = doc.pages[0].textsOf(ReportBand::Kind::Summary);
        QCOMPARE(summary.size(), size_t(2));
        QCOMPARE(summary[0]->text, QStringLiteral("Összesen"));
        QVERIFY(near(summary[0]->rect.left(), 10 + 5.3));
        const ReportText *sum = summary[1];
        QCOMPARE(sum->text, QStringLiteral("12,5")); // 1.25 + 2.5 + 3.75 + 5
        QVERIFY2(near(sum->rect.left(), left), qPrintable(QString::number(sum->rect.left())));
        QVERIFY(near(sum->rect.width(), width));
        QVERIFY(near(sum->rect.height(), 4.0));
        QVERIFY(sum->bold);
        QCOMPARE(sum->alignment, Qt::Alignment(Qt::AlignRight));
        QCOMPARE(sum->size, 9.0);
    }

    void sumFieldNoColumnShows()
    {
        makeGrid(3);
        m_model->setColumns({{"datum", "Dátum"}, {"halfaj", "Halfaj"}});
        const ReportDocument doc =
            layoutReport(GridPrintReport(*m_grid, false, "Fogási napló", 9, "kg", "x"));
        const auto summary = doc.pages[0].textsOf(ReportBand::Kind::Summary);
        QCOMPARE(summary.size(), size_t(2));
        QCOMPARE(summary[1]->text, QStringLiteral("7,5"));
        QVERIFY(near(summary[1]->rect.left(), 93.0));
        QVERIFY(near(summary[1]->rect.width(), 14.2));
    }

    void emptySumFieldHidesSummary()
    {
        makeGrid(3);
        const ReportDocument doc = layoutReport(GridPrintReport(*m_grid, false, "Fogási napló", 9, "", "x"));
        QVERIFY(doc.pages[0].textsOf(ReportBand::Kind::Summary).empty());
        QVERIFY(!doc.pages[0].find("Összesen"));
        for (const ReportLine &l : doc.pages[0].lines)
            QVERIFY(l.band != ReportBand::Kind::Summary);
    }

    void frameTexts()
    {
        qApp->setApplicationName("Vorn - Horgászegyesületi nyilvántartó");
        makeGrid(1);
        const ReportDocument doc =
            layoutReport(GridPrintReport(*m_grid, false, "Fogási napló", 9, "kg", "Kiss Béla Ödön"));
        const ReportPage &p = doc.pages[0];
        const ReportText *title = p.find("Fogási napló");
        QVERIFY(title);
        QCOMPARE(title->band, ReportBand::Kind::PageHeader);
        QCOMPARE(title->family, QStringLiteral("Arial"));
        QCOMPARE(title->size, 16.0);
        QVERIFY(title->bold);
        QVERIFY(near(title->rect.topLeft().y(), 10 + 1.3));
        QVERIFY(title->rect.width() > 20 && title->rect.width() < 60); // sized to its text
        const ReportText *sub = p.find("Kiss Béla Ödön");
        QCOMPARE(sub->rect, QRectF(10, 10 + 9.3, 74.4, 9.6));
        QVERIFY(sub->wordWrap);
        QVERIFY(sub->bold);
        QCOMPARE(sub->size, 9.0);
        QVERIFY(p.find("Vorn - Horgászegyesületi nyilvántartó"));
        QVERIFY(p.find("qrGridPrint"));
        QCOMPARE(p.find("qrGridPrint")->band, ReportBand::Kind::PageFooter);
        QVERIFY(p.find("oldal: 1"));
        int titles = 0;
        for (const ReportText &t : p.texts)
            titles += t.text == "Fogási napló";
        QCOMPARE(titles, 2); // the header and the footer
    }

    // Every record once, in the data set's order and filter; the data set
    // stays open on its current row; long grids go on to further pages.
    void rowsPagesAndDataSet()
    {
        makeGrid(60);
        m_ds->setFilter("halfaj='ponty'");
        m_ds->moveTo(4);
        const ReportDocument doc =
            layoutReport(GridPrintReport(*m_grid, false, "Fogási napló", 9, "kg", "x"));
        QStringList kg;
        for (int p = 0; p < doc.pageCount(); ++p) {
            for (const ReportText *t : cells(doc, p))
                if (t->rect.left() > 10 + 300 * U && t->rect.left() < 10 + 330 * U)
                    kg << t->text;
            QVERIFY(doc.pages[size_t(p)].find("Dátum"));
            QVERIFY(doc.pages[size_t(p)].find(QStringLiteral("oldal: %1").arg(p + 1)));
        }
        QCOMPARE(doc.pageCount(), 2);
        QCOMPARE(kg.size(), 30);
        QCOMPARE(kg.first(), QStringLiteral("2,5"));
        QCOMPARE(kg.last(), QStringLiteral("75"));
        QVERIFY(m_ds->isOpen());
        QCOMPARE(m_ds->currentRow(), 4);
    }

    void emptyGridGivesHeaderAndFooter()
    {
        makeGrid(0);
        const ReportDocument doc =
            layoutReport(GridPrintReport(*m_grid, false, "Fogási napló", 9, "kg", "x"));
        QCOMPARE(doc.pageCount(), 1);
        QVERIFY(cells(doc).empty());
        QVERIFY(doc.pages[0].find("Dátum"));
        QVERIFY(doc.pages[0].find("qrGridPrint"));
        QCOMPARE(doc.pages[0].textsOf(ReportBand::Kind::Summary)[1]->text, QStringLiteral("0"));
    }

    void printOrPreview_data()
    {
        QTest::addColumn<bool>("print");
        QTest::newRow("Nyomtat") << true;
        QTest::newRow("Nyom.kép") << false;
    }
    void printOrPreview()
    {
        QFETCH(bool, print);
        makeGrid(2);
        QList<ReportOutputMode> modes;
        QString title;
        ReportOutputHook::set([&](const ReportDocument &doc, ReportOutputMode mode) {
            modes << mode;
            title = doc.title;
        });
        GridNyomtat(*m_grid, print, false, "Fogási napló", 9, "kg", "Kiss Béla");
        QCOMPARE(modes, QList<ReportOutputMode>{print ? ReportOutputMode::Print : ReportOutputMode::Preview});
        QCOMPARE(title, QStringLiteral("Fogási napló"));
    }
};

QTEST_MAIN(tst_GridPrint)
#include "tst_gridprint.moc"
