#include "platform/report/ReportPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

void ReportPainter::paintPage(QPainter &painter, const ReportPage &page, double dpi)
{
    const double k = dpi / 25.4;
    auto px = [k](const QRectF &mm) {
        return QRectF(mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const ReportPicture &p : page.pictures)
        painter.drawImage(px(p.rect), p.image);
    for (const ReportLine &l : page.lines) {
        QPen pen(l.colour);
        pen.setWidthF(std::max(1.0, l.width * k));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QLineF(l.line.p1() * k, l.line.p2() * k));
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const ReportText &t : page.texts) {
        if (t.text.isEmpty())
            continue;
        const QRectF r = px(t.rect);
        painter.setClipRect(r);
        painter.setFont(t.font());
        painter.setPen(t.colour);
        painter.drawText(r, t.flags(), t.text);
    }
    painter.setClipping(false);
    painter.restore();
}

void ReportPainter::paintDocument(QPainter &painter, QPagedPaintDevice &device, const ReportDocument &doc)
{
    const double dpi = device.logicalDpiX();
    for (size_t i = 0; i < doc.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, doc.pages[i], dpi);
    }
}

QImage ReportPainter::pageImage(const ReportDocument &doc, int page, double dpi)
{
    const double k = dpi / 25.4;
    QImage image(QSize(int(doc.pageSize.width() * k + 0.5), int(doc.pageSize.height() * k + 0.5)),
                 QImage::Format_RGB32);
    const int dpm = int(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    if (page >= 0 && page < doc.pageCount()) {
        QPainter p(&image);
        paintPage(p, doc.pages[size_t(page)], dpi);
    }
    return image;
}
