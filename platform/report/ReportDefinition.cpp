#include "platform/report/ReportDefinition.h"

#include "foundation/Formats.h"
#include "platform/db/DataSet.h"

QVariant ReportContext::value(const QString &field) const
{
    if (!data || row < 0 || row >= data->recordCount())
        return {};
    const int i = data->fieldIndex(field);
    return i < 0 ? QVariant() : data->valueAt(row, i);
}

QVariant ReportContext::sourceValue(const QString &source, const QString &field) const
{
    const DataSet *ds = report ? report->sources.value(source, nullptr) : nullptr;
    if (!ds || !ds->isOpen() || ds->isEmpty())
        return {};
    const int i = ds->fieldIndex(field);
    return i < 0 ? QVariant() : ds->value(i);
}

ReportFont reportFont(double size, bool bold, bool italic, const QString &family, bool underline)
{
    ReportFont f;
    f.family = family;
    f.size = size;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    return f;
}

namespace {

ReportItem textItem(ReportItem::Kind kind, const QRectF &mm, const ReportFont &font, Qt::Alignment alignment)
{
    ReportItem it;
    it.kind = kind;
    it.rect = mm;
    it.font = font;
    it.alignment = alignment;
    return it;
}

} // namespace

ReportItem ReportItem::label(const QRectF &mm, const QString &text, const ReportFont &font,
                             Qt::Alignment alignment)
{
    ReportItem it = textItem(Kind::Label, mm, font, alignment);
    it.text = text;
    return it;
}

ReportItem ReportItem::fieldItem(const QRectF &mm, const QString &field, const ReportFont &font,
                                 Qt::Alignment alignment)
{
    ReportItem it = textItem(Kind::Field, mm, font, alignment);
    it.field = field;
    return it;
}

ReportItem ReportItem::sourceField(const QRectF &mm, const QString &source, const QString &field,
                                   const ReportFont &font, Qt::Alignment alignment)
{
    ReportItem it = fieldItem(mm, field, font, alignment);
    it.source = source;
    return it;
}

ReportItem ReportItem::computed(const QRectF &mm, std::function<QString(const ReportContext &)> compute,
                                const ReportFont &font, Qt::Alignment alignment)
{
    ReportItem it = textItem(Kind::Computed, mm, font, alignment);
    it.compute = std::move(compute);
    return it;
}

ReportItem ReportItem::sum(const QRectF &mm, const QString &field, const ReportFont &font,
                           Qt::Alignment alignment)
{
    ReportItem it = textItem(Kind::Sum, mm, font, alignment);
    it.field = field;
    return it;
}

ReportItem ReportItem::rule(double left, double top, double width, double pixels, const QColor &colour)
{
    ReportItem it;
    it.kind = Kind::Rule;
    it.rect = QRectF(left, top, width, 0);
    it.lineWidth = pixels;
    it.colour = colour;
    return it;
}

ReportItem ReportItem::rectangle(const QRectF &mm, const QColor &colour, double pixels)
{
    ReportItem it;
    it.kind = Kind::Rectangle;
    it.rect = mm;
    it.colour = colour;
    it.lineWidth = pixels;
    return it;
}

ReportItem ReportItem::pictureItem(const QRectF &mm, const QImage &picture)
{
    ReportItem it;
    it.kind = Kind::Picture;
    it.rect = mm;
    it.picture = picture;
    return it;
}

ReportBand *ReportDefinition::band(ReportBand::Kind kind)
{
    for (ReportBand &b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

QSizeF ReportDefinition::pageSize() const
{
    return landscape ? paperSize.transposed() : paperSize;
}

double ReportDefinition::printableWidth() const
{
    return pageSize().width() - margins.left() - margins.right();
}

double ReportDefinition::printableHeight() const
{
    return pageSize().height() - margins.top() - margins.bottom();
}

ReportBand &addCommonPageFooter(ReportDefinition &def, const QString &webLine)
{
    ReportBand &f = def.addBand(ReportBand::Kind::PageFooter, 14.6);
    f.topRule = 1;
    ReportFont courier;
    courier.family = QStringLiteral("Courier New");
    courier.size = 8;
    const double w = def.printableWidth();
    const double h = 3.6;
    f.add(ReportItem::computed(
        {0, 1.3, w / 2, h},
        [](const ReportContext &c) { return c.report ? c.report->productLine : QString(); }, courier));
    f.add(ReportItem::computed(
        {0, 9.3, 40, h},
        [](const ReportContext &c) { return QStringLiteral("oldal: ") + QString::number(c.page); }, courier));
    ReportItem &when = f.add(ReportItem::computed(
        {0, 1.3, w, h}, [](const ReportContext &c) { return Formats::dateTime(c.printed); }, courier,
        Qt::AlignRight));
    when.alignToBand = true;
    f.add(ReportItem::computed(
              {0, 5.3, w, h}, [](const ReportContext &c) { return c.report ? c.report->title : QString(); },
              courier, Qt::AlignRight))
        .alignToBand = true;
    f.add(ReportItem::computed(
              {0, 9.3, w, h},
              [](const ReportContext &c) { return c.report ? c.report->identifier : QString(); }, courier,
              Qt::AlignRight))
        .alignToBand = true;
    f.add(ReportItem::label({0, 9.3, w, h}, webLine, courier, Qt::AlignHCenter)).alignToBand = true;
    return f;
}
