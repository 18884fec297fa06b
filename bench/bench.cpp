// vorn_bench: times the work users wait for on large data folders, each figure
// beside a baseline measured in the same run with the raw sqlite3 C API on a
// separate read-only connection, so that the ratio means something on a noisy
// machine.
//
//   vorn_bench [--sizes 10000,100000] [--reps N]
//
// Every data folder is synthetic: made by DataFolder::create in a temporary
// folder and filled with members in one transaction.
#include "foundation/Error.h"
#include "foundation/Schema.h"
#include "platform/db/DataFolder.h"
#include "platform/db/DataSet.h"
#include "platform/db/Database.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "platform/ui/MessageBoxes.h"
#include "output/Grid2Html.h"
#include "output/Hatarolt.h"
#include "output/Kimenet.h"
#include "output/rptUgyfel.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportOutput.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

const char *const Connection = "bench";

// ---------------------------------------------------------------- synthetic data

const char *const FamilyNames[] = {
    "Kovács",  "Nagy",    "Tóth",      "Szabó",  "Horváth", "Varga",   "Kiss",     "Molnár",  "Németh",
    "Farkas",  "Balogh",  "Papp",      "Takács", "Juhász",  "Lakatos", "Mészáros", "Oláh",    "Simon",
    "Rácz",    "Fekete",  "Szilágyi",  "Török",  "Fehér",   "Balázs",  "Gál",      "Kis",     "Szűcs",
    "Kocsis",  "Orsós",   "Pintér",    "Fodor",  "Szalai",  "Sipos",   "Magyar",   "Lukács",  "Gulyás",
    "Biró",    "Király",  "Balog",     "László", "Bogdán",  "Jakab",   "Katona",   "Sándor",  "Váradi",
    "Boros",   "Fazekas", "Kelemen",   "Antal",  "Orosz",   "Somogyi", "Fülöp",    "Veres",   "Vincze",
    "Hegedűs", "Budai",   "Deák",      "Pap",    "Bálint",  "Pál",     "Illés",    "Vörös",   "Vass",
    "Bakos",   "Csonka",  "Csizmadia", "Ördög",  "Őri",     "Ábrahám", "Csóka",    "Czakó",   "Zsigmond",
    "Gyurkó",  "Nyári",   "Tyukodi",   "Ujvári", "Ürge",    "Ötvös",   "Éles",     "Ézsiás",  "Dzsida",
    "Lengyel", "Halász",  "Szekeres",  "Bognár", "Kozma",   "Pásztor", "Máté",     "Szénási", "Hajdu",
    "Dobos",   "Mohácsi", "Erdős",     "Heller", "Lévai",   "Győri",
};

const char *const MaleNames[] = {
    "László", "István", "József", "János",   "Zoltán", "Sándor", "Gábor", "Ferenc", "Attila",
    "Péter",  "Tamás",  "Zsolt",  "Tibor",   "András", "Csaba",  "Imre",  "Lajos",  "György",
    "Balázs", "Róbert", "Mihály", "Béla",    "Gyula",  "Károly", "Ádám",  "Dávid",  "Norbert",
    "Ödön",   "Örs",    "Ákos",   "Szilárd", "Győző",  "Elemér", "Dezső", "Miklós", "Levente",
};

const char *const FemaleNames[] = {
    "Mária", "Erzsébet", "Katalin", "Éva",       "Ilona", "Anna",    "Zsuzsanna", "Margit",    "Judit",
    "Ágnes", "Andrea",   "Erika",   "Krisztina", "Edit",  "Mónika",  "Eszter",    "Gabriella", "Szilvia",
    "Anita", "Csilla",   "Zsófia",  "Gyöngyi",   "Nóra",  "Orsolya", "Tünde",     "Ildikó",    "Júlia",
};

struct Town {
    const char *irsz;
    const char *varos;
};
const Town Towns[] = {
    {"6000", "Kecskemét"},
    {"6720", "Szeged"},
    {"4024", "Debrecen"},
    {"7621", "Pécs"},
    {"9021", "Győr"},
    {"3525", "Miskolc"},
    {"8000", "Székesfehérvár"},
    {"5000", "Szolnok"},
    {"2400", "Dunaújváros"},
    {"8200", "Veszprém"},
    {"6500", "Baja"},
    {"2600", "Vác"},
    {"8900", "Zalaegerszeg"},
    {"5600", "Békéscsaba"},
    {"3300", "Eger"},
    {"7400", "Kaposvár"},
    {"6800", "Hódmezővásárhely"},
    {"2030", "Érd"},
    {"4400", "Nyíregyháza"},
    {"9700", "Szombathely"},
};

