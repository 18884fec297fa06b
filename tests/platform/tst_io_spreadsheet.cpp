// Spreadsheet files read back by an outside reader (xlrd, and the zip tools for
// .xlsx): every kind of cell with its type and number format, the bold Arial
// header, texts that continue over several records, sheets beyond the old
// format's row limit, big compound documents, and that a failed write leaves
// no file and keeps the previous one.
#include "foundation/Error.h"
#include "platform/io/Spreadsheet.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <memory>

using Spreadsheet::Format;

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

// {"sheets": [{"name", "selected", "rows": [[{"t", "v"}]]}],
//  "styles": first sheet, rows 0 and 1: [{"font": [weight, name, twips], "format"}],
//  "problems": [what breaks the rules of the old format]}
const char *const Reader = R"(
import sys, json, zipfile, xlrd
import xml.etree.ElementTree as ET
path = sys.argv[1]
xls = path.lower().endswith('.xls')
book = xlrd.open_workbook(path, formatting_info=xls)

def value(c):
    if c.ctype == xlrd.XL_CELL_DATE:
        return {'t': 'date', 'v': '%04d-%02d-%02d %02d:%02d:%02d' % xlrd.xldate_as_tuple(c.value, book.datemode)}
    if c.ctype == xlrd.XL_CELL_NUMBER:
        return {'t': 'number', 'v': c.value}
    if c.ctype == xlrd.XL_CELL_TEXT:
        return {'t': 'text', 'v': c.value}
    if c.ctype == xlrd.XL_CELL_EMPTY:
        return {'t': 'empty'}
    return {'t': 'other %d' % c.ctype, 'v': repr(c.value)}

sheets = [{'name': s.name, 'selected': s.sheet_selected,
           'rows': [[value(c) for c in s.row(r)] for r in range(s.nrows)]} for s in book.sheets()]

# Rules Excel holds to and xlrd forgives: no record over 8224 bytes; in the
# shared strings a string's header never split over two records, and 16-bit
# characters never cut in half.
problems = []
if xls:
    import struct, xlrd.compdoc
    data = open(path, 'rb').read()
    stream = xlrd.compdoc.CompDoc(data, logfile=sys.stderr).get_named_stream('Workbook')
    at, chunks = 0, []
    while at + 4 <= len(stream):
        kind, size = struct.unpack('<HH', stream[at:at + 4])
        if size > 8224:
            problems.append('record %04x of %d bytes' % (kind, size))
        if kind == 0x00FC or (kind == 0x003C and chunks and chunks[-1] is not None):
            chunks.append(stream[at + 4:at + 4 + size])
        elif chunks and chunks[-1] is not None:
            chunks.append(None)
        at += 4 + size
        if kind == 0x000A and stream[at:at + 2] in (b'', b'\0\0'):
            break
    chunks = [c for c in chunks if c is not None]
    unique = struct.unpack('<I', chunks[0][4:8])[0]
    part, pos = 0, 8
    for i in range(unique):
        if pos == len(chunks[part]):
            part, pos = part + 1, 0
        if pos + 3 > len(chunks[part]):
            problems.append('header of string %d split' % i)
            break
        count, flag = struct.unpack('<HB', chunks[part][pos:pos + 3])
        pos += 3
        width = 2 if flag & 1 else 1
        while count:
            if pos == len(chunks[part]):
                part, pos = part + 1, 1
                width = 2 if chunks[part][0] & 1 else 1
            n = min(count, (len(chunks[part]) - pos) // width)
            if n == 0:
                problems.append('character of string %d split' % i)
                break
            count -= n
            pos += n * width
    if (part, pos) != (len(chunks) - 1, len(chunks[-1])):
        problems.append('shared strings end at %d/%d, not at the end' % (part, pos))
first = book.sheet_by_index(0)
rows = range(min(first.nrows, 2))
if xls:
    def style(r, c):
        xf = book.xf_list[first.cell_xf_index(r, c)]
        f = book.font_list[xf.font_index]
        return {'font': [f.weight, f.name, f.height], 'format': book.format_map[xf.format_key].format_str}
else:
    NS = '{http://schemas.openxmlformats.org/spreadsheetml/2006/main}'
    z = zipfile.ZipFile(path)
    st = ET.fromstring(z.read('xl/styles.xml'))
    formats = {int(n.get('numFmtId')): n.get('formatCode') for n in st.iter(NS + 'numFmt')}
    fonts = [[700 if f.find(NS + 'b') is not None else 400, f.find(NS + 'name').get('val'),
              round(float(f.find(NS + 'sz').get('val')) * 20)] for f in st.find(NS + 'fonts')]
    xfs = [(int(x.get('fontId', '0')), int(x.get('numFmtId', '0'))) for x in st.find(NS + 'cellXfs')]
    cellStyle = {}
    for row in ET.fromstring(z.read('xl/worksheets/sheet1.xml')).iter(NS + 'row'):
        if int(row.get('r')) > 2:
            break
        for c in row.iter(NS + 'c'):
            cellStyle[c.get('r')] = int(c.get('s', '0'))
    def style(r, c):
        font, fmt = xfs[cellStyle.get(xlrd.cellname(r, c), 0)]
        return {'font': fonts[font], 'format': 'General' if fmt == 0 else formats.get(fmt, str(fmt))}
styles = [[style(r, c) for c in range(first.row_len(r))] for r in rows]
print(json.dumps({'sheets': sheets, 'styles': styles, 'problems': problems}))
)";

