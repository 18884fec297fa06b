// Address labels: the width and shrink rule of a label definition, refused
// definitions, and the sheets laid out across each row with every member.
#include "foundation/Error.h"
#include "output/rptCimke.h"
#include "platform/db/Database.h"
#include "platform/report/ReportOutput.h"
#include "tests/support/TestSupport.h"

#include <QTest>

namespace {

void tag(int id, const QString &nev, const QString &aktiv, int tipus, const QString &irsz,
         const QString &varos, const QString &cim)
{
    Db::exec("INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Aktiv, Tipus, Cim_irsz, Cim_varos, Cim_cim) "
             "VALUES (?, ?, ?, ?, ?, ?, ?)",
             {id, nev, aktiv, tipus, irsz, varos, cim});
}

} // namespace

class TestCimke : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDataFolder> m_folder;

private slots:
    void init() { m_folder = std::make_unique<TestDataFolder>(); }
    void cleanup() { m_folder.reset(); }

    void geometry_data();
    void geometry();
    void fitToHeight_data();
    void fitToHeight();
    void refused_data();
    void refused();
    void sheetFillsAcrossWithEveryMember();
    void sheetUsesTheShrunkFields();
    void filterAndPages();
    void shortLabelsKeepTheirTextInside();
};

void TestCimke::geometry_data()
{
    QTest::addColumn<int>("oszlop");
    QTest::addColumn<double>("szelso");
    QTest::addColumn<double>("w");
    // size and top (mm) of name, town, street, postal code
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<double>>("tops");

    const QList<int> design{11, 10, 10, 14};
    const QList<double> designTops{2.6, 19.8, 26.5, 42.3};
    QTest::newRow("3 columns, 8 mm: design layout") << 3 << 8.0 << 60.667 << design << designTops;
    QTest::newRow("2 columns, 51 mm: w = 50 is not below 50") << 2 << 51.0 << 50.0 << design << designTops;
    QTest::newRow("4 columns, 5 mm: below 50")
        << 4 << 5.0 << 46.0 << QList<int>{11, 10, 10, 12} << QList<double>{2.6, 17.2, 23.8, 33.1};
    QTest::newRow("5 columns, 5 mm: below 40")
        << 5 << 5.0 << 36.0 << QList<int>{9, 8, 8, 10} << QList<double>{1.3, 13.2, 18.5, 23.8};
    QTest::newRow("6 columns, 10 mm: below 32 stands")
        << 6 << 10.0 << 27.667 << QList<int>{9, 8, 8, 9} << QList<double>{0, 7.9, 13.2, 18.5};
    QTest::newRow("8 columns, 5 mm: below 24")
        << 8 << 5.0 << 21.0 << QList<int>{8, 8, 8, 8} << QList<double>{0, 6.6, 10.6, 15.9};
    QTest::newRow("1 column, no margin") << 1 << 0.0 << 206.0 << design << designTops;
}

void TestCimke::geometry()
{
    QFETCH(int, oszlop);
    QFETCH(double, szelso);
    QFETCH(double, w);
    QFETCH(QList<int>, sizes);
    QFETCH(QList<double>, tops);

    const CimkeMeretek m = CimkeMeretez(oszlop, szelso);
    QVERIFY2(qAbs(m.w - w) < 0.001, qPrintable(QString::number(m.w)));
    const CimkeMezo mezok[] = {m.nev, m.varos, m.cim, m.irsz};
    const double heights[] = {16.2, 5.6, 5.6, 6.3}; // each field keeps its design height
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(mezok[i].size, sizes[i]);
        QVERIFY2(qAbs(mezok[i].top - tops[i]) < 0.05,
                 qPrintable(QStringLiteral("field %1 top %2").arg(i).arg(mezok[i].top)));
        QVERIFY2(qAbs(mezok[i].height - heights[i]) < 0.05, qPrintable(QString::number(mezok[i].height)));
    }
}

