#include "platform/db/Database.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QTime>
#include <QUrl>
#include <cstring>
#include <sqlite3.h>
#include <unicode/ucol.h>

namespace Db {
namespace {

constexpr int BusyTimeoutMs = 8000;

// Statements alive per connection: closing a connection finalizes them first,
// so the file is really closed and a later use reports the closed connection.
QHash<QString, QSet<Statement *>> &liveStatements()
{
    static QHash<QString, QSet<Statement *>> live;
    return live;
}

// Hungarian collators: tertiary for the stored order, primary for prefix search.
UCollator *collator(UCollationStrength strength)
{
    UErrorCode status = U_ZERO_ERROR;
    UCollator *c = ucol_open("hu_HU", &status);
    if (U_FAILURE(status))
        qFatal("Hungarian collation is not available");
    ucol_setStrength(c, strength);
    return c;
}

UCollator *tertiary()
{
    static UCollator *c = collator(UCOL_TERTIARY);
    return c;
}

UCollator *primary()
{
    static UCollator *c = collator(UCOL_PRIMARY);
    return c;
}

int collateHu(void *, int lenA, const void *a, int lenB, const void *b)
{
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(tertiary(), static_cast<const char *>(a), lenA,
                                                static_cast<const char *>(b), lenB, &status);
    if (U_SUCCESS(status) && r != UCOL_EQUAL)
        return r == UCOL_LESS ? -1 : 1;
    // Equal only when identical: the bytes decide what the collator calls equal.
    const int n = std::min(lenA, lenB);
    const int c = std::memcmp(a, b, size_t(n));
    if (c != 0)
        return c < 0 ? -1 : 1;
    return lenA < lenB ? -1 : (lenA > lenB ? 1 : 0);
}

void caseFunction(sqlite3_context *ctx, int, sqlite3_value **argv, bool upper)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const QString s = QString::fromUtf8(text, sqlite3_value_bytes(argv[0]));
    const QByteArray out = (upper ? s.toUpper() : s.toLower()).toUtf8();
    sqlite3_result_text(ctx, out.constData(), int(out.size()), SQLITE_TRANSIENT);
}

void upperFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv) { caseFunction(ctx, argc, argv, true); }
void lowerFunction(sqlite3_context *ctx, int argc, sqlite3_value **argv) { caseFunction(ctx, argc, argv, false); }

void check(sqlite3 *db, int rc)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw DbError(lastMessage(db));
}

// Collation, functions and durability settings of every connection.
void prepare(sqlite3 *db)
{
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    check(db, sqlite3_create_collation_v2(db, "HU", SQLITE_UTF8, nullptr, collateHu, nullptr));
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    check(db, sqlite3_create_function_v2(db, "upper", 1, flags, nullptr, upperFunction, nullptr, nullptr, nullptr));
    check(db, sqlite3_create_function_v2(db, "lower", 1, flags, nullptr, lowerFunction, nullptr, nullptr, nullptr));
    // The first statements touch the file: a file that is no database or a
    // lock held beyond the busy timeout surfaces here.
    check(db, sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; "
                               "SELECT count(*) FROM sqlite_master;",
                           nullptr, nullptr, nullptr));
}

void openConnection(const QString &dataFolder, const QString &name, bool createFile)
{
    close(name);
    const QString file = databaseFile(dataFolder);
    if (!createFile && !QFileInfo(file).isFile())
        throw DbError(QStringLiteral("Az adatbázis fájl nem található: %1").arg(QDir::toNativeSeparators(file)));
    if (createFile && QFileInfo::exists(file))
        throw DbError(QStringLiteral("Az adatbázis fájl már létezik: %1").arg(QDir::toNativeSeparators(file)));

    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        // mode=rw never creates a file, so a vanished network drive cannot give an empty database.
        QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
        url.setQuery(createFile ? "mode=rwc" : "mode=rw");
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
        if (!db.open())
            failure = (db.lastError().driverText() + " " + db.lastError().databaseText()).trimmed();
    }
    if (!failure.isNull()) {
        QSqlDatabase::removeDatabase(name);
        throw DbError(QStringLiteral("Az adatbázis nem nyitható meg: %1").arg(failure));
    }
    try {
        prepare(handle(name));
    } catch (...) {
        close(name);
        throw;
    }
}

sqlite3_stmt *prepareStatement(sqlite3 *db, const QString &sql)
{
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK) {
        const QString msg = lastMessage(db);
        sqlite3_finalize(stmt);
        throw DbError(msg);
    }
    return stmt;
}

} // namespace

QString databaseFile(const QString &dataFolder) { return QDir(dataFolder).filePath(FileName); }