const char *const Streets[] = {
    "Petőfi Sándor u.", "Kossuth Lajos u.", "Rákóczi út",     "Dózsa György u.", "Ady Endre u.",
    "József Attila u.", "Szabadság tér",    "Arany János u.", "Béke u.",         "Fő u.",
    "Széchenyi tér",    "Hunyadi u.",       "Jókai Mór u.",   "Bem József u.",   "Tisza-part",
};

const char *const Waters[] = {"Holt-Tisza", "Nagy-tó", "Kis-tó", "Duna-ág", "Csatorna", "Kavicsbánya"};

const char *const Remarks[] = {
    "Tagdíjhátralék rendezve.",   "Versenyen indul.",        "Vízőr.",
    "Ifjúsági tábor szervezője.", "Címváltozás bejelentve.", "Fogási naplót pótolta.",
};

struct Type {
    int key;
    const char *name;
    int szin;
};
const Type Types[] = {
    {1, "Felnőtt", -1},
    {2, "Ifjúsági", 0xC0FFC0},
    {3, "Gyermek", 0xFFE0C0},
    {4, "Nyugdíjas", 0xC0C0FF},
    {5, "Tiszteletbeli", 0x80FFFF},
    {6, "Kedvezményes", -1},
    {7, "Pártoló", 0xE0E0E0},
    {8, "Vendég", 1},
};

template <typename T, size_t N> constexpr size_t count(const T (&)[N])
{
    return N;
}

class Generator {
public:
    explicit Generator(unsigned seed) : m_rng(seed) {}

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T, size_t N> const T &pick(const T (&list)[N]) { return list[between(0, int(N) - 1)]; }

    std::string date(int fromYear, int toYear)
    {
        const QDate from(fromYear, 1, 1);
        const QDate d = from.addDays(between(0, int(from.daysTo(QDate(toYear, 12, 31)))));
        return d.toString(Qt::ISODate).toStdString();
    }
    std::string digits(int n)
    {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += char('0' + between(0, 9));
        return s;
    }
    std::string letters(int n)
    {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += char('A' + between(0, 25));
        return s;
    }
    std::string memberName(bool female)
    {
        std::string s = pick(FamilyNames);
        s += ' ';
        s += female ? pick(FemaleNames) : pick(MaleNames);
        if (chance(15)) {
            s += ' ';
            s += female ? pick(FemaleNames) : pick(MaleNames);
        }
        return s;
    }

private:
    std::mt19937 m_rng;
};

// Raw statement helper for the generator and the baselines.
class Stmt {
public:
    Stmt(sqlite3 *db, const char *sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            fail(sql);
    }
    ~Stmt() { sqlite3_finalize(m_stmt); }
    Stmt(const Stmt &) = delete;
    Stmt &operator=(const Stmt &) = delete;

    sqlite3_stmt *get() const { return m_stmt; }
    void bind(int i, const std::string &s)
    {
        check(sqlite3_bind_text(m_stmt, i, s.data(), int(s.size()), SQLITE_TRANSIENT));
    }
    void bind(int i, int v) { check(sqlite3_bind_int(m_stmt, i, v)); }
    void bindNull(int i) { check(sqlite3_bind_null(m_stmt, i)); }
    void run()
    {
        if (sqlite3_step(m_stmt) != SQLITE_DONE)
            fail("step");
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    [[noreturn]] void fail(const char *what) const
    {
        throw VornError(QStringLiteral("sqlite3: %1: %2")
                            .arg(QString::fromUtf8(what), QString::fromUtf8(sqlite3_errmsg(m_db))));
    }

private:
    void check(int rc) const
    {
        if (rc != SQLITE_OK)
            fail("bind");
    }
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

void execRaw(sqlite3 *db, const char *sql)
{
    char *msg = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &msg) != SQLITE_OK) {
        const QString text = QString::fromUtf8(msg ? msg : "?");
        sqlite3_free(msg);
        throw VornError(QStringLiteral("sqlite3: %1: %2").arg(QString::fromUtf8(sql), text));
    }
}

