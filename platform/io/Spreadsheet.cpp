#include "platform/io/Spreadsheet.h"

#include "foundation/Error.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTime>
#include <QtEndian>

#include <cstdio>
#include <xlsxwriter.h>

namespace Spreadsheet {

namespace {

enum class Kind { Empty, Number, Date, Time, DateTime, Text };

Kind kindOf(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return Kind::Empty;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return Kind::Number;
    case QMetaType::QDate:
        return Kind::Date;
    case QMetaType::QTime:
        return Kind::Time;
    case QMetaType::QDateTime:
        return Kind::DateTime;
    default:
        return Kind::Text;
    }
}

// Spreadsheet programs keep at most this many characters in a cell.
constexpr int MaxCellText = 32767;

QString cellText(const QVariant &v)
{
    return v.toString().left(MaxCellText);
}

// Days since 30 December 1899 with the time of day as the fraction.
double serial(const QVariant &v)
{
    static const QDate epoch(1899, 12, 30);
    switch (kindOf(v)) {
    case Kind::Date:
        return double(epoch.daysTo(v.toDate()));
    case Kind::Time:
        return v.toTime().msecsSinceStartOfDay() / 86400000.0;
    default: {
        const QDateTime dt = v.toDateTime();
        return double(epoch.daysTo(dt.date())) + dt.time().msecsSinceStartOfDay() / 86400000.0;
    }
    }
}

const char *const DateFormat = "yyyy\". \"mm\". \"dd\".\"";
const char *const TimeFormat = "h:mm:ss";
const char *const DateTimeFormat = "yyyy\". \"mm\". \"dd\". \"h:mm:ss";

VornError writeError(const QString &path, const QString &reason)
{
    return VornError(QStringLiteral("A(z) %1 táblázat nem írható: %2").arg(QDir::toNativeSeparators(path), reason));
}

// ---------------------------------------------------------------- BIFF8

// The records of one workbook stream, little-endian as the format wants.
class Records {
public:
    QByteArray data;

    void u8(int v) { data.append(char(v)); }
    void u16(int v)
    {
        char b[2];
        qToLittleEndian<quint16>(quint16(v), b);
        data.append(b, 2);
    }
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        data.append(b, 4);
    }
    void f64(double v)
    {
        char b[8];
        qToLittleEndian<double>(v, b);
        data.append(b, 8);
    }
    void utf16(const QString &s)
    {
        for (const QChar c : s)
            u16(c.unicode());
    }
    // Starts a record; end() fills in its length.
    void begin(int type)
    {
        u16(type);
        m_lengthAt = data.size();
        u16(0);
    }
    void end() { qToLittleEndian<quint16>(quint16(data.size() - m_lengthAt - 2), data.data() + m_lengthAt); }
    void patch32(qsizetype at, quint32 v) { qToLittleEndian<quint32>(v, data.data() + at); }

private:
    qsizetype m_lengthAt = 0;
};

constexpr int MaxRecordData = 8224;
constexpr int RowsPerSheet = 65536;

// Cell formats written after the 15 style formats and the default cell format.
enum Xf { XfNormal = 15, XfHeader, XfDate, XfTime, XfDateTime };
enum { FmtDate = 164, FmtTime, FmtDateTime };

void bof(Records &r, int type)
{
    r.begin(0x0809);
    r.u16(0x0600);
    r.u16(type);
    r.u16(0x0DBB);
    r.u16(0x07CC);
    r.u32(0);
    r.u32(6);
    r.end();
}

void eof(Records &r)
{
    r.begin(0x000A);
    r.end();
}

void font(Records &r, bool bold)
{
    r.begin(0x0031);
    r.u16(200);      // 10 pt in twips
    r.u16(bold ? 1 : 0); // readers take bold from here too
    r.u16(0x7FFF);
    r.u16(bold ? 700 : 400);
    r.u16(0);
    r.u8(0);
    r.u8(0);
    r.u8(0);
    r.u8(0);
    r.u8(5);
    r.u8(0);
    r.data.append("Arial");
    r.end();
}

void format(Records &r, int index, const char *text)
{
    r.begin(0x041E);
    r.u16(index);
    r.u16(int(qstrlen(text)));
    r.u8(0);
    r.data.append(text);
    r.end();
}

void xf(Records &r, int font, int format, bool style)
{
    r.begin(0x00E0);
    r.u16(font);
    r.u16(format);
    r.u16(style ? 0xFFF5 : 0x0001);
    r.u8(0x20); // bottom aligned
    r.u8(0);
    r.u8(0);
    r.u8(style ? 0 : 0xF8);
    r.u32(0);
    r.u32(0);
    r.u16(0x20C0); // automatic pattern colours
    r.end();
}

