#pragma once
// The initial letter of a name in the Hungarian alphabet, the letter a name
// list is grouped by.
#include <QString>

// The first letter of text as the Hungarian alphabet counts it: letter case and
// vowel length ignored (a and á are A, ö and ő are Ö), the two- and
// three-character letters Cs, Dz, Dzs, Gy, Ly, Ny, Sz, Ty and Zs taken whole,
// other accented letters by their base letter. Leading blanks are skipped; a
// character that is no letter stands for itself. Empty text gives "".
QString MagyarKezdobetu(const QString &text);