// Fills the open connection's ugyfel and tipus tables.
void fillMembers(sqlite3 *db, int members, unsigned seed)
{
    Generator g(seed);
    execRaw(db, "BEGIN IMMEDIATE");
    {
        Stmt tipus(db, "INSERT INTO tipus (Tipus, Tipus_nev, szin) VALUES (?, ?, ?)");
        for (const Type &t : Types) {
            tipus.bind(1, t.key);
            tipus.bind(2, std::string(t.name));
            tipus.bind(3, t.szin);
            tipus.run();
        }

        Stmt ins(db, "INSERT INTO ugyfel (Ugyfel, Ugyfel_nev, Sorszam, Tipus, Szulhely, Dat_szul, Telefon,"
                     " Cim_irsz, Cim_varos, Cim_cim, Szigszam, Horgigszam, Horgvizsga, Horgaszjegy, Tereng,"
                     " Dat_tag, Dat_belep, Dat_kilep, Kizarohat, Megjegyzes, Aktiv, anya, taglap, csonak,"
                     " fognaplo, torvkep, fognaplead, korvednap, horgaszhely, horgaszhelym2)"
                     " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (int i = 1; i <= members; ++i) {
            const bool female = g.chance(30);
            const Town &home = g.pick(Towns);
            const std::string born = g.date(1940, 2016);
            const int bornYear = std::stoi(born.substr(0, 4));
            const int joinYear = std::max(bornYear + 6, g.between(1985, 2024));
            const std::string joined = g.date(std::min(joinYear, 2024), std::min(joinYear, 2024));
            int c = 1;
            ins.bind(c++, i);                    // Ugyfel
            ins.bind(c++, g.memberName(female)); // Ugyfel_nev
            ins.bind(c++, i);                    // Sorszam
            if (g.chance(2))                     // Tipus
                ins.bindNull(c++);
            else
                ins.bind(c++, g.between(1, int(count(Types))));
            ins.bind(c++, std::string(g.pick(Towns).varos)); // Szulhely
            ins.bind(c++, born);                             // Dat_szul
            ins.bind(c++,
                     "+36 " + std::string(g.chance(50) ? "30 " : "20 ") + g.digits(3) + " " + g.digits(4));
            ins.bind(c++, std::string(home.irsz));  // Cim_irsz
            ins.bind(c++, std::string(home.varos)); // Cim_varos
            ins.bind(c++, std::string(g.pick(Streets)) + " " + std::to_string(g.between(1, 180)) + ".");
            ins.bind(c++, g.digits(6) + g.letters(2));                   // Szigszam
            ins.bind(c++, g.digits(2) + "/" + g.digits(6));              // Horgigszam
            ins.bind(c++, std::to_string(joinYear) + "/" + g.digits(4)); // Horgvizsga
            ins.bind(c++, "HJ-" + g.digits(7));                          // Horgaszjegy
            if (g.chance(20))                                            // Tereng
                ins.bind(c++, "TE-" + g.digits(5));
            else
                ins.bindNull(c++);
            ins.bind(c++, joined); // Dat_tag
            ins.bind(c++, joined); // Dat_belep
            const bool left = g.chance(8);
            if (left) // Dat_kilep
                ins.bind(c++, g.date(std::min(joinYear + 1, 2024), 2024));
            else
                ins.bindNull(c++);
            if (g.chance(1)) // Kizarohat
                ins.bind(c++, "VH " + g.digits(2) + "/" + std::to_string(g.between(1995, 2024)));
            else
                ins.bindNull(c++);
            if (g.chance(10)) // Megjegyzes
                ins.bind(c++, std::string(g.pick(Remarks)));
            else
                ins.bindNull(c++);
            ins.bind(c++, std::string(left ? "N" : "I"));                                // Aktiv
            ins.bind(c++, std::string(g.pick(FamilyNames)) + " " + g.pick(FemaleNames)); // anya
            if (g.chance(60))                                                            // taglap
                ins.bind(c++, "M" + g.digits(6));
            else
                ins.bindNull(c++);
            if (g.chance(10)) // csonak
                ins.bind(c++, "Kikötő " + std::to_string(g.between(1, 60)));
            else
                ins.bindNull(c++);
            ins.bind(c++, std::to_string(g.between(2015, 2024)) + "/" + g.digits(5)); // fognaplo
            if (bornYear > 2006)                                                      // torvkep
                ins.bind(c++, std::string(g.pick(FamilyNames)) + " " + g.pick(MaleNames));
            else
                ins.bindNull(c++);
            ins.bind(c++, std::string(g.chance(70) ? "I" : "N")); // fognaplead
            ins.bind(c++, std::string(g.chance(40) ? "I" : "N")); // korvednap
            if (g.chance(15)) {                                   // horgaszhely, horgaszhelym2
                ins.bind(c++, std::string(g.pick(Waters)) + " " + std::to_string(g.between(1, 120)));
                ins.bind(c++, g.between(4, 40));
            } else {
                ins.bindNull(c++);
                ins.bindNull(c++);
            }
            ins.run();
        }
    }
    execRaw(db, "COMMIT");
}

