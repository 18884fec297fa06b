#include "platform/db/DataSet.h"
#include "platform/db/Filter.h"

#include "foundation/Formats.h"

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QTime>
#include <algorithm>
#include <sqlite3.h>
#include <unordered_map>

using Schema::Type;

namespace {

QString quoted(const QString &name)
{
    return '"' + name + '"';
}

int digits(const char *p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return -1;
        v = v * 10 + (p[i] - '0');
    }
    return v;
}

// Stored texts of the date types back to Qt values; anything else stays as it is.
QVariant readTyped(sqlite3_stmt *st, int i, Type type)
{
    const int kind = sqlite3_column_type(st, i);
    if (kind == SQLITE_NULL)
        return QVariant();
    if (kind == SQLITE_TEXT && (type == Type::Date || type == Type::Time || type == Type::Timestamp)) {
        const char *p = reinterpret_cast<const char *>(sqlite3_column_text(st, i));
        const int n = sqlite3_column_bytes(st, i);
        if (type == Type::Date && n == 10) {
            const QDate d(digits(p, 4), digits(p + 5, 2), digits(p + 8, 2));
            if (d.isValid())
                return d;
        } else if (type == Type::Time && n == 8) {
            const QTime t(digits(p, 2), digits(p + 3, 2), digits(p + 6, 2));
            if (t.isValid())
                return t;
        } else if (type == Type::Timestamp && n == 19) {
            const QDate d(digits(p, 4), digits(p + 5, 2), digits(p + 8, 2));
            const QTime t(digits(p + 11, 2), digits(p + 14, 2), digits(p + 17, 2));
            if (d.isValid() && t.isValid())
                return QDateTime(d, t);
        }
        return QString::fromUtf8(p, n);
    }
    switch (kind) {
    case SQLITE_INTEGER: {
        const qint64 v = sqlite3_column_int64(st, i);
        return v == qint64(int(v)) ? QVariant(int(v)) : QVariant(v);
    }
    case SQLITE_FLOAT:
        return sqlite3_column_double(st, i);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, i)),
                                 sqlite3_column_bytes(st, i));
    default:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(st, i)), sqlite3_column_bytes(st, i));
    }
}

bool sameValue(const QVariant &a, const QVariant &b, DataSet::LocateOptions options)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    const int ta = a.metaType().id();
    const bool numeric = ta == QMetaType::Int || ta == QMetaType::LongLong || ta == QMetaType::Double;
    if (numeric) {
        bool ok = false;
        const double other = b.toDouble(&ok);
        return ok && a.toDouble() == other;
    }
    if (ta == QMetaType::QDate && b.metaType().id() == QMetaType::QDate)
        return a.toDate() == b.toDate();
    const QString sa = a.toString(), sb = b.toString();
    const Qt::CaseSensitivity cs =
        options.testFlag(DataSet::CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    return options.testFlag(DataSet::PartialKey) ? sa.startsWith(sb, cs) : sa.compare(sb, cs) == 0;
}

} // namespace

QVariant Record::value(const QString &field) const
{
    const int i = m_ds.fieldIndex(field);
    if (i < 0)
        throw DbError(QStringLiteral("Ismeretlen mező: %1").arg(field));
    return m_ds.derivedValue(i, m_values);
}

DataSet::DataSet(QObject *parent, QString connection) : QObject(parent), m_connection(std::move(connection))
{
}

DataSet::~DataSet() = default;

void DataSet::requireTable() const
{
    if (!m_table)
        throw DbError(QStringLiteral("A lekérdezés eredménye nem szerkeszthető."));
}