void open(const QString &dataFolder, const QString &name) { openConnection(dataFolder, name, false); }
void create(const QString &dataFolder, const QString &name) { openConnection(dataFolder, name, true); }

void close(const QString &name)
{
    for (Statement *st : liveStatements().take(name))
        st->release();
    if (!QSqlDatabase::contains(name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

bool isOpen(const QString &name) { return QSqlDatabase::contains(name) && QSqlDatabase::database(name, false).isOpen(); }

QSqlDatabase connection(const QString &name) { return QSqlDatabase::database(name, false); }

sqlite3 *handle(const QString &name)
{
    if (!isOpen(name))
        throw DbError(QStringLiteral("Nincs nyitott adatbázis kapcsolat."));
    const QVariant h = connection(name).driver()->handle();
    return *static_cast<sqlite3 *const *>(h.data());
}

static void bindValue(sqlite3 *db, sqlite3_stmt *stmt, int index, const QVariant &v)
{
    int rc = SQLITE_OK;
    if (!v.isValid() || v.isNull()) {
        rc = sqlite3_bind_null(stmt, index);
    } else {
        switch (v.metaType().id()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::Long:
            rc = sqlite3_bind_int64(stmt, index, v.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt, index, v.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob(stmt, index, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            QString s;
            if (v.metaType().id() == QMetaType::QDate)
                s = v.toDate().toString(Qt::ISODate);
            else if (v.metaType().id() == QMetaType::QTime)
                s = v.toTime().toString("HH:mm:ss");
            else if (v.metaType().id() == QMetaType::QDateTime)
                s = v.toDateTime().toString("yyyy-MM-dd HH:mm:ss");
            else
                s = v.toString();
            const QByteArray u = s.toUtf8();
            rc = sqlite3_bind_text(stmt, index, u.constData(), int(u.size()), SQLITE_TRANSIENT);
        }
        }
    }
    check(db, rc);
}

Statement::Statement(const QString &sql, const QString &name)
    : m_name(name), m_db(handle(name)), m_stmt(prepareStatement(m_db, sql))
{
    liveStatements()[m_name].insert(this);
}

Statement::~Statement()
{
    if (m_stmt)
        liveStatements()[m_name].remove(this);
    release();
}

void Statement::release()
{
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
}

void Statement::require() const
{
    if (!m_stmt)
        throw DbError(QStringLiteral("Nincs nyitott adatbázis kapcsolat."));
}

void Statement::bind(const QVariantList &params)
{
    require();
    for (int i = 0; i < params.size(); ++i)
        bindValue(m_db, m_stmt, i + 1, params[i]);
}

void Statement::bind(const QVariantMap &params)
{
    require();
    for (auto it = params.begin(); it != params.end(); ++it) {
        const QByteArray name = ":" + it.key().toUtf8();
        const int index = sqlite3_bind_parameter_index(m_stmt, name.constData());
        if (index > 0)
            bindValue(m_db, m_stmt, index, it.value());
    }
}

void Statement::bindAt(int index, const QVariant &value)
{
    require();
    bindValue(m_db, m_stmt, index, value);
}

void Statement::reset()
{
    require();
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

bool Statement::step()
{
    require();
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw DbError(lastMessage(m_db));
}

QVariant Statement::column(int i) const
{
    switch (sqlite3_column_type(m_stmt, i)) {
    case SQLITE_INTEGER: {
        const qint64 v = sqlite3_column_int64(m_stmt, i);
        return v == qint64(int(v)) ? QVariant(int(v)) : QVariant(v);
    }
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, i);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, i)),
                                 sqlite3_column_bytes(m_stmt, i));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(m_stmt, i)), sqlite3_column_bytes(m_stmt, i));
    default:
        return QVariant();
    }
}

int Statement::columnCount() const { return sqlite3_column_count(m_stmt); }

QString Statement::columnName(int i) const { return QString::fromUtf8(sqlite3_column_name(m_stmt, i)); }

void exec(const QString &sql, const QVariantList &params, const QString &name)
{
    Statement st(sql, name);
    st.bind(params);
    while (st.step()) {
    }
}

QVariant scalar(const QString &sql, const QVariantList &params, const QString &name)
{
    Statement st(sql, name);
    st.bind(params);
    return st.step() ? st.column(0) : QVariant();
}

