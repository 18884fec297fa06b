#pragma once
// The binary spreadsheet format of Excel 97-2003 (.xls): BIFF8 records in the
// stream "Workbook" of an OLE2 compound document. Cells are gathered in memory
// (texts go to the shared string table, which precedes the sheets in the file)
// and written in one go.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

class QIODevice;

namespace Biff8 {

constexpr int MaxRows = 65536;
constexpr int MaxColumns = 256;
constexpr int MaxText = 32767; // characters (UTF-16 units) in one cell

// Every style is Arial 10; the header is bold, the three date kinds carry the
// number formats given to the workbook.
enum class Style { Body, Header, Date, Time, DateTime };

class Workbook {
public:
    Workbook(const QString &dateFormat, const QString &timeFormat, const QString &dateTimeFormat);

    // Starts a new sheet; the rows and cells below go to it. Names are at most
    // 31 characters.
    void addSheet(const QString &name);
    // Rows in ascending order, each before its cells; the cells of a row left to
    // right, within [firstColumn, endColumn).
    void row(int row, int firstColumn, int endColumn);
    void number(int row, int column, double value, Style style);
    void text(int row, int column, const QString &value, Style style); // at most MaxText characters

    // Writes the compound document; false when the device refuses.
    bool write(QIODevice &out) const;

private:
    struct Sheet {
        QString name;
        QByteArray cells; // ROW and cell records
        int endRow = 0;
        int endColumn = 0;
    };
    QByteArray globals(std::vector<qsizetype> &sheetOffsetFields) const;
    QByteArray sheetStart(const Sheet &sheet) const;
    QByteArray sheetEnd(bool first) const;

    QString m_formats[3];
    std::vector<Sheet> m_sheets;
    QHash<QString, quint32> m_stringIndex;
    std::vector<QString> m_strings;
    quint32 m_stringRefs = 0;
};

} // namespace Biff8