void DataSet::setTable(const QString &table, const QString &order)
{
    close();
    m_table = Schema::table(table);
    if (!m_table)
        throw DbError(QStringLiteral("Ismeretlen tábla: %1").arg(table));
    m_sql.clear();
    m_params.clear();
    m_order = order;
    m_orderDescending = false;
    if (order.isEmpty()) {
        m_orderFields = m_table->key;
    } else if (const Schema::Index *ix = m_table->index(order)) {
        m_orderFields = ix->fields;
        m_orderDescending = ix->descending;
    } else {
        m_orderFields = order.split(';', Qt::SkipEmptyParts);
    }
    for (QString &f : m_orderFields) {
        const Schema::Field *fd = m_table->field(f.trimmed());
        if (!fd)
            throw DbError(QStringLiteral("Ismeretlen rendezési mező: %1").arg(f));
        f = fd->name;
    }

    m_columns.clear();
    m_slots.clear();
    m_slotTypes.clear();
    m_calc.clear();
    for (const Schema::Field &f : m_table->fields) {
        m_slotTypes.push_back(f.type);
        m_columns.push_back({f.name, f.type, f.width, f.name, true, f.type == Type::AutoInc});
        m_slots.push_back(int(m_slots.size()));
        m_calc.emplace_back();
    }
    m_storedCount = int(m_table->fields.size());
    int slot = m_storedCount;
    for (const Schema::Derived &d : m_table->derived) {
        m_columns.push_back({d.name, d.type, d.width, d.name, false, true});
        if (d.kind == Schema::Derived::Kind::Lookup) {
            m_slotTypes.push_back(d.type);
            m_slots.push_back(slot++);
            m_calc.emplace_back();
            continue;
        }
        m_slots.push_back(-1);
        const QStringList sources = d.sources;
        if (d.kind == Schema::Derived::Kind::FlagName) {
            m_calc.emplace_back([sources](const Record &r) {
                return QVariant(r.value(sources[0]).toString() == QLatin1String("I") ? QStringLiteral("Igen")
                                                                                     : QStringLiteral("Nem"));
            });
        } else {
            m_calc.emplace_back([sources](const Record &r) {
                double sum = 0;
                for (const QString &s : sources)
                    sum += r.value(s).toDouble();
                return QVariant(sum);
            });
        }
    }
    m_valueCount = slot;
}

void DataSet::setQuery(const QString &sql, const QVariantMap &params)
{
    close();
    m_table = nullptr;
    m_sql = sql;
    m_params = params;
    m_order.clear();
    m_orderFields.clear();
    m_columns.clear();
    m_slots.clear();
    m_calc.clear();
    m_storedCount = 0;
    m_valueCount = 0;
}

void DataSet::setParam(const QString &name, const QVariant &value)
{
    m_params.insert(name, value);
}

void DataSet::setFilter(const QString &filter)
{
    m_filter = filter.trimmed();
    if (isOpen()) {
        load(m_current >= 0 ? m_rows[size_t(m_current)].rowid : 0);
    } else if (m_table && !m_filter.isEmpty()) {
        // Read it now, so a broken expression is reported where it was set.
        Filter::translate(m_filter, *this, QStringLiteral("t."));
    }
}

void DataSet::addCalculatedField(const QString &name, Type type, std::function<QVariant(const Record &)> calc)
{
    m_columns.push_back({name, type, 0, name, false, true});
    m_slots.push_back(-1);
    m_calc.push_back(std::move(calc));
}

void DataSet::open()
{
    if (isOpen())
        close();
    if (!m_table && m_sql.isEmpty())
        throw DbError(QStringLiteral("Nincs megadva tábla vagy lekérdezés."));
    m_state = State::Browse;
    try {
        load(0);
    } catch (...) {
        m_state = State::Inactive;
        throw;
    }
    emit stateChanged();
}

void DataSet::close()
{
    if (m_state == State::Inactive)
        return;
    m_fetch.reset();
    m_rows.clear();
    m_buffer.clear();
    m_current = -1;
    m_state = State::Inactive;
    if (!m_table)
        dropQueryColumns(); // learned anew at the next open
    emit dataReset();
    emit stateChanged();
}

void DataSet::refresh()
{
    if (!isOpen())
        return;
    if (isEditing())
        throw DbError(QStringLiteral("A sor szerkesztése folyamatban van."));
    load(m_current >= 0 ? m_rows[size_t(m_current)].rowid : 0);
}

