#pragma once
// A banded report is data: the page, the base font, the texts of its frame and
// bands of items placed in millimetres. ReportLayout.h lays it out into pages,
// ReportPainter.h paints them and ReportOutput.h sends them to the preview, the
// printer or a PDF file.
#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QMap>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVariant>
#include <deque>
#include <functional>

class DataSet;
struct ReportDefinition;

// The layout unit of the older report designs: 1/96 inch at 80 % scale.
inline constexpr double MmPerLayoutUnit = 25.4 / 96.0 / 0.8; // 0.3307 mm
inline constexpr double layoutUnitsToMm(double units)
{
    return units * MmPerLayoutUnit;
}

// One screen pixel on paper (1/96 inch), the unit of rule widths.
inline constexpr double MmPerPixel = 25.4 / 96.0;

// A font; an empty family or a size of 0 takes the report's base font.
struct ReportFont {
    QString family;
    double size = 0; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour = Qt::black;
};

// A font of size points; an empty family takes the report's base font.
ReportFont reportFont(double size, bool bold = false, bool italic = false, const QString &family = {},
                      bool underline = false);

// What computed texts, format functions and break keys see while a band is laid out.
struct ReportContext {
    const ReportDefinition *report = nullptr;
    const DataSet *data = nullptr; // the report's data set
    int row = -1;                  // its row being printed (0-based); -1 when none
    int page = 1;                  // 1-based number of the page being filled
    QDateTime printed;             // when the layout started

    // A field of the row being printed (the last printed row in footers);
    // null when there is no such row or field.
    QVariant value(const QString &field) const;
    // A field of the current row of a second data set named in the definition.
    QVariant sourceValue(const QString &source, const QString &field) const;
};

struct ReportItem {
    enum class Kind {
        Label,     // text
        Field,     // value of field, of the report's data or of the data set named source
        Computed,  // compute(context)
        Sum,       // total of field: per group in a group footer, over all rows in the
                   // summary, running (up to the row printed) elsewhere
        Rule,      // horizontal line along the top edge of rect
        Rectangle, // the top and bottom edges of rect only
        Picture,   // picture stretched to rect
    };

    Kind kind = Kind::Label;
    // Millimetres from the band's top-left corner (in a multi-column detail, from
    // the column's). A height of 0 or less is one line of the item's font.
    QRectF rect;
    QString text;   // Label
    QString field;  // Field, Sum
    QString source; // Field: empty for the report's data set, else a key of ReportDefinition::sources
    // Field and Sum: the text of a value; empty means the default (null empty,
    // dates "yyyy.MM.dd", numbers with a decimal comma, sums as plain numbers).
    std::function<QString(const QVariant &)> format;
    std::function<QString(const ReportContext &)> compute; // Computed

    Qt::Alignment alignment = Qt::AlignLeft; // horizontal; texts stand at the top of their box
    bool alignToBand = false;                // the box spans the whole band width (left and width ignored)
    bool autoSize = false;                   // the box takes the width of its text (one line)
    ReportFont font;
    bool wordWrap = false;
    bool grow = false; // wraps and grows downwards to show all of its text; the band grows with it
    bool visible = true;

    QColor colour = Qt::black; // Rule, Rectangle
    double lineWidth = 1;      // Rule, Rectangle: in pixels (1/96 inch)
    QImage picture;            // Picture

    static ReportItem label(const QRectF &mm, const QString &text, const ReportFont &font = {},
                            Qt::Alignment alignment = Qt::AlignLeft);
    static ReportItem fieldItem(const QRectF &mm, const QString &field, const ReportFont &font = {},
                                Qt::Alignment alignment = Qt::AlignLeft);
    static ReportItem sourceField(const QRectF &mm, const QString &source, const QString &field,
                                  const ReportFont &font = {}, Qt::Alignment alignment = Qt::AlignLeft);
    static ReportItem computed(const QRectF &mm, std::function<QString(const ReportContext &)> compute,
                               const ReportFont &font = {}, Qt::Alignment alignment = Qt::AlignLeft);
    static ReportItem sum(const QRectF &mm, const QString &field, const ReportFont &font = {},
                          Qt::Alignment alignment = Qt::AlignRight);
    static ReportItem rule(double left, double top, double width, double pixels = 1,
                           const QColor &colour = QColor(192, 192, 192));
    static ReportItem rectangle(const QRectF &mm, const QColor &colour = Qt::black, double pixels = 1);
    static ReportItem pictureItem(const QRectF &mm, const QImage &picture);
};

struct ReportBand {
    enum class Kind { PageHeader, GroupHeader, Detail, GroupFooter, Summary, PageFooter };

    Kind kind = Kind::Detail;
    double height = 0;            // mm; the smallest height when items grow
    std::deque<ReportItem> items; // a deque: references from add() stay valid
    // Silver rules along the band's top and bottom edges, in pixels (0: none).
    int topRule = 0;
    int bottomRule = 0;
    QColor ruleColour = QColor(192, 192, 192);
    bool visible = true;

    // Group header: the break key of a row; a new group starts before the first
    // row and whenever the key differs from the previous row's.
    std::function<QVariant(const ReportContext &)> groupKey;
    // Group header and footer: the nesting level, 0 outermost; a footer closes
    // the group of the header with the same level.
    int groupLevel = 0;
    // Group header: goes to a new page rather than stand at the bottom of one
    // without its group's first row.
    bool keepWithNext = false;
    // Optional height per row (detail and group bands), replacing height.
    std::function<double(const ReportContext &)> rowHeight;
    // Detail: the number of columns (label sheets). The columns share the
    // printable width without gaps and are filled across each row first, then down.
    int columns = 1;

    ReportItem &add(const ReportItem &item)
    {
        items.push_back(item);
        return items.back();
    }
};

struct ReportDefinition {
    QSizeF paperSize{210, 297};        // mm, portrait (width <= height for standard sheets)
    bool landscape = false;            // turns the paper
    QMarginsF margins{10, 10, 10, 10}; // mm: left, top, right, bottom
    QString fontFamily = QStringLiteral("Tahoma");
    double fontSize = 10;

    QString title;       // printed in the common footer; the preview's caption
    QString identifier;  // "qrUgyfel" ...
    QString productLine; // "VORN V1.x" ...

    // The rows: read from first to last in the data set's order and filter; the
    // current row is left where it was. Without a data set the detail prints once.
    // A data set with no rows still gives the page header and footer (and the summary).
    DataSet *data = nullptr;
    // Second data sets read at their current row (the owner table ...), by name.
    QMap<QString, const DataSet *> sources;
    // The moment printed in the footer; invalid means the start of the layout.
    QDateTime printedAt;

    std::deque<ReportBand> bands; // any order; printed by kind; references from addBand() stay valid

    ReportBand &addBand(ReportBand::Kind kind, double height)
    {
        ReportBand b;
        b.kind = kind;
        b.height = height;
        bands.push_back(std::move(b));
        return bands.back();
    }
    // The first band of a kind, or nullptr.
    ReportBand *band(ReportBand::Kind kind);

    QSizeF pageSize() const;       // paper as printed, turned when landscape
    double printableWidth() const; // page width less the left and right margins
    double printableHeight() const;
};

// The common page footer of the program's reports, 14.6 mm high, a thin silver
// rule at its top, all texts Courier New 8 pt: product line and "oldal: " + page
// number at the left, date and time, title and identifier at the right, webLine
// centred.
ReportBand &addCommonPageFooter(ReportDefinition &def, const QString &webLine);
