#include "output/MapiMail.h"

#include <QProcess>
#include <QStandardPaths>

namespace {
bool g_armed = false;
QList<MailHook::Sent> g_sent;
} // namespace

int MapiKuld(const QString &subject, const QString &text, const QString &file, const QString &fromName,
             const QString &fromAddress, const QString &toName, const QString &toAddress)
{
    // The sender is the mail program's own account; xdg-email has no place for it.
    Q_UNUSED(fromName);
    Q_UNUSED(fromAddress);
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty())
        return -1;
    QStringList args;
    args << QStringLiteral("--utf8");
    if (!subject.isEmpty())
        args << QStringLiteral("--subject") << subject;
    if (!text.isEmpty())
        args << QStringLiteral("--body") << text;
    if (!file.isEmpty())
        args << QStringLiteral("--attach") << file;
    if (!toAddress.isEmpty())
        args << (toName.isEmpty() ? toAddress : toName + QStringLiteral(" <") + toAddress + u'>');
    if (g_armed) {
        g_sent.append({program, args});
        return 0;
    }
    return QProcess::startDetached(program, args) ? 0 : 1;
}

namespace MailHook {
void arm()
{
    g_armed = true;
}
const QList<Sent> &sent()
{
    return g_sent;
}
void clear()
{
    g_armed = false;
    g_sent.clear();
}
} // namespace MailHook