// The shared strings: unique texts, each cell refers to one by its index. The
// record and its continuations are cut at character boundaries; every string
// is written in 16-bit form, so a continuation starts with that flag.
class SharedStrings {
public:
    quint32 index(const QString &text)
    {
        ++m_total;
        const auto it = m_index.constFind(text);
        if (it != m_index.constEnd())
            return *it;
        const quint32 i = quint32(m_strings.size());
        m_index.insert(text, i);
        m_strings.push_back(text);
        return i;
    }

    void write(Records &r) const
    {
        qsizetype recordStart = r.data.size(); // of the record being filled, its header included
        r.begin(0x00FC);
        r.u32(m_total);
        r.u32(quint32(m_strings.size()));
        std::vector<std::pair<quint32, int>> buckets; // stream offset and offset in its record, every 8th string
        const auto room = [&] { return MaxRecordData - int(r.data.size() - recordStart - 4); };
        const auto cont = [&] {
            r.end();
            recordStart = r.data.size();
            r.begin(0x003C);
        };
        for (size_t i = 0; i < m_strings.size(); ++i) {
            const QString &s = m_strings[i];
            if (room() < 5)
                cont();
            if (i % 8 == 0)
                buckets.emplace_back(quint32(r.data.size()), int(r.data.size() - recordStart));
            r.u16(int(s.size()));
            r.u8(1);
            qsizetype at = 0;
            while (at < s.size()) {
                int chars = std::min<int>(int(s.size() - at), room() / 2);
                if (chars == 0) {
                    cont();
                    r.u8(1);
                    chars = std::min<int>(int(s.size() - at), room() / 2);
                }
                r.utf16(s.mid(at, chars));
                at += chars;
            }
        }
        r.end();
        r.begin(0x00FF);
        r.u16(8);
        for (const auto &[stream, inRecord] : buckets) {
            r.u32(stream);
            r.u16(inRecord);
            r.u16(0);
        }
        r.end();
    }

private:
    QHash<QString, quint32> m_index;
    std::vector<QString> m_strings;
    quint32 m_total = 0;
};

struct Cell {
    int kind;
    quint32 sst = 0;
    double number = 0;
};

QByteArray workbookStream(const QStringList &headers, const NextRow &next, const Progress &progress)
{
    // The sheets are gathered first: the shared strings precede them.
    SharedStrings sst;
    std::vector<std::vector<std::vector<Cell>>> sheets;
    std::vector<QVariant> values;
    int written = 0;
    const auto headerRow = [&] {
        std::vector<Cell> row;
        for (const QString &h : headers)
            row.push_back({int(Kind::Text), sst.index(h.left(MaxCellText))});
        return row;
    };
    bool more = true;
    while (more) {
        std::vector<std::vector<Cell>> rows{headerRow()};
        while (int(rows.size()) < RowsPerSheet && (more = next(values))) {
            std::vector<Cell> row;
            row.reserve(values.size());
            for (const QVariant &v : values) {
                const Kind k = kindOf(v);
                Cell c{int(k)};
                if (k == Kind::Text)
                    c.sst = sst.index(cellText(v));
                else if (k == Kind::Number)
                    c.number = v.toDouble();
                else if (k != Kind::Empty)
                    c.number = serial(v);
                row.push_back(c);
            }
            rows.push_back(std::move(row));
            if (progress)
                progress(++written);
        }
        sheets.push_back(std::move(rows));
        if (sheets.back().size() == 1 && sheets.size() > 1)
            sheets.pop_back(); // the rows ran out exactly at a sheet's end
    }

    Records r;
    bof(r, 0x0005);
    r.begin(0x0042);
    r.u16(1200); // texts are UTF-16
    r.end();
    r.begin(0x003D);
    for (int v : {0, 0, 0x4000, 0x2000, 0x38, 0, 0, 1, 0x258})
        r.u16(v);
    r.end();
    for (bool bold : {false, true, false, false})
        font(r, bold);
    format(r, FmtDate, DateFormat);
    format(r, FmtTime, TimeFormat);
    format(r, FmtDateTime, DateTimeFormat);
    for (int i = 0; i < 15; ++i)
        xf(r, 0, 0, true);
    xf(r, 0, 0, false);
    xf(r, 1, 0, false);
    xf(r, 0, FmtDate, false);
    xf(r, 0, FmtTime, false);
    xf(r, 0, FmtDateTime, false);
    r.begin(0x0293);
    r.u16(0x8000);
    r.u8(0);
    r.u8(0xFF);
    r.end();
    std::vector<qsizetype> sheetOffsets;
    for (size_t s = 0; s < sheets.size(); ++s) {
        const QString name = QStringLiteral("Munka%1").arg(s + 1);
        r.begin(0x0085);
        sheetOffsets.push_back(r.data.size());
        r.u32(0);
        r.u16(0);
        r.u8(int(name.size()));
        r.u8(0);
        r.data.append(name.toLatin1());
        r.end();
    }
    sst.write(r);
    eof(r);

    static const int xfOf[] = {XfNormal, XfNormal, XfDate, XfTime, XfDateTime, XfNormal};
    for (size_t s = 0; s < sheets.size(); ++s) {
        r.patch32(sheetOffsets[s], quint32(r.data.size()));
        const auto &rows = sheets[s];
        bof(r, 0x0010);
        r.begin(0x0200);
        r.u32(0);
        r.u32(quint32(rows.size()));
        r.u16(0);
        r.u16(headers.size());
        r.u16(0);
        r.end();
        r.begin(0x023E);
        for (int v : {0x06B6, 0, 0, 0x40, 0, 0, 0, 0, 0})
            r.u16(v);
        r.end();
        for (size_t row = 0; row < rows.size(); ++row) {
            for (size_t col = 0; col < rows[row].size(); ++col) {
                const Cell &c = rows[row][col];
                const Kind k = Kind(c.kind);
                if (k == Kind::Empty)
                    continue;
                r.begin(k == Kind::Text ? 0x00FD : 0x0203);
                r.u16(int(row));
                r.u16(int(col));
                r.u16(row == 0 ? XfHeader : xfOf[c.kind]);
                if (k == Kind::Text)
                    r.u32(c.sst);
                else
                    r.f64(c.number);
                r.end();
            }
        }
        eof(r);
    }
    return r.data;
}

