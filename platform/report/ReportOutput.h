#pragma once
// Where a report goes: the modal preview (zoom, page navigation, printer setup,
// printing and saving as PDF), the current printer at once with no dialog, or a
// PDF file. Printer faults throw VornError with a Hungarian message.
#include "platform/report/ReportLayout.h"

#include <functional>

class QPrinter;
class QWidget;

enum class ReportOutputMode { Preview, Print };

// Modal preview; returns when the user closes it.
void previewReport(const ReportDefinition &def, QWidget *owner = nullptr);
void previewDocument(const ReportDocument &doc, QWidget *owner = nullptr);
// The current (default) printer, one copy, no dialog. Throws VornError when no
// printer is installed or the printer cannot be started.
void printReport(const ReportDefinition &def);
void printDocument(const ReportDocument &doc);
// Writes a PDF file; throws VornError when it cannot be written.
void saveReportPdf(const ReportDefinition &def, const QString &fileName);
void saveDocumentPdf(const ReportDocument &doc, const QString &fileName);

// The page layout of the document on a printer (paper, orientation, no margins:
// the pages carry their own).
void setupPrinter(QPrinter &printer, const ReportDocument &doc);

// Lets tests and callers take the laid-out document instead of a preview or a
// print: while a handler is set, previewReport / printReport (and the document
// variants) call it and show or print nothing. PDF files are always written.
namespace ReportOutputHook {

using Handler = std::function<void(const ReportDocument &doc, ReportOutputMode mode)>;
void set(Handler handler);
void clear();
bool isSet();

} // namespace ReportOutputHook
