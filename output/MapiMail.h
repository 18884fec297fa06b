#pragma once
// Mail hand-over: the user's mail program opens a new message with a subject,
// a text and an attached file, for the user to address and send.
#include <QList>
#include <QString>
#include <QStringList>

// Names and addresses may be empty. Gives -1 when no mail hand-over exists on
// this system (xdg-email is missing), 1 when the mail program could not be
// started, 0 when it was started.
int MapiKuld(const QString &subject, const QString &text, const QString &file, const QString &fromName,
             const QString &fromAddress, const QString &toName, const QString &toAddress);

// Lets tests see the hand-over without starting a mail program. While armed
// nothing is started and every hand-over is recorded.
namespace MailHook {
struct Sent {
    QString program;
    QStringList arguments;
};
void arm();
const QList<Sent> &sent();
void clear();
} // namespace MailHook