void TestCimke::fitToHeight_data()
{
    QTest::addColumn<int>("oszlop");
    QTest::addColumn<double>("szelso");
    QTest::addColumn<double>("magas");
    QTest::addColumn<double>("nevSor");
    QTest::addColumn<double>("irszSor");
    QTest::addColumn<QList<double>>("tops"); // name, town, street, postal code
    QTest::addColumn<double>("nevMagas");
    const QList<double> design{2.646, 19.844, 26.458, 42.333};
    QTest::newRow("tall label: tops kept, the name's box ends at its third line")
        << 3 << 8.0 << 55.0 << 4.5 << 5.7 << design << 13.5;
    QTest::newRow("50.8 mm label: the postal code's line still fits")
        << 3 << 8.0 << 50.8 << 4.5 << 5.7 << design << 13.5;
    QTest::newRow("38.1 mm label: tops move up")
        << 3 << 8.0 << 38.1 << 4.5 << 5.7 << QList<double>{1.860, 13.947, 18.596, 29.754} << 9.0;
    QTest::newRow("no line height: the postal code's box counts")
        << 3 << 8.0 << 38.1 << 4.5 << 0.0 << QList<double>{1.823, 13.674, 18.231, 29.170} << 9.0;
    QTest::newRow("narrow row that fits its label")
        << 6 << 10.0 << 25.4 << 3.7 << 3.7 << QList<double>{0, 7.937, 13.229, 18.521} << 7.4;
    QTest::newRow("narrowest row: small postal code fits, two name lines")
        << 8 << 5.0 << 21.2 << 3.3 << 3.3 << QList<double>{0, 6.615, 10.583, 15.875} << 6.6;
    QTest::newRow("narrowest row, low label: one name line")
        << 8 << 5.0 << 17.0 << 3.3 << 3.3 << QList<double>{0, 5.708, 9.133, 13.700} << 3.3;
    QTest::newRow("label lower than the postal code: one line of name")
        << 3 << 8.0 << 5.0 << 4.5 << 5.7 << QList<double>{0, 0, 0, 0} << 4.5;
}

void TestCimke::fitToHeight()
{
    QFETCH(int, oszlop);
    QFETCH(double, szelso);
    QFETCH(double, magas);
    QFETCH(double, nevSor);
    QFETCH(double, irszSor);
    QFETCH(QList<double>, tops);
    QFETCH(double, nevMagas);
    const CimkeMeretek design = CimkeMeretez(oszlop, szelso);
    const CimkeMeretek m = CimkeIgazit(design, magas, nevSor, irszSor);
    const CimkeMezo mezok[] = {m.nev, m.varos, m.cim, m.irsz};
    for (int i = 0; i < 4; ++i)
        QVERIFY2(qAbs(mezok[i].top - tops[i]) < 0.005,
                 qPrintable(QStringLiteral("field %1 top %2").arg(i).arg(mezok[i].top)));
    QVERIFY2(qAbs(m.nev.height - nevMagas) < 0.005, qPrintable(QString::number(m.nev.height)));
    // Width, sizes and the other heights stay as the definition gives them.
    QCOMPARE(m.w, design.w);
    QCOMPARE(m.irsz.size, design.irsz.size);
    QCOMPARE(m.nev.size, design.nev.size);
    QCOMPARE(m.irsz.height, design.irsz.height);
    QCOMPARE(m.varos.height, design.varos.height);
}

void TestCimke::refused_data()
{
    const QString width =
        QStringLiteral("Hibás címke beállítás: legalább egy oszlop és pozitív címkeszélesség szükséges.");
    const QString height = QStringLiteral("Hibás címke beállítás: pozitív címkemagasság szükséges.");
    QTest::addColumn<int>("oszlop");
    QTest::addColumn<double>("szelso");
    QTest::addColumn<double>("magas");
    QTest::addColumn<QString>("message");
    QTest::newRow("no columns") << 0 << 8.0 << 38.1 << width;
    QTest::newRow("negative columns") << -2 << 8.0 << 38.1 << width;
    QTest::newRow("margins leave 4 mm: w = 0") << 1 << 103.0 << 38.1 << width;
    QTest::newRow("margins wider than the page") << 3 << 150.0 << 38.1 << width;
    QTest::newRow("null height") << 3 << 8.0 << 0.0 << height;
    QTest::newRow("negative height") << 3 << 8.0 << -5.0 << height;
}

