#pragma once
// The table layout of a data folder: every table with its fields in order, its
// key, its secondary orders and the derived fields the windows add to it.
// Creating a data folder, the upgrade, the index rebuild and the width limits of
// the edit controls all read this; nothing else spells the layout.
#include <QString>
#include <QStringList>
#include <vector>

namespace Schema {

enum class Type { Integer, AutoInc, Real, Date, Time, Timestamp, Text, Memo };

struct Field {
    QString name;
    Type type;
    int width = 0;  // characters, for Text; 0 = no limit
    bool isText() const { return type == Type::Text || type == Type::Memo; }
};

struct Index {
    QString name;
    QStringList fields;
    bool descending = false;
};

// A field a data set adds to the rows of its table.
struct Derived {
    enum class Kind {
        Lookup,    // lookupResult of the lookupTable row whose lookupKey equals sources[0]
        FlagName,  // "Igen" when sources[0] is "I", otherwise "Nem"
        Sum        // sum of the real fields in sources, a null counting as 0
    };
    QString name;
    Kind kind;
    QStringList sources;
    QString lookupTable;
    QString lookupKey;
    QString lookupResult;
    Type type = Type::Text;
    int width = 0;
};

struct Table {
    QString name;
    std::vector<Field> fields;
    QStringList key;
    std::vector<Index> indexes;
    std::vector<Derived> derived;

    const Field *field(const QString &name) const;  // letter case ignored
    const Index *index(const QString &name) const;
    int fieldIndex(const QString &name) const;      // -1 when absent
};

const std::vector<Table> &tables();
const Table *table(const QString &name);  // letter case ignored; nullptr when absent

// The width limit of a text field for an edit control; 0 when none or unknown.
int width(const QString &table, const QString &field);

} // namespace Schema
