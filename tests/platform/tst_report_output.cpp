// Where laid-out reports go: a real PDF file read back with poppler's tools, the
// test hook in place of preview and print, printing without a printer, and the
// painter's clipping at the text boxes.
#include "foundation/Error.h"
#include "platform/report/ReportOutput.h"
#include "platform/report/ReportPainter.h"
#include "platform/ui/FileDialogs.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QDialog>
#include <QFile>

#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_ReportOutput : public QObject {
    Q_OBJECT

    static QString run(const QString &program, const QStringList &args)
    {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return QStringLiteral("<%1 failed: %2>")
                .arg(program, QString::fromUtf8(p.readAllStandardError()));
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    static ReportDefinition twoPages()
    {
        ReportDefinition def;
        def.title = "Próba jelentés";
        def.identifier = "qrProba";
        def.productLine = "VORN";
        ReportBand &h = def.addBand(ReportBand::Kind::PageHeader, 20);
        h.add(ReportItem::label({0, 1.3, 120, 8}, "árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP",
                                ReportFont{"Arial", 14, true}));
        h.bottomRule = 2;
        addCommonPageFooter(def, "www.vorn.example");
        ReportBand &d = def.addBand(ReportBand::Kind::Detail, 150);
        d.rowHeight = [](const ReportContext &) { return 150.0; };
        d.add(ReportItem::label({0, 1, 100, 6}, "Összesen"));
        d.add(ReportItem::label({0, 10, 100, 6}, "Második sor"));
        // Two details of 150 mm cannot share a page.
        ReportBand &s = def.addBand(ReportBand::Kind::Summary, 150);
        s.add(ReportItem::label({0, 1, 100, 6}, "Vége: ŐŰ őű"));
        return def;
    }

private slots:
    void cleanup()
    {
        ReportOutputHook::clear();
        FileDialogHook::clear();
    }

    void pdfCarriesHungarianText()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("proba.pdf");
        saveReportPdf(twoPages(), file);
        const QString info = run("pdfinfo", {file});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info));
        QVERIFY2(info.contains("595 x 842 pts (A4)"), qPrintable(info));
        const QString text = run("pdftotext", {"-layout", "-f", "2", "-l", "2", file, "-"});
        QVERIFY2(text.contains("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"), qPrintable(text));
        QVERIFY2(text.contains("Vége: ŐŰ őű"), qPrintable(text));
        QVERIFY2(text.contains("oldal: 2"), qPrintable(text));
        QVERIFY2(text.contains("Próba jelentés"), qPrintable(text));
        const QString first = run("pdftotext", {"-f", "1", "-l", "1", file, "-"});
        QVERIFY2(first.contains("Összesen"), qPrintable(first));
        QVERIFY2(first.contains("oldal: 1"), qPrintable(first));
        QVERIFY(!first.contains("Vége"));
    }

    // The real preview window (no printer needed) offers saving as PDF.
    void previewSavesPdf()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("kep.pdf");
        FileDialogHook::expect(file);
        QString caption;
        QVERIFY(driveModal([] { previewReport(twoPages()); },
                           [&](QDialog *dlg) {
                               caption = dlg->windowTitle();
                               auto *pdf = dlg->findChild<QAction *>("aPdfMentes");
                               QVERIFY(pdf);
                               pdf->trigger();
                               dlg->accept();
                           }));
        QCOMPARE(caption, QStringLiteral("Próba jelentés"));
        QCOMPARE(FileDialogHook::asked().size(), 1);
        QVERIFY(FileDialogHook::asked()[0].save);
        QVERIFY(FileDialogHook::asked()[0].start.endsWith("Próba jelentés.pdf"));
        QVERIFY(QFile::exists(file));
        QVERIFY(run("pdftotext", {file, "-"}).contains("Összesen"));
    }

    void pdfPaper_data()
    {
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QString>("points");
        QTest::newRow("A4 landscape") << QSizeF(210, 297) << true << "842 x 595 pts (A4)";
        QTest::newRow("envelope 160 x 113") << QSizeF(160, 113) << false << "454 x 320 pts";
    }
    void pdfPaper()
    {
        QFETCH(QSizeF, paper);
        QFETCH(bool, landscape);
        QFETCH(QString, points);
        ReportDefinition def;
        def.paperSize = paper;
        def.landscape = landscape;
        def.addBand(ReportBand::Kind::Detail, 20).add(ReportItem::label({0, 0, 50, 5}, "részére"));
        QTemporaryDir dir;
        saveReportPdf(def, dir.filePath("p.pdf"));
        const QString info = run("pdfinfo", {dir.filePath("p.pdf")});
        QVERIFY2(info.contains(points), qPrintable(info));
    }

    void pdfToUnwritablePlaceThrows()
    {
        QVERIFY_THROWS_EXCEPTION(VornError, saveReportPdf(twoPages(), "/nincs/ilyen/mappa/proba.pdf"));
    }

    void hookTakesPreviewAndPrint_data()
    {
        QTest::addColumn<bool>("print");
        QTest::newRow("preview") << false;
        QTest::newRow("print") << true;
    }
    void hookTakesPreviewAndPrint()
    {
        QFETCH(bool, print);
        QList<ReportOutputMode> modes;
        int pages = 0;
        ReportOutputHook::set([&](const ReportDocument &doc, ReportOutputMode mode) {
            modes << mode;
            pages = doc.pageCount();
        });
        if (print)
            printReport(twoPages());
        else
            previewReport(twoPages());
        QCOMPARE(modes, QList<ReportOutputMode>{print ? ReportOutputMode::Print : ReportOutputMode::Preview});
        QCOMPARE(pages, 2);
    }

    void printWithoutPrinterThrows()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed here");
        try {
            printReport(twoPages());
            QFAIL("printed without a printer");
        } catch (const VornError &e) {
            QCOMPARE(e.message(), QStringLiteral("Nincs nyomtató telepítve, a nyomtatás nem lehetséges."));
        }
    }

    // A text longer than its box is cut at the box: nothing is painted right of it.
    void textIsClippedAtItsBox()
    {
        ReportDefinition def;
        def.margins = {0, 0, 0, 0};
        def.paperSize = {100, 30};
        ReportBand &d = def.addBand(ReportBand::Kind::Detail, 20);
        d.add(ReportItem::label({10, 5, 20, 6}, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"));
        const ReportDocument doc = layoutReport(def);
        const double dpi = 254; // 10 pixels a millimetre
        const QImage image = ReportPainter::pageImage(doc, 0, dpi);
        auto inked = [&](int x0, int x1) {
            for (int x = x0; x < x1; ++x)
                for (int y = 50; y < 110; ++y)
                    if (qGray(image.pixel(x, y)) < 128)
                        return true;
            return false;
        };
        QVERIFY(inked(100, 300));   // inside the box
        QVERIFY(!inked(302, 1000)); // right of it
    }
};

QTEST_MAIN(tst_ReportOutput)
#include "tst_report_output.moc"
