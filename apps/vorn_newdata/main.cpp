// vorn_newdata <folder>: makes a new data folder, as a new installation brings
// it (database with every table, postal codes, default user and settings).
#include "foundation/Error.h"
#include "foundation/Schema.h"
#include "platform/db/DataFolder.h"
#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);

    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1 || args.first().isEmpty() || args.first().startsWith(QLatin1Char('-'))) {
        err << "Használat: vorn_newdata <adatmappa>\n"
               "Új, üres adatmappát hoz létre az adatbázissal.\n";
        return 2;
    }

    const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(args.first()));
    try {
        DataFolder::create(folder);
        Db::close();
    } catch (const VornError &e) {
        err << "Hiba: az adatmappa nem hozható létre (" << QDir::toNativeSeparators(folder)
            << "): " << e.message() << '\n';
        return 1;
    }
    out << "Az új adatmappa elkészült: " << QDir::toNativeSeparators(folder) << '\n';
    return 0;
}