QJsonObject readBack(const QString &path)
{
    QProcess p;
    p.start(Python, {"-c", Reader, path});
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning().noquote() << p.readAllStandardError();
        return {};
    }
    const QJsonObject read = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    if (!read["problems"].toArray().isEmpty()) {
        qWarning() << read["problems"].toArray();
        return {};
    }
    return read;
}

bool readerAvailable()
{
    if (!QFileInfo::exists(Python))
        return false;
    QProcess p;
    p.start(Python, {"-c", "import xlrd"});
    return p.waitForFinished(30000) && p.exitCode() == 0;
}

QJsonArray sheetsOf(const QJsonObject &read)
{
    return read["sheets"].toArray();
}

QJsonArray rowsOf(const QJsonObject &read, int sheet = 0)
{
    return sheetsOf(read)[sheet].toObject()["rows"].toArray();
}

Spreadsheet::NextRow rowsFrom(const std::vector<std::vector<QVariant>> &rows)
{
    auto at = std::make_shared<size_t>(0);
    return [rows, at](std::vector<QVariant> &values) {
        if (*at >= rows.size())
            return false;
        values = rows[(*at)++];
        return true;
    };
}

QString suffix(Format f)
{
    return f == Format::Xls ? QStringLiteral(".xls") : QStringLiteral(".xlsx");
}

// "type: value" of a read-back cell, numbers as doubles, for readable failures.
QString describe(const QJsonValue &cell)
{
    const QJsonObject o = cell.toObject();
    const QString t = o["t"].toString();
    if (t == "number")
        return t + ": " + QString::number(o["v"].toDouble(), 'g', 17);
    if (o.contains("v"))
        return t + ": " + o["v"].toString();
    return t;
}

QString number(double v)
{
    return "number: " + QString::number(v, 'g', 17);
}

const char *const DateFormat = "yyyy\". \"mm\". \"dd\".\"";
const char *const TimeFormat = "h:mm:ss";
const char *const DateTimeFormat = "yyyy\". \"mm\". \"dd\". \"h:mm:ss";

quint32 le32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

} // namespace

class TestSpreadsheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cellTypes_data();
    void cellTypes();
    void sheetReadBack_data();
    void sheetReadBack();
    void rowsBeyondOneSheet_data();
    void rowsBeyondOneSheet();
    void failedWriteLeavesNoFile_data();
    void failedWriteLeavesNoFile();
    void failedRowsKeepPreviousFile_data();
    void failedRowsKeepPreviousFile();
    void existingFileIsReplaced_data();
    void existingFileIsReplaced();
    void tooManyColumnsRefused();