// ---------------------------------------------------------------- compound document

constexpr quint32 FreeSect = 0xFFFFFFFF;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FatSect = 0xFFFFFFFD;
constexpr quint32 DifSect = 0xFFFFFFFC;
constexpr int Sector = 512;
constexpr int HeaderDifat = 109;

void directoryEntry(Records &d, const QString &name, int type, quint32 child, quint32 start, quint32 size)
{
    const qsizetype at = d.data.size();
    d.utf16(name);
    d.u16(0);
    d.data.append(QByteArray(64 - int(d.data.size() - at), '\0'));
    d.u16(int(name.size() + 1) * 2);
    d.u8(type);
    d.u8(1); // black
    d.u32(FreeSect);
    d.u32(FreeSect);
    d.u32(child);
    d.data.append(QByteArray(16 + 4 + 16, '\0')); // class, state, times
    d.u32(start);
    d.u32(size);
    d.u32(0);
}

// The stream "Workbook" in a compound document of 512-byte sectors: the stream,
// one directory sector, the allocation table and, for big files, its extension.
QByteArray compoundDocument(QByteArray stream)
{
    // A stream under 4096 bytes would belong in the small-block stream; padding keeps one layout.
    if (stream.size() < 4096)
        stream.append(QByteArray(4096 - stream.size(), '\0'));
    const quint32 streamSize = quint32(stream.size());
    stream.append(QByteArray((Sector - stream.size() % Sector) % Sector, '\0'));
    const quint32 streamSectors = quint32(stream.size() / Sector);

    quint32 fatSectors = 1, difatSectors = 0;
    for (;;) {
        difatSectors = fatSectors > HeaderDifat ? (fatSectors - HeaderDifat + 126) / 127 : 0;
        const quint32 total = streamSectors + 1 + fatSectors + difatSectors;
        if (total <= fatSectors * (Sector / 4))
            break;
        ++fatSectors;
    }
    const quint32 dirSector = streamSectors;
    const quint32 firstFat = dirSector + 1;
    const quint32 firstDifat = firstFat + fatSectors;

    Records h;
    h.data.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    h.data.append(QByteArray(16, '\0'));
    h.u16(0x003E);
    h.u16(0x0003);
    h.u16(0xFFFE);
    h.u16(9);
    h.u16(6);
    h.data.append(QByteArray(6, '\0'));
    h.u32(0);
    h.u32(fatSectors);
    h.u32(dirSector);
    h.u32(0);
    h.u32(4096);
    h.u32(EndOfChain);
    h.u32(0);
    h.u32(difatSectors ? firstDifat : EndOfChain);
    h.u32(difatSectors);
    for (quint32 i = 0; i < HeaderDifat; ++i)
        h.u32(i < fatSectors ? firstFat + i : FreeSect);

    Records dir;
    directoryEntry(dir, QStringLiteral("Root Entry"), 5, 1, EndOfChain, 0);
    directoryEntry(dir, QStringLiteral("Workbook"), 2, FreeSect, 0, streamSize);
    for (int i = 0; i < 2; ++i) {
        dir.data.append(QByteArray(64 + 2 + 2, '\0'));
        for (int j = 0; j < 3; ++j)
            dir.u32(FreeSect);
        dir.data.append(QByteArray(128 - 68 - 12, '\0'));
    }

    Records fat;
    for (quint32 s = 0; s < streamSectors; ++s)
        fat.u32(s + 1 < streamSectors ? s + 1 : EndOfChain);
    fat.u32(EndOfChain);
    for (quint32 i = 0; i < fatSectors; ++i)
        fat.u32(FatSect);
    for (quint32 i = 0; i < difatSectors; ++i)
        fat.u32(DifSect);
    while (fat.data.size() < qsizetype(fatSectors) * Sector)
        fat.u32(FreeSect);

    Records difat;
    for (quint32 d = 0; d < difatSectors; ++d) {
        for (quint32 i = 0; i < 127; ++i) {
            const quint32 f = HeaderDifat + d * 127 + i;
            difat.u32(f < fatSectors ? firstFat + f : FreeSect);
        }
        difat.u32(d + 1 < difatSectors ? firstDifat + d + 1 : EndOfChain);
    }
    return h.data + stream + dir.data + fat.data + difat.data;
}

