#pragma once
// The one way to reach a data folder's database. Every connection gets the
// Hungarian collation HU, Unicode upper()/lower() and the durability settings.
#include "foundation/Error.h"
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

struct sqlite3;
struct sqlite3_stmt;

// An error of the storage, with its message in Hungarian.
class DbError : public VornError {
public:
    using VornError::VornError;
};

namespace Db {

inline constexpr const char *Regiszter = "regiszter";
inline constexpr const char *FileName = "vorn.sqlite";

QString databaseFile(const QString &dataFolder);

// Opens the connection `name` on dataFolder/vorn.sqlite, closing it first if it
// is open. Never creates the file: a missing file, a file that is not a database
// or one locked beyond the busy timeout throws DbError.
void open(const QString &dataFolder, const QString &name = Regiszter);
// Creates a new, empty database file and opens the connection on it.
void create(const QString &dataFolder, const QString &name = Regiszter);
void close(const QString &name = Regiszter);
bool isOpen(const QString &name = Regiszter);
QSqlDatabase connection(const QString &name = Regiszter);
sqlite3 *handle(const QString &name = Regiszter);

// One prepared statement on a connection, for the data layer's own reading.
class Statement {
public:
    Statement(const QString &sql, const QString &name = Regiszter);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    void bind(const QVariantList &params);  // by position, named parameters in order of appearance
    void bind(const QVariantMap &params);   // named parameters (:d1); unknown names are skipped
    void bindAt(int index, const QVariant &value);  // 1-based
    void reset();  // ready to run again with new values
    bool step();                            // true while there is a row; throws DbError
    QVariant column(int i) const;           // integer, real, text, blob or null as stored
    int columnCount() const;
    QString columnName(int i) const;
    struct sqlite3_stmt *raw() const { return m_stmt; }
    void release();  // finalizes it; called when its connection closes

private:
    void require() const;
    QString m_name;
    sqlite3 *m_db;
    struct sqlite3_stmt *m_stmt;
};

// Runs one statement with positional (?) or named (:name) parameters; throws DbError.
void exec(const QString &sql, const QVariantList &params = {}, const QString &name = Regiszter);
// First column of the first row; a null QVariant when there is no row.
QVariant scalar(const QString &sql, const QVariantList &params = {}, const QString &name = Regiszter);

// A consistent copy of the whole database into a new file, taken while other
// workstations may be writing. Throws DbError.
void backup(const QString &file, const QString &name = Regiszter);

// Several statements as one transaction: all of them are stored or none.
class Transaction {
public:
    explicit Transaction(const QString &name = Regiszter);
    ~Transaction();  // rolls back unless committed
    void commit();

private:
    QString m_name;
    bool m_done = false;
};

// The storage's message for the last error of the connection, in Hungarian.
QString lastMessage(sqlite3 *db);

// Hungarian alphabetical order: Hungarian letters (cs, dz, dzs, gy, ly, ny, sz,
// ty, zs) and vowel order, letter case and accents only as tie-breakers, equal
// only when identical. The collation HU of the storage is this function.
int compareHu(QStringView a, QStringView b);
// Order of the first letters only (case and accents ignored): the comparison
// incremental search uses to find the first row not before a prefix.
int comparePrimaryHu(QStringView a, QStringView b);
// True when text begins with prefix, letter case ignored.
bool startsWithHu(QStringView text, QStringView prefix);

} // namespace Db

// KovetkezoAzon: the largest value of field in table plus one; 1 for an empty table.
int KovetkezoAzon(const QString &table, const QString &field, const QString &connection = Db::Regiszter);
