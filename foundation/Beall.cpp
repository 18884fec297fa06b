#include "foundation/Beall.h"

#include "foundation/IniFile.h"

#include <QFileInfo>

namespace {
const QString Alapertek = QStringLiteral("Alapertek");
const QString Tulaj = QStringLiteral("Tulajdonos");
} // namespace

TBeall &Beall()
{
    static TBeall instance;
    return instance;
}

void BeallitasOlvas(TBeall &b, const Folders &f)
{
    const TBeall def;  // the defaults are the record's initial values
    IniFile ini(f.settingsFile);
    b.SorrendSzin = ini.intValue(Alapertek, QStringLiteral("SorrendSzin"), def.SorrendSzin);
    b.AlapVaros = ini.value(Alapertek, QStringLiteral("AlapVaros"), def.AlapVaros);
    b.TeljesKep = ini.boolValue(Alapertek, QStringLiteral("TeljesKep"), def.TeljesKep);
    b.Tulajdonos = ini.value(Tulaj, QStringLiteral("Tulajdonos"), def.Tulajdonos);
    b.TulCim = ini.value(Tulaj, QStringLiteral("TulCim"), def.TulCim);
    b.TulTel = ini.value(Tulaj, QStringLiteral("TulTel"), def.TulTel);
    b.Bal = ini.intValue(Alapertek, QStringLiteral("Bal"), def.Bal);
    b.Felul = ini.intValue(Alapertek, QStringLiteral("Felul"), def.Felul);
    b.Magas = ini.intValue(Alapertek, QStringLiteral("Magas"), def.Magas);
    b.Szeles = ini.intValue(Alapertek, QStringLiteral("Szeles"), def.Szeles);
    b.Utvonal = ini.value(Alapertek, QStringLiteral("Utvonal"));
    if (b.Utvonal.isEmpty())
        b.Utvonal = f.defaultDataFolder();
    b.Betumeret = ini.intValue(Alapertek, QStringLiteral("Betumeret"), def.Betumeret);

    if (!QFileInfo(b.Utvonal).isDir()) {
        b.Utvonal = f.defaultDataFolder();
        ini.setValue(Alapertek, QStringLiteral("Utvonal"), b.Utvonal);
        ini.save();
    }
}

bool BeallitasIr(const TBeall &b, const Folders &f, const QRect &mainWindow)
{
    IniFile ini(f.settingsFile);
    ini.setInt(Alapertek, QStringLiteral("SorrendSzin"), b.SorrendSzin);
    ini.setBool(Alapertek, QStringLiteral("TeljesKep"), b.TeljesKep);
    ini.setValue(Tulaj, QStringLiteral("Tulajdonos"), b.Tulajdonos);
    ini.setValue(Tulaj, QStringLiteral("TulCim"), b.TulCim);
    ini.setValue(Tulaj, QStringLiteral("TulTel"), b.TulTel);
    ini.setValue(Alapertek, QStringLiteral("Utvonal"), b.Utvonal);
    ini.setValue(Alapertek, QStringLiteral("AlapVaros"), b.AlapVaros);
    ini.setInt(Alapertek, QStringLiteral("Betumeret"), b.Betumeret);
    ini.setInt(Alapertek, QStringLiteral("Bal"), mainWindow.x());
    ini.setInt(Alapertek, QStringLiteral("Felul"), mainWindow.y());
    ini.setInt(Alapertek, QStringLiteral("Magas"), mainWindow.height());
    ini.setInt(Alapertek, QStringLiteral("Szeles"), mainWindow.width());
    return ini.save();
}
