// Spreadsheet files read back by an outside reader (xlrd): every cell with its
// type, the bold header, long texts, sheets beyond the old format's row limit
// and a file that cannot be written.
#include "foundation/Error.h"
#include "platform/io/Spreadsheet.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

// Every sheet as {name, rows: [[{t: type, v: value}]], bold: [header cell bold?]}.
const char *const Reader = R"(
import sys, json, xlrd
path = sys.argv[1]
info = path.lower().endswith('.xls')
book = xlrd.open_workbook(path, formatting_info=info)
out = []
for s in book.sheets():
    rows = []
    for r in range(s.nrows):
        row = []
        for c in s.row(r):
            if c.ctype == xlrd.XL_CELL_DATE:
                t = xlrd.xldate_as_tuple(c.value, book.datemode)
                row.append({'t': 'date', 'v': '%04d-%02d-%02d %02d:%02d:%02d' % t})
            elif c.ctype == xlrd.XL_CELL_NUMBER:
                row.append({'t': 'number', 'v': c.value})
            elif c.ctype == xlrd.XL_CELL_TEXT:
                row.append({'t': 'text', 'v': c.value})
            else:
                row.append({'t': 'empty'})
        rows.append(row)
    bold = []
    if info and s.nrows:
        for c in range(s.ncols):
            f = book.font_list[book.xf_list[s.cell_xf_index(0, c)].font_index]
            bold.append([f.bold, f.name, f.height])
    out.append({'name': s.name, 'rows': rows, 'bold': bold})
print(json.dumps(out))
)";

QJsonArray readBack(const QString &path)
{
    QProcess p;
    p.start(Python, {"-c", Reader, path});
    if (!p.waitForFinished(120000) || p.exitCode() != 0) {
        qWarning().noquote() << p.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
}

bool readerAvailable()
{
    if (!QFileInfo::exists(Python))
        return false;
    QProcess p;
    p.start(Python, {"-c", "import xlrd"});
    return p.waitForFinished(30000) && p.exitCode() == 0;
}

Spreadsheet::NextRow rowsOf(const std::vector<std::vector<QVariant>> &rows)
{
    auto at = std::make_shared<size_t>(0);
    return [rows, at](std::vector<QVariant> &values) {
        if (*at >= rows.size())
            return false;
        values = rows[(*at)++];
        return true;
    };
}

QJsonObject cell(const char *type, const QJsonValue &value = {})
{
    QJsonObject o{{"t", type}};
    if (!value.isNull())
        o.insert("v", value);
    return o;
}

} // namespace

class TestSpreadsheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!readerAvailable())
            QSKIP("/usr/bin/python3 with xlrd is needed to read the sheets back");
    }

    void cellsReadBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format");
        QTest::newRow("xls") << "tagok.xls" << int(Spreadsheet::Format::Xls);
        QTest::newRow("xlsx") << "tagok.xlsx" << int(Spreadsheet::Format::Xlsx);
    }
    void cellsReadBack()
    {
        QFETCH(QString, name);
        QFETCH(int, format);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        // Longer than one record of the old format, so it continues in the next.
        const QString longText = QString("árvíztűrő tükörfúrógép ").repeated(400);
        const std::vector<std::vector<QVariant>> rows{
            {QString("árvíztűrő tükörfúrógép"), 42, 3.25, QDate(2026, 12, 11), QVariant()},
            {QString("Őze Ödön"), qint64(-7), 0.1, QDateTime(QDate(1999, 1, 2), QTime(13, 4, 5)), QString()},
            {longText, QVariant(), 1e15, QTime(7, 5, 0), QString("x")},
        };
        int progressed = 0;
        Spreadsheet::write(path, Spreadsheet::Format(format), {"Név", "Kor", "Súly", "Dátum", "Üres"}, rowsOf(rows),
                           [&](int n) { progressed = n; });
        QCOMPARE(progressed, 3);

        const QJsonArray sheets = readBack(path);
        QCOMPARE(sheets.size(), 1);
        const QJsonObject sheet = sheets[0].toObject();
        QCOMPARE(sheet["name"].toString(), QString("Munka1"));
        const QJsonArray got = sheet["rows"].toArray();
        QCOMPARE(got.size(), 4);
        QCOMPARE(got[0].toArray(), (QJsonArray{cell("text", "Név"), cell("text", "Kor"), cell("text", "Súly"),
                                               cell("text", "Dátum"), cell("text", "Üres")}));
        QCOMPARE(got[1].toArray(), (QJsonArray{cell("text", "árvíztűrő tükörfúrógép"), cell("number", 42),
                                               cell("number", 3.25), cell("date", "2026-12-11 00:00:00"),
                                               cell("empty")}));
        QJsonArray second = got[2].toArray();
        QCOMPARE(second[0], QJsonValue(cell("text", "Őze Ödön")));
        QCOMPARE(second[1], QJsonValue(cell("number", -7)));
        QCOMPARE(second[2], QJsonValue(cell("number", 0.1)));
        QCOMPARE(second[3], QJsonValue(cell("date", "1999-01-02 13:04:05")));
        const QJsonArray third = got[3].toArray();
        QCOMPARE(third[0].toObject()["v"].toString(), longText);
        QCOMPARE(third[2], QJsonValue(cell("number", 1e15)));
        QCOMPARE(third[3], QJsonValue(cell("date", "0000-00-00 07:05:00")));
        QCOMPARE(third[4], QJsonValue(cell("text", "x")));
        if (Spreadsheet::Format(format) == Spreadsheet::Format::Xls) {
            // The header in bold Arial 10 (200 twentieths of a point).
            for (const QJsonValue &b : sheet["bold"].toArray())
                QCOMPARE(b.toArray(), (QJsonArray{1, "Arial", 200}));
        }
    }

    void manyUniqueTextsAndRowsBeyondOneSheet()
    {
        // The old format holds 65 536 rows a sheet; the rest goes on further
        // sheets, each with its own header row.
        QTemporaryDir dir;
        const QString path = dir.filePath("sok.xls");
        const int count = 70000;
        int row = 0;
        Spreadsheet::write(path, Spreadsheet::Format::Xls, {"Sor", "Név"}, [&](std::vector<QVariant> &values) {
            if (row >= count)
                return false;
            ++row;
            values = {row, QString("Tag %1 ő").arg(row)};
            return true;
        });
        const QJsonArray sheets = readBack(path);
        QCOMPARE(sheets.size(), 2);
        QCOMPARE(sheets[1].toObject()["name"].toString(), QString("Munka2"));
        const QJsonArray first = sheets[0].toObject()["rows"].toArray();
        const QJsonArray next = sheets[1].toObject()["rows"].toArray();
        QCOMPARE(first.size(), 65536);
        QCOMPARE(next.size(), count - 65535 + 1);
        QCOMPARE(next[0].toArray()[1], QJsonValue(cell("text", "Név")));
        QCOMPARE(first[65535].toArray()[1], QJsonValue(cell("text", "Tag 65535 ő")));
        QCOMPARE(next[1].toArray()[1], QJsonValue(cell("text", "Tag 65536 ő")));
        QCOMPARE(next.last().toArray(), (QJsonArray{cell("number", count), cell("text", "Tag 70000 ő")}));
    }

    void unwritableFileThrowsAndLeavesNothing_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("xls") << int(Spreadsheet::Format::Xls);
        QTest::newRow("xlsx") << int(Spreadsheet::Format::Xlsx);
    }
    void unwritableFileThrowsAndLeavesNothing()
    {
        QFETCH(int, format);
        QTemporaryDir dir;
        const QString missing = dir.filePath("nincs/ilyen.xls");
        QVERIFY_THROWS_EXCEPTION(VornError, Spreadsheet::write(missing, Spreadsheet::Format(format), {"a"},
                                                                rowsOf({{1}})));
        // A folder in the file's place: nothing is written beside it either.
        const QString folder = dir.filePath("mappa.xls");
        QVERIFY(QDir().mkpath(folder));
        try {
            Spreadsheet::write(folder, Spreadsheet::Format(format), {"a"}, rowsOf({{1}}));
            QFAIL("a folder was overwritten");
        } catch (const VornError &e) {
            QVERIFY2(e.message().contains("mappa.xls"), qPrintable(e.message()));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"mappa.xls"});
    }

    void existingFileIsReplaced()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("regi.xlsx");
        for (int n : {1, 2}) {
            Spreadsheet::write(path, Spreadsheet::Format::Xlsx, {"n"}, rowsOf({{n}}));
            QCOMPARE(readBack(path)[0].toObject()["rows"].toArray()[1].toArray()[0], QJsonValue(cell("number", n)));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"regi.xlsx"});
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheet)
#include "tst_io_spreadsheet.moc"
