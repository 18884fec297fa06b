#include "platform/ui/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QQueue>

namespace {

struct Hook {
    bool armed = false;
    QQueue<QMessageBox::StandardButton> answers;
    QList<MessageBoxHook::Shown> shown;
};

Hook &hook()
{
    static Hook h;
    return h;
}

// The one way every box is shown. reactivate: give the focus back to the window
// that was active before, as the system does not always do it after a box.
QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString &caption, const QString &msg,
                                    QWidget *owner, bool question, bool reactivate)
{
    const QMessageBox::StandardButton safe = question ? QMessageBox::No : QMessageBox::Ok;
    Hook &h = hook();
    if (h.armed) {
        h.shown.append({caption, msg, icon});
        return h.answers.isEmpty() ? safe : h.answers.dequeue();
    }

    QPointer<QWidget> before = QApplication::activeWindow();
    QString text = msg;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, owner);
    if (question) {
        box.addButton(QMessageBox::Yes)->setText(QStringLiteral("Igen"));
        box.addButton(QMessageBox::No)->setText(QStringLiteral("Nem"));
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.addButton(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    if (reactivate && before)
        before->activateWindow();
    return clicked == QMessageBox::NoButton ? safe : clicked;
}

} // namespace

void HibaUzenet(const QString &msg, QWidget *owner)
{
    showBox(QMessageBox::Critical, QStringLiteral("Hiba"), msg, owner, false, true);
}

void FigyelmeztetoUzenet(const QString &msg, QWidget *owner)
{
    showBox(QMessageBox::Warning, QStringLiteral("Figyelmeztetés"), msg, owner, false, false);
}

void InfoUzenet(const QString &msg, QWidget *owner)
{
    showBox(QMessageBox::Information, QStringLiteral("Üzenet"), msg, owner, false, false);
}

bool KerdesUzenet(const QString &msg, const QString &caption, QWidget *owner)
{
    return showBox(QMessageBox::Question, caption, msg, owner, true, true) == QMessageBox::Yes;
}

namespace MessageBoxHook {

void arm()
{
    hook().armed = true;
}

void expect(QMessageBox::StandardButton answer)
{
    arm();
    hook().answers.enqueue(answer);
}

const QList<Shown> &shown()
{
    return hook().shown;
}

void clear()
{
    hook() = Hook();
}

} // namespace MessageBoxHook
