#pragma once
// Spreadsheet files: a header row of labels in bold Arial 10 and typed rows in
// Arial 10, in the old binary format (.xls) or the modern one (.xlsx). The
// sheets are "Munka1", "Munka2" ...: a sheet holds at most 65 536 (.xls) or
// 1 048 576 (.xlsx) rows, and the records past that go on the next sheet under
// a header row of its own. A text cell keeps at most 32 767 characters, the
// limit of both formats; the rest is cut. Dates before 1 March 1900 (where the
// spreadsheets' day numbers are off by the fictitious 29 February 1900) go out
// as text in the short Hungarian form.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

namespace Spreadsheet {

enum class Format { Xls, Xlsx };

// Fills `values` with the next row's cells (one per header) and returns true,
// or returns false at the end. Cell values: null/invalid QVariant -> empty cell;
// int, qint64, uint, double -> number; QDate -> date cell; QTime -> time cell;
// QDateTime -> date-time cell; anything else -> text (QVariant::toString()).
using NextRow = std::function<bool(std::vector<QVariant> &values)>;
// Called after each written row with the number of rows written so far.
using Progress = std::function<void(int rowsWritten)>;

// The format a file name asks for: ".xls" or ".xlsx" in any letter case;
// none for other names.
std::optional<Format> formatOf(const QString &fileName);

// Writes the sheets to path (replaces an existing file); throws VornError
// (foundation/Error.h) with a Hungarian message naming the file and the reason
// when it cannot be written, and lets through what next throws. Never leaves a
// half-written file: the previous one stays until the new one is complete.
// Values past the last header are ignored; .xls takes at most 256 columns.
void write(const QString &path, Format format, const QStringList &headers, const NextRow &next,
           const Progress &progress = {});

} // namespace Spreadsheet