private:
    QString m_base;
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<QTemporaryDir> m_tmp;
    void formatColumn();
};

void TestSpreadsheet::initTestCase()
{
    if (!readerAvailable())
        QSKIP("/usr/bin/python3 with xlrd is needed to read the sheets back");
    m_base = QDir::tempPath();
}

void TestSpreadsheet::init()
{
    m_dir.reset(new QTemporaryDir(m_base + "/tabla-XXXXXX"));
    // The writer's own temporary files go here, so that leftovers can be seen.
    m_tmp.reset(new QTemporaryDir(m_base + "/tmp-XXXXXX"));
    qputenv("TMPDIR", QFile::encodeName(m_tmp->path()));
}

void TestSpreadsheet::formatColumn()
{
    QTest::addColumn<Format>("format");
}

void TestSpreadsheet::cellTypes_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("numberFormat");

    const QString longText = QString("ő").repeated(40000);
    struct Case {
        const char *name;
        QVariant value;
        QString expected;
        QString format;
    };
    const std::vector<Case> cases{
        {"wide text", QString("árvíztűrő tükörfúrógép"), "text: árvíztűrő tükörfúrógép", "General"},
        {"8-bit text", QString("Kiss Ödön, ÁÉÍÓÖÚÜ"), "text: Kiss Ödön, ÁÉÍÓÖÚÜ", "General"},
        {"lines and blanks", QString("  a\nb\tc  "), "text:   a\nb\tc  ", "General"},
        {"int", 42, number(42), "General"},
        {"negative qint64", qint64(-7), number(-7), "General"},
        {"uint", 4000000000u, number(4000000000.0), "General"},
        {"real", 3.25, number(3.25), "General"},
        {"tenth", 0.1, number(0.1), "General"},
        {"date", QDate(2026, 12, 11), "date: 2026-12-11 00:00:00", DateFormat},
        {"first true serial", QDate(1900, 3, 1), "date: 1900-03-01 00:00:00", DateFormat},
        {"date before 1900-03", QDate(1899, 12, 31), "text: 1899. 12. 31.", ""},
        {"time", QTime(7, 5, 0), "date: 0000-00-00 07:05:00", TimeFormat},
        {"date-time", QDateTime(QDate(1999, 1, 2), QTime(13, 4, 5)), "date: 1999-01-02 13:04:05",
         DateTimeFormat},
        {"null", QVariant(), "empty", ""},
        {"invalid date", QVariant(QDate()), "empty", ""},
        {"empty text", QString(""), "empty", ""},
        {"not a number", std::nan(""), "text: nan", "General"},
        {"bool", true, "text: true", "General"},
        {"cut at the cell limit", longText, "text: " + longText.left(32767), "General"},
        // 32766 characters, then a pair that would be cut in half: it goes whole.
        {"cut before a surrogate pair", QString(32766, 'a') + QString::fromUtf8("\xF0\x9F\x90\x9F"),
         "text: " + QString(32766, 'a'), "General"},
    };
    for (Format f : {Format::Xls, Format::Xlsx})
        for (const Case &c : cases)
            QTest::addRow("%s %s", f == Format::Xls ? "xls" : "xlsx", c.name)
                << f << c.value << c.expected << c.format;
}

void TestSpreadsheet::cellTypes()
{
    QFETCH(Format, format);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    QFETCH(QString, numberFormat);
    const QString path = m_dir->filePath("ertek" + suffix(format));
    // The value in the second column, so an empty one still has a row.
    Spreadsheet::write(path, format, {"Sor", "Érték"}, rowsFrom({{1, value}}));
    const QJsonObject read = readBack(path);
    QVERIFY2(!read.isEmpty(), "the reader refused the file");
    const QJsonArray rows = rowsOf(read);
    QCOMPARE(rows.size(), 2);
    const QJsonArray row = rows[1].toArray();
    QCOMPARE(describe(row.size() > 1 ? row[1] : QJsonObject{{"t", "empty"}}), expected);
    if (!numberFormat.isEmpty())
        QCOMPARE(read["styles"].toArray()[1].toArray()[1].toObject()["format"].toString(), numberFormat);
}

