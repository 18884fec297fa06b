#include "platform/io/Biff8.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>

namespace Biff8 {

namespace {

// Record types
enum : quint16 {
    RecBof = 0x0809,
    RecEof = 0x000A,
    RecCodePage = 0x0042,
    RecWindow1 = 0x003D,
    RecDate1904 = 0x0022,
    RecFont = 0x0031,
    RecFormat = 0x041E,
    RecXf = 0x00E0,
    RecStyle = 0x0293,
    RecBoundSheet = 0x0085,
    RecSst = 0x00FC,
    RecExtSst = 0x00FF,
    RecContinue = 0x003C,
    RecDimensions = 0x0200,
    RecRow = 0x0208,
    RecNumber = 0x0203,
    RecLabelSst = 0x00FD,
    RecWindow2 = 0x023E,
};

// A record holds at most this many bytes after its 4-byte header.
constexpr int MaxRecordData = 8224;

// The 15 style formats and the default cell format come first, as readers expect.
constexpr int FirstCellXf = 15;
constexpr int FirstCustomFormat = 164;

// Little-endian records appended to a byte array.
class Out {
public:
    explicit Out(QByteArray &data) : m_data(data) {}

    void u8(int v) { m_data.append(char(v)); }
    void u16(int v)
    {
        char b[2];
        qToLittleEndian<quint16>(quint16(v), b);
        m_data.append(b, 2);
    }
    void u32(quint32 v)
    {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        m_data.append(b, 4);
    }
    void f64(double v)
    {
        char b[8];
        qToLittleEndian<double>(v, b);
        m_data.append(b, 8);
    }
    void zeros(qsizetype n) { m_data.append(n, '\0'); }
    // Characters of a string, 8-bit when every one fits (the "compressed" form).
    void chars(QStringView s, bool wide)
    {
        if (wide) {
            for (const QChar c : s)
                u16(c.unicode());
        } else {
            for (const QChar c : s)
                m_data.append(char(c.unicode()));
        }
    }
    // A string with a 16-bit (XLUnicodeString) or 8-bit (ShortXLUnicodeString) length.
    void string(const QString &s, bool shortLength)
    {
        const bool w = wide(s);
        shortLength ? u8(int(s.size())) : u16(int(s.size()));
        u8(w ? 1 : 0);
        chars(s, w);
    }

    void begin(quint16 type)
    {
        u16(type);
        m_lengthAt = m_data.size();
        u16(0);
    }
    void end()
    {
        const qsizetype length = m_data.size() - m_lengthAt - 2;
        Q_ASSERT(length <= MaxRecordData);
        qToLittleEndian<quint16>(quint16(length), m_data.data() + m_lengthAt);
    }
    // Bytes left in the record being written.
    int room() const { return MaxRecordData - int(m_data.size() - m_lengthAt - 2); }
    qsizetype size() const { return m_data.size(); }
    qsizetype recordStart() const { return m_lengthAt - 2; }