// ---------------------------------------------------------------- timing

double msSince(const QElapsedTimer &t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Result {
    QString what;
    int members;
    double vorn;
    double raw;
    QString note;
};

std::vector<Result> g_results;
volatile unsigned long long g_sink = 0; // keeps the measured reads from being optimised away

void progress(const char *format, ...) __attribute__((format(printf, 1, 2)));
void progress(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fflush(stderr);
}

void report(const QString &what, int members, double vorn, double raw, const QString &note = {})
{
    g_results.push_back({what, members, vorn, raw, note});
    progress("  %s, %d: %.3f ms / %.3f ms\n", what.toUtf8().constData(), members, vorn, raw);
}

void printTable()
{
    std::printf("%-44s %8s %11s %11s %8s\n", "what", "members", "Vorn ms", "sqlite3 ms", "ratio");
    for (const Result &r : g_results)
        std::printf("%-44s %8d %11.4f %11.4f %8.2f%s%s\n", r.what.toUtf8().constData(), r.members, r.vorn,
                    r.raw, r.raw > 0 ? r.vorn / r.raw : 0.0, r.note.isEmpty() ? "" : "  ",
                    r.note.toUtf8().constData());
}

// ---------------------------------------------------------------- raw baseline

int collateHu(void *, int lenA, const void *a, int lenB, const void *b)
{
    return Db::compareHu(QStringView(static_cast<const char16_t *>(a), lenA / 2),
                         QStringView(static_cast<const char16_t *>(b), lenB / 2));
}

class RawConnection {
public:
    explicit RawConnection(const QString &file)
    {
        if (sqlite3_open_v2(file.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            const QString msg = QString::fromUtf8(sqlite3_errmsg(m_db));
            sqlite3_close(m_db);
            throw VornError(QStringLiteral("sqlite3_open_v2: ") + msg);
        }
        if (sqlite3_create_collation_v2(m_db, "HU", SQLITE_UTF16, nullptr, collateHu, nullptr) != SQLITE_OK)
            throw VornError(QStringLiteral("sqlite3_create_collation_v2: ") +
                            QString::fromUtf8(sqlite3_errmsg(m_db)));
    }
    ~RawConnection() { sqlite3_close(m_db); }
    RawConnection(const RawConnection &) = delete;
    RawConnection &operator=(const RawConnection &) = delete;
    sqlite3 *get() const { return m_db; }

private:
    sqlite3 *m_db = nullptr;
};

const char *const OpenSql =
    "SELECT u.*, t.Tipus_nev, t.szin FROM ugyfel u LEFT JOIN tipus t ON t.Tipus=u.Tipus"
    " ORDER BY u.Ugyfel_nev";
const char *const SeekSql = "SELECT rowid FROM ugyfel WHERE Ugyfel_nev >= ? ORDER BY Ugyfel_nev LIMIT 1";

QString queryPlan(sqlite3 *db, const char *sql)
{
    Stmt s(db, (std::string("EXPLAIN QUERY PLAN ") + sql).c_str());
    QStringList parts;
    while (sqlite3_step(s.get()) == SQLITE_ROW)
        parts << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s.get(), 3)));
    return parts.join(QStringLiteral("; "));
}

// Steps through the member list query reading every column; returns the rows.
int rawOpen(sqlite3 *db, unsigned long long &checksum)
{
    Stmt s(db, OpenSql);
    const int columns = sqlite3_column_count(s.get());
    int rows = 0;
    while (sqlite3_step(s.get()) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(s.get(), c)) {
            case SQLITE_INTEGER:
                checksum += static_cast<unsigned long long>(sqlite3_column_int64(s.get(), c));
                break;
            case SQLITE_FLOAT:
                checksum += static_cast<unsigned long long>(sqlite3_column_double(s.get(), c));
                break;
            case SQLITE_TEXT: {
                const unsigned char *text = sqlite3_column_text(s.get(), c);
                const int bytes = sqlite3_column_bytes(s.get(), c);
                checksum += unsigned(bytes) + (bytes ? text[0] : 0u);
                break;
            }
            default:
                break;
            }
        }
        ++rows;
    }
    return rows;
}

