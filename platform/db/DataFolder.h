#pragma once
// A new data folder as an installation brings it: the database with every table
// and index of the layout, the postal codes, the default user, one beallit row
// and one tulajdonos row. Setup, tests and benchmarks all make data folders here.
#include "foundation/Schema.h"
#include "platform/db/Database.h"
#include <QString>
#include <QStringList>

namespace DataFolder {

inline constexpr const char *DefaultUser = "rendszergazda";
inline constexpr const char *DefaultPassword = "vorn";

// Creates folder (and its parents) and the database in it; throws DbError when
// the folder already holds a database or cannot be written. The connection
// `connection` is left open on the new database.
void create(const QString &folder, const QString &connection = Db::Regiszter);

// The statements that make one table of the layout, and its secondary orders.
QStringList createTableSql(const Schema::Table &table);
QStringList createIndexSql(const Schema::Table &table);

} // namespace DataFolder
