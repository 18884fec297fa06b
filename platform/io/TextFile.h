#pragma once
// Text files for other programs: lines in code page 1250, each ended by CR LF.
#include <QString>
#include <QStringList>

// Writes the file beside the target and puts it in place only when complete,
// so a failure leaves the old file (or none). Throws VornError naming the file
// and the system's reason. Characters without a code in the code page become
// '?' and are counted in *replaced.
void writeCp1250Lines(const QString &path, const QStringList &lines, int *replaced = nullptr);
