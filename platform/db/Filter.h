#pragma once
// Record filters: "ugyfel=12", "(datum>='2026. 01. 01.') and (datum<='2026. 01. 31.')".
// An expression is read into an SQL condition with bound values; nothing of the
// text is pasted into the statement but the field names, which must be fields
// of the data set.
#include <QString>
#include <QVariantList>

class DataSet;

namespace Filter {

struct Translation {
    QString sql;  // empty when the filter is empty
    QVariantList binds;
};

// qualifier is put before each field name ("t."). Throws DbError for an
// expression it cannot read or a field the data set does not have.
Translation translate(const QString &filter, const DataSet &ds, const QString &qualifier);

} // namespace Filter
