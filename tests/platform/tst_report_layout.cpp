// The banded report layout: bands on every page, page breaks, groups and their
// sums, growing memos, multi-column detail, second data sets and the common footer.
#include "foundation/Error.h"
#include "foundation/Formats.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportLayout.h"
#include "tests/support/TestSupport.h"

#include <QRegularExpression>
#include <QTest>

class tst_ReportLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;

    // Rows of a small table: csoport (group), nev, kg, megj, ordered by sorsz.
    static void fill(const QList<std::tuple<QString, QString, double, QString>> &rows)
    {
        Db::exec("CREATE TABLE proba (sorsz INTEGER, csoport TEXT, nev TEXT, kg REAL, megj TEXT)");
        int n = 0;
        for (const auto &[csoport, nev, kg, megj] : rows)
            Db::exec("INSERT INTO proba VALUES (?, ?, ?, ?, ?)", {++n, csoport, nev, kg, megj});
    }
    static std::unique_ptr<DataSet> query()
    {
        auto ds = std::make_unique<DataSet>();
        ds->setQuery("SELECT sorsz, csoport, nev, kg, megj FROM proba ORDER BY sorsz");
        ds->open();
        return ds;
    }
    static void numbered(int count)
    {
        QList<std::tuple<QString, QString, double, QString>> rows;
        for (int i = 1; i <= count; ++i)
            rows.append({"A", QStringLiteral("sor %1").arg(i), i, QString()});
        fill(rows);
    }
    // A4 portrait with a 20 mm page header, a 10 mm footer and 10 mm details.
    static ReportDefinition plain(DataSet *ds)
    {
        ReportDefinition def;
        def.title = "Próba";
        def.data = ds;
        ReportBand &h = def.addBand(ReportBand::Kind::PageHeader, 20);
        h.add(ReportItem::label({0, 1, 80, 5}, "FEJLÉC"));
        ReportBand &f = def.addBand(ReportBand::Kind::PageFooter, 10);
        f.add(ReportItem::computed({0, 1, 40, 5},
                                   [](const ReportContext &c) { return QString::number(c.page); }));
        ReportBand &d = def.addBand(ReportBand::Kind::Detail, 10);
        d.add(ReportItem::fieldItem({0, 1, 60, 5}, "nev"));
        return def;
    }
    static std::vector<const ReportText *> details(const ReportPage &p)
    {
        return p.textsOf(ReportBand::Kind::Detail);
    }

