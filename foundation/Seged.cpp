#include "foundation/Seged.h"

#include "foundation/Error.h"
#include "foundation/Folders.h"
#include "foundation/Formats.h"
#include "foundation/IniFile.h"
#include "foundation/Kodlap.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <QTime>
#include <array>
#include <climits>
#include <cmath>

// ---- Null values

QString NullSzoveg(const QVariant &value, const QString &def)
{
    if (value.isNull())
        return def;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return Formats::general(value.toDouble());
    case QMetaType::QDate:
        return Formats::date(value.toDate());
    case QMetaType::QTime:
        return Formats::time(value.toTime());
    case QMetaType::QDateTime:
        return Formats::dateTime(value.toDateTime());
    default:
        return value.toString();
    }
}

int NullEgesz(const QVariant &value, int def)
{
    if (value.isNull())
        return def;
    bool ok = false;
    if (value.typeId() == QMetaType::QString) {
        const int i = value.toString().trimmed().toInt(&ok);
        if (ok)
            return i;
    } else {
        // Through double, so that a value beyond the integer range is refused
        // instead of wrapping; a fraction is rounded half to even.
        const double d = std::nearbyint(value.toDouble(&ok));
        if (ok && d >= INT_MIN && d <= INT_MAX)
            return int(d);
    }
    throw VornError(QStringLiteral("'%1' nem egész szám").arg(NullSzoveg(value, {})));
}

double NullValos(const QVariant &value, double def)
{
    if (value.isNull())
        return def;
    static const QDate epoch(1899, 12, 30);
    const auto dayFraction = [](const QTime &t) { return t.msecsSinceStartOfDay() / 86400000.0; };
    switch (value.typeId()) {
    case QMetaType::QDate:
        return double(epoch.daysTo(value.toDate()));
    case QMetaType::QTime:
        return dayFraction(value.toTime());
    case QMetaType::QDateTime: {
        // Before the epoch the whole days are negative and the time of day
        // still counts away from zero: -1.25 is 29 December 1899, 6:00.
        const QDateTime dt = value.toDateTime();
        const double days = double(epoch.daysTo(dt.date()));
        const double frac = dayFraction(dt.time());
        return days < 0 ? days - frac : days + frac;
    }
    case QMetaType::QString: {
        double d = 0;
        if (Formats::parseReal(value.toString(), &d))
            return d;
        break;
    }
    default: {
        bool ok = false;
        const double d = value.toDouble(&ok);
        if (ok)
            return d;
    }
    }
    throw VornError(QStringLiteral("'%1' nem valós szám").arg(NullSzoveg(value, {})));
}

QVariant FeltetelesErtek(bool condition, const QVariant &a, const QVariant &b)
{
    return condition ? a : b;
}

// ---- Texts

QString MezoResz(const QString &delimiters, const QString &text, int n)
{
    int field = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !delimiters.contains(text[i]))
            continue;
        if (field == n)
            return text.mid(start, i - start);
        ++field;
        start = i + 1;
    }
    return {};
}

QString KarakterCsere(const QVariant &value, QChar oldChar, QChar newChar)
{
    return NullSzoveg(value, {}).replace(oldChar, newChar);
}

QString SorokOsszefuz(const QString &text, const QString &separator)
{
    // Lines end at CR, LF or CR LF; a break at the very end opens no new line.
    QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n').split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return {};
    // Each line is followed by the separator and the last character goes; with
    // no separator at all nothing of the text itself is cut.
    QString out = lines.join(separator) + separator;
    if (!separator.isEmpty())
        out.chop(1);
    return out;
}

QString SzovegTorol(const QString &pattern, const QString &text)
{
    QString out = text;
    if (pattern.isEmpty())  // an empty pattern is found everywhere, for ever
        return out;
    for (qsizetype i = out.indexOf(pattern); i >= 0; i = out.indexOf(pattern))
        out.remove(i, 1);
    return out;
}

int KarakterSzam(QChar c, const QString &text)
{
    return int(text.count(c));
}

