#pragma once
// Spreadsheet files of one sheet: a header row of labels and typed rows, in the
// old binary format (.xls) or the modern one (.xlsx).
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
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

// Writes the sheet to path (replaces an existing file); throws VornError with
// a Hungarian message naming the file and the reason when it cannot be
// written. Never leaves a half-written file.
void write(const QString &path, Format format, const QStringList &headers, const NextRow &next,
           const Progress &progress = {});

} // namespace Spreadsheet
