#include "platform/db/DataFolder.h"

#include "foundation/Schema.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

static void initSeedData() { Q_INIT_RESOURCE(data); }

namespace DataFolder {
namespace {

using Schema::Type;

QString quoted(const QString &name) { return '"' + name + '"'; }

// One column: its storage type, the collation of texts and the checks that make
// the storage refuse what the layout does not allow, each named after its rule.
QString columnSql(const Schema::Table &t, const Schema::Field &f)
{
    const QString q = quoted(f.name);
    const QString rule = t.name + "." + f.name + ": ";
    const auto check = [&](const QString &what, const QString &cond) {
        return QStringLiteral(" CONSTRAINT \"%1%2\" CHECK(%3)").arg(rule, what, cond);
    };
    const bool key = t.key.contains(f.name);
    switch (f.type) {
    case Type::AutoInc:
        return q + " INTEGER PRIMARY KEY AUTOINCREMENT" +
               check("32 bites egész szám", q + " BETWEEN -2147483648 AND 2147483647");
    case Type::Integer:
        return q + " INTEGER" + (key ? " NOT NULL" : "") +
               check("32 bites egész szám", q + " BETWEEN -2147483648 AND 2147483647");
    case Type::Real:
        return q + " REAL";
    case Type::Date:
        return q + " TEXT" + check("dátum (éééé-hh-nn)", q + " IS NULL OR date(" + q + ", '+0 days') IS " + q);
    case Type::Time:
        return q + " TEXT" + check("időpont (óó:pp:mm)", q + " IS NULL OR time(" + q + ") IS " + q);
    case Type::Timestamp:
        return q + " TEXT" + check("időbélyeg (éééé-hh-nn óó:pp:mm)", q + " IS NULL OR datetime(" + q + ", '+0 days') IS " + q);
    case Type::Text:
    case Type::Memo: {
        QString sql = q + " TEXT COLLATE HU" + (key ? " NOT NULL" : "");
        if (f.width > 0)
            sql += check(QStringLiteral("legfeljebb %1 karakter").arg(f.width),
                         QStringLiteral("length(%1) <= %2").arg(q).arg(f.width));
        return sql;
    }
    }
    return q;
}

void loadPostalCodes(const QString &connection)
{
    initSeedData();
    QFile file(":/data/irsz.csv");
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Hiányzik az irányítószámok listája."));
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    in.readLine();  // header irsz;varos
    Db::Statement st("INSERT INTO irsz (Id, irsz, varos) VALUES (?, ?, ?)", connection);
    int id = 0;
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(';');
        if (parts.size() != 2)
            continue;
        st.bind({++id, parts[0].trimmed(), parts[1].trimmed()});
        st.step();
        st.reset();
    }
}

} // namespace

QStringList createTableSql(const Schema::Table &t)
{
    QStringList cols;
    bool autoKey = false;
    for (const Schema::Field &f : t.fields) {
        cols << columnSql(t, f);
        autoKey = autoKey || f.type == Type::AutoInc;
    }
    if (!autoKey) {
        QStringList key;
        for (const QString &k : t.key)
            key << quoted(k);
        cols << "PRIMARY KEY (" + key.join(", ") + ")";
    }
    return {"CREATE TABLE " + quoted(t.name) + " (\n  " + cols.join(",\n  ") + "\n) STRICT"};
}

QStringList createIndexSql(const Schema::Table &t)
{
    QStringList out;
    for (const Schema::Index &ix : t.indexes) {
        QStringList fields;
        for (const QString &f : ix.fields)
            fields << quoted(f) + (ix.descending ? " DESC" : "");
        out << "CREATE INDEX " + quoted(ix.name) + " ON " + quoted(t.name) + " (" + fields.join(", ") + ")";
    }
    return out;
}

void create(const QString &folder, const QString &connection)
{
    if (!QDir().mkpath(folder))
        throw DbError(QStringLiteral("A mappa nem hozható létre: %1").arg(QDir::toNativeSeparators(folder)));
    Db::create(folder, connection);
    try {
        Db::Transaction tr(connection);
        for (const Schema::Table &t : Schema::tables()) {
            for (const QString &sql : createTableSql(t) + createIndexSql(t))
                Db::exec(sql, {}, connection);
        }
        loadPostalCodes(connection);
        Db::exec("INSERT INTO felhasznalo (felhasznalo, felhasznalo_nev, jelszo, rendszergazda, torzsszerkeszt) "
                 "VALUES (?, ?, ?, 'I', 'I')",
                 {DefaultUser, QStringLiteral("Rendszergazda"), DefaultPassword}, connection);
        Db::exec("INSERT INTO beallit (vanbelep, m1, m2, m3, m4, m5, m6) VALUES ('I', ?, ?, ?, ?, ?, ?)",
                 {QStringLiteral("anyja neve"), QStringLiteral("MOHOSZ lap"), QStringLiteral("csónakkikötő"),
                  QStringLiteral("fog.napló"), QStringLiteral("törv.képv."), QStringLiteral("horgászhely")},
                 connection);
        Db::exec("INSERT INTO tulajdonos (tulajdonos) VALUES (?)", {QStringLiteral("Horgászegyesület")}, connection);
        tr.commit();
    } catch (...) {
        // Leave no half-made database behind.
        Db::close(connection);
        QFile::remove(Db::databaseFile(folder));
        throw;
    }
}

} // namespace DataFolder
