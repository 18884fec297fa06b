#pragma once
// A report laid out into pages of positioned primitives, in millimetres from
// the top-left corner of the paper. The painter draws them; tests read them.
#include "platform/report/ReportDefinition.h"

#include <QFont>
#include <QLineF>
#include <QStringList>

struct ReportText {
    QRectF rect; // mm on the paper; the text is clipped at it
    QString text;
    QString family;
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wordWrap = false;
    ReportBand::Kind band = ReportBand::Kind::Detail; // the band that printed it
    int row = -1;                                     // the data row it belongs to, -1 when none

    QFont font() const; // the font at its point size
    int flags() const;  // the QPainter::drawText flags: alignment, top, word wrap
};

struct ReportLine {
    QLineF line;         // mm on the paper
    double width = 0.26; // mm
    QColor colour = Qt::black;
    ReportBand::Kind band = ReportBand::Kind::Detail;
};

struct ReportPicture {
    QRectF rect; // mm on the paper
    QImage image;
};

struct ReportPage {
    std::vector<ReportText> texts;
    std::vector<ReportLine> lines;
    std::vector<ReportPicture> pictures;

    QStringList textList() const; // the texts in printing order
    // The first text equal to text, or nullptr.
    const ReportText *find(const QString &text) const;
    // The texts printed by bands of a kind.
    std::vector<const ReportText *> textsOf(ReportBand::Kind band) const;
};

struct ReportDocument {
    QString title;
    QSizeF pageSize{210, 297}; // mm as printed (turned when landscape)
    bool landscape = false;
    QSizeF paperSize{210, 297}; // the paper of the definition, portrait
    QMarginsF margins{10, 10, 10, 10};
    std::vector<ReportPage> pages;

    int pageCount() const { return int(pages.size()); }
};

// Lays the report out. Reads the data set (which must be open, when given) from
// its first to its last row without moving its current row. Throws VornError
// for a field that the data set does not have.
ReportDocument layoutReport(const ReportDefinition &def);

// The height in mm that text needs in a box width mm wide with the font,
// wrapped when wrap is set; the same measure the layout uses.
double textHeightMm(const QString &text, const QFont &font, double width, bool wrap);
double textWidthMm(const QString &text, const QFont &font);