void TestCimke::refused()
{
    QFETCH(int, oszlop);
    QFETCH(double, szelso);
    QFETCH(double, magas);
    QFETCH(QString, message);
    tag(1, "Kiss Anna", "I", 1, "6720", "Szeged", "Fő utca 1.");
    bool geometryRefused = false;
    try {
        CimkeMeretez(oszlop, szelso);
    } catch (const VornError &e) {
        QCOMPARE(e.message(), message);
        geometryRefused = true;
    }
    QCOMPARE(geometryRefused, message.contains("oszlop"));
    CapturedReports out;
    try {
        CimkeNyomtat({}, oszlop, 10, szelso, magas);
        QFAIL("labels printed");
    } catch (const VornError &e) {
        QCOMPARE(e.message(), message);
    }
    QVERIFY(out.docs.empty());
}

void TestCimke::sheetFillsAcrossWithEveryMember()
{
    // Keys stored out of order; one member inactive, one without a type.
    tag(5, "Nagy Ödön", "I", 1, "1011", "Budapest", "Ő utca 5.");
    tag(2, "Kiss Anna", "N", 2, "6720", "Szeged", "Fő utca 1.");
    tag(9, "Zsoldos Űrsula", "I", 1, "7621", "Pécs", "Király u. 9.");
    tag(3, "Tóth Éva", "I", 0, "9021", "Győr", "Baross út 3.");
    tag(7, "Csonka Béla", "N", 1, "4025", "Debrecen", "Piac u. 7.");

    CapturedReports out;
    CimkeNyomtat({}, 3, 12.0, 8.0, 55.0);
    QCOMPARE(out.docs.size(), size_t(1));
    QCOMPARE(out.modes.front(), ReportOutputMode::Preview);
    const ReportDocument &doc = out.docs.front();
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(doc.pageSize, QSizeF(210, 297));

    const QStringList keyOrder{"Kiss Anna", "Tóth Éva", "Nagy Ödön", "Csonka Béla", "Zsoldos Űrsula"};
    const double colWidth = (210 - 16) / 3.0;
    for (int i = 0; i < keyOrder.size(); ++i) {
        const ReportText *t = doc.pages[0].find(keyOrder[i]);
        QVERIFY2(t, qPrintable(keyOrder[i]));
        const int col = i % 3, row = i / 3;
        QVERIFY2(qAbs(t->rect.left() - (8 + col * colWidth + 2.646)) < 0.01, qPrintable(keyOrder[i]));
        QVERIFY2(qAbs(t->rect.top() - (12 + row * 55.0 + 2.646)) < 0.01, qPrintable(keyOrder[i]));
        QVERIFY(qAbs(t->rect.width() - 60.667) < 0.01);
        QCOMPARE(t->size, 11.0);
        QVERIFY(t->bold);
    }
    // The rest of a label under its name: town, street, postal code.
    const ReportText *varos = doc.pages[0].find("Budapest");
    const ReportText *cim = doc.pages[0].find("Ő utca 5.");
    const ReportText *irsz = doc.pages[0].find("1011");
    QVERIFY(varos && cim && irsz);
    QVERIFY(varos->underline);
    QVERIFY(qAbs(varos->rect.top() - (12 + 19.84)) < 0.01);
    QVERIFY(qAbs(cim->rect.top() - (12 + 26.46)) < 0.01);
    QVERIFY(qAbs(irsz->rect.top() - (12 + 42.33)) < 0.01);
    QCOMPARE(irsz->size, 14.0);
    QVERIFY(qAbs(irsz->rect.left() - (8 + 2 * colWidth + 2.646)) < 0.01);
}

