#pragma once
// Small helpers every window uses: null values, texts, folders, dates and the
// memory of window positions in the settings file.
#include <QByteArray>
#include <QDate>
#include <QRect>
#include <QString>
#include <QVariant>

// Null values. NullEgesz and NullValos throw VornError when the value is not
// null and cannot be converted.
QString NullSzoveg(const QVariant &value, const QString &def);
int NullEgesz(const QVariant &value, int def);
// Dates count as days since 30 December 1899, the time of day as the fraction.
double NullValos(const QVariant &value, double def);
QVariant FeltetelesErtek(bool condition, const QVariant &a, const QVariant &b);

// Texts.
QString MezoResz(const QString &delimiters, const QString &text, int n);
QString KarakterCsere(const QVariant &value, QChar oldChar, QChar newChar);
QString SorokOsszefuz(const QString &text, const QString &separator);
QString SzovegTorol(const QString &pattern, const QString &text);
int KarakterSzam(QChar c, const QString &text);
// Lower-case file name: blanks and the characters !"#%&'*+/:?@\ become '-',
// characters of code 129 to 255 in code page 1250 (and those without a code)
// become '_'.
QString FajlNevTisztit(const QString &text);
// Bytes for a printer that expects the DOS Central European code page 852:
// codes below 32 become blanks, the Hungarian accented letters their 852 code,
// other characters keep their 1250 code ('?' when they have none).
QByteArray DosKodlap(const QString &text);

// Folders.
QString ProgramMappa();     // folders().program
QString KozosAdatMappa();   // all-users data folder; empty when unknown
QString DokumentumMappa();  // the user's documents folder; empty when unknown

// Dates.
int EvResz(const QDate &d);
int HonapResz(const QDate &d);
int HetSzam(const QDate &d);  // ISO 8601 week number

QRect KeretSzukit(const QRect &r);

// Window positions under the section named after the window. Each call reads or
// writes the settings file of folders() at once; the clamping uses its work area.
void AblakHelyBetolt(const QString &section, int &left, int &top);
void AblakMeretBetolt(const QString &section, int &left, int &top, int &width, int &height);
void AblakHelyMent(const QString &section, int left, int top);
void AblakMeretMent(const QString &section, int left, int top, int width, int height);
// The clamping rule of AblakMeretBetolt, on its own. An empty work area (no
// screen known) leaves the values as they are.
void AblakMeretIgazit(const QRect &workArea, int &left, int &top, int &width, int &height);