QString FajlNevTisztit(const QString &text)
{
    static const QString dash = QStringLiteral(" !\"#%&'*+/:?@\\");
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int code = Kodlap::cp1250Code(c);
        if (dash.contains(c))
            out += u'-';
        else if (code >= 129 || code < 0)  // accented and other non-ASCII letters
            out += u'_';
        else
            out += c;
    }
    return out.toLower();
}

QByteArray DosKodlap(const QString &text)
{
    // Byte for byte from code page 1250 to 852: one pass, so a mapped byte is
    // never mapped again.
    static const std::array<char, 256> map = [] {
        std::array<char, 256> m{};
        for (int i = 0; i < 256; ++i)
            m[i] = char(i < 32 ? ' ' : i);
        const std::pair<int, int> hungarian[] = {
            {193, 181}, {201, 144}, {205, 214}, {211, 224}, {213, 138}, {214, 153},
            {218, 233}, {219, 235}, {220, 154}, {225, 160}, {233, 130}, {237, 161},
            {243, 162}, {245, 139}, {246, 148}, {250, 163}, {252, 129}};
        for (const auto &[from, to] : hungarian)
            m[from] = char(to);
        return m;
    }();
    QByteArray bytes = Kodlap::toCp1250(text);
    for (char &b : bytes)
        b = map[uchar(b)];
    return bytes;
}

// ---- Folders

QString ProgramMappa()
{
    return folders().program;
}

QString KozosAdatMappa()
{
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(qEnvironmentVariable("ProgramData"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
}

QString DokumentumMappa()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// ---- Dates

int EvResz(const QDate &d)
{
    return d.year();
}

int HonapResz(const QDate &d)
{
    return d.month();
}

int HetSzam(const QDate &d)
{
    return d.weekNumber();
}

QRect KeretSzukit(const QRect &r)
{
    return r.adjusted(1, 1, -1, -1);
}

// ---- Window positions

void AblakHelyBetolt(const QString &section, int &left, int &top)
{
    const IniFile ini(folders().settingsFile);
    left = ini.intValue(section, QStringLiteral("Left"), 10);
    top = ini.intValue(section, QStringLiteral("Top"), 10);
}

void AblakMeretBetolt(const QString &section, int &left, int &top, int &width, int &height)
{
    const IniFile ini(folders().settingsFile);
    left = ini.intValue(section, QStringLiteral("Left"), 10);
    top = ini.intValue(section, QStringLiteral("Top"), 10);
    width = ini.intValue(section, QStringLiteral("Width"), width);
    height = ini.intValue(section, QStringLiteral("Height"), height);
    AblakMeretIgazit(folders().workArea, left, top, width, height);
}

void AblakHelyMent(const QString &section, int left, int top)
{
    IniFile ini(folders().settingsFile);
    ini.setInt(section, QStringLiteral("Left"), left);
    ini.setInt(section, QStringLiteral("Top"), top);
    ini.save();  // a position that cannot be written is lost silently
}

void AblakMeretMent(const QString &section, int left, int top, int width, int height)
{
    IniFile ini(folders().settingsFile);
    ini.setInt(section, QStringLiteral("Left"), left);
    ini.setInt(section, QStringLiteral("Top"), top);
    ini.setInt(section, QStringLiteral("Width"), width);
    ini.setInt(section, QStringLiteral("Height"), height);
    ini.save();
}

void AblakMeretIgazit(const QRect &workArea, int &left, int &top, int &width, int &height)
{
    if (workArea.isEmpty())  // no screen known: nothing to fit into
        return;
    // The right and bottom edges serve as the available width and height.
    const int r = workArea.x() + workArea.width();
    const int b = workArea.y() + workArea.height();
    if (left > r)
        left = 0;
    if (top > b)
        top = 0;
    if (left + width > r) {
        if (width < r) {
            left = r - width;
        } else {
            left = 0;
            width = r;
        }
    }
    if (top + height > b) {
        if (height < b) {
            top = b - height;
        } else {
            top = 0;
            height = b;
        }
    }
}