// Writes the rows of sql as delimited text: every value as the storage holds
// it, each followed by ';', lines ended by CR LF. Returns the rows.
int rawCsv(sqlite3 *db, const char *sql, const QString &file)
{
    Stmt s(db, sql);
    const int columns = sqlite3_column_count(s.get());
    std::string out;
    int rows = 0;
    while (sqlite3_step(s.get()) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            const unsigned char *text = sqlite3_column_text(s.get(), c);
            if (text)
                out.append(reinterpret_cast<const char *>(text), size_t(sqlite3_column_bytes(s.get(), c)));
            out += ';';
        }
        out += "\r\n";
        ++rows;
    }
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly) || f.write(out.data(), qint64(out.size())) != qint64(out.size()))
        throw VornError(QStringLiteral("cannot write ") + file);
    return rows;
}

int lineCount(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(f.readAll().count('\n'));
}

// Resident memory of the process in MB (Linux; 0 elsewhere).
double residentMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// ---------------------------------------------------------------- benchmarks

// Reads every field (stored, derived) of the first `count` rows (all of them
// when count is negative): a grid's first screen, or an export.
unsigned long long readRows(const DataSet &ds, int count = -1)
{
    unsigned long long checksum = 0;
    const int columns = int(ds.columns().size());
    const int rows = count < 0 ? ds.recordCount() : std::min(count, ds.recordCount());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const QVariant v = ds.valueAt(r, c);
            if (v.typeId() == QMetaType::QString)
                checksum += unsigned(v.toString().size());
            else if (!v.isNull())
                checksum += static_cast<unsigned long long>(v.toLongLong());
        }
    return checksum;
}

// The prefixes typed into the search box: beginnings of family names, in the
// letter case typed, some with the first given name's initial.
std::vector<QString> searchPrefixes()
{
    std::set<QString> unique;
    for (const char *f : FamilyNames) {
        const QString name = QString::fromUtf8(f);
        for (int n = 1; n <= std::min<int>(5, int(name.size())); ++n) {
            unique.insert(name.left(n));
            unique.insert(name.left(n).toLower());
        }
        unique.insert(name + QLatin1String(" "));
        unique.insert(name + QLatin1String(" G"));
        unique.insert(name + QLatin1String(" Zs"));
    }
    unique.insert(QStringLiteral("Xyz")); // no such member: the search ends after the last row
    return {unique.begin(), unique.end()};
}