private slots:
    void init() { m_folder = std::make_unique<TestDataFolder>(); }
    void cleanup() { m_folder.reset(); }

    void layoutUnits_data()
    {
        QTest::addColumn<double>("units");
        QTest::addColumn<double>("mm");
        QTest::newRow("portrait width") << 575.0 << 190.2;
        QTest::newRow("landscape width") << 838.0 << 277.2;
        QTest::newRow("caption top") << 72.0 << 23.8;
        QTest::newRow("cell height") << 13.0 << 4.3;
        QTest::newRow("gap") << 4.0 << 1.3;
    }
    void layoutUnits()
    {
        QFETCH(double, units);
        QFETCH(double, mm);
        QVERIFY2(qAbs(layoutUnitsToMm(units) - mm) < 0.05,
                 qPrintable(QString::number(layoutUnitsToMm(units))));
    }

    // 60 rows of 10 mm on 277 mm within the margins, less a 20 mm header and a
    // 10 mm footer: 24 rows a page, so three pages; header and footer on each.
    void headerAndFooterOnEveryPage()
    {
        numbered(60);
        auto ds = query();
        ds->moveTo(7);
        const ReportDocument doc = layoutReport(plain(ds.get()));
        QCOMPARE(doc.pageCount(), 3);
        QStringList rows;
        for (int p = 0; p < doc.pageCount(); ++p) {
            const ReportPage &page = doc.pages[size_t(p)];
            const ReportText *head = page.find("FEJLÉC");
            QVERIFY(head);
            QCOMPARE(head->rect.top(), 11.0);
            const auto foot = page.textsOf(ReportBand::Kind::PageFooter);
            QCOMPARE(foot.size(), size_t(1));
            QCOMPARE(foot[0]->text, QString::number(p + 1));
            QCOMPARE(foot[0]->rect.top(), 297.0 - 10 - 10 + 1);
            for (const ReportText *t : details(page)) {
                QVERIFY(t->rect.top() >= 30.0);
                QVERIFY(t->rect.top() - 1 + 10 <= 277.0 + 1e-9); // the band ends above the footer
                rows << t->text;
            }
        }
        QCOMPARE(details(doc.pages[0]).size(), size_t(24));
        QCOMPARE(details(doc.pages[2]).size(), size_t(12));
        QCOMPARE(rows.size(), 60);
        for (int i = 0; i < 60; ++i)
            QCOMPARE(rows[i], QStringLiteral("sor %1").arg(i + 1));
        QCOMPARE(ds->currentRow(), 7); // the layout does not move the data set
    }

    void emptyDataSetGivesHeaderAndFooter()
    {
        fill({});
        auto ds = query();
        ReportDefinition def = plain(ds.get());
        ReportBand &s = def.addBand(ReportBand::Kind::Summary, 8);
        s.add(ReportItem::sum({0, 1, 30, 5}, "kg"));
        ReportBand &g = def.addBand(ReportBand::Kind::GroupHeader, 8);
        g.groupKey = [](const ReportContext &c) { return c.value("csoport"); };
        g.add(ReportItem::label({0, 1, 30, 5}, "CSOPORT"));
        const ReportDocument doc = layoutReport(def);
        QCOMPARE(doc.pageCount(), 1);
        QVERIFY(doc.pages[0].find("FEJLÉC"));
        QVERIFY(doc.pages[0].find("1"));
        QVERIFY(details(doc.pages[0]).empty());
        QVERIFY(!doc.pages[0].find("CSOPORT"));
        QCOMPARE(doc.pages[0].textsOf(ReportBand::Kind::Summary)[0]->text, QStringLiteral("0"));
    }

    // Groups A (1, 2), B (3), C (4, 5, 6): each footer totals its own group,
    // the summary all rows, a detail sum is the running total.
    void groupSumsResetPerGroup()
    {
        fill({{"A", "a1", 1, {}},
              {"A", "a2", 2, {}},
              {"B", "b1", 3.5, {}},
              {"C", "c1", 4, {}},
              {"C", "c2", 5, {}},
              {"C", "c3", 6, {}}});
        auto ds = query();
        ReportDefinition def = plain(ds.get());
        ReportBand &d = *def.band(ReportBand::Kind::Detail);
        d.add(ReportItem::sum({100, 1, 30, 5}, "kg"));
        ReportBand &gh = def.addBand(ReportBand::Kind::GroupHeader, 8);
        gh.groupKey = [](const ReportContext &c) { return c.value("csoport"); };
        gh.add(ReportItem::fieldItem({0, 1, 30, 5}, "csoport"));
        ReportBand &gf = def.addBand(ReportBand::Kind::GroupFooter, 8);
        gf.add(ReportItem::sum({0, 1, 30, 5}, "kg"));
        ReportBand &s = def.addBand(ReportBand::Kind::Summary, 8);
        s.add(ReportItem::sum({0, 1, 30, 5}, "kg"));
        const ReportDocument doc = layoutReport(def);
        QCOMPARE(doc.pageCount(), 1);
        QStringList order;
        for (const ReportText &t : doc.pages[0].texts)
            if (t.band != ReportBand::Kind::PageHeader && t.band != ReportBand::Kind::PageFooter)
                order << t.text;
        QCOMPARE(order, (QStringList{"A", "a1", "1", "a2", "3", "3", "B", "b1", "6,5", "3,5", "C", "c1",
                                     "10,5", "c2", "15,5", "c3", "21,5", "15", "21,5"}));
        // Each band starts where the previous one ended.
        QCOMPARE(doc.pages[0].find("A")->rect.top(), 10.0 + 20 + 1);
        QCOMPARE(doc.pages[0].find("a1")->rect.top(), 10.0 + 20 + 8 + 1);
        QCOMPARE(doc.pages[0].find("B")->rect.top(), 10.0 + 20 + 8 + 10 + 10 + 8 + 1);
    }

    // The sums of the second group level close before the first level's.
    void nestedGroupsCloseInnerFirst()
    {
        fill({{"A", "x", 1, {}}, {"A", "y", 2, {}}, {"B", "y", 4, {}}});
        auto ds = query();
        ReportDefinition def = plain(ds.get());
        def.band(ReportBand::Kind::Detail)->visible = false;
        for (int level : {0, 1}) {
            ReportBand &gh = def.addBand(ReportBand::Kind::GroupHeader, 5);
            gh.groupLevel = level;
            const QString field = level == 0 ? "csoport" : "nev";
            gh.groupKey = [field](const ReportContext &c) { return c.value(field); };
            ReportBand &gf = def.addBand(ReportBand::Kind::GroupFooter, 5);
            gf.groupLevel = level;
            gf.add(ReportItem::computed({0, 0, 50, 4}, [level](const ReportContext &c) {
                return QStringLiteral("L%1:").arg(level) + c.value("nev").toString();
            }));
            gf.add(ReportItem::sum({60, 0, 20, 4}, "kg"));
        }
        const ReportDocument doc = layoutReport(def);
        QStringList order;
        for (const ReportText *t : doc.pages[0].textsOf(ReportBand::Kind::GroupFooter))
            order << t->text;
        QCOMPARE(order, (QStringList{"L1:x", "1", "L1:y", "2", "L0:y", "3", "L1:y", "4", "L0:y", "4"}));
    }

    // A memo that needs five lines grows its detail band: the next row starts
    // below the memo, and the band's bottom rule moves with it.
    void growingMemoMovesFollowingBand()
    {
        const QString longText = QStringList(40, QStringLiteral("hosszú megjegyzés")).join(' ');
        fill({{"A", "első", 1, longText}, {"A", "második", 2, "rövid"}, {"A", "harmadik", 3, QString()}});
        auto ds = query();
        ReportDefinition def = plain(ds.get());
        ReportBand &d = *def.band(ReportBand::Kind::Detail);
        d.bottomRule = 1;
        ReportItem &memo = d.add(ReportItem::fieldItem({70, 2, 80, 4}, "megj"));
        memo.grow = true;
        const ReportDocument doc = layoutReport(def);
        const ReportPage &p = doc.pages[0];
        const ReportText *memoText = p.find(longText);
        QVERIFY(memoText);
        QVERIFY(memoText->wordWrap);
        const double need = textHeightMm(longText, memoText->font(), 80, true);
        QVERIFY2(need > 4 * textHeightMm("x", memoText->font(), 80, true), qPrintable(QString::number(need)));
        QCOMPARE(memoText->rect.height(), need);
        const double firstTop = p.find("első")->rect.top() - 1;
        const double secondTop = p.find("második")->rect.top() - 1;
        QCOMPARE(secondTop, firstTop + 2 + need);
        // Short memos keep the band's own height.
        QCOMPARE(p.find("harmadik")->rect.top() - 1, secondTop + 10);
        int rulesAtSecondTop = 0;
        for (const ReportLine &l : p.lines)
            if (l.band == ReportBand::Kind::Detail && qAbs(l.line.y1() + l.width / 2 - secondTop) < 1e-6)
                ++rulesAtSecondTop;
        QCOMPARE(rulesAtSecondTop, 1);
    }

    // Numbered words, a line break after every `paragraph` words (0: none).
    static QString words(int count, int paragraph)
    {
        QString s;
        for (int i = 1; i <= count; ++i) {
            if (i > 1)
                s += paragraph > 0 && (i - 1) % paragraph == 0 ? QLatin1Char('\n') : QLatin1Char(' ');
            s += QStringLiteral("szó%1").arg(i);
        }
        return s;
    }
    static QStringList wordList(const QString &text)
    {
        return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    }
    // `before` rows of 10 mm, a row whose memo wraps into `words` words at
    // memoTop in an 80 mm box, and the row "utána".
    static ReportDefinition memoReport(DataSet *ds, double memoTop)
    {
        ReportDefinition def = plain(ds);
        ReportBand &d = *def.band(ReportBand::Kind::Detail);
        d.bottomRule = 1;
        ReportItem &memo = d.add(ReportItem::fieldItem({70, memoTop, 80, 4}, "megj"));
        memo.grow = true;
        return def;
    }
    static void memoRows(int before, const QString &memo)
    {
        QList<std::tuple<QString, QString, double, QString>> rows;
        for (int i = 1; i <= before; ++i)
            rows.append({"A", QStringLiteral("sor %1").arg(i), i, QString()});
        rows.append({"A", "hosszú", 0, memo});
        rows.append({"A", "utána", 0, QString()});
        fill(rows);
    }

    // A memo of some 300 lines goes on from page to page, cut between whole
    // lines; on A4 with a 20 mm header and a 10 mm footer, the bottom margin
    // leaving `room` below the rows before it. A first part needs the band's
    // own 10 mm and one line of the memo, else it starts a fresh page.
    void longMemoSplitsAcrossPages_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<double>("room");
        QTest::addColumn<double>("memoTop");
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<bool>("freshPage");
        QTest::newRow("first row") << 0 << 247.0 << 2.0 << 0 << false;
        QTest::newRow("after ten rows, paragraphs") << 10 << 147.0 << 2.0 << 25 << false;
        QTest::newRow("7 mm left: less than the band") << 24 << 7.0 << 2.0 << 0 << true;
        QTest::newRow("12 mm left: less than a line at 9 mm") << 18 << 12.0 << 9.0 << 0 << true;
        QTest::newRow("14 mm left: a line at 9 mm fits") << 18 << 14.0 << 9.0 << 40 << false;
    }
    void longMemoSplitsAcrossPages()
    {
        QFETCH(int, before);
        QFETCH(double, room);
        QFETCH(double, memoTop);
        QFETCH(int, paragraph);
        QFETCH(bool, freshPage);
        const QString text = words(2000, paragraph);
        memoRows(before, text);
        auto ds = query();
        ReportDefinition def = memoReport(ds.get(), memoTop);
        ReportText probe; // the memo's font: the report's base font
        probe.family = def.fontFamily;
        probe.size = def.fontSize;
        const QFont font = probe.font();
        const double line = textHeightMm("x", font, 80, true);
        // An empty memo keeps its 4 mm box, or one line when that is higher.
        const double rowHeight = std::max(10.0, memoTop + std::max(4.0, textHeightMm({}, font, 80, true)));
        const double bodyTop = 10 + 20;
        const double bodyBottom = bodyTop + before * rowHeight + room;
        def.margins.setBottom(297 - 10 - bodyBottom);
        const ReportDocument doc = layoutReport(def);

        QVERIFY2(textHeightMm(text, font, 80, true) / line > 280, qPrintable(QString::number(line)));

        struct Piece {
            int page;
            const ReportText *text;
        };
        std::vector<Piece> pieces;
        int nameCount = 0;
        int namePage = -1;
        int rules = 0;
        for (int p = 0; p < doc.pageCount(); ++p) {
            const ReportPage &page = doc.pages[size_t(p)];
            QVERIFY(page.find("FEJLÉC"));
            const auto foot = page.textsOf(ReportBand::Kind::PageFooter);
            QCOMPARE(foot.size(), size_t(1));
            QCOMPARE(foot[0]->text, QString::number(p + 1));
            QCOMPARE(foot[0]->rect.top(), bodyBottom + 1);
            for (const ReportText *t : details(page)) {
                // Within the body, and the box holds all lines of its text.
                QVERIFY2(t->rect.top() >= bodyTop - 1e-9 && t->rect.bottom() <= bodyBottom + 1e-9,
                         qPrintable(QStringLiteral("page %1: %2").arg(p + 1).arg(t->rect.bottom())));
                QVERIFY(textHeightMm(t->text, t->font(), t->rect.width(), t->wordWrap) <=
                        t->rect.height() + 1e-9);
                if (t->row == before && t->rect.left() == 80)
                    pieces.push_back({p, t});
                if (t->text == "hosszú") {
                    ++nameCount;
                    namePage = p;
                }
            }
            for (const ReportLine &l : page.lines)
                rules += l.band == ReportBand::Kind::Detail;
        }
        QVERIFY(pieces.size() >= 5);
        QStringList joined;
        for (const Piece &piece : pieces)
            joined << wordList(piece.text->text);
        QCOMPARE(joined, wordList(text));

        const int firstPage = freshPage ? 1 : 0;
        QCOMPARE(nameCount, 1); // the band's other items print once, on its first part
        QCOMPARE(namePage, firstPage);
        QCOMPARE(pieces[0].text->rect.top(), (freshPage ? bodyTop : bodyTop + before * rowHeight) + memoTop);
        for (size_t i = 0; i < pieces.size(); ++i) {
            QCOMPARE(pieces[i].page, firstPage + int(i));
            if (i > 0)
                QCOMPARE(pieces[i].text->rect.top(), bodyTop);
            if (i + 1 < pieces.size()) // each page is filled to within a line
                QVERIFY(bodyBottom - pieces[i].text->rect.bottom() < line);
        }
        // The next row and the band's one bottom rule follow the last part.
        const Piece &last = pieces.back();
        const ReportPage &lastPage = doc.pages[size_t(last.page)];
        QCOMPARE(doc.pageCount(), last.page + 1);
        const ReportText *next = lastPage.find("utána");
        QVERIFY(next);
        QCOMPARE(next->rect.top() - 1, last.text->rect.bottom());
        QCOMPARE(rules, before + 2);
        int rulesAtEnd = 0;
        for (const ReportLine &l : lastPage.lines)
            rulesAtEnd += qAbs(l.line.y1() + l.width / 2 - last.text->rect.bottom()) < 1e-6;
        QCOMPARE(rulesAtEnd, 1);
    }

    // A memo that fits the page body stays whole, moving to a new page when
    // the rest of the page is too short.
    void memoThatFitsIsNotSplit_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("page");
        QTest::newRow("short") << 0 << 30 << 0;
        QTest::newRow("half a page, after twenty rows") << 20 << 250 << 1;
    }
    void memoThatFitsIsNotSplit()
    {
        QFETCH(int, before);
        QFETCH(int, count);
        QFETCH(int, page);
        const QString text = words(count, 0);
        memoRows(before, text);
        auto ds = query();
        const ReportDocument doc = layoutReport(memoReport(ds.get(), 2));
        QCOMPARE(doc.pageCount(), page + 1);
        const ReportPage &p = doc.pages[size_t(page)];
        const ReportText *memo = p.find(text);
        QVERIFY(memo);
        const double need = textHeightMm(text, memo->font(), 80, true);
        const double top = page == 0 ? 30 + 10 * before : 30;
        QCOMPARE(memo->rect, QRectF(80, top + 2, 80, need));
        QCOMPARE(p.find("hosszú")->rect.top() - 1, top);
        QCOMPARE(p.find("utána")->rect.top() - 1, top + std::max(10.0, 2 + need));
    }

    void rowHeightPerRow()
    {
        numbered(3);
        auto ds = query();
        ReportDefinition def = plain(ds.get());
        def.band(ReportBand::Kind::Detail)->rowHeight = [](const ReportContext &c) {
            return 5.0 * (c.row + 1);
        };
        const ReportDocument doc = layoutReport(def);
        const auto d = details(doc.pages[0]);
        QCOMPARE(d[1]->rect.top() - d[0]->rect.top(), 5.0);
        QCOMPARE(d[2]->rect.top() - d[1]->rect.top(), 10.0);
    }

    // Seven labels in three columns of 63.33 mm: across each row first, then down.
    void multiColumnFillsAcrossFirst()
    {
        numbered(7);
        auto ds = query();
        ReportDefinition def;
        def.data = ds.get();
        def.margins = {5, 8, 5, 8};
        ReportBand &d = def.addBand(ReportBand::Kind::Detail, 38.1);
        d.columns = 3;
        d.add(ReportItem::fieldItem({2.6, 2.6, 50, 5}, "nev"));
        const ReportDocument doc = layoutReport(def);
        const auto t = details(doc.pages[0]);
        QCOMPARE(t.size(), size_t(7));
        const double w = 200.0 / 3;
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(t[size_t(i)]->text, QStringLiteral("sor %1").arg(i + 1));
            QCOMPARE(t[size_t(i)]->rect.left(), 5 + (i % 3) * w + 2.6);
            QCOMPARE(t[size_t(i)]->rect.top(), 8 + (i / 3) * 38.1 + 2.6);
        }
    }

    // 7 rows of 38.1 mm fit a 281 mm body; three columns give 21 a page.
    void multiColumnBreaksPages()
    {
        numbered(25);
        auto ds = query();
        ReportDefinition def;
        def.data = ds.get();
        def.margins = {5, 8, 5, 8};
        ReportBand &d = def.addBand(ReportBand::Kind::Detail, 38.1);
        d.columns = 3;
        d.add(ReportItem::fieldItem({0, 0, 50, 5}, "nev"));
        const ReportDocument doc = layoutReport(def);
        QCOMPARE(doc.pageCount(), 2);
        QCOMPARE(details(doc.pages[0]).size(), size_t(21));
        QCOMPARE(details(doc.pages[1])[0]->text, QStringLiteral("sor 22"));
        QCOMPARE(details(doc.pages[1])[0]->rect.topLeft(), QPointF(5, 8));
    }

    void itemsOptions()
    {
        fill({{"A", "Kiss Béla", 1234.5, {}}, {"B", "Nagy Éva", 2, {}}});
        auto ds = query();
        ds->setFilter("csoport='B'");
        DataSet owner;
        owner.setTable("tulajdonos");
        Db::exec("INSERT INTO tulajdonos (tulajdonos, varos) VALUES ('Horgász Egyesület', 'Vác')");
        owner.open();
        ReportDefinition def;
        def.data = ds.get();
        def.sources.insert("tul", &owner);
        ReportBand &d = def.addBand(ReportBand::Kind::Detail, 10);
        d.add(ReportItem::fieldItem({0, 0, 50, 5}, "nev"));
        ReportItem &hidden = d.add(ReportItem::label({0, 5, 50, 5}, "REJTETT"));
        hidden.visible = false;
        ReportItem &kg = d.add(ReportItem::fieldItem({60, 0, 30, 5}, "kg", {}, Qt::AlignRight));
        kg.format = [](const QVariant &v) { return QStringLiteral("%1 kg").arg(v.toDouble(), 0, 'f', 2); };
        d.add(ReportItem::sourceField({100, 0, 50, 5}, "tul", "tulajdonos"));
        ReportItem &centred = d.add(ReportItem::label({10, 5, 20, 0}, "közép", {}, Qt::AlignHCenter));
        centred.alignToBand = true;
        ReportFont big;
        big.family = "Arial";
        big.size = 16;
        big.bold = true;
        ReportItem &sized = d.add(ReportItem::label({0, 20, 1, 5}, "Cím szöveg", big));
        sized.autoSize = true;
        const ReportDocument doc = layoutReport(def);
        const ReportPage &p = doc.pages[0];
        QCOMPARE(p.textList(),
                 (QStringList{"Nagy Éva", "2.00 kg", "Horgász Egyesület", "közép", "Cím szöveg"}));
        QCOMPARE(p.texts[1].alignment, Qt::Alignment(Qt::AlignRight));
        const ReportText *c = p.find("közép");
        QCOMPARE(c->rect.left(), 10.0);
        QCOMPARE(c->rect.width(), 190.0);
        QVERIFY(c->rect.height() > 3 && c->rect.height() < 6); // one line of 10 pt
        const ReportText *s = p.find("Cím szöveg");
        QCOMPARE(s->size, 16.0);
        QVERIFY(s->bold);
        QCOMPARE(s->rect.width(), textWidthMm("Cím szöveg", s->font()));
        QVERIFY(s->rect.width() > 20 && s->rect.width() < 50);
    }

    void unknownFieldIsReported()
    {
        numbered(1);
        auto ds = query();
        ReportDefinition def = plain(ds.get());
        def.band(ReportBand::Kind::Detail)->add(ReportItem::fieldItem({0, 0, 10, 5}, "nincsilyen"));
        QVERIFY_THROWS_EXCEPTION(VornError, layoutReport(def));
    }

    void commonFooter()
    {
        numbered(1);
        auto ds = query();
        ReportDefinition def;
        def.data = ds.get();
        def.title = "Egyesületi tagok listája";
        def.identifier = "qrUgyfel";
        def.productLine = "VORN V1.x";
        def.printedAt = QDateTime(QDate(2026, 3, 5), QTime(9, 7, 3));
        addCommonPageFooter(def, "www.vorn.example");
        const ReportDocument doc = layoutReport(def);
        const auto foot = doc.pages[0].textsOf(ReportBand::Kind::PageFooter);
        struct Expect {
            QString text;
            double top;
            Qt::Alignment alignment;
        };
        const double bandTop = 297 - 10 - 14.6;
        const QList<Expect> expected{{"VORN V1.x", 1.3, Qt::AlignLeft},
                                     {"oldal: 1", 9.3, Qt::AlignLeft},
                                     {Formats::dateTime(def.printedAt), 1.3, Qt::AlignRight},
                                     {"Egyesületi tagok listája", 5.3, Qt::AlignRight},
                                     {"qrUgyfel", 9.3, Qt::AlignRight},
                                     {"www.vorn.example", 9.3, Qt::AlignHCenter}};
        QCOMPARE(foot.size(), size_t(expected.size()));
        QCOMPARE(Formats::dateTime(def.printedAt), QStringLiteral("2026. 03. 05. 9:07:03"));
        for (const Expect &e : expected) {
            const ReportText *t = doc.pages[0].find(e.text);
            QVERIFY2(t, qPrintable(e.text));
            QCOMPARE(t->rect.top(), bandTop + e.top);
            QCOMPARE(t->alignment, e.alignment);
            QCOMPARE(t->size, 8.0);
            QCOMPARE(t->family, QStringLiteral("Courier New"));
            if (e.alignment != Qt::AlignLeft)
                QCOMPARE(t->rect.right(), 200.0);
        }
        // The thin silver rule opens the footer.
        bool rule = false;
        for (const ReportLine &l : doc.pages[0].lines)
            rule |= l.band == ReportBand::Kind::PageFooter && qAbs(l.line.y1() - bandTop) < 0.2 &&
                    l.colour == QColor(192, 192, 192) && l.line.dx() == 190;
        QVERIFY(rule);
    }

    void landscapeAndCustomPaper()
    {
        ReportDefinition def;
        def.landscape = true;
        QCOMPARE(def.pageSize(), QSizeF(297, 210));
        QCOMPARE(def.printableWidth(), 277.0);
        def.landscape = false;
        def.paperSize = {160, 113};
        def.addBand(ReportBand::Kind::Detail, 92.3).add(ReportItem::label({60.9, 43.7, 74.4, 5}, "név"));
        const ReportDocument doc = layoutReport(def);
        QCOMPARE(doc.pageCount(), 1);
        QCOMPARE(doc.pageSize, QSizeF(160, 113));
        QCOMPARE(doc.pages[0].find("név")->rect, QRectF(70.9, 53.7, 74.4, 5));
    }
};

QTEST_MAIN(tst_ReportLayout)
#include "tst_report_layout.moc"
