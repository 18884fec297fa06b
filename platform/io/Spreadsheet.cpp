#include "platform/io/Spreadsheet.h"

#include "foundation/Error.h"
#include "foundation/Formats.h"
#include "platform/io/Biff8.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTime>

#include <cmath>
#include <xlsxwriter.h>

namespace Spreadsheet {

namespace {

// Number formats of the date cells, the Hungarian way; the literal parts are
// quoted so that no locale reads the points as decimal separators.
const char *const DateFormat = "yyyy\". \"mm\". \"dd\".\"";
const char *const TimeFormat = "h:mm:ss";
const char *const DateTimeFormat = "yyyy\". \"mm\". \"dd\". \"h:mm:ss";

// Spreadsheet programs keep at most this many characters in a cell; longer
// texts are cut here (the rest cannot be stored in either format).
constexpr int MaxCellText = 32767;

enum class Kind { Empty, Number, Text, Date, Time, DateTime };

struct Cell {
    Kind kind = Kind::Empty;
    double number = 0;
    QString text;
};

QString cut(const QString &s)
{
    if (s.size() <= MaxCellText)
        return s;
    // Never leave half of a surrogate pair at the end.
    return s.left(s.at(MaxCellText - 1).isHighSurrogate() ? MaxCellText - 1 : MaxCellText);
}

Cell textCell(const QString &s)
{
    if (s.isEmpty())
        return {};
    return {Kind::Text, 0, cut(s)};
}

// Days since 30 December 1899, the time of day as the fraction. Spreadsheets
// count 1900 as a leap year, so serials agree with the calendar only from
// 1 March 1900; earlier dates (and those past 9999) go out as text.
constexpr int FirstSerial = 61;     // 1900-03-01
constexpr int LastSerial = 2958465; // 9999-12-31

bool daySerial(const QDate &d, double *serial)
{
    static const QDate epoch(1899, 12, 30);
    const qint64 days = epoch.daysTo(d);
    *serial = double(days);
    return days >= FirstSerial && days <= LastSerial;
}

double timeFraction(const QTime &t)
{
    return t.msecsSinceStartOfDay() / 86400000.0;
}

Cell cellOf(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        // Neither format can hold NaN or infinity as a number.
        return std::isfinite(d) ? Cell{Kind::Number, d, {}} : textCell(v.toString());
    }
    case QMetaType::QDate: {
        const QDate d = v.toDate();
        double serial = 0;
        if (!d.isValid())
            return {};
        return daySerial(d, &serial) ? Cell{Kind::Date, serial, {}} : textCell(Formats::date(d));
    }
    case QMetaType::QTime: {
        const QTime t = v.toTime();
        return t.isValid() ? Cell{Kind::Time, timeFraction(t), {}} : Cell{};
    }
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        double serial = 0;
        if (!dt.isValid())
            return {};
        return daySerial(dt.date(), &serial) ? Cell{Kind::DateTime, serial + timeFraction(dt.time()), {}}
                                             : textCell(Formats::dateTime(dt));
    }
    default:
        return textCell(v.toString());
    }
}

VornError writeError(const QString &path, const QString &reason)
{
    return VornError(
        QStringLiteral("A(z) %1 táblázat nem írható: %2").arg(QDir::toNativeSeparators(path), reason));
}

void checkColumns(const QString &path, const QStringList &headers, int maxColumns)
{
    if (headers.size() > maxColumns)
        throw writeError(path,
                         QStringLiteral("legfeljebb %1 oszlop fér el egy munkalapon, a táblázat %2 oszlopos.")
                             .arg(maxColumns)
                             .arg(headers.size()));
}

QString sheetName(int index)
{
    return QStringLiteral("Munka%1").arg(index);
}

// Pulls the rows and hands them to a writer, sheet by sheet: each sheet holds
// its header row and at most maxRows - 1 records.
template <class StartSheet, class WriteRow>
void pump(const QStringList &headers, const NextRow &next, const Progress &progress, int maxRows,
          StartSheet startSheet, WriteRow writeRow)
{
    std::vector<Cell> cells;
    const auto header = [&] {
        cells.clear();
        for (const QString &h : headers)
            cells.push_back(textCell(h));
        writeRow(0, cells, true);
    };
    int sheet = 1;
    startSheet(sheet);
    header();
    int row = 1;
    int written = 0;
    std::vector<QVariant> values;
    while (next(values)) {
        if (row == maxRows) {
            startSheet(++sheet);
            header();
            row = 1;
        }
        cells.clear();
        // Values past the last header have no column.
        const size_t n = std::min<size_t>(values.size(), size_t(headers.size()));
        for (size_t c = 0; c < n; ++c)
            cells.push_back(cellOf(values[c]));
        writeRow(row++, cells, false);
        if (progress)
            progress(++written);
    }
}

// ---------------------------------------------------------------- xls