// The rows of a table are kept as their rowids in order; a row's values are
// read when it is first asked for, so opening and reloading a large table only
// walks its index.
QString DataSet::selectSql() const
{
    QString sql = "SELECT t.rowid FROM " + quoted(m_table->name) + " t";
    if (!m_filterSql.isEmpty())
        sql += " WHERE " + m_filterSql;
    QStringList order;
    for (const QString &f : m_orderFields)
        order << "t." + quoted(f) + (m_orderDescending ? " DESC" : "");
    order << QStringLiteral("t.rowid");
    return sql + " ORDER BY " + order.join(", ");
}

// The stored fields and the lookups read with a row, from the table as t.
QString DataSet::valuesSql() const
{
    QStringList cols;
    for (const Schema::Field &f : m_table->fields)
        cols << "t." + quoted(f.name);
    for (const Schema::Derived &d : m_table->derived)
        if (d.kind == Schema::Derived::Kind::Lookup)
            cols << QStringLiteral("(SELECT l.%1 FROM %2 l WHERE l.%3 = t.%4 LIMIT 1)")
                        .arg(quoted(d.lookupResult), quoted(d.lookupTable), quoted(d.lookupKey),
                             quoted(d.sources[0]));
    return "SELECT " + cols.join(", ") + ", t.rowid FROM " + quoted(m_table->name) + " t";
}

QString DataSet::fetchSql() const
{
    return valuesSql() + " WHERE t.rowid = ?";
}

void DataSet::fetchAll()
{
    if (!m_table || m_valueCount == 0 || !isOpen())
        return;
    // The same order and filter as the row list, so rows normally match one by
    // one; a row written elsewhere since the last load is found by its rowid.
    QString sql = valuesSql();
    if (!m_filterSql.isEmpty())
        sql += " WHERE " + m_filterSql;
    const QString select = selectSql();
    sql += select.mid(select.indexOf(QLatin1String(" ORDER BY ")));
    Db::Statement st(sql, m_connection);
    const Filter::Translation f = Filter::translate(m_filter, *this, QStringLiteral("t."));
    for (int i = 0; i < f.binds.size(); ++i)
        st.bindAt(i + 1, f.binds[i]);
    sqlite3_stmt *raw = st.raw();
    std::unordered_map<qint64, size_t> byRowid;
    size_t pos = 0;
    while (st.step()) {
        const qint64 rowid = sqlite3_column_int64(raw, m_valueCount);
        size_t index = pos++;
        if (index >= m_rows.size() || m_rows[index].rowid != rowid) {
            if (byRowid.empty())
                for (size_t i = 0; i < m_rows.size(); ++i)
                    byRowid.emplace(m_rows[i].rowid, i);
            const auto it = byRowid.find(rowid);
            if (it == byRowid.end())
                continue;
            index = it->second;
        }
        Row &r = m_rows[index];
        if (!r.values.empty())
            continue;
        r.values.reserve(size_t(m_valueCount));
        for (int c = 0; c < m_valueCount; ++c)
            r.values.push_back(readTyped(raw, c, m_slotTypes[size_t(c)]));
    }
}

const std::vector<QVariant> &DataSet::rowValues(int row) const
{
    Row &r = m_rows[size_t(row)];
    if (!r.values.empty() || m_valueCount == 0)
        return r.values;
    if (!m_fetch)
        m_fetch = std::make_unique<Db::Statement>(fetchSql(), m_connection);
    m_fetch->reset();
    m_fetch->bindAt(1, r.rowid);
    r.values.reserve(size_t(m_valueCount));
    if (m_fetch->step()) {
        sqlite3_stmt *raw = m_fetch->raw();
        for (int c = 0; c < m_valueCount; ++c)
            r.values.push_back(readTyped(raw, c, m_slotTypes[size_t(c)]));
    } else {
        r.values.assign(size_t(m_valueCount), QVariant()); // deleted meanwhile elsewhere
    }
    m_fetch->reset();
    return r.values;
}

