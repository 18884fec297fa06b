// The frame of the list reports: page header with logo, title box, title,
// subtitle, optional period line and owner box; the common footer.
#include "output/ListaKeret.h"
#include "platform/db/DataSet.h"
#include "platform/report/ReportLayout.h"
#include "tests/support/TestSupport.h"

#include <QTest>

class tst_ListaKeret : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;

    static std::vector<const ReportLine *> linesOf(const ReportPage &p, ReportBand::Kind band)
    {
        std::vector<const ReportLine *> l;
        for (const ReportLine &x : p.lines)
            if (x.band == band)
                l.push_back(&x);
        return l;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<TestDataFolder>();
        // A new data folder holds one owner row.
        Db::exec("UPDATE tulajdonos SET tulajdonos = 'Zöld Ár HE', irsz = '2600', varos = 'Vác', "
                 "cim = 'Fő utca 1.', telefon = '123'");
    }
    void cleanup() { m_folder.reset(); }

    void header_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<double>("boxHeight");
        QTest::newRow("no period") << QString() << 14.9;
        QTest::newRow("period") << "2026.01.01 - 2026.01.31" << 20.2;
    }
    void header()
    {
        QFETCH(QString, period);
        QFETCH(double, boxHeight);
        DataSet owner;
        TulajdonosBeallit(owner);
        owner.open();
        ReportDefinition def;
        def.landscape = true; // the frame turns it back
        ReportBand &h = ListaKeret(def, "Befizetések", "tagonként", period, "qrFizLista", "VORN", &owner);
        QCOMPARE(h.kind, ReportBand::Kind::PageHeader);
        h.add(ReportItem::label({1.3, 23.8, 58.5, 4}, "egyesületi tag", ReportFont{{}, 8, false, true}));
        const ReportDocument doc = layoutReport(def);
        QCOMPARE(doc.pageSize, QSizeF(210, 297));
        const ReportPage &p = doc.pages[0];

        const ReportText *title = p.find("Befizetések");
        QCOMPARE(title->rect.top(), 11.3);
        QCOMPARE(title->rect.left(), 10.0);
        QCOMPARE(title->rect.width(), 190.0);
        QCOMPARE(title->alignment, Qt::Alignment(Qt::AlignHCenter));
        QCOMPARE(title->size, 16.0);
        QVERIFY(title->bold);
        QCOMPARE(title->family, QStringLiteral("Tahoma"));
        const ReportText *sub = p.find("tagonként");
        QCOMPARE(sub->rect.top(), 19.3);
        QCOMPARE(sub->size, 10.0);
        QVERIFY(sub->bold);
        if (!period.isEmpty()) {
            const ReportText *per = p.find(period);
            QVERIFY(per);
            QCOMPARE(per->rect.top(), 24.6);
            QVERIFY(!per->bold);
            QCOMPARE(per->alignment, Qt::Alignment(Qt::AlignHCenter));
        }
        QCOMPARE(p.find("egyesületi tag")->rect.top(), 33.8);

        // Owner lines at the right edge of the band.
        const QList<std::pair<QString, double>> owners{
            {"Zöld Ár HE", 1.3}, {"2600, Vác", 6.6}, {"Fő utca 1.", 10.6}, {"123", 14.6}};
        for (const auto &[text, top] : owners) {
            const ReportText *t = p.find(text);
            QVERIFY2(t, qPrintable(text));
            QCOMPARE(t->rect.top(), 10 + top);
            QCOMPARE(t->rect.right(), 200.0);
            QCOMPARE(t->alignment, Qt::Alignment(Qt::AlignRight));
            QCOMPARE(t->bold, top == 1.3);
        }

        QCOMPARE(p.pictures.size(), size_t(1));
        QCOMPARE(p.pictures[0].rect, QRectF(10, 10, 45.3, 21.5));
        QVERIFY(!p.pictures[0].image.isNull());

        // Title box and owner box as top and bottom edges; the 2-pixel rule at 30.1 mm.
        const auto lines = linesOf(p, ReportBand::Kind::PageHeader);
        QCOMPARE(lines.size(), size_t(5));
        auto edgesAt = [&](double left, double height) {
            int n = 0;
            for (const ReportLine *l : lines)
                if (qAbs(l->line.x1() - (10 + left)) < 1e-6 &&
                    (qAbs(l->line.y1() - 10) < 0.3 || qAbs(l->line.y1() - (10 + height)) < 0.3))
                    ++n;
            return n;
        };
        QCOMPARE(edgesAt(61.1, boxHeight), 2);
        QCOMPARE(edgesAt(131.0, 20.2), 2);
        const ReportLine *rule = lines.back();
        QCOMPARE(rule->colour, QColor(192, 192, 192));
        QVERIFY(qAbs(rule->width - 2 * MmPerPixel) < 1e-9);
        QVERIFY(qAbs(rule->line.y1() + rule->width / 2 - 40.1) < 1e-9);
        QCOMPARE(rule->line.dx(), 190.0);

        // The common footer with the web address line.
        QVERIFY(p.find(WebCim));
        QCOMPARE(p.find(WebCim)->band, ReportBand::Kind::PageFooter);
        QVERIFY(p.find("qrFizLista"));
        QVERIFY(p.find("VORN"));
    }

    void logoIsDrawn()
    {
        const QImage logo = ListaLogo();
        QCOMPARE(logo.size(), QSize(453, 215));
        int inked = 0;
        for (int y = 0; y < logo.height(); y += 5)
            for (int x = 0; x < logo.width(); x += 5)
                inked += qAlpha(logo.pixel(x, y)) > 0;
        QVERIFY(inked > 200);
    }
};

QTEST_MAIN(tst_ListaKeret)
#include "tst_listakeret.moc"
