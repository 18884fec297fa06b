#include "foundation/Schema.h"

namespace Schema {
namespace {

using T = Type;

Derived lookup(const QString &name, const QString &source, const QString &table, const QString &key,
               const QString &result, Type type, int width = 0)
{
    return {name, Derived::Kind::Lookup, {source}, table, key, result, type, width};
}

Derived flagName(const QString &name, const QString &source)
{
    return {name, Derived::Kind::FlagName, {source}, {}, {}, {}, Type::Text, 4};
}

Derived sum(const QString &name, const QStringList &sources)
{
    return {name, Derived::Kind::Sum, sources, {}, {}, {}, Type::Real, 0};
}

std::vector<Table> makeTables()
{
    std::vector<Table> t;

    t.push_back({"ugyfel",
                 {{"Ugyfel", T::Integer},      {"Ugyfel_nev", T::Text, 75}, {"Sorszam", T::Integer},
                  {"Tipus", T::Integer},       {"Szulhely", T::Text, 50},   {"Dat_szul", T::Date},
                  {"Telefon", T::Text, 20},    {"Cim_irsz", T::Text, 5},    {"Cim_varos", T::Text, 25},
                  {"Cim_cim", T::Text, 75},    {"Szigszam", T::Text, 20},   {"Horgigszam", T::Text, 20},
                  {"Horgvizsga", T::Text, 20}, {"Horgaszjegy", T::Text, 20}, {"Tereng", T::Text, 20},
                  {"Dat_tag", T::Date},        {"Dat_belep", T::Date},      {"Dat_kilep", T::Date},
                  {"Kizarohat", T::Text, 20},  {"Megjegyzes", T::Memo},     {"Aktiv", T::Text, 1},
                  {"anya", T::Text, 30},       {"taglap", T::Text, 30},     {"csonak", T::Text, 30},
                  {"fognaplo", T::Text, 30},   {"torvkep", T::Text, 25},    {"fognaplead", T::Text, 1},
                  {"korvednap", T::Text, 1},   {"horgaszhely", T::Text, 25}, {"horgaszhelym2", T::Integer}},
                 {"Ugyfel"},
                 {{"idx_ugyfel_nev", {"Ugyfel_nev"}}, {"idx_sorszam", {"Sorszam"}},
                  {"idx_horgigszam", {"Horgigszam"}}},
                 {lookup("tipus_nev", "Tipus", "tipus", "Tipus", "Tipus_nev", T::Text, 25),
                  lookup("szin", "Tipus", "tipus", "Tipus", "szin", T::Integer),
                  flagName("aktiv_nev", "Aktiv"),
                  flagName("fognaplead_nev", "fognaplead"),
                  flagName("korvednap_nev", "korvednap")}});

    t.push_back({"tipus",
                 {{"Tipus", T::Integer}, {"Tipus_nev", T::Text, 25}, {"szin", T::Integer}},
                 {"Tipus"},
                 {{"idx_tipus_nev", {"Tipus_nev"}}},
                 {}});

    t.push_back({"fiztip",
                 {{"fiztip", T::AutoInc},
                  {"fiztip_nev", T::Text, 25},
                  {"ido", T::Integer},
                  {"osszeg", T::Integer},
                  {"eves", T::Text, 1}},
                 {"fiztip"},
                 {},
                 {}});

    t.push_back({"ugyfel_fiz",
                 {{"ugyfel_fiz", T::AutoInc},
                  {"ugyfel", T::Integer},
                  {"fiztip", T::Integer},
                  {"datum", T::Date},
                  {"lejarat", T::Date},
                  {"osszeg", T::Integer}},
                 {"ugyfel_fiz"},
                 {},
                 {lookup("fiztip_nev", "fiztip", "fiztip", "fiztip", "fiztip_nev", T::Text, 25),
                  lookup("fizido", "fiztip", "fiztip", "fiztip", "ido", T::Integer)}});

    t.push_back({"halfaj",
                 {{"halfaj", T::AutoInc}, {"halfaj_nev", T::Text, 50}},
                 {"halfaj"},
                 {{"idx_halfaj_nev", {"halfaj_nev"}}},
                 {}});

    t.push_back({"fognaplo",
                 {{"fognaplo", T::AutoInc},
                  {"ugyfel", T::Integer},
                  {"datum", T::Date},
                  {"halfaj", T::Integer},
                  {"kg1", T::Real},
                  {"kg2", T::Real},
                  {"kg3", T::Real},
                  {"kg4", T::Real},
                  {"kg5", T::Real},
                  {"sajatviz", T::Text, 25}},
                 {"fognaplo"},
                 {},
                 {lookup("halfaj_nev", "halfaj", "halfaj", "halfaj", "halfaj_nev", T::Text, 50),
                  sum("kg", {"kg1", "kg2", "kg3", "kg4", "kg5"})}});

    t.push_back({"napifogas",
                 {{"napifogas", T::AutoInc},
                  {"ugyfel", T::Integer},
                  {"datum", T::Date},
                  {"tol", T::Time},
                  {"ig", T::Time},
                  {"ponty", T::Real},
                  {"amur", T::Real},
                  {"sullo", T::Real},
                  {"csuka", T::Real},
                  {"egyeb", T::Real},
                  {"megjegyzes", T::Text, 25}},
                 {"napifogas"},
                 {},
                 {lookup("ugyfel_nev", "ugyfel", "ugyfel", "Ugyfel", "Ugyfel_nev", T::Text, 75)}});

    t.push_back({"ugyf_megj",
                 {{"ugyf_megj", T::AutoInc},
                  {"ugyfel", T::Integer},
                  {"datum", T::Date},
                  {"rovid", T::Text, 50},
                  {"megjegyzes", T::Memo}},
                 {"ugyf_megj"},
                 {{"idx_datum_desc", {"datum"}, true}},
                 {}});

    t.push_back({"megj",
                 {{"ugyfel", T::Integer},
                  {"doknev", T::Text},
                  {"doknev_rovid", T::Text, 255},
                  {"datum", T::Date}},
                 {"ugyfel", "doknev"},
                 {},
                 {}});

    t.push_back({"cimke",
                 {{"cimke", T::Text, 25},
                  {"felsomargo", T::Real},
                  {"szelsomargo", T::Real},
                  {"cimkemagas", T::Real},
                  {"oszlop", T::Integer}},
                 {"cimke"},
                 {},
                 {}});

    t.push_back({"irsz", {{"Id", T::Integer}, {"irsz", T::Text, 10}, {"varos", T::Text, 50}}, {"Id"}, {}, {}});

    t.push_back({"felhasznalo",
                 {{"felhasznalo", T::Text, 20},
                  {"felhasznalo_nev", T::Text, 20},
                  {"jelszo", T::Text, 10},
                  {"rendszergazda", T::Text, 1},
                  {"torzsszerkeszt", T::Text, 1}},
                 {"felhasznalo"},
                 {},
                 {}});

    t.push_back({"naplo",
                 {{"naplo", T::AutoInc}, {"felhasznalo", T::Text, 20}, {"datum", T::Timestamp}, {"sikeres", T::Text, 1}},
                 {"naplo"},
                 {},
                 {}});

    t.push_back({"tulajdonos",
                 {{"tulajdonos", T::Text, 100},
                  {"telefon", T::Text, 25},
                  {"mobil", T::Text, 25},
                  {"fax", T::Text, 25},
                  {"irsz", T::Text, 5},
                  {"varos", T::Text, 25},
                  {"cim", T::Text, 50},
                  {"adoszam", T::Text, 11},
                  {"bankszamlaszam", T::Text, 24}},
                 {"tulajdonos"},
                 {},
                 {}});

    t.push_back({"beallit",
                 {{"beallit", T::AutoInc},
                  {"vanbelep", T::Text, 1},
                  {"m1", T::Text, 25},
                  {"m2", T::Text, 25},
                  {"m3", T::Text, 25},
                  {"m4", T::Text, 25},
                  {"m5", T::Text, 25},
                  {"m6", T::Text, 25}},
                 {"beallit"},
                 {},
                 {}});
    return t;
}

} // namespace

const Field *Table::field(const QString &n) const
{
    const int i = fieldIndex(n);
    return i < 0 ? nullptr : &fields[size_t(i)];
}

int Table::fieldIndex(const QString &n) const
{
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(n, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const Index *Table::index(const QString &n) const
{
    for (const Index &ix : indexes)
        if (ix.name.compare(n, Qt::CaseInsensitive) == 0)
            return &ix;
    return nullptr;
}

const std::vector<Table> &tables()
{
    static const std::vector<Table> all = makeTables();
    return all;
}

const Table *table(const QString &name)
{
    for (const Table &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

int width(const QString &tableName, const QString &fieldName)
{
    const Table *t = table(tableName);
    const Field *f = t ? t->field(fieldName) : nullptr;
    return f && f->type == Type::Text ? f->width : 0;
}

} // namespace Schema