void DataSet::load(qint64 keepRowid)
{
    const int oldIndex = m_current;
    m_fetch.reset();
    std::vector<Row> rows;
    if (m_table) {
        const Filter::Translation f = Filter::translate(m_filter, *this, QStringLiteral("t."));
        m_filterSql = f.sql;
        Db::Statement st(selectSql(), m_connection);
        for (int i = 0; i < f.binds.size(); ++i)
            st.bindAt(i + 1, f.binds[i]);
        sqlite3_stmt *raw = st.raw();
        rows.reserve(1024);
        while (st.step())
            rows.push_back({sqlite3_column_int64(raw, 0), {}});
    } else {
        loadQuery(rows);
    }
    m_rows = std::move(rows);
    int index = -1;
    if (keepRowid != 0)
        for (size_t i = 0; i < m_rows.size(); ++i)
            if (m_rows[i].rowid == keepRowid) {
                index = int(i);
                break;
            }
    if (index < 0 && !m_rows.empty())
        index = std::clamp(oldIndex, 0, int(m_rows.size()) - 1);
    m_current = index;
    m_bof = m_eof = m_rows.empty();
    emit dataReset();
    emit currentChanged();
}

// Keeps only the calculated columns of a query; the others come from its statement.
void DataSet::dropQueryColumns()
{
    std::vector<Column> columns;
    std::vector<std::function<QVariant(const Record &)>> calcs;
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_slots[i] < 0) {
            columns.push_back(m_columns[i]);
            calcs.push_back(m_calc[i]);
        }
    m_columns = std::move(columns);
    m_calc = std::move(calcs);
    m_slots.assign(m_columns.size(), -1);
    m_storedCount = 0;
    m_valueCount = 0;
}

void DataSet::loadQuery(std::vector<Row> &rows)
{
    // A query learns its columns from the statement; a column taken straight from
    // a table of the layout keeps that field's type (dates come back as dates).
    // Display labels set on the columns stay across a reload.
    QHash<QString, QString> labels;
    for (const Column &c : m_columns)
        labels.insert(c.name.toLower(), c.label);
    dropQueryColumns();
    const std::vector<Column> calcColumns = m_columns;
    const auto calcs = m_calc;
    m_columns.clear();
    m_slots.clear();
    m_slotTypes.clear();
    m_calc.clear();
    {
        Db::Statement probe(m_sql, m_connection);
        sqlite3_stmt *raw = probe.raw();
        for (int i = 0; i < probe.columnCount(); ++i) {
            Column c;
            c.name = probe.columnName(i);
            c.label = labels.value(c.name.toLower(), c.name);
            c.readOnly = true;
            const char *table = sqlite3_column_table_name(raw, i);
            const char *origin = sqlite3_column_origin_name(raw, i);
            const Schema::Table *t = table ? Schema::table(QString::fromUtf8(table)) : nullptr;
            const Schema::Field *f = t && origin ? t->field(QString::fromUtf8(origin)) : nullptr;
            if (f) {
                c.type = f->type;
                c.width = f->width;
            } else {
                const char *decl = sqlite3_column_decltype(raw, i);
                const QString d = decl ? QString::fromUtf8(decl).toUpper() : QString();
                c.type = d.contains("INT") ? Type::Integer : d.contains("REAL") ? Type::Real : Type::Text;
            }
            m_columns.push_back(c);
            m_slotTypes.push_back(c.type);
            m_slots.push_back(i);
            m_calc.emplace_back();
        }
    }
    m_storedCount = int(m_columns.size());
    m_valueCount = m_storedCount;
    for (size_t i = 0; i < calcColumns.size(); ++i) {
        m_columns.push_back(calcColumns[i]);
        m_slots.push_back(-1);
        m_calc.push_back(calcs[i]);
    }

    QString sql = m_sql.trimmed();
    while (sql.endsWith(';'))
        sql.chop(1);
    QVariantList binds;
    if (!m_filter.isEmpty()) {
        const Filter::Translation f = Filter::translate(m_filter, *this, QStringLiteral("q."));
        sql = "SELECT * FROM (" + sql + ") q WHERE " + f.sql;
        binds = f.binds;
    }
    Db::Statement st(sql, m_connection);
    st.bind(m_params);
    // Filter values follow the query's own named parameters.
    const int first = sqlite3_bind_parameter_count(st.raw()) - int(binds.size());
    for (int i = 0; i < binds.size(); ++i)
        st.bindAt(first + i + 1, binds[i]);
    sqlite3_stmt *raw = st.raw();
    qint64 n = 0;
    while (st.step()) {
        Row r;
        r.rowid = ++n;
        r.values.reserve(size_t(m_valueCount));
        for (int c = 0; c < m_valueCount; ++c)
            r.values.push_back(readTyped(raw, c, m_slotTypes[size_t(c)]));
        rows.push_back(std::move(r));
    }
}