void writeXls(const QString &path, const QStringList &headers, const NextRow &next, const Progress &progress)
{
    checkColumns(path, headers, Biff8::MaxColumns);
    // Opened first, so that an unwritable target fails before the rows are read.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw writeError(path, file.errorString());

    Biff8::Workbook book(QString::fromLatin1(DateFormat), QString::fromLatin1(TimeFormat),
                         QString::fromLatin1(DateTimeFormat));
    static const Biff8::Style styles[] = {Biff8::Style::Body, Biff8::Style::Body,
                                          Biff8::Style::Body, Biff8::Style::Date,
                                          Biff8::Style::Time, Biff8::Style::DateTime}; // by Kind
    pump(
        headers, next, progress, Biff8::MaxRows, [&](int sheet) { book.addSheet(sheetName(sheet)); },
        [&](int row, const std::vector<Cell> &cells, bool header) {
            int first = -1, end = 0;
            for (size_t c = 0; c < cells.size(); ++c)
                if (cells[c].kind != Kind::Empty) {
                    if (first < 0)
                        first = int(c);
                    end = int(c) + 1;
                }
            if (first < 0)
                return;
            book.row(row, first, end);
            for (size_t c = 0; c < cells.size(); ++c) {
                const Cell &cell = cells[c];
                const Biff8::Style style = header ? Biff8::Style::Header : styles[int(cell.kind)];
                if (cell.kind == Kind::Text)
                    book.text(row, int(c), cell.text, style);
                else if (cell.kind != Kind::Empty)
                    book.number(row, int(c), cell.number, style);
            }
        });
    if (!book.write(file) || !file.commit())
        throw writeError(path, file.error() == QFileDevice::NoError ? QStringLiteral("a munkafüzet túl nagy.")
                                                                    : file.errorString());
}

// ---------------------------------------------------------------- xlsx

// The workbook of libxlsxwriter, closed also when the rows stop with an
// exception (its file then goes with the temporary file).
class XlsxBook {
public:
    XlsxBook(const QString &fileName, lxw_workbook_options *options)
        : m_book(workbook_new_opt(QFile::encodeName(fileName).constData(), options))
    {
    }
    ~XlsxBook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    lxw_workbook *get() const { return m_book; }
    lxw_error close()
    {
        const lxw_error e = workbook_close(m_book);
        m_book = nullptr;
        return e;
    }

private:
    lxw_workbook *m_book;
};

void writeXlsx(const QString &path, const QStringList &headers, const NextRow &next, const Progress &progress)
{
    checkColumns(path, headers, LXW_COL_MAX);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw writeError(path, file.errorString());
    // libxlsxwriter wants a file name: it writes a temporary file, which is
    // then copied into the target's own temporary file and committed.
    QTemporaryFile temp(QDir::tempPath() + QStringLiteral("/vorn-XXXXXX.xlsx"));
    if (!temp.open())
        throw writeError(path, temp.errorString());
    temp.close();

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // each row goes to disk as it is written
    const QByteArray tmpdir = QFile::encodeName(QDir::tempPath());
    options.tmpdir = const_cast<char *>(tmpdir.constData());
    XlsxBook book(temp.fileName(), &options);
    if (!book.get())
        throw writeError(path, QStringLiteral("a munkafüzet nem hozható létre."));

    const auto arial = [&](bool bold, const char *numberFormat) {
        lxw_format *f = workbook_add_format(book.get());
        format_set_font_name(f, "Arial");
        format_set_font_size(f, 10);
        if (bold)
            format_set_bold(f);
        if (numberFormat)
            format_set_num_format(f, numberFormat);
        return f;
    };
    lxw_format *const header = arial(true, nullptr);
    lxw_format *const body = arial(false, nullptr);
    lxw_format *const formats[] = {nullptr,
                                   body,
                                   body,
                                   arial(false, DateFormat),
                                   arial(false, TimeFormat),
                                   arial(false, DateTimeFormat)}; // by Kind

    lxw_worksheet *sheet = nullptr;
    const auto check = [&](lxw_error e) {
        if (e != LXW_NO_ERROR)
            throw writeError(path, QString::fromUtf8(lxw_strerror(e)));
    };
    pump(
        headers, next, progress, LXW_ROW_MAX,
        [&](int index) {
            sheet = workbook_add_worksheet(book.get(), sheetName(index).toUtf8().constData());
            if (!sheet)
                throw writeError(path, QStringLiteral("a munkalap nem hozható létre."));
        },
        [&](int row, const std::vector<Cell> &cells, bool isHeader) {
            for (size_t c = 0; c < cells.size(); ++c) {
                const Cell &cell = cells[c];
                lxw_format *f = isHeader ? header : formats[int(cell.kind)];
                if (cell.kind == Kind::Text)
                    check(worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(c),
                                                 cell.text.toUtf8().constData(), f));
                else if (cell.kind != Kind::Empty)
                    check(worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(c), cell.number, f));
            }
        });
    check(book.close());
    QFile written(temp.fileName());
    if (!written.open(QIODevice::ReadOnly))
        throw writeError(path, written.errorString());
    while (!written.atEnd()) {
        const QByteArray chunk = written.read(1 << 20);
        if (chunk.isEmpty() || file.write(chunk) != chunk.size())
            throw writeError(path, chunk.isEmpty() ? written.errorString() : file.errorString());
    }
    if (!file.commit())
        throw writeError(path, file.errorString());
}

} // namespace

std::optional<Format> formatOf(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        return Format::Xls;
    if (fileName.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return Format::Xlsx;
    return std::nullopt;
}

void write(const QString &path, Format format, const QStringList &headers, const NextRow &next,
           const Progress &progress)
{
    if (format == Format::Xls)
        writeXls(path, headers, next, progress);
    else
        writeXlsx(path, headers, next, progress);
}

} // namespace Spreadsheet
