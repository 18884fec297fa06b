#pragma once
// Paints laid-out report pages on any paint device: printer, PDF writer, the
// preview's printer or an image in a test.
#include "platform/report/ReportLayout.h"

class QPainter;
class QPaintDevice;
class QPagedPaintDevice;

class ReportPainter {
public:
    // One page on painter, whose device has its origin at the paper's top-left
    // corner; dpi is the device's resolution.
    static void paintPage(QPainter &painter, const ReportPage &page, double dpi);
    // Every page, a new page of the device between them. The device's page
    // layout must already be the document's.
    static void paintDocument(QPainter &painter, QPagedPaintDevice &device, const ReportDocument &doc);
    // One page into an image at dpi, on white.
    static QImage pageImage(const ReportDocument &doc, int page, double dpi);
};
