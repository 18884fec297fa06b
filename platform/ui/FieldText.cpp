#include "platform/ui/FieldText.h"

#include "foundation/Formats.h"
#include "foundation/Seged.h"

#include <QDateTime>
#include <limits>

QString fieldText(const QVariant &value) { return NullSzoveg(value, QString()); }

bool parseFieldText(Schema::Type type, const QString &text, QVariant &value, QString &error)
{
    value = QVariant();
    const bool isText = type == Schema::Type::Text || type == Schema::Type::Memo;
    const QString t = text.trimmed();
    if (isText ? text.isEmpty() : t.isEmpty())
        return true;
    const QString quoted = QLatin1Char('\'') + text + QLatin1Char('\'');
    switch (type) {
    case Schema::Type::Text:
    case Schema::Type::Memo:
        value = text;
        return true;
    case Schema::Type::Integer:
    case Schema::Type::AutoInc: {
        bool ok = false;
        const qlonglong n = t.toLongLong(&ok);
        if (ok && n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max()) {
            value = int(n);
            return true;
        }
        error = quoted + QStringLiteral(" nem érvényes egész szám.");
        return false;
    }
    case Schema::Type::Real: {
        double d = 0;
        if (Formats::parseReal(t, &d)) {
            value = d;
            return true;
        }
        error = quoted + QStringLiteral(" nem érvényes szám.");
        return false;
    }
    case Schema::Type::Date: {
        const QDate d = Formats::parseDate(t);
        if (d.isValid()) {
            value = d;
            return true;
        }
        error = quoted + QStringLiteral(" nem érvényes dátum.");
        return false;
    }
    case Schema::Type::Time: {
        QTime tm = QTime::fromString(t, QString::fromLatin1(Formats::LongTime));
        if (!tm.isValid())
            tm = QTime::fromString(t, QStringLiteral("H:mm"));
        if (tm.isValid()) {
            value = tm;
            return true;
        }
        error = quoted + QStringLiteral(" nem érvényes időpont.");
        return false;
    }
    case Schema::Type::Timestamp: {
        const QString format = QString::fromLatin1(Formats::ShortDate) + QLatin1Char(' ') +
                               QString::fromLatin1(Formats::LongTime);
        const QDateTime dt = QDateTime::fromString(t, format);
        if (dt.isValid()) {
            value = dt;
            return true;
        }
        error = quoted + QStringLiteral(" nem érvényes dátum és időpont.");
        return false;
    }
    }
    return false;
}