    static bool wide(QStringView s)
    {
        return std::any_of(s.begin(), s.end(), [](QChar c) { return c.unicode() > 0xFF; });
    }

private:
    QByteArray &m_data;
    qsizetype m_lengthAt = 0;
};

void bof(Out &o, int type)
{
    o.begin(RecBof);
    o.u16(0x0600); // BIFF8
    o.u16(type);
    o.u16(0x0DBB); // build and year of the version that first wrote BIFF8
    o.u16(0x07CC);
    o.u32(0);
    o.u32(0x00000006);
    o.end();
}

void eof(Out &o)
{
    o.begin(RecEof);
    o.end();
}

void font(Out &o, bool bold)
{
    o.begin(RecFont);
    o.u16(200);          // 10 pt, in twentieths of a point
    o.u16(bold ? 1 : 0); // ignored by Excel, which reads the weight; older readers look here
    o.u16(0x7FFF);       // automatic colour
    o.u16(bold ? 700 : 400);
    o.u16(0); // no super/subscript
    o.u8(0);  // no underline
    o.u8(2);  // swiss family
    o.u8(0);  // character set: the cells are Unicode anyway
    o.u8(0);
    o.string(QStringLiteral("Arial"), true);
    o.end();
}

void xf(Out &o, int fontIndex, int formatIndex, bool style)
{
    o.begin(RecXf);
    o.u16(fontIndex);
    o.u16(formatIndex);
    o.u16(style ? 0xFFF5 : 0x0001); // locked; a style has no parent, a cell format has style 0
    o.u8(0x20);                     // bottom aligned
    o.u8(0);
    o.u8(0);
    o.u8(style ? 0 : 0xFC); // a cell format sets all its attributes itself
    o.u32(0);               // no borders
    o.u32(0);
    o.u16(0x20C0); // automatic pattern colours
    o.end();
}

int xfOf(Style style)
{
    return FirstCellXf + int(style);
}

} // namespace

Workbook::Workbook(const QString &dateFormat, const QString &timeFormat, const QString &dateTimeFormat)
    : m_formats{dateFormat, timeFormat, dateTimeFormat}
{
}

void Workbook::addSheet(const QString &name)
{
    m_sheets.push_back({name.left(31), {}, 0, 0});
}

void Workbook::row(int row, int firstColumn, int endColumn)
{
    Sheet &s = m_sheets.back();
    Out o(s.cells);
    o.begin(RecRow);
    o.u16(row);
    o.u16(firstColumn);
    o.u16(endColumn);
    o.u16(0x00FF); // the default height of Arial 10
    o.u16(0);
    o.u16(0);
    o.u16(0x0100);
    o.u16(FirstCellXf);
    o.end();
    s.endRow = std::max(s.endRow, row + 1);
    s.endColumn = std::max(s.endColumn, endColumn);
}

void Workbook::number(int row, int column, double value, Style style)
{
    Out o(m_sheets.back().cells);
    o.begin(RecNumber);
    o.u16(row);
    o.u16(column);
    o.u16(xfOf(style));
    o.f64(value);
    o.end();
}

void Workbook::text(int row, int column, const QString &value, Style style)
{
    Q_ASSERT(value.size() <= MaxText);
    ++m_stringRefs;
    auto it = m_stringIndex.constFind(value);
    if (it == m_stringIndex.constEnd()) {
        it = m_stringIndex.insert(value, quint32(m_strings.size()));
        m_strings.push_back(value);
    }
    Out o(m_sheets.back().cells);
    o.begin(RecLabelSst);
    o.u16(row);
    o.u16(column);
    o.u16(xfOf(style));
    o.u32(*it);
    o.end();
}

QByteArray Workbook::globals(std::vector<qsizetype> &sheetOffsetFields) const
{
    QByteArray data;
    Out o(data);
    bof(o, 0x0005);
    o.begin(RecCodePage);
    o.u16(1200); // UTF-16
    o.end();
    o.begin(RecWindow1);
    for (int v : {0, 0, 0x4000, 0x2000, 0x0038, 0, 0, 1, 0x0258})
        o.u16(v);
    o.end();
    o.begin(RecDate1904);
    o.u16(0); // days counted in the 1900 system
    o.end();

    // Font 0 is the default, 1 the header's; indexes 2 and 3 complete the four
    // fonts readers expect before index 4, which does not exist.
    for (bool bold : {false, true, false, false})
        font(o, bold);
    for (int i = 0; i < 3; ++i) {
        o.begin(RecFormat);
        o.u16(FirstCustomFormat + i);
        o.string(m_formats[i], false);
        o.end();
    }
    for (int i = 0; i < FirstCellXf; ++i)
        xf(o, 0, 0, true);
    xf(o, 0, 0, false); // Style::Body, also the default cell format
    xf(o, 1, 0, false);
    for (int i = 0; i < 3; ++i)
        xf(o, 0, FirstCustomFormat + i, false);
    o.begin(RecStyle);
    o.u16(0x8000); // built-in style "Normal" on format 0
    o.u8(0);
    o.u8(0xFF);
    o.end();

    sheetOffsetFields.clear();
    for (const Sheet &s : m_sheets) {
        o.begin(RecBoundSheet);
        sheetOffsetFields.push_back(o.size());
        o.u32(0); // filled in when the sheets' places are known
        o.u8(0);  // visible
        o.u8(0);  // worksheet
        o.string(s.name, true);
        o.end();
    }

    // The shared strings, continued in further records. A string's header stays
    // in one record; its characters may go on in the next, which then starts
    // with the flag byte of their width.
    o.begin(RecSst);
    o.u32(m_stringRefs);
    o.u32(quint32(m_strings.size()));
    const int perBucket = std::max<int>(8, int((m_strings.size() + 127) / 128));
    std::vector<std::pair<quint32, int>> buckets; // stream offset, offset in its record
    for (size_t i = 0; i < m_strings.size(); ++i) {
        const QString &s = m_strings[i];
        const bool wide = Out::wide(s);
        const int charBytes = wide ? 2 : 1;
        if (o.room() < 3 + charBytes) {
            o.end();
            o.begin(RecContinue);
        }
        if (i % perBucket == 0)
            buckets.emplace_back(quint32(o.size()), int(o.size() - o.recordStart()));
        o.u16(int(s.size()));
        o.u8(wide ? 1 : 0);
        qsizetype at = 0;
        while (at < s.size()) {
            if (o.room() < charBytes) {
                o.end();
                o.begin(RecContinue);
                o.u8(wide ? 1 : 0);
            }
            const qsizetype n = std::min<qsizetype>(s.size() - at, o.room() / charBytes);
            o.chars(QStringView(s).mid(at, n), wide);
            at += n;
        }
    }
    o.end();
    o.begin(RecExtSst);
    o.u16(perBucket);
    for (const auto &[stream, inRecord] : buckets) {
        o.u32(stream);
        o.u16(inRecord);
        o.u16(0);
    }
    o.end();
    eof(o);
    return data;
}

QByteArray Workbook::sheetStart(const Sheet &sheet) const
{
    QByteArray data;
    Out o(data);
    bof(o, 0x0010);
    o.begin(RecDimensions);
    o.u32(0);
    o.u32(quint32(sheet.endRow));
    o.u16(0);
    o.u16(sheet.endColumn);
    o.u16(0);
    o.end();
    return data;
}

QByteArray Workbook::sheetEnd(bool first) const
{
    QByteArray data;
    Out o(data);
    o.begin(RecWindow2);
    // Grid, headings, zeros, outline symbols, default colours; the first sheet
    // is the selected one (more than one selected would group them).
    o.u16(first ? 0x06B6 : 0x00B6);
    o.u16(0);
    o.u16(0);
    o.u32(0x40);
    o.u16(0);
    o.u16(0);
    o.u32(0);
    o.end();
    eof(o);
    return data;
}

// ---------------------------------------------------------------- compound document

namespace {

constexpr quint32 FreeSect = 0xFFFFFFFF;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FatSect = 0xFFFFFFFD;
constexpr quint32 DifSect = 0xFFFFFFFC;
constexpr quint32 NoStream = 0xFFFFFFFF;
constexpr int SectorSize = 512;
constexpr int IdsPerSector = SectorSize / 4;
constexpr int HeaderDifat = 109;
// Streams below this size belong in the small-block stream.
constexpr quint32 MiniStreamCutoff = 4096;

void directoryEntry(Out &o, const QString &name, int type, quint32 child, quint32 start, quint32 size)
{
    const qsizetype at = o.size();
    o.chars(name, true);
    o.u16(0);
    o.zeros(64 - (o.size() - at));
    o.u16(int(name.size() + 1) * 2);
    o.u8(type);
    o.u8(1); // black
    o.u32(NoStream);
    o.u32(NoStream);
    o.u32(child);
    o.zeros(16 + 4 + 8 + 8); // class, state bits, creation and modification times
    o.u32(start);
    o.u32(size);
    o.u32(0);
}

void unusedEntry(Out &o)
{
    o.zeros(64 + 2 + 1 + 1);
    for (int i = 0; i < 3; ++i)
        o.u32(NoStream);
    o.zeros(16 + 4 + 8 + 8 + 4 + 8);
}

} // namespace

bool Workbook::write(QIODevice &out) const
{
    std::vector<qsizetype> offsetFields;
    QByteArray head = globals(offsetFields);
    std::vector<QByteArray> starts, ends;
    quint64 streamSize = quint64(head.size());
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        qToLittleEndian<quint32>(quint32(streamSize), head.data() + offsetFields[i]);
        starts.push_back(sheetStart(m_sheets[i]));
        ends.push_back(sheetEnd(i == 0));
        streamSize += quint64(starts.back().size() + m_sheets[i].cells.size() + ends.back().size());
    }
    if (streamSize > 0xFFFFFFFFu)
        return false; // sheet positions are 32-bit
    // A small workbook is padded up to the cutoff, so the stream always lives
    // in regular sectors and no small-block allocation table is needed.
    const quint32 padding = streamSize < MiniStreamCutoff ? quint32(MiniStreamCutoff - streamSize) : 0;
    const quint32 size = quint32(streamSize) + padding;
    const quint32 streamSectors = (size + SectorSize - 1) / SectorSize;