void DataSet::setCurrent(int row, bool force)
{
    if (isEditing())
        throw DbError(QStringLiteral("A sor szerkesztése folyamatban van."));
    if (m_rows.empty())
        return;
    row = std::clamp(row, 0, int(m_rows.size()) - 1);
    if (row == m_current && !force)
        return;
    m_current = row;
    emit currentChanged();
}

void DataSet::first()
{
    setCurrent(0);
    m_bof = true;
    m_eof = m_rows.empty();
}

void DataSet::last()
{
    setCurrent(int(m_rows.size()) - 1);
    m_eof = true;
    m_bof = m_rows.empty();
}

void DataSet::next()
{
    m_bof = false;
    if (m_current + 1 >= int(m_rows.size())) {
        m_eof = true;
        return;
    }
    setCurrent(m_current + 1);
}

void DataSet::prior()
{
    m_eof = false;
    if (m_current <= 0) {
        m_bof = true;
        return;
    }
    setCurrent(m_current - 1);
}

void DataSet::moveTo(int row)
{
    m_bof = m_eof = false;
    setCurrent(row);
}

int DataSet::fieldIndex(const QString &field) const
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

QStringList DataSet::fieldNames() const
{
    QStringList names;
    for (const Column &c : m_columns)
        names << c.name;
    return names;
}

void DataSet::setDisplayLabel(const QString &field, const QString &label)
{
    const int i = fieldIndex(field);
    if (i >= 0)
        m_columns[size_t(i)].label = label;
}

QString DataSet::displayLabel(const QString &field) const
{
    const int i = fieldIndex(field);
    return i < 0 ? QString() : m_columns[size_t(i)].label;
}

QVariant DataSet::derivedValue(int column, const std::vector<QVariant> &values) const
{
    const int slot = m_slots[size_t(column)];
    if (slot >= 0)
        return size_t(slot) < values.size() ? values[size_t(slot)] : QVariant();
    return m_calc[size_t(column)] ? m_calc[size_t(column)](Record(*this, values)) : QVariant();
}

QVariant DataSet::value(int fieldIndex) const
{
    if (fieldIndex < 0 || fieldIndex >= int(m_columns.size()))
        return QVariant();
    if (isEditing())
        return derivedValue(fieldIndex, m_buffer);
    if (m_current < 0)
        return QVariant();
    return derivedValue(fieldIndex, rowValues(m_current));
}

QVariant DataSet::value(const QString &field) const
{
    const int i = fieldIndex(field);
    if (i < 0)
        throw DbError(QStringLiteral("Ismeretlen mező: %1").arg(field));
    return value(i);
}

QVariant DataSet::valueAt(int row, int fieldIndex) const
{
    if (row < 0 || row >= int(m_rows.size()) || fieldIndex < 0 || fieldIndex >= int(m_columns.size()))
        return QVariant();
    return derivedValue(fieldIndex, rowValues(row));
}

QVariant DataSet::valueAt(int row, const QString &field) const
{
    return valueAt(row, fieldIndex(field));
}

Record DataSet::record() const
{
    static const std::vector<QVariant> none;
    if (isEditing())
        return Record(*this, m_buffer);
    return Record(*this, m_current >= 0 ? rowValues(m_current) : none);
}