void TestSpreadsheet::sheetReadBack_data()
{
    formatColumn();
    QTest::newRow("xls") << Format::Xls;
    QTest::newRow("xlsx") << Format::Xlsx;
}

void TestSpreadsheet::sheetReadBack()
{
    QFETCH(Format, format);
    const QString path = m_dir->filePath("tagok" + suffix(format));
    // 16-bit text of 18 400 bytes: it continues over three records of the old format.
    const QString longText = QString("árvíztűrő tükörfúrógép ").repeated(400);
    const std::vector<std::vector<QVariant>> data{
        {QString("árvíztűrő tükörfúrógép"), 42, 3.25, QDate(2026, 12, 11), QVariant()},
        {longText, QVariant(), -1e15, QDate(2000, 2, 29), QString("x")},
        {QString("árvíztűrő tükörfúrógép"), 0, 1.5, QVariant(), QString("utolsó")},
    };
    std::vector<int> progress;
    Spreadsheet::write(path, format, {"Név", "Kor", "Súly", "Dátum", "Megjegyzés"}, rowsFrom(data),
                       [&](int n) { progress.push_back(n); });
    QCOMPARE(progress, (std::vector<int>{1, 2, 3}));

    const QJsonObject read = readBack(path);
    QVERIFY2(!read.isEmpty(), "the reader refused the file");
    QCOMPARE(sheetsOf(read).size(), 1);
    QCOMPARE(sheetsOf(read)[0].toObject()["name"].toString(), QString("Munka1"));
    const QJsonArray rows = rowsOf(read);
    QCOMPARE(rows.size(), 4);
    const std::vector<QStringList> expected{
        {"text: Név", "text: Kor", "text: Súly", "text: Dátum", "text: Megjegyzés"},
        {"text: árvíztűrő tükörfúrógép", number(42), number(3.25), "date: 2026-12-11 00:00:00", "empty"},
        {"text: " + longText, "empty", number(-1e15), "date: 2000-02-29 00:00:00", "text: x"},
        {"text: árvíztűrő tükörfúrógép", number(0), number(1.5), "empty", "text: utolsó"},
    };
    for (int r = 0; r < 4; ++r) {
        QStringList got;
        for (const QJsonValue &c : rows[r].toArray())
            got << describe(c);
        QCOMPARE(got, expected[r]);
    }

    // Header bold Arial 10 (700 weight, 200 twentieths of a point), body normal.
    const QJsonArray styles = read["styles"].toArray();
    for (const QJsonValue &s : styles[0].toArray())
        QCOMPARE(s.toObject()["font"].toArray(), (QJsonArray{700, "Arial", 200}));
    const QJsonArray body = styles[1].toArray();
    for (int c = 0; c < body.size(); ++c)
        if (describe(rows[1].toArray()[c]) != "empty")
            QCOMPARE(body[c].toObject()["font"].toArray(), (QJsonArray{400, "Arial", 200}));

    if (format == Format::Xlsx) {
        QProcess unzip;
        unzip.start("unzip", {"-t", path});
        QVERIFY(unzip.waitForFinished(60000));
        QCOMPARE(unzip.exitCode(), 0);
        QVERIFY(unzip.readAllStandardOutput().contains("No errors detected"));
    }
    QCOMPARE(QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{});
}

