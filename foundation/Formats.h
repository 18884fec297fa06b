#pragma once
// Hungarian formats of dates, times and numbers, whatever the machine's locale.
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace Formats {

inline constexpr const char *ShortDate = "yyyy. MM. dd.";   // what windows show
inline constexpr const char *ReportDate = "yyyy.MM.dd";     // what reports print
inline constexpr const char *LongTime = "H:mm:ss";
inline constexpr const char *StorageDate = "yyyy-MM-dd";
inline constexpr const char *StorageTime = "HH:mm:ss";
inline constexpr const char *StorageTimestamp = "yyyy-MM-dd HH:mm:ss";

// Hungarian locale: decimal comma, space as thousands separator.
const QLocale &hungarian();

QString date(const QDate &d);           // "2026. 12. 11."
QString reportDate(const QDate &d);     // "2026.12.11"
QString time(const QTime &t);           // "9:05:00"
QString dateTime(const QDateTime &dt);  // short date, blank, long time
// General format: as many decimals as needed (at most 15 significant digits),
// decimal comma, no thousands separator. 2.5 -> "2,5", 3.0 -> "3".
QString general(double value);
// Integer grouped by threes with blanks, the pattern "### ### ##0".
QString grouped(qint64 value);
// Parses a number typed with a decimal comma (a point is accepted too).
bool parseReal(const QString &text, double *value);
// Parses a date typed as "yyyy. MM. dd.", "yyyy.MM.dd" or "yyyy-MM-dd".
QDate parseDate(const QString &text);

} // namespace Formats
