#include "foundation/Formats.h"

#include <cmath>

namespace Formats {

const QLocale &hungarian()
{
    static const QLocale locale(QLocale::Hungarian, QLocale::Hungary);
    return locale;
}

QString date(const QDate &d)
{
    return d.toString(QLatin1String(ShortDate));
}

QString reportDate(const QDate &d)
{
    return d.toString(QLatin1String(ReportDate));
}

QString time(const QTime &t)
{
    return t.toString(QLatin1String(LongTime));
}

QString dateTime(const QDateTime &dt)
{
    if (!dt.isValid())
        return {};
    return date(dt.date()) + u' ' + time(dt.time());
}

QString general(double value)
{
    return QString::number(value, 'g', 15).replace(u'.', u',');
}

QString grouped(qint64 value)
{
    // The locale groups with a no-break space; the pattern asks for a blank.
    return hungarian().toString(value).replace(QChar::Nbsp, u' ');
}

bool parseReal(const QString &text, double *value)
{
    bool ok = false;
    const double v = QString(text).replace(u',', u'.').toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

QDate parseDate(const QString &text)
{
    // Day and month may be typed without their leading zero.
    const QString t = text.trimmed();
    for (const char *format : {"yyyy. M. d.", "yyyy.M.d", "yyyy-M-d"}) {
        const QDate d = QDate::fromString(t, QLatin1String(format));
        if (d.isValid())
            return d;
    }
    return {};
}

} // namespace Formats
