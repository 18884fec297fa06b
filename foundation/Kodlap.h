#pragma once
// Code pages of the outside files: Windows 1250 (exports, settings of old
// installations) and DOS 852 (label printers). Conversions are byte-exact tables.
#include <QByteArray>
#include <QString>

namespace Kodlap {

// Code of the character in code page 1250, or -1 when it has none.
int cp1250Code(QChar c);
// Text to code page 1250; characters without a code become '?', counted in *replaced.
QByteArray toCp1250(QStringView text, int *replaced = nullptr);
// The five unassigned codes (0x81, 0x83, 0x88, 0x90, 0x98) give no character.
QString fromCp1250(const QByteArray &bytes);

} // namespace Kodlap