    // Sector layout: the stream, one directory sector, the allocation table
    // (FAT), and the sectors listing the FAT sectors beyond the header's 109.
    quint32 fatSectors = 1, difatSectors = 0;
    for (;;) {
        difatSectors =
            fatSectors > HeaderDifat ? (fatSectors - HeaderDifat + IdsPerSector - 2) / (IdsPerSector - 1) : 0;
        const quint64 total = quint64(streamSectors) + 1 + fatSectors + difatSectors;
        if (total <= quint64(fatSectors) * IdsPerSector)
            break;
        ++fatSectors;
    }
    const quint32 dirSector = streamSectors;
    const quint32 firstFat = dirSector + 1;
    const quint32 firstDifat = firstFat + fatSectors;

    QByteArray header;
    Out h(header);
    header.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    h.zeros(16);
    h.u16(0x003E); // version 3: 512-byte sectors
    h.u16(0x0003);
    h.u16(0xFFFE); // little-endian
    h.u16(9);      // 2^9 byte sectors
    h.u16(6);      // 2^6 byte small blocks
    h.zeros(6);
    h.u32(0); // directory sectors: not counted in version 3
    h.u32(fatSectors);
    h.u32(dirSector);
    h.u32(0);
    h.u32(MiniStreamCutoff);
    h.u32(EndOfChain); // no small-block table
    h.u32(0);
    h.u32(difatSectors ? firstDifat : EndOfChain);
    h.u32(difatSectors);
    for (quint32 i = 0; i < HeaderDifat; ++i)
        h.u32(i < fatSectors ? firstFat + i : FreeSect);