bool DataSet::locate(const QString &field, const QVariant &value, LocateOptions options)
{
    const int column = fieldIndex(field);
    if (column < 0)
        throw DbError(QStringLiteral("Ismeretlen mező: %1").arg(field));
    if (m_table && options == Exact && m_columns[size_t(column)].stored) {
        // The storage finds the rows; only their place in the order is looked up here.
        const QString name = quoted(m_columns[size_t(column)].name);
        Db::Statement st(value.isNull()
                             ? "SELECT rowid FROM " + quoted(m_table->name) + " WHERE " + name + " IS NULL"
                             : "SELECT rowid FROM " + quoted(m_table->name) + " WHERE " + name + " = ?",
                         m_connection);
        if (!value.isNull())
            st.bindAt(1, toStorage(column, value));
        QSet<qint64> found;
        while (st.step())
            found.insert(st.column(0).toLongLong());
        for (int r = 0; !found.isEmpty() && r < int(m_rows.size()); ++r)
            if (found.contains(m_rows[size_t(r)].rowid)) {
                moveTo(r);
                return true;
            }
        return false;
    }
    for (int r = 0; r < int(m_rows.size()); ++r)
        if (sameValue(valueAt(r, column), value, options)) {
            moveTo(r);
            return true;
        }
    return false;
}

bool DataSet::seekPrefix(const QString &field, const QString &prefix)
{
    const int column = fieldIndex(field);
    if (column < 0)
        throw DbError(QStringLiteral("Ismeretlen mező: %1").arg(field));
    if (m_rows.empty())
        return false;
    const bool ordered =
        !m_orderDescending && !m_orderFields.isEmpty() &&
        m_orderFields.first().compare(m_columns[size_t(column)].name, Qt::CaseInsensitive) == 0 &&
        m_columns[size_t(column)].isText();
    if (!ordered)
        return locate(field, prefix, CaseInsensitive | PartialKey);

    // The rows are in Hungarian order, so the first row not before the prefix by
    // first letters starts the block of rows that may begin with it; within that
    // block accents still count ("ad" finds "Adorján", not "Ádám").
    const int slot = m_slots[size_t(column)];
    const auto textAt = [&](size_t r) { return rowValues(int(r))[size_t(slot)].toString(); };
    size_t lo = 0, hi = m_rows.size();
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        if (Db::comparePrimaryHu(textAt(mid), prefix) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    for (size_t r = lo; r < m_rows.size(); ++r) {
        const QString text = textAt(r);
        if (Db::comparePrimaryHu(QStringView(text).left(prefix.size()), prefix) != 0)
            break;
        if (Db::startsWithHu(text, prefix)) {
            moveTo(int(r));
            return true;
        }
    }
    return false;
}

void DataSet::insert()
{
    requireTable();
    if (!isOpen())
        throw DbError(QStringLiteral("Az adathalmaz nincs megnyitva."));
    if (isEditing())
        throw DbError(QStringLiteral("A sor szerkesztése folyamatban van."));
    m_buffer.assign(size_t(m_valueCount), QVariant());
    m_editRowid = 0;
    m_state = State::Insert;
    emit stateChanged();
}

void DataSet::edit()
{
    requireTable();
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (m_rows.empty()) {
        insert();
        return;
    }
    m_buffer = rowValues(m_current);
    m_editRowid = m_rows[size_t(m_current)].rowid;
    m_state = State::Edit;
    emit stateChanged();
}

void DataSet::setValue(const QString &field, const QVariant &value)
{
    const int column = fieldIndex(field);
    if (column < 0)
        throw DbError(QStringLiteral("Ismeretlen mező: %1").arg(field));
    if (!isEditing())
        throw DbError(QStringLiteral("A sor nincs szerkesztés alatt."));
    const Column &c = m_columns[size_t(column)];
    if (c.readOnly)
        throw DbError(QStringLiteral("A(z) %1 mező csak olvasható.").arg(c.name));
    // An emptied text is stored as null, as the windows test for null.
    QVariant v = value;
    if (c.isText() && v.metaType().id() == QMetaType::QString && v.toString().isEmpty())
        v = QVariant();
    m_buffer[size_t(column)] = v;
    // Lookups that hang on this field follow it at once.
    QStringList followers;
    int slot = m_storedCount;
    for (const Schema::Derived &d : m_table->derived) {
        if (d.kind != Schema::Derived::Kind::Lookup)
            continue;
        if (d.sources[0].compare(c.name, Qt::CaseInsensitive) == 0) {
            m_buffer[size_t(slot)] =
                v.isNull()
                    ? QVariant()
                    : Db::scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ? LIMIT 1")
                                     .arg(quoted(d.lookupResult), quoted(d.lookupTable), quoted(d.lookupKey)),
                                 {v}, m_connection);
            followers << d.name;
        }
        ++slot;
    }
    emit bufferChanged(c.name);
    for (const QString &f : followers)
        emit bufferChanged(f);
}

