#include "platform/report/ReportLayout.h"

#include "foundation/Error.h"
#include "foundation/Formats.h"
#include "platform/db/DataSet.h"
#include "platform/ui/FieldText.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextLayout>
#include <algorithm>
#include <map>

namespace {

using Kind = ReportBand::Kind;

// Text is measured at printer resolution, where the pages are painted.
constexpr double MeasureDpi = 1200;

QImage &measureDevice()
{
    static QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int dpm = int(MeasureDpi / 0.0254 + 0.5);
        i.setDotsPerMeterX(dpm);
        i.setDotsPerMeterY(dpm);
        return i;
    }();
    return image;
}

double pxToMm(double px)
{
    return px * 25.4 / MeasureDpi;
}
double mmToPx(double mm)
{
    return mm * MeasureDpi / 25.4;
}

int textFlags(Qt::Alignment alignment, bool wrap)
{
    return int(alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop | (wrap ? Qt::TextWordWrap : 0);
}

QString defaultText(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return Formats::reportDate(v.toDate());
    return fieldText(v);
}

// The faces the report designs were drawn with, where they are missing, by a
// face of about their widths (fontconfig would take a wider one for Tahoma).
QFont makeFont(const QString &family, double size, bool bold, bool italic, bool underline)
{
    QFont f;
    static const QHash<QString, QString> standIn{
        {QStringLiteral("tahoma"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("arial rounded mt bold"), QStringLiteral("Liberation Sans")},
    };
    const QString alt = standIn.value(family.toLower());
    if (!alt.isEmpty())
        f.setFamilies({family, alt});
    else
        f.setFamily(family);
    f.setPointSizeF(size);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double lineHeightMm(const QFont &f)
{
    return pxToMm(QFontMetricsF(f, &measureDevice()).height());
}

// Where the lines start that text wraps into in a box width mm wide.
std::vector<int> lineStarts(const QString &text, const QFont &font, double width)
{
    QString s = text;
    s.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(s, font, &measureDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    std::vector<int> starts;
    layout.beginLayout();
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(mmToPx(width));
        starts.push_back(l.textStart());
    }
    layout.endLayout();
    return starts;
}

// The leading whole lines of text, wrapped in a box width mm wide, that fit
// in height mm, and the rest; at least one line when atLeastOne.
std::pair<QString, QString> cutLines(const QString &text, const QFont &font, double width, double height,
                                     bool atLeastOne)
{
    if (textHeightMm(text, font, width, true) <= height + 1e-9)
        return {text, {}};
    const std::vector<int> starts = lineStarts(text, font, width);
    const int n = int(starts.size());
    if (n < 2)
        return atLeastOne ? std::pair{text, QString()} : std::pair{QString(), text};
    auto head = [&](int lines) {
        QString h = text.left(starts[size_t(lines)]);
        while (!h.isEmpty() && h.back().isSpace())
            h.chop(1);
        return h;
    };
    // The most lines (fewer than all) whose height fits; measured as painted.
    int lo = 0;
    int hi = n - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (textHeightMm(head(mid), font, width, true) <= height + 1e-9)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo == 0 && atLeastOne)
        lo = 1;
    return {head(lo), text.mid(starts[size_t(lo)])};
}

class Layout {
public:
    explicit Layout(const ReportDefinition &def) : m_def(def)
    {
        m_doc.title = def.title;
        m_doc.pageSize = def.pageSize();
        m_doc.landscape = def.landscape;
        m_doc.paperSize = def.paperSize;
        m_doc.margins = def.margins;
        m_ctx.report = &def;
        m_ctx.data = def.data;
        m_ctx.printed = def.printedAt.isValid() ? def.printedAt : QDateTime::currentDateTime();
        for (const ReportBand &b : def.bands) {
            if (!b.visible)
                continue;
            switch (b.kind) {
            case Kind::PageHeader:
                if (!m_pageHeader)
                    m_pageHeader = &b;
                break;
            case Kind::PageFooter:
                if (!m_pageFooter)
                    m_pageFooter = &b;
                break;
            case Kind::Detail:
                if (!m_detail)
                    m_detail = &b;
                break;
            case Kind::Summary:
                if (!m_summary)
                    m_summary = &b;
                break;
            case Kind::GroupHeader:
                m_groupHeaders.push_back(&b);
                break;
            case Kind::GroupFooter:
                m_groupFooters[b.groupLevel] = &b;
                break;
            }
        }
        std::stable_sort(
            m_groupHeaders.begin(), m_groupHeaders.end(),
            [](const ReportBand *a, const ReportBand *b) { return a->groupLevel < b->groupLevel; });
        m_top = def.margins.top();
        m_bottom = m_doc.pageSize.height() - def.margins.bottom();
        if (m_pageFooter)
            m_bottom -= m_pageFooter->height;
    }

    ReportDocument run()
    {
        DataSet *ds = m_def.data;
        if (ds && !ds->isOpen())
            throw VornError(QStringLiteral("A jelentés adatai nincsenek megnyitva."));
        checkFields();
        if (ds)
            ds->fetchAll();
        const int rows = ds ? ds->recordCount() : 1;

        startPage(rows > 0 ? 0 : -1);
        const size_t levels = m_groupHeaders.size();
        std::vector<QVariant> keys(levels);
        m_groupStart.assign(levels, 0);
        for (int r = 0; r < rows; ++r) {
            m_ctx.row = ds ? r : -1;
            size_t changed = levels;
            for (size_t l = 0; l < levels; ++l) {
                const QVariant k =
                    m_groupHeaders[l]->groupKey ? m_groupHeaders[l]->groupKey(m_ctx) : QVariant();
                if (changed == levels && (r == 0 || k != keys[l]))
                    changed = l;
                keys[l] = k;
            }
            if (r > 0 && changed < levels) {
                // The footers of the groups that end, as of the previous row.
                m_ctx.row = ds ? r - 1 : -1;
                for (size_t l = levels; l-- > changed;)
                    groupFooter(int(l), r - 1);
                m_ctx.row = ds ? r : -1;
            }
            keepHeadersWithRow(changed);
            for (size_t l = changed; l < levels; ++l) {
                m_groupStart[l] = r;
                place(*m_groupHeaders[l]);
            }
            if (m_detail)
                place(*m_detail, r);
        }
        if (rows > 0) {
            m_ctx.row = ds ? rows - 1 : -1;
            for (size_t l = levels; l-- > 0;)
                groupFooter(int(l), rows - 1);
        }
        if (m_summary) {
            m_sumFrom = 0;
            m_sumTo = rows - 1;
            place(*m_summary);
            m_sumFrom = -1;
        }
        finishPage();
        return std::move(m_doc);
    }

private:
    void checkFields() const
    {
        for (const ReportBand &b : m_def.bands)
            for (const ReportItem &it : b.items) {
                if (!it.visible || (it.kind != ReportItem::Kind::Field && it.kind != ReportItem::Kind::Sum))
                    continue;
                const DataSet *ds =
                    it.source.isEmpty() ? m_def.data : m_def.sources.value(it.source, nullptr);
                if (!it.source.isEmpty() && !ds)
                    throw VornError(
                        QStringLiteral("A jelentés nem ismeri a(z) %1 adatforrást.").arg(it.source));
                if (ds && ds->fieldIndex(it.field) < 0)
                    throw VornError(QStringLiteral("A jelentés adataiban nincs %1 mező.").arg(it.field));
            }
    }

    // Starts a new page when the group headers from level `from` on would fit
    // but the row after them would not, and one of them asks to keep with it.
    void keepHeadersWithRow(size_t from)
    {
        bool keep = false;
        double need = 0;
        for (size_t l = from; l < m_groupHeaders.size(); ++l) {
            keep = keep || m_groupHeaders[l]->keepWithNext;
            need += bandHeight(*m_groupHeaders[l], m_def.printableWidth());
        }
        if (!keep || !m_detail || m_detail->columns > 1)
            return;
        closeLine();
        need += bandHeight(*m_detail, m_def.printableWidth());
        if (m_y + need > m_bottom + 1e-9 && m_y > m_bodyTop + 1e-9)
            newPage();
    }

    void groupFooter(int level, int lastRow)
    {
        auto it = m_groupFooters.find(level);
        if (it == m_groupFooters.end())
            return;
        m_sumFrom = m_groupStart[size_t(level)];
        m_sumTo = lastRow;
        place(*it->second);
        m_sumFrom = -1;
    }

    void startPage(int row)
    {
        m_doc.pages.emplace_back();
        m_ctx.page = int(m_doc.pages.size());
        m_y = m_top;
        m_column = 0;
        if (m_pageHeader) {
            const int keep = m_ctx.row;
            m_ctx.row = row;
            const double h = bandHeight(*m_pageHeader, m_def.printableWidth());
            emitBand(*m_pageHeader, m_def.margins.left(), m_y, m_def.printableWidth(), h);
            m_y += h;
            m_ctx.row = keep;
        }
        m_bodyTop = m_y;
    }

    void finishPage()
    {
        closeLine();
        if (!m_pageFooter)
            return;
        const double h = m_pageFooter->height;
        emitBand(*m_pageFooter, m_def.margins.left(), m_doc.pageSize.height() - m_def.margins.bottom() - h,
                 m_def.printableWidth(), h);
    }

    void newPage()
    {
        const int row = m_ctx.row;
        // The footer of the full page shows the last row printed on it.
        m_ctx.row = m_lastRow;
        finishPage();
        startPage(row);
        m_ctx.row = row;
    }

    void closeLine()
    {
        if (m_column > 0) {
            m_y = m_lineTop + m_lineHeight;
            m_column = 0;
        }
    }

    // Places a band at the running position, on a new page when it does not fit.
    void place(const ReportBand &b, int row = -1)
    {
        const bool multi = b.kind == Kind::Detail && b.columns > 1;
        if (!multi)
            closeLine();
        const double width = multi ? m_def.printableWidth() / b.columns : m_def.printableWidth();
        const double h = bandHeight(b, width);
        if (!multi && h > m_bottom - m_bodyTop + 1e-9 && placeSplit(b, width, row))
            return;
        const double top = multi && m_column > 0 ? m_lineTop : m_y;
        if (top + h > m_bottom + 1e-9 && top > m_bodyTop + 1e-9) {
            if (multi && m_column > 0)
                closeLine();
            newPage();
        }
        if (multi) {
            if (m_column == 0) {
                m_lineTop = m_y;
                m_lineHeight = 0;
            }
            emitBand(b, m_def.margins.left() + m_column * width, m_lineTop, width, h);
            m_lineHeight = std::max(m_lineHeight, h);
            if (++m_column == b.columns)
                closeLine();
        } else {
            emitBand(b, m_def.margins.left(), m_y, width, h);
            m_y += h;
        }
        if (row >= 0)
            m_lastRow = m_def.data ? row : -1;
    }

    // A band whose growing texts make it taller than the page body goes on in
    // parts, page after page: the texts are cut between whole lines and go on
    // at the top of the next body; the other items print on the first part and
    // the bottom rule closes the last. False, placing nothing, when the band
    // cannot be cut so.
    bool placeSplit(const ReportBand &b, double width, int row)
    {
        struct Growing {
            const ReportItem *item;
            QFont font;
            QString rest; // the lines still to print
            QRectF box;   // in the band, as for the whole text
        };
        std::vector<Growing> growing;
        double fixed = b.rowHeight ? b.rowHeight(m_ctx) : b.height; // the first part's least height
        for (const ReportItem &it : b.items) {
            if (!it.visible)
                continue;
            if (!isText(it)) {
                fixed = std::max(fixed, it.rect.bottom());
                continue;
            }
            const QFont f = fontOf(it);
            const QString text = textOf(it);
            if (it.grow && !text.isEmpty())
                growing.push_back({&it, f, text, boxOf(it, text, f, width)});
            else
                fixed = std::max(fixed, boxOf(it, text, f, width).bottom());
        }
        if (growing.empty() || fixed > m_bottom - m_bodyTop + 1e-9)
            return false;

        const double x = m_def.margins.left();
        // Too little room left here (not one line of each text): a fresh page.
        bool fits = m_y + fixed <= m_bottom + 1e-9;
        for (const Growing &g : growing)
            fits =
                fits &&
                !cutLines(g.rest, g.font, g.box.width(), m_bottom - m_y - g.box.top(), false).first.isEmpty();
        if (!fits && m_y > m_bodyTop + 1e-9)
            newPage();

        const int textRow = m_ctx.row;
        bool first = true;
        for (;;) {
            const double top = m_y;
            double bottom = top;
            if (first) {
                emitBand(b, x, top, width, fixed, false);
                bottom = top + fixed;
            }
            bool more = false;
            for (Growing &g : growing) {
                if (g.rest.isEmpty())
                    continue;
                QRectF box = g.box.translated(x, first ? top : top - g.box.top());
                auto [piece, rest] = cutLines(g.rest, g.font, box.width(), m_bottom - box.top(), !first);
                if (!piece.isEmpty()) {
                    // Whole on the first part, the text keeps its box; a piece is as high as its lines.
                    if (!(first && rest.isEmpty()))
                        box.setHeight(textHeightMm(piece, g.font, box.width(), true));
                    emitText(*g.item, piece, box, b.kind, textRow);
                    bottom = std::max(bottom, box.bottom());
                }
                g.rest = rest;
                more = more || !rest.isEmpty();
            }
            if (!more) {
                m_y = bottom;
                break;
            }
            if (row >= 0)
                m_lastRow = m_def.data ? row : -1;
            newPage();
            first = false;
        }
        if (b.bottomRule > 0) {
            const double dy = b.bottomRule * MmPerPixel / 2;
            addLine(x, m_y - dy, x + width, m_y - dy, b.bottomRule, b.ruleColour, b.kind);
        }
        if (row >= 0)
            m_lastRow = m_def.data ? row : -1;
        return true;
    }

    QString familyOf(const ReportItem &it) const
    {
        return it.font.family.isEmpty() ? m_def.fontFamily : it.font.family;
    }
    QFont fontOf(const ReportItem &it) const
    {
        return makeFont(familyOf(it), it.font.size > 0 ? it.font.size : m_def.fontSize, it.font.bold,
                        it.font.italic, it.font.underline);
    }

    bool isText(const ReportItem &it) const
    {
        using K = ReportItem::Kind;
        return it.kind == K::Label || it.kind == K::Field || it.kind == K::Computed || it.kind == K::Sum;
    }

    double sumOf(const QString &field, int from, int to)
    {
        const DataSet *ds = m_def.data;
        if (!ds || from > to || from < 0)
            return 0;
        const int fi = ds->fieldIndex(field);
        if (fi < 0)
            return 0;
        std::vector<double> &prefix = m_prefix[fi];
        if (prefix.empty()) {
            prefix.resize(size_t(ds->recordCount()) + 1, 0.0);
            for (int r = 0; r < ds->recordCount(); ++r) {
                const QVariant v = ds->valueAt(r, fi);
                prefix[size_t(r) + 1] = prefix[size_t(r)] + (v.isNull() ? 0.0 : v.toDouble());
            }
        }
        to = std::min(to, ds->recordCount() - 1);
        return to < from ? 0 : prefix[size_t(to) + 1] - prefix[size_t(from)];
    }

    QString textOf(const ReportItem &it)
    {
        using K = ReportItem::Kind;
        switch (it.kind) {
        case K::Label:
            return it.text;
        case K::Computed:
            return it.compute ? it.compute(m_ctx) : QString();
        case K::Field: {
            const QVariant v =
                it.source.isEmpty() ? m_ctx.value(it.field) : m_ctx.sourceValue(it.source, it.field);
            return it.format ? it.format(v) : defaultText(v);
        }
        case K::Sum: {
            const double s =
                m_sumFrom >= 0 ? sumOf(it.field, m_sumFrom, m_sumTo) : sumOf(it.field, 0, m_ctx.row);
            return it.format ? it.format(QVariant(s)) : Formats::general(s);
        }
        default:
            return {};
        }
    }

    // The item's box in mm relative to its band, text and font resolved.
    QRectF boxOf(const ReportItem &it, const QString &text, const QFont &f, double bandWidth) const
    {
        QRectF r = it.rect;
        if (it.alignToBand) {
            r.setLeft(0);
            r.setWidth(bandWidth);
        }
        if (isText(it)) {
            if (it.autoSize)
                r.setWidth(textWidthMm(text, f));
            if (r.height() <= 0)
                r.setHeight(lineHeightMm(f));
            if (it.grow)
                r.setHeight(std::max(r.height(), textHeightMm(text, f, r.width(), true)));
        }
        return r;
    }

    double bandHeight(const ReportBand &b, double width)
    {
        double h = b.rowHeight ? b.rowHeight(m_ctx) : b.height;
        for (const ReportItem &it : b.items) {
            if (!it.visible || !it.grow || !isText(it))
                continue;
            const QString text = textOf(it);
            const QRectF r = boxOf(it, text, fontOf(it), width);
            h = std::max(h, r.bottom());
        }
        return h;
    }

    void addLine(double x1, double y1, double x2, double y2, double pixels, const QColor &c, Kind band)
    {
        ReportLine l;
        l.line = QLineF(x1, y1, x2, y2);
        l.width = pixels * MmPerPixel;
        l.colour = c;
        l.band = band;
        m_doc.pages.back().lines.push_back(l);
    }

    void emitText(const ReportItem &it, const QString &text, const QRectF &rect, Kind band, int row)
    {
        ReportText t;
        t.text = text;
        t.rect = rect;
        t.family = familyOf(it);
        t.size = fontOf(it).pointSizeF();
        t.bold = it.font.bold;
        t.italic = it.font.italic;
        t.underline = it.font.underline;
        t.colour = it.font.colour;
        t.alignment = it.alignment & Qt::AlignHorizontal_Mask;
        t.wordWrap = it.wordWrap || it.grow;
        t.band = band;
        t.row = (band == Kind::PageHeader || band == Kind::PageFooter || band == Kind::Summary) ? -1 : row;
        m_doc.pages.back().texts.push_back(std::move(t));
    }

    // Emits the band's items at (x, y); without whole, its growing texts and
    // bottom rule are left to the caller.
    void emitBand(const ReportBand &b, double x, double y, double width, double height, bool whole = true)
    {
        ReportPage &page = m_doc.pages.back();
        for (const ReportItem &it : b.items) {
            if (!it.visible)
                continue;
            using K = ReportItem::Kind;
            if (isText(it)) {
                const QFont f = fontOf(it);
                const QString text = textOf(it);
                if (!whole && it.grow && !text.isEmpty())
                    continue;
                emitText(it, text, boxOf(it, text, f, width).translated(x, y), b.kind, m_ctx.row);
            } else if (it.kind == K::Rule) {
                const double w = it.alignToBand ? width : it.rect.width();
                const double left = it.alignToBand ? 0 : it.rect.left();
                const double dy = it.lineWidth * MmPerPixel / 2;
                addLine(x + left, y + it.rect.top() + dy, x + left + w, y + it.rect.top() + dy, it.lineWidth,
                        it.colour, b.kind);
            } else if (it.kind == K::Rectangle) {
                QRectF r = it.rect;
                if (it.alignToBand) {
                    r.setLeft(0);
                    r.setWidth(width);
                }
                r.translate(x, y);
                const double dy = it.lineWidth * MmPerPixel / 2;
                addLine(r.left(), r.top() + dy, r.right(), r.top() + dy, it.lineWidth, it.colour, b.kind);
                addLine(r.left(), r.bottom() - dy, r.right(), r.bottom() - dy, it.lineWidth, it.colour,
                        b.kind);
            } else if (it.kind == K::Picture) {
                page.pictures.push_back({it.rect.translated(x, y), it.picture});
            }
        }
        if (b.topRule > 0) {
            const double dy = b.topRule * MmPerPixel / 2;
            addLine(x, y + dy, x + width, y + dy, b.topRule, b.ruleColour, b.kind);
        }
        if (b.bottomRule > 0 && whole) {
            const double dy = b.bottomRule * MmPerPixel / 2;
            addLine(x, y + height - dy, x + width, y + height - dy, b.bottomRule, b.ruleColour, b.kind);
        }
    }

    const ReportDefinition &m_def;
    ReportDocument m_doc;
    ReportContext m_ctx;
    const ReportBand *m_pageHeader = nullptr;
    const ReportBand *m_pageFooter = nullptr;
    const ReportBand *m_detail = nullptr;
    const ReportBand *m_summary = nullptr;
    std::vector<const ReportBand *> m_groupHeaders;
    std::map<int, const ReportBand *> m_groupFooters;
    std::vector<int> m_groupStart;
    std::map<int, std::vector<double>> m_prefix; // running totals per field index
    int m_sumFrom = -1;                          // the rows a footer's sums cover; -1: running totals
    int m_sumTo = -1;
    int m_lastRow = -1;
    double m_top = 0;
    double m_bottom = 0;
    double m_bodyTop = 0;
    double m_y = 0;
    int m_column = 0;
    double m_lineTop = 0;
    double m_lineHeight = 0;
};

} // namespace

QFont ReportText::font() const
{
    return makeFont(family, size, bold, italic, underline);
}

int ReportText::flags() const
{
    return textFlags(alignment, wordWrap);
}

QStringList ReportPage::textList() const
{
    QStringList l;
    for (const ReportText &t : texts)
        l << t.text;
    return l;
}

const ReportText *ReportPage::find(const QString &text) const
{
    for (const ReportText &t : texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

std::vector<const ReportText *> ReportPage::textsOf(ReportBand::Kind band) const
{
    std::vector<const ReportText *> l;
    for (const ReportText &t : texts)
        if (t.band == band)
            l.push_back(&t);
    return l;
}

double textHeightMm(const QString &text, const QFont &font, double width, bool wrap)
{
    const QFontMetricsF fm(font, &measureDevice());
    if (text.isEmpty())
        return pxToMm(fm.height());
    const QRectF r = fm.boundingRect(QRectF(0, 0, mmToPx(width), 1e7), textFlags(Qt::AlignLeft, wrap), text);
    return pxToMm(r.height());
}

double textWidthMm(const QString &text, const QFont &font)
{
    const QFontMetricsF fm(font, &measureDevice());
    // A hair more than the advance, so the painted text is never clipped.
    return pxToMm(fm.horizontalAdvance(text)) + 0.2;
}

ReportDocument layoutReport(const ReportDefinition &def)
{
    return Layout(def).run();
}