void TestSpreadsheet::rowsBeyondOneSheet_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("sheetRows");
    // A sheet of the old format holds 65 536 rows: the header and 65 535 records.
    QTest::newRow("exactly one sheet") << 65535 << QList<int>{65536};
    QTest::newRow("one row over") << 65536 << QList<int>{65536, 2};
    QTest::newRow("70 000 rows") << 70000 << QList<int>{65536, 70000 - 65535 + 1};
}

void TestSpreadsheet::rowsBeyondOneSheet()
{
    QFETCH(int, count);
    QFETCH(QList<int>, sheetRows);
    const QString path = m_dir->filePath("sok.xls");
    // Unique texts of every length from 0 to 36, alternately 8- and 16-bit, so
    // that string boundaries fall everywhere in the shared-string records.
    const auto textOf = [](int n) {
        return QString(n % 2 ? "ö" : "ő").repeated(n % 37) + QString::number(n);
    };
    int row = 0;
    Spreadsheet::write(path, Format::Xls, {"Sor", "Név", "Fél", "Negyed"},
                       [&](std::vector<QVariant> &values) {
                           if (row >= count)
                               return false;
                           ++row;
                           values = {row, textOf(row), row / 2.0, row / 4.0};
                           return true;
                       });

    // Past 109 sectors of allocation table (7 MB) the table is listed in
    // sectors of its own: the biggest case must use them.
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray header = f.read(512);
    QCOMPARE(header.left(8), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    QCOMPARE((f.size() - 512) % 512, 0);
    if (count == 70000)
        QVERIFY2(le32(header, 0x48) > 0, "no extension sector of the allocation table");

    const QJsonObject read = readBack(path);
    QVERIFY2(!read.isEmpty(), "the reader refused the file");
    const QJsonArray sheets = sheetsOf(read);
    QCOMPARE(sheets.size(), sheetRows.size());
    int n = 0;
    for (int s = 0; s < sheets.size(); ++s) {
        const QJsonObject sheet = sheets[s].toObject();
        QCOMPARE(sheet["name"].toString(), QString("Munka%1").arg(s + 1));
        // One selected sheet: several would be grouped for editing.
        QCOMPARE(sheet["selected"].toInt(), s == 0 ? 1 : 0);
        const QJsonArray rows = sheet["rows"].toArray();
        QCOMPARE(rows.size(), sheetRows[s]);
        QCOMPARE(describe(rows[0].toArray()[3]), QString("text: Negyed"));
        for (int r = 1; r < rows.size(); ++r) {
            ++n;
            const QJsonArray cells = rows[r].toArray();
            if (describe(cells[0]) != number(n) || describe(cells[1]) != "text: " + textOf(n) ||
                describe(cells[3]) != number(n / 4.0))
                QFAIL(qPrintable(QString("sheet %1 row %2: %3 | %4")
                                     .arg(s + 1)
                                     .arg(r)
                                     .arg(describe(cells[0]), describe(cells[1]))));
        }
    }
    QCOMPARE(n, count);
    QCOMPARE(describe(rowsOf(read, int(sheets.size()) - 1).last().toArray()[2]), number(count / 2.0));
}

void TestSpreadsheet::failedWriteLeavesNoFile_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("place");
    for (Format f : {Format::Xls, Format::Xlsx})
        for (const char *place : {"missing folder", "read-only folder", "folder in its place"})
            QTest::addRow("%s %s", f == Format::Xls ? "xls" : "xlsx", place) << f << QString(place);
}

