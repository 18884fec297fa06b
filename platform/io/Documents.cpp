#include "platform/io/Documents.h"

#include "foundation/Folders.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

struct Hook {
    bool armed = false;
    QStringList opened;
};

Hook &hook()
{
    static Hook h;
    return h;
}

} // namespace

void DokumentumNyit(const QString &target)
{
    if (hook().armed) {
        hook().opened.append(target);
        return;
    }
    const QFileInfo file(target);
    if (file.isFile() && file.isExecutable()) {
        QProcess::startDetached(file.absoluteFilePath(), {}, folders().program);
        return;
    }
    // A scheme of one letter is a drive ("C:\..."), not an address.
    const QUrl url(target, QUrl::TolerantMode);
    QDesktopServices::openUrl(url.scheme().size() > 1 ? url : QUrl::fromLocalFile(target));
}

namespace DocumentHook {

void arm()
{
    hook().armed = true;
}

const QStringList &opened()
{
    return hook().opened;
}

void clear()
{
    hook() = Hook();
}

} // namespace DocumentHook