    QByteArray tail;
    Out t(tail);
    t.zeros((SectorSize - size % SectorSize) % SectorSize);
    directoryEntry(t, QStringLiteral("Root Entry"), 5, 1, EndOfChain, 0);
    directoryEntry(t, QStringLiteral("Workbook"), 2, NoStream, 0, size);
    unusedEntry(t);
    unusedEntry(t);
    for (quint32 s = 0; s < streamSectors; ++s)
        t.u32(s + 1 < streamSectors ? s + 1 : EndOfChain);
    t.u32(EndOfChain); // the directory
    for (quint32 i = 0; i < fatSectors; ++i)
        t.u32(FatSect);
    for (quint32 i = 0; i < difatSectors; ++i)
        t.u32(DifSect);
    for (quint64 n = quint64(streamSectors) + 1 + fatSectors + difatSectors;
         n < quint64(fatSectors) * IdsPerSector; ++n)
        t.u32(FreeSect);
    for (quint32 d = 0; d < difatSectors; ++d) {
        for (quint32 i = 0; i < IdsPerSector - 1; ++i) {
            const quint32 f = HeaderDifat + d * (IdsPerSector - 1) + i;
            t.u32(f < fatSectors ? firstFat + f : FreeSect);
        }
        t.u32(d + 1 < difatSectors ? firstDifat + d + 1 : EndOfChain);
    }

    const auto put = [&out](const QByteArray &b) { return out.write(b) == b.size(); };
    if (!put(header) || !put(head))
        return false;
    for (size_t i = 0; i < m_sheets.size(); ++i)
        if (!put(starts[i]) || !put(m_sheets[i].cells) || !put(ends[i]))
            return false;
    return put(QByteArray(padding, '\0')) && put(tail);
}

} // namespace Biff8