void TestCimke::sheetUsesTheShrunkFields()
{
    tag(1, "Kiss Anna", "I", 1, "6720", "Szeged", "Fő utca 1.");
    CapturedReports out;
    CimkeNyomtat({}, 6, 10.0, 10.0, 25.4);
    QCOMPARE(out.docs.size(), size_t(1));
    const ReportPage &p = out.docs.front().pages.at(0);
    const struct {
        const char *text;
        double size;
        double top;
    } expected[] = {{"Kiss Anna", 9, 0}, {"Szeged", 8, 7.94}, {"Fő utca 1.", 8, 13.23}, {"6720", 9, 18.52}};
    for (const auto &e : expected) {
        const ReportText *t = p.find(QString::fromUtf8(e.text));
        QVERIFY2(t, e.text);
        QCOMPARE(t->size, e.size);
        QVERIFY2(qAbs(t->rect.top() - (10 + e.top)) < 0.01, e.text);
        QVERIFY(qAbs(t->rect.width() - 27.667) < 0.01);
        QVERIFY(qAbs(t->rect.left() - (10 + 2.646)) < 0.01);
    }
}

void TestCimke::filterAndPages()
{
    // 5 rows of 55 mm fit between margins of 10 mm: 15 labels a page.
    for (int i = 1; i <= 25; ++i)
        tag(i, QStringLiteral("Tag %1").arg(i, 2, 10, QLatin1Char('0')), i % 2 ? "I" : "N", i <= 22 ? 1 : 2,
            "1000", "Város", "Utca");
    {
        CapturedReports out;
        CimkeNyomtat({}, 3, 10.0, 8.0, 55.0);
        const ReportDocument &doc = out.docs.at(0);
        QCOMPARE(doc.pageCount(), 2);
        QVERIFY(doc.pages[0].find("Tag 15"));
        QVERIFY(!doc.pages[0].find("Tag 16"));
        const ReportText *t = doc.pages[1].find("Tag 16");
        QVERIFY(t);
        QVERIFY(qAbs(t->rect.top() - (10 + 2.646)) < 0.01);
        QVERIFY(doc.pages[1].find("Tag 25"));
    }
    {
        CapturedReports out;
        CimkeNyomtat("tipus=2", 3, 10.0, 8.0, 55.0);
        const ReportDocument &doc = out.docs.at(0);
        QCOMPARE(doc.pageCount(), 1);
        QStringList names;
        for (const ReportText &t : doc.pages[0].texts)
            if (t.text.startsWith("Tag "))
                names << t.text;
        QCOMPARE(names, (QStringList{"Tag 23", "Tag 24", "Tag 25"}));
    }
}

void TestCimke::shortLabelsKeepTheirTextInside()
{
    // 3 x 7 labels of 38.1 mm; the design layout would put the postal code
    // 4 mm into the next label's name.
    tag(1, "Dr. Vörösmarty-Szentgyörgyi Őrs Ünige Zsuzsanna Erzsébet Kunigunda Mária", "I", 1, "6800",
        "Hódmezővásárhely", "Szent István király utca 123/B.");
    for (int i = 2; i <= 9; ++i)
        tag(i, QStringLiteral("Nagy Ödön %1").arg(i), "I", 1, "1011", "Budapest", "Ő utca 5.");
    CapturedReports out;
    CimkeNyomtat({}, 3, 10.0, 8.0, 38.1);
    const ReportPage &p = out.docs.at(0).pages.at(0);
    int labels = 0;
    for (const ReportText &t : p.texts) {
        const int row = int((t.rect.top() - 10) / 38.1);
        const double top = 10 + row * 38.1;
        QVERIFY2(t.rect.top() >= top - 1e-3 && t.rect.bottom() <= top + 38.1 + 1e-3, qPrintable(t.text));
        labels += t.size == 11.0;
    }
    QCOMPARE(labels, 9);
    // The name's box holds whole lines only and ends above the town.
    const ReportText *nev =
        p.find("Dr. Vörösmarty-Szentgyörgyi Őrs Ünige Zsuzsanna Erzsébet Kunigunda Mária");
    const ReportText *varos = p.find("Hódmezővásárhely");
    QVERIFY(nev && varos);
    QVERIFY(nev->rect.bottom() <= varos->rect.top());
    const double need = textHeightMm(nev->text, nev->font(), nev->rect.width(), true);
    QVERIFY2(need > nev->rect.height(), "the long name should not fit");
    const double twoLines = textHeightMm("Ág\nÁg", nev->font(), 100, false);
    QVERIFY(nev->rect.height() >= twoLines - 0.01);
}

QTEST_MAIN(TestCimke)
#include "tst_cimke.moc"
