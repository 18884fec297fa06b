#include "platform/report/ReportOutput.h"

#include "foundation/Error.h"
#include "platform/report/ReportPainter.h"
#include "platform/ui/FileDialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QToolBar>

namespace {

ReportOutputHook::Handler &hook()
{
    static ReportOutputHook::Handler h;
    return h;
}

// Standard sheets go to the printer by name, so its driver picks the right
// tray; other sizes (envelopes) exactly as given.
QPageLayout pageLayoutOf(const ReportDocument &doc)
{
    const QSizeF paper = doc.paperSize;
    QPageSize size;
    if (qAbs(paper.width() - 210) < 0.5 && qAbs(paper.height() - 297) < 0.5)
        size = QPageSize(QPageSize::A4);
    else
        size = QPageSize(paper, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, doc.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void paintOn(QPrinter &printer, const ReportDocument &doc)
{
    QPainter p;
    if (!p.begin(&printer))
        throw VornError(
            QStringLiteral("A nyomtatás nem indítható el a(z) \"%1\" nyomtatón.").arg(printer.printerName()));
    ReportPainter::paintDocument(p, printer, doc);
    if (!p.end())
        throw VornError(QStringLiteral("A nyomtatás nem fejeződött be a(z) \"%1\" nyomtatón.")
                            .arg(printer.printerName()));
}

} // namespace

void setupPrinter(QPrinter &printer, const ReportDocument &doc)
{
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(doc));
    printer.setDocName(doc.title);
}

void previewDocument(const ReportDocument &doc, QWidget *owner)
{
    if (hook()) {
        hook()(doc, ReportOutputMode::Preview);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    setupPrinter(printer, doc);
    QPrintPreviewDialog dlg(&printer, owner);
    dlg.setObjectName(QStringLiteral("ReportPreview"));
    dlg.setWindowTitle(doc.title);
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, [&doc](QPrinter *pr) {
        QPainter p(pr);
        ReportPainter::paintDocument(p, *pr, doc);
    });
    if (QToolBar *bar = dlg.findChild<QToolBar *>()) {
        QAction *pdf = bar->addAction(QStringLiteral("PDF"));
        pdf->setObjectName(QStringLiteral("aPdfMentes"));
        pdf->setToolTip(QStringLiteral("Mentés PDF állományba"));
        QObject::connect(pdf, &QAction::triggered, &dlg, [&doc, &dlg] {
            const QString name =
                SaveFileName(&dlg, QStringLiteral("Mentés PDF állományba"), doc.title + ".pdf",
                             QStringLiteral("PDF állományok (*.pdf)|*.pdf"), QStringLiteral("pdf"));
            if (!name.isEmpty())
                saveDocumentPdf(doc, name);
        });
    }
    // Large even where the window system does not maximize.
    if (const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        dlg.resize(screen->availableGeometry().size() * 0.9);
    dlg.setWindowState(dlg.windowState() | Qt::WindowMaximized);
    dlg.exec();
}

void previewReport(const ReportDefinition &def, QWidget *owner)
{
    previewDocument(layoutReport(def), owner);
}

void printDocument(const ReportDocument &doc)
{
    if (hook()) {
        hook()(doc, ReportOutputMode::Print);
        return;
    }
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty())
            throw VornError(QStringLiteral("Nincs nyomtató telepítve, a nyomtatás nem lehetséges."));
        info = all.first();
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        throw VornError(QStringLiteral("A(z) \"%1\" nyomtató nem érhető el.").arg(info.printerName()));
    printer.setCopyCount(1);
    setupPrinter(printer, doc);
    paintOn(printer, doc);
}

void printReport(const ReportDefinition &def)
{
    // Checked before the layout, so no work is done for a print that cannot happen.
    if (!hook() && QPrinterInfo::availablePrinters().isEmpty() && QPrinterInfo::defaultPrinter().isNull())
        throw VornError(QStringLiteral("Nincs nyomtató telepítve, a nyomtatás nem lehetséges."));
    printDocument(layoutReport(def));
}

void saveDocumentPdf(const ReportDocument &doc, const QString &fileName)
{
    QPdfWriter writer(fileName);
    writer.setResolution(1200);
    writer.setTitle(doc.title);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setPageLayout(pageLayoutOf(doc));
    QPainter p;
    if (!p.begin(&writer))
        throw VornError(QStringLiteral("A(z) \"%1\" állomány nem írható.").arg(fileName));
    ReportPainter::paintDocument(p, writer, doc);
    if (!p.end())
        throw VornError(QStringLiteral("A(z) \"%1\" állomány nem írható.").arg(fileName));
}

void saveReportPdf(const ReportDefinition &def, const QString &fileName)
{
    saveDocumentPdf(layoutReport(def), fileName);
}

namespace ReportOutputHook {

void set(Handler handler)
{
    hook() = std::move(handler);
}
void clear()
{
    hook() = nullptr;
}
bool isSet()
{
    return bool(hook());
}

} // namespace ReportOutputHook
