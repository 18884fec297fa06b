#include "platform/io/TextFile.h"

#include "foundation/Error.h"
#include "foundation/Kodlap.h"

#include <QDir>
#include <QSaveFile>

void writeCp1250Lines(const QString &path, const QStringList &lines, int *replaced)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    const QByteArray bytes = Kodlap::toCp1250(text, replaced);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw VornError(QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString());
}