void benchSize(const QString &root, int members, int reps)
{
    const QString folder = root + QStringLiteral("/data%1").arg(members);

    QElapsedTimer t;
    t.start();
    DataFolder::create(folder, QString::fromLatin1(Connection));
    fillMembers(Db::handle(QString::fromLatin1(Connection)), members, 20240501u + unsigned(members));
    progress("%d members generated in %.0f ms\n", members, msSince(t));

    RawConnection raw(Db::databaseFile(folder));

    // (a) opening the member list in name order, derived fields included.
    std::vector<double> vornOpen, vornScreen, vornOpenRead, rawRead;
    unsigned long long sink = 0;
    int vornRows = 0, rawRows = 0;
    for (int i = 0; i < reps; ++i) {
        {
            t.restart();
            DataSet ds(nullptr, QString::fromLatin1(Connection));
            ds.setTable(QStringLiteral("ugyfel"), QStringLiteral("Ugyfel_nev"));
            ds.open();
            vornOpen.push_back(msSince(t));
            sink += readRows(ds, 40);
            vornScreen.push_back(msSince(t));
            sink += readRows(ds);
            vornOpenRead.push_back(msSince(t));
            vornRows = ds.recordCount();
        }
        t.restart();
        rawRows = rawOpen(raw.get(), sink);
        rawRead.push_back(msSince(t));
    }
    const QString rows = vornRows == rawRows
                             ? QString()
                             : QStringLiteral("ROW COUNTS DIFFER: %1 / %2").arg(vornRows).arg(rawRows);
    report(QStringLiteral("open ugyfel by Ugyfel_nev (order only)"), members, median(vornOpen), median(rawRead), rows);
    report(QStringLiteral("open + first screen (40 rows, derived)"), members, median(vornScreen), median(rawRead),
           rows);
    report(QStringLiteral("open + read every field of every row"), members, median(vornOpenRead),
           median(rawRead), rows);

    // (b) one keystroke of incremental search.
    DataSet ds(nullptr, QString::fromLatin1(Connection));
    ds.setTable(QStringLiteral("ugyfel"), QStringLiteral("Ugyfel_nev"));
    ds.open();
    const std::vector<QString> prefixes = searchPrefixes();
    Stmt seek(raw.get(), SeekSql);
    std::vector<double> vornSeek, rawSeek;
    int wrong = 0;
    ds.seekPrefix(QStringLiteral("Ugyfel_nev"), QStringLiteral("M")); // warm-up
    for (int pass = 0; pass < 3; ++pass) {
        for (const QString &prefix : prefixes) {
            t.restart();
            const bool found = ds.seekPrefix(QStringLiteral("Ugyfel_nev"), prefix);
            vornSeek.push_back(double(t.nsecsElapsed()) / 1e6);
            if (pass == 0 && found) {
                // The row found must match, and the row before it must not.
                const int name = ds.fieldIndex(QStringLiteral("Ugyfel_nev"));
                const int row = ds.currentRow();
                if (!Db::startsWithHu(ds.valueAt(row, name).toString(), prefix) ||
                    (row > 0 && Db::startsWithHu(ds.valueAt(row - 1, name).toString(), prefix)))
                    ++wrong;
            }

            const QByteArray utf8 = prefix.toUtf8();
            t.restart();
            sqlite3_bind_text(seek.get(), 1, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
            if (sqlite3_step(seek.get()) == SQLITE_ROW)
                sink += static_cast<unsigned long long>(sqlite3_column_int64(seek.get(), 0));
            sqlite3_reset(seek.get());
            rawSeek.push_back(double(t.nsecsElapsed()) / 1e6);
        }
    }
    report(QStringLiteral("search keystroke (median of %1 prefixes)").arg(prefixes.size()), members,
           median(vornSeek), median(rawSeek),
           wrong ? QStringLiteral("%1 SEEKS LANDED ON A ROW NOT MATCHING").arg(wrong) : QString());

    // (c) the same keystroke on a list just opened, whose rows were never read.
    std::vector<double> coldSeek;
    for (size_t i = 0; i < prefixes.size() && i < 200; ++i) {
        DataSet fresh(nullptr, QString::fromLatin1(Connection));
        fresh.setTable(QStringLiteral("ugyfel"), QStringLiteral("Ugyfel_nev"));
        fresh.open();
        t.restart();
        fresh.seekPrefix(QStringLiteral("Ugyfel_nev"), prefixes[i * prefixes.size() / 200]);
        coldSeek.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    report(QStringLiteral("search keystroke on a fresh list (median of %1)").arg(coldSeek.size()), members,
           median(coldSeek), median(rawSeek), QString());

    // (d) storing an edited member: one committed transaction and the list reloaded in its order.
    std::vector<double> posts, rawPosts;
    for (int i = 0; i < reps; ++i) {
        ds.moveTo(ds.recordCount() / 2);
        t.restart();
        ds.edit();
        ds.setValue(QStringLiteral("Telefon"), QStringLiteral("06-30-%1").arg(i));
        ds.post();
        posts.push_back(msSince(t));
        t.restart();
        sqlite3 *h = Db::handle(QString::fromLatin1(Connection));
        sqlite3_exec(h, "BEGIN IMMEDIATE; UPDATE ugyfel SET Telefon = Telefon WHERE Ugyfel = 1; COMMIT;", nullptr,
                     nullptr, nullptr);
        rawPosts.push_back(msSince(t));
    }
    report(QStringLiteral("post an edited member (list reloaded)"), members, median(posts), median(rawPosts),
           QString());

    // (e) re-sorting by a column title, (f) the type filter: the list reloaded in
    // its order and the first screen read; beside the bare ordered scan.
    const auto rawScan = [&raw, &sink](const std::string &sql) {
        Stmt st(raw.get(), sql.c_str());
        while (sqlite3_step(st.get()) == SQLITE_ROW)
            sink += static_cast<unsigned long long>(sqlite3_column_int64(st.get(), 0));
    };
    for (const char *field : {"Sorszam", "Ugyfel_nev", "Horgigszam"}) {
        std::vector<double> vorn, base;
        for (int i = 0; i < reps; ++i) {
            t.restart();
            ds.setTable(QStringLiteral("ugyfel"), QString::fromLatin1(field));
            ds.open();
            sink += readRows(ds, 40);
            vorn.push_back(msSince(t));
            t.restart();
            rawScan(std::string("SELECT rowid FROM ugyfel ORDER BY ") + field);
            base.push_back(msSince(t));
        }
        report(QStringLiteral("re-sort by %1 + first screen").arg(QString::fromLatin1(field)), members,
               median(vorn), median(base), QString());
    }
    {
        std::vector<double> vorn, base;
        for (int i = 0; i < reps; ++i) {
            t.restart();
            ds.setFilter(QStringLiteral("tipus=3"));
            sink += readRows(ds, 40);
            vorn.push_back(msSince(t));
            ds.setFilter(QString());
            t.restart();
            rawScan("SELECT rowid FROM ugyfel WHERE Tipus = 3 ORDER BY Ugyfel_nev");
            base.push_back(msSince(t));
        }
        report(QStringLiteral("type filter on + first screen"), members, median(vorn), median(base), QString());
    }

    // (g) moving row by row: the next row's key and its photo looked up, as the
    // detail panel does on every move.
    {
        ds.setTable(QStringLiteral("ugyfel"), QStringLiteral("Ugyfel_nev"));
        ds.open();
        const QString pictures = root + QStringLiteral("/Kepek");
        std::vector<double> vorn, base;
        Stmt byRow(raw.get(), "SELECT Ugyfel FROM ugyfel WHERE rowid = ?");
        for (int r = 0; r < std::min(2000, ds.recordCount()); ++r) {
            t.restart();
            ds.moveTo(r);
            const int key = ds.value(QStringLiteral("Ugyfel")).toInt();
            sink += QFileInfo::exists(pictures + QStringLiteral("/%1.jpg").arg(key, 5, 10, QChar('0'))) ? 1 : 0;
            vorn.push_back(double(t.nsecsElapsed()) / 1e6);
            t.restart();
            sqlite3_bind_int(byRow.get(), 1, r + 1);
            if (sqlite3_step(byRow.get()) == SQLITE_ROW)
                sink += QFileInfo::exists(pictures + QStringLiteral("/%1.jpg").arg(sqlite3_column_int(byRow.get(), 0)))
                            ? 1
                            : 0;
            sqlite3_reset(byRow.get());
            base.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        report(QStringLiteral("move one row + photo lookup (median of %1)").arg(vorn.size()), members, median(vorn),
               median(base), QString());
    }

    // (h) the delimited export of the member list in name order through its
    // dialog (every field, progress bar and stop button live), beside the same
    // rows written as text through the raw API.
    {
        const QString file = root + QStringLiteral("/tagok.csv");
        const QString rawFile = root + QStringLiteral("/raw.csv");
        std::vector<double> vorn, base;
        int rawRows = 0;
        MessageBoxHook::arm();
        for (int i = 0; i < std::min(reps, 3); ++i) {
            DataSet fresh(nullptr, QString::fromLatin1(Connection));
            fresh.setTable(QStringLiteral("ugyfel"), QStringLiteral("Ugyfel_nev"));
            fresh.open();
            t.restart();
            Tfrm_Hatarolt dlg(fresh, file);
            dlg.exportStart();
            vorn.push_back(msSince(t));
            t.restart();
            rawRows = rawCsv(raw.get(), OpenSql, rawFile);
            base.push_back(msSince(t));
        }
        const bool failed = MessageBoxHook::shown().isEmpty() ||
                            !MessageBoxHook::shown().last().text.endsWith(QStringLiteral(" file kész."));
        MessageBoxHook::clear();
        const int lines = lineCount(file);
        report(QStringLiteral("CSV export of the member list (dialog)"), members, median(vorn), median(base),
               failed                 ? QStringLiteral("EXPORT FAILED")
               : lines != rawRows + 1 ? QStringLiteral("LINES %1, ROWS %2").arg(lines).arg(rawRows)
                                      : QString());
    }

    // (i) the HTML page of the member grid, at most 10 000 rows.
    if (members <= 10000) {
        ds.setTable(QStringLiteral("ugyfel"), QStringLiteral("Ugyfel_nev"));
        ds.open();
        GridModel model(&ds);
        model.setColumns({{QStringLiteral("Ugyfel_nev"), QStringLiteral("Név"), 180},
                          {QStringLiteral("Sorszam"), QStringLiteral("Sorszám"), 60},
                          {QStringLiteral("Cim_irsz"), QStringLiteral("Irsz"), 40},
                          {QStringLiteral("Cim_varos"), QStringLiteral("Város"), 120},
                          {QStringLiteral("Cim_cim"), QStringLiteral("Cím"), 180},
                          {QStringLiteral("tipus_nev"), QStringLiteral("Típus"), 100}});
        GridView grid;
        grid.setGridModel(&model);
        grid.resize(800, 400);
        const QString file = root + QStringLiteral("/tagok.htm");
        std::vector<double> vorn, base;
        for (int i = 0; i < std::min(reps, 3); ++i) {
            t.restart();
            Grid2Html::writePage(file, Grid2Html::pageLines(grid, {QStringLiteral("Teljes lista"), {}, {}, {}}));
            vorn.push_back(msSince(t));
            t.restart();
            rawCsv(raw.get(),
                   "SELECT '<td>'||coalesce(u.Ugyfel_nev,''), u.Sorszam, u.Cim_irsz, u.Cim_varos, u.Cim_cim,"
                   " t.Tipus_nev FROM ugyfel u LEFT JOIN tipus t ON t.Tipus=u.Tipus ORDER BY u.Ugyfel_nev",
                   root + QStringLiteral("/raw.htm"));
            base.push_back(msSince(t));
        }
        report(QStringLiteral("HTML export of the member grid"), members, median(vorn), median(base), QString());
    }

    // (j) the member list by name laid out into pages, as its preview gets it,
    // beside reading the same rows through the raw API.
    if (members <= 10000) {
        Db::open(folder);
        int pages = 0;
        double grown = 0;
        const double before = residentMb();
        ReportOutputHook::set([&](const ReportDocument &doc, ReportOutputMode) {
            pages = doc.pageCount();
            grown = residentMb() - before;
        });
        std::vector<double> vorn, base;
        for (int i = 0; i < std::min(reps, 3); ++i) {
            KimenetHook::expect(0);
            t.restart();
            UgyfelListaNyomtat(QString());
            vorn.push_back(msSince(t));
            t.restart();
            Stmt st(raw.get(), "SELECT ugyfel.horgigszam, ugyfel.ugyfel_nev, ugyfel.horgaszjegy, ugyfel.sorszam,"
                               " ugyfel.cim_irsz, ugyfel.cim_varos, ugyfel.cim_cim, tipus.tipus_nev, ugyfel.tipus"
                               " FROM ugyfel LEFT OUTER JOIN tipus ON ugyfel.tipus = tipus.tipus"
                               " WHERE aktiv='I' ORDER BY ugyfel.ugyfel_nev");
            while (sqlite3_step(st.get()) == SQLITE_ROW)
                for (int c = 0; c < 9; ++c)
                    sink += unsigned(sqlite3_column_bytes(st.get(), c));
            base.push_back(msSince(t));
        }
        ReportOutputHook::clear();
        KimenetHook::clear();
        Db::close();
        report(QStringLiteral("member list by name laid out"), members, median(vorn), median(base),
               QStringLiteral("%1 pages, %2 pages/s, +%3 MB")
                   .arg(pages)
                   .arg(pages / (median(vorn) / 1000), 0, 'f', 0)
                   .arg(grown, 0, 'f', 1));
    }

    g_sink = g_sink + sink;
    progress("baseline plans: open: %s | search: %s\n", queryPlan(raw.get(), OpenSql).toUtf8().constData(),
             queryPlan(raw.get(), SeekSql).toUtf8().constData());
}

std::vector<int> parseSizes(const QString &text)
{
    std::vector<int> sizes;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1)
            throw VornError(QStringLiteral("invalid size: ") + part);
        sizes.push_back(n);
    }
    return sizes;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::vector<int> sizes{10000, 100000};
    int reps = 5;
    try {
        const QStringList args = app.arguments();
        for (int i = 1; i < args.size(); ++i) {
            if (args[i] == QLatin1String("--sizes") && i + 1 < args.size())
                sizes = parseSizes(args[++i]);
            else if (args[i] == QLatin1String("--reps") && i + 1 < args.size())
                reps = std::max(1, args[++i].toInt());
            else {
                std::fprintf(stderr, "usage: vorn_bench [--sizes 10000,100000] [--reps N]\n");
                return 2;
            }
        }

        QTemporaryDir root;
        if (!root.isValid())
            throw VornError(QStringLiteral("no temporary folder"));

        QElapsedTimer total;
        total.start();
        for (int n : sizes) {
            benchSize(root.path(), n, reps);
            Db::close(QString::fromLatin1(Connection));
        }
        std::printf("\nVorn benchmark: medians in ms (open: %d runs; search: every prefix, 3 passes).\n"
                    "Baseline: the same work through the raw sqlite3 API on a read-only connection\n"
                    "with the same HU collation. ratio = Vorn / sqlite3.\n\n",
                    reps);
        printTable();
        std::printf("\ntotal %.1f s\n", msSince(total) / 1000);
    } catch (const VornError &e) {
        std::fprintf(stderr, "vorn_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
