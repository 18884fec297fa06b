#pragma once
// A data set is what a window holds open: a table in an index order, or a query
// with parameters. Its rows are kept in memory in that order (reloaded on open,
// after a post or a delete and when the filter changes); it has a current row
// and, for tables, the states browse / insert / edit with an edit buffer.
#include "foundation/Schema.h"
#include "platform/db/Database.h"
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <vector>

class DataSet;

// The values of one row (a stored row or the edit buffer), read by name.
class Record {
public:
    Record(const DataSet &ds, const std::vector<QVariant> &values) : m_ds(ds), m_values(values) {}
    QVariant value(const QString &field) const;

private:
    const DataSet &m_ds;
    const std::vector<QVariant> &m_values;
};

class DataSet : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Insert, Edit };
    enum LocateOption { Exact = 0, CaseInsensitive = 1, PartialKey = 2 };
    Q_DECLARE_FLAGS(LocateOptions, LocateOption)

    struct Column {
        QString name;
        Schema::Type type = Schema::Type::Text;
        int width = 0;
        QString label;         // display label; the name unless set
        bool stored = true;    // false for derived fields
        bool readOnly = false; // auto-increment keys and derived fields
        bool isText() const { return type == Schema::Type::Text || type == Schema::Type::Memo; }
    };

    explicit DataSet(QObject *parent = nullptr, QString connection = Db::Regiszter);
    ~DataSet() override;

    // A table of the schema in an order: a field list ("Ugyfel_nev", "Ugyfel;doknev")
    // or the name of a secondary order ("idx_datum_desc"); empty means the key.
    // The table's derived fields are added.
    void setTable(const QString &table, const QString &order = {});
    // A read-only query; parameters are named (:d1) and bound, never pasted.
    void setQuery(const QString &sql, const QVariantMap &params = {});
    void setParam(const QString &name, const QVariant &value);
    // A record filter: comparisons "field=value", "field>='...'" joined by and/or,
    // with parentheses. Throws DbError for an expression it cannot read.
    // Takes effect at once when open.
    void setFilter(const QString &filter);
    QString filter() const { return m_filter; }
    // A calculated field, computed from the row whenever it is read.
    void addCalculatedField(const QString &name, Schema::Type type,
                            std::function<QVariant(const Record &)> calc);

    void open(); // throws DbError
    void close();
    void refresh(); // reloads, keeping the current row when it still exists
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Insert || m_state == State::Edit; }
    QString tableName() const { return m_table ? m_table->name : QString(); }
    QString order() const { return m_order; }

    // Navigation. Rows are numbered from 0; recNo() is 1-based (0 when empty).
    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    int currentRow() const { return m_current; }
    int recNo() const { return m_current + 1; }
    void first();
    void last();
    void next();
    void prior();
    void moveTo(int row);
    bool eof() const { return m_rows.empty() || m_eof; }
    bool bof() const { return m_rows.empty() || m_bof; }

    // Fields: the stored ones in table order, then the derived and calculated ones.
    const std::vector<Column> &columns() const { return m_columns; }
    int fieldIndex(const QString &field) const; // letter case ignored; -1 when absent
    QStringList fieldNames() const;
    void setDisplayLabel(const QString &field, const QString &label);
    QString displayLabel(const QString &field) const;

    // Values of the current row, or of the edit buffer while inserting or editing.
    QVariant value(const QString &field) const;
    QVariant value(int fieldIndex) const;
    QVariant valueAt(int row, int fieldIndex) const;
    QVariant valueAt(int row, const QString &field) const;
    // Reads the values of every row not read yet in one ordered pass, for
    // walks over the whole set (exports, reports).
    void fetchAll();
    Record record() const;

    // Moves to the first row whose field matches; false (current row kept) when none.
    bool locate(const QString &field, const QVariant &value, LocateOptions options = Exact);
    // Incremental search over the current order, whose first field must be `field`:
    // moves to the first row (in that order) whose text begins with `prefix`,
    // letter case ignored. Binary search, so it stays fast on large tables.
    bool seekPrefix(const QString &field, const QString &prefix);

    // Editing (tables only). insert() starts a new row with nulls; edit() on an
    // empty table starts a new row too. post() stores the row in one committed
    // transaction and throws DbError with the storage's message on failure,
    // leaving the state and the edit buffer as they were.
    void insert();
    void edit();
    void setValue(const QString &field, const QVariant &value);
    void post();
    void cancel();
    void remove(); // deletes the current row; throws DbError on failure

signals:
    void currentChanged(); // the current row moved (also after a reload)
    void dataReset();      // the rows were reloaded
    void stateChanged();
    void bufferChanged(const QString &field); // a value of the edit buffer was set

private:
    struct Row {
        qint64 rowid = 0;
        std::vector<QVariant> values; // stored fields only
    };
    void load(qint64 keepRowid);
    void loadQuery(std::vector<Row> &rows);
    void dropQueryColumns();
    void setCurrent(int row, bool force = false);
    QVariant derivedValue(int column, const std::vector<QVariant> &values) const;
    QString selectSql() const;
    QString valuesSql() const;
    QString fetchSql() const;
    const std::vector<QVariant> &rowValues(int row) const;
    QVariant toStorage(int column, const QVariant &v) const;
    void requireTable() const;

    QString m_connection;
    const Schema::Table *m_table = nullptr;
    QString m_order;
    QStringList m_orderFields;
    bool m_orderDescending = false;
    QString m_sql;
    QVariantMap m_params;
    QString m_filter;
    QString m_filterSql;
    QVariantList m_filterBinds;
    std::vector<Column> m_columns;
    // Where each column's value lives in a row: its slot in Row::values (stored
    // fields, then lookups read with the row), or -1 for a calculated column.
    std::vector<int> m_slots;
    std::vector<Schema::Type> m_slotTypes;
    int m_storedCount = 0;
    int m_valueCount = 0;
    std::vector<std::function<QVariant(const Record &)>> m_calc; // per column; set for calculated ones
    mutable std::vector<Row> m_rows;                             // a table's row values are read on first use
    mutable std::unique_ptr<Db::Statement> m_fetch;
    int m_current = -1;
    bool m_eof = true;
    bool m_bof = true;
    State m_state = State::Inactive;
    std::vector<QVariant> m_buffer;
    qint64 m_editRowid = 0;
    friend class Record;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DataSet::LocateOptions)

// The status text of list windows: row count, ": ", current position ("12: 3").
QString PozicioSzoveg(const DataSet &ds);

// The incremental search of a list ordered by field: moves to the first row, in
// that order, whose text begins with text (letter case ignored) or, for an integer
// field, whose value equals text read as a whole number. Text that is no whole
// number finds nothing there; false when nothing was found (current row kept).
bool searchInOrder(DataSet &ds, const QString &field, const QString &text);