QVariant DataSet::toStorage(int column, const QVariant &v) const
{
    if (v.isNull())
        return QVariant();
    const Type type = m_columns[size_t(column)].type;
    const int id = v.metaType().id();
    if (type == Type::Date && id == QMetaType::QString) {
        const QDate d = Formats::parseDate(v.toString());
        return d.isValid() ? QVariant(d) : v; // the storage refuses what is no date
    }
    if (type == Type::Date && id == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v;
}

void DataSet::post()
{
    requireTable();
    if (!isEditing())
        return;
    QStringList names, marks;
    QVariantList binds;
    for (int i = 0; i < m_storedCount; ++i) {
        const Column &c = m_columns[size_t(i)];
        if (c.type == Type::AutoInc)
            continue;
        names << quoted(c.name);
        marks << (m_state == State::Insert ? QStringLiteral("?") : quoted(c.name) + " = ?");
        binds << toStorage(i, m_buffer[size_t(i)]);
    }
    qint64 rowid = m_editRowid;
    {
        Db::Transaction tr(m_connection);
        if (m_state == State::Insert) {
            Db::exec("INSERT INTO " + quoted(m_table->name) + " (" + names.join(", ") + ") VALUES (" +
                         marks.join(", ") + ")",
                     binds, m_connection);
            rowid = sqlite3_last_insert_rowid(Db::handle(m_connection));
        } else {
            binds << m_editRowid;
            Db::exec("UPDATE " + quoted(m_table->name) + " SET " + marks.join(", ") + " WHERE rowid = ?",
                     binds, m_connection);
            if (sqlite3_changes(Db::handle(m_connection)) == 0)
                throw DbError(QStringLiteral("A sort időközben egy másik munkaállomás törölte."));
        }
        tr.commit();
    }
    m_state = State::Browse;
    m_buffer.clear();
    load(rowid);
    emit stateChanged();
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    m_state = State::Browse;
    m_buffer.clear();
    emit stateChanged();
    emit currentChanged();
}

void DataSet::remove()
{
    requireTable();
    if (isEditing())
        throw DbError(QStringLiteral("A sor szerkesztése folyamatban van."));
    if (m_current < 0)
        return;
    {
        Db::Transaction tr(m_connection);
        Db::exec("DELETE FROM " + quoted(m_table->name) + " WHERE rowid = ?",
                 {m_rows[size_t(m_current)].rowid}, m_connection);
        tr.commit();
    }
    load(0);
}

QString PozicioSzoveg(const DataSet &ds)
{
    if (ds.isEmpty())
        return QString();
    return QStringLiteral("%1: %2").arg(ds.recordCount()).arg(ds.recNo());
}

bool searchInOrder(DataSet &ds, const QString &field, const QString &text)
{
    const int column = ds.fieldIndex(field);
    const Type type = column < 0 ? Type::Text : ds.columns()[size_t(column)].type;
    if (type != Type::Integer && type != Type::AutoInc)
        return ds.seekPrefix(field, text);
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && ds.locate(field, n);
}