void writeXls(const QString &path, const QStringList &headers, const NextRow &next, const Progress &progress)
{
    const QByteArray bytes = compoundDocument(workbookStream(headers, next, progress));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw writeError(path, file.errorString());
}

// ---------------------------------------------------------------- xlsx

void writeXlsx(const QString &path, const QStringList &headers, const NextRow &next, const Progress &progress)
{
    const QFileInfo target(path);
    const QString temp = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".tmp");
    const QByteArray tempName = QFile::encodeName(temp);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // rows go to disk as they are written
    lxw_workbook *book = workbook_new_opt(tempName.constData(), &options);
    if (!book)
        throw writeError(path, QStringLiteral("a munkafüzet nem hozható létre."));
    lxw_worksheet *sheet = workbook_add_worksheet(book, "Munka1");
    const auto fontOf = [book](bool bold) {
        lxw_format *f = workbook_add_format(book);
        format_set_font_name(f, "Arial");
        format_set_font_size(f, 10);
        if (bold)
            format_set_bold(f);
        return f;
    };
    lxw_format *header = fontOf(true);
    lxw_format *normal = fontOf(false);
    lxw_format *dates[3];
    const char *masks[] = {DateFormat, TimeFormat, DateTimeFormat};
    for (int i = 0; i < 3; ++i) {
        dates[i] = fontOf(false);
        format_set_num_format(dates[i], masks[i]);
    }
    for (int c = 0; c < headers.size(); ++c)
        worksheet_write_string(sheet, 0, lxw_col_t(c), headers[c].left(MaxCellText).toUtf8().constData(), header);
    std::vector<QVariant> values;
    lxw_row_t row = 0;
    while (next(values)) {
        ++row;
        for (size_t c = 0; c < values.size(); ++c) {
            const QVariant &v = values[c];
            switch (kindOf(v)) {
            case Kind::Empty:
                break;
            case Kind::Number:
                worksheet_write_number(sheet, row, lxw_col_t(c), v.toDouble(), normal);
                break;
            case Kind::Text:
                worksheet_write_string(sheet, row, lxw_col_t(c), cellText(v).toUtf8().constData(), normal);
                break;
            case Kind::Date:
                worksheet_write_number(sheet, row, lxw_col_t(c), serial(v), dates[0]);
                break;
            case Kind::Time:
                worksheet_write_number(sheet, row, lxw_col_t(c), serial(v), dates[1]);
                break;
            case Kind::DateTime:
                worksheet_write_number(sheet, row, lxw_col_t(c), serial(v), dates[2]);
                break;
            }
        }
        if (progress)
            progress(int(row));
    }
    const lxw_error error = workbook_close(book);
    if (error != LXW_NO_ERROR) {
        QFile::remove(temp);
        throw writeError(path, QString::fromUtf8(lxw_strerror(error)));
    }
    // rename() replaces the target in one step where the system allows it.
    if (std::rename(tempName.constData(), QFile::encodeName(path).constData()) != 0 &&
        !(QFile::remove(path) && QFile::rename(temp, path))) {
        QFile::remove(temp);
        throw writeError(path, QStringLiteral("a fájl nem cserélhető le."));
    }
}

} // namespace

void write(const QString &path, Format format, const QStringList &headers, const NextRow &next,
           const Progress &progress)
{
    if (format == Format::Xls)
        writeXls(path, headers, next, progress);
    else
        writeXlsx(path, headers, next, progress);
}

} // namespace Spreadsheet