// Other workstations may be writing meanwhile, and a copy of the file taken
// then can hold half a transaction. The backup reads the database under one
// shared lock, waiting out a writer's commit within the busy timeout, so the
// copy is the state of one moment.
void backup(const QString &file, const QString &name)
{
    sqlite3 *dest = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(file).constData(), &dest,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const auto fail = [dest] {
        const QString msg = lastMessage(dest);
        sqlite3_close(dest);
        throw DbError(msg);
    };
    if (rc != SQLITE_OK)
        fail();
    sqlite3_backup *copy = sqlite3_backup_init(dest, "main", handle(name), "main");
    if (!copy)
        fail();
    const int step = sqlite3_backup_step(copy, -1);
    sqlite3_backup_finish(copy);  // leaves the step's error, a lock held too long included, on dest
    if (step != SQLITE_DONE)
        fail();
    sqlite3_close(dest);
}

Transaction::Transaction(const QString &name) : m_name(name) { exec("BEGIN IMMEDIATE", {}, m_name); }

Transaction::~Transaction()
{
    if (!m_done && isOpen(m_name))
        sqlite3_exec(handle(m_name), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    exec("COMMIT", {}, m_name);
    m_done = true;
}

QString lastMessage(sqlite3 *db)
{
    const QString raw = QString::fromUtf8(sqlite3_errmsg(db));
    const int code = sqlite3_extended_errcode(db);
    const auto after = [&raw](const char *prefix) { return raw.mid(raw.indexOf(prefix) + int(strlen(prefix))).trimmed(); };
    switch (code) {
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_UNIQUE:
        return QStringLiteral("Ismétlődő kulcs: ilyen %1 már van a táblában.").arg(after("failed:"));
    case SQLITE_CONSTRAINT_CHECK:
        // Every check of the layout is named after the rule it guards.
        return QStringLiteral("Érvénytelen érték: %1.").arg(after("failed:"));
    case SQLITE_CONSTRAINT_NOTNULL:
        return QStringLiteral("Hiányzó kötelező érték: %1.").arg(after("failed:"));
    case SQLITE_CONSTRAINT_DATATYPE: {
        static const QRegularExpression re("cannot store (\\w+) value in (\\w+) column (\\S+)");
        const auto m = re.match(raw);
        if (m.hasMatch()) {
            const QString want = m.captured(2) == "INTEGER" ? QStringLiteral("egész számot")
                                 : m.captured(2) == "REAL"  ? QStringLiteral("számot")
                                                            : QStringLiteral("szöveget");
            return QStringLiteral("Hibás típusú érték: a(z) %1 mező %2 vár.").arg(m.captured(3), want);
        }
        return QStringLiteral("Hibás típusú érték.");
    }
    default:
        break;
    }
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Az adatbázist egy másik munkaállomás használja (zárolva); próbálja újra később.");
    case SQLITE_NOTADB:
        return QStringLiteral("A fájl nem adatbázis, vagy sérült.");
    case SQLITE_CORRUPT:
        return QStringLiteral("Az adatbázis fájl sérült.");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Az adatbázis fájl nem nyitható meg.");
    case SQLITE_READONLY:
        return QStringLiteral("Az adatbázis csak olvasható.");
    case SQLITE_FULL:
        return QStringLiteral("Betelt a lemez; a változás nem tárolható.");
    case SQLITE_IOERR:
        return QStringLiteral("Írási vagy olvasási hiba az adatbázis fájlban.");
    default:
        return raw;
    }
}

int compareHu(QStringView a, QStringView b)
{
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcoll(tertiary(), reinterpret_cast<const UChar *>(a.utf16()), int32_t(a.size()),
                                            reinterpret_cast<const UChar *>(b.utf16()), int32_t(b.size()));
    Q_UNUSED(status)
    if (r != UCOL_EQUAL)
        return r == UCOL_LESS ? -1 : 1;
    // Same tie-breaker as the storage: the UTF-8 bytes.
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    const int c = std::memcmp(ua.constData(), ub.constData(), size_t(std::min(ua.size(), ub.size())));
    if (c != 0)
        return c < 0 ? -1 : 1;
    return ua.size() < ub.size() ? -1 : (ua.size() > ub.size() ? 1 : 0);
}

int comparePrimaryHu(QStringView a, QStringView b)
{
    const UCollationResult r = ucol_strcoll(primary(), reinterpret_cast<const UChar *>(a.utf16()), int32_t(a.size()),
                                            reinterpret_cast<const UChar *>(b.utf16()), int32_t(b.size()));
    return r == UCOL_EQUAL ? 0 : (r == UCOL_LESS ? -1 : 1);
}

bool startsWithHu(QStringView text, QStringView prefix) { return text.startsWith(prefix, Qt::CaseInsensitive); }

} // namespace Db

int KovetkezoAzon(const QString &table, const QString &field, const QString &connection)
{
    const QVariant max = Db::scalar("SELECT MAX(" + field + ") AS maxazon FROM " + table + ";", {}, connection);
    return max.isNull() ? 1 : max.toInt() + 1;
}
