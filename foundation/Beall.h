#pragma once
// The settings record: [Alapertek] and [Tulajdonos] of Vorn.ini, plus the
// login switch and the six free-field captions of the beallit table.
#include "foundation/Folders.h"
#include <QRect>
#include <QString>
#include <array>

struct TBeall {
    int SorrendSzin = 12189695;  // 0x00BBGGRR, light yellow
    QString AlapVaros;
    bool TeljesKep = true;
    int Bal = 5;
    int Felul = 5;
    int Magas = 400;
    int Szeles = 640;
    QString Utvonal;  // the data folder
    int Betumeret = 9;
    QString Tulajdonos;
    QString TulCim;
    QString TulTel;

    // From the first beallit row.
    bool vanbelep = false;
    std::array<QString, 6> m;  // m[0] is m1 ... m[5] is m6
};

// The settings record of this run.
TBeall &Beall();

// Reads the settings file of f into b, in the documented order. A data folder
// that does not exist is replaced by f.defaultDataFolder() and that value is
// written to [Alapertek] Utvonal at once.
void BeallitasOlvas(TBeall &b, const Folders &f);
// Writes the settings in the shut-down order; mainWindow gives Bal, Felul,
// Magas and Szeles. Keeps every other section and key of the file; false when
// the file cannot be written.
bool BeallitasIr(const TBeall &b, const Folders &f, const QRect &mainWindow);