void TestSpreadsheet::failedWriteLeavesNoFile()
{
    QFETCH(Format, format);
    QFETCH(QString, place);
    QString path;
    if (place == "missing folder") {
        path = m_dir->filePath("nincs/ilyen" + suffix(format));
    } else if (place == "read-only folder") {
        const QString folder = m_dir->filePath("csakolvas");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(folder + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            // The superuser writes anywhere; the process table is read-only even for him.
            probe.remove();
            path = "/proc/tabla" + suffix(format);
        } else {
            path = folder + "/tabla" + suffix(format);
        }
    } else {
        path = m_dir->filePath("mappa" + suffix(format));
        QVERIFY(QDir().mkpath(path));
    }
    try {
        Spreadsheet::write(path, format, {"a"}, rowsFrom({{1}}));
        QFAIL("written");
    } catch (const VornError &e) {
        QVERIFY2(e.message().startsWith(
                     QString("A(z) %1 táblázat nem írható: ").arg(QDir::toNativeSeparators(path))),
                 qPrintable(e.message()));
    }
    if (place == "folder in its place")
        QVERIFY(QFileInfo(path).isDir());
    else
        QVERIFY(!QFileInfo::exists(path));
    QFile::setPermissions(m_dir->filePath("csakolvas"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Nothing beside it either.
    const QString folder = place == "missing folder" ? m_dir->path() : QFileInfo(path).absolutePath();
    const QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (folder != "/proc")
        QCOMPARE(left,
                 place == "folder in its place" ? QStringList{"mappa" + suffix(format)} : QStringList{});
    QCOMPARE(QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{});
}

void TestSpreadsheet::failedRowsKeepPreviousFile_data()
{
    formatColumn();
    QTest::newRow("xls") << Format::Xls;
    QTest::newRow("xlsx") << Format::Xlsx;
}

void TestSpreadsheet::failedRowsKeepPreviousFile()
{
    QFETCH(Format, format);
    const QString path = m_dir->filePath("regi" + suffix(format));
    Spreadsheet::write(path, format, {"n"}, rowsFrom({{1}}));
    const QByteArray before = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QVERIFY(!before.isEmpty());

    // The data source fails in the middle of the rows.
    int row = 0;
    QVERIFY_THROWS_EXCEPTION(VornError,
                             Spreadsheet::write(path, format, {"n"}, [&](std::vector<QVariant> &values) {
                                 if (++row == 500)
                                     throw VornError("A tábla zárolt.");
                                 values = {row};
                                 return true;
                             }));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"regi" + suffix(format)});
    QCOMPARE(QDir(m_tmp->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{});
}

void TestSpreadsheet::existingFileIsReplaced_data()
{
    formatColumn();
    QTest::newRow("xls") << Format::Xls;
    QTest::newRow("xlsx") << Format::Xlsx;
}

void TestSpreadsheet::existingFileIsReplaced()
{
    QFETCH(Format, format);
    const QString path = m_dir->filePath("csere" + suffix(format));
    for (int n : {1, 2}) {
        Spreadsheet::write(path, format, {"n"}, rowsFrom({{n}}));
        const QJsonObject read = readBack(path);
        QVERIFY2(!read.isEmpty(), "the reader refused the file");
        QCOMPARE(describe(rowsOf(read)[1].toArray()[0]), number(n));
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"csere" + suffix(format)});
}

void TestSpreadsheet::tooManyColumnsRefused()
{
    // The old format has 256 columns: more is refused rather than cut.
    QStringList headers;
    for (int i = 0; i < 257; ++i)
        headers << QString::number(i);
    const QString path = m_dir->filePath("szeles.xls");
    try {
        Spreadsheet::write(path, Format::Xls, headers, rowsFrom(std::vector<std::vector<QVariant>>{}));
        QFAIL("257 columns written");
    } catch (const VornError &e) {
        QVERIFY2(e.message().contains("256"), qPrintable(e.message()));
    }
    QVERIFY(!QFileInfo::exists(path));
    // The modern format takes them.
    Spreadsheet::write(m_dir->filePath("szeles.xlsx"), Format::Xlsx, headers,
                       rowsFrom(std::vector<std::vector<QVariant>>{}));
    const QJsonObject read = readBack(m_dir->filePath("szeles.xlsx"));
    QVERIFY2(!read.isEmpty(), "the reader refused the file");
    QCOMPARE(rowsOf(read)[0].toArray().size(), 257);
}

QTEST_GUILESS_MAIN(TestSpreadsheet)
#include "tst_io_spreadsheet.moc"
