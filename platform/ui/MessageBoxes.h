#pragma once
// The program's message boxes: fixed captions and icons, Hungarian buttons.
// owner may be nullptr (the box then belongs to the application).
#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

void HibaUzenet(const QString &msg, QWidget *owner = nullptr);
void FigyelmeztetoUzenet(const QString &msg, QWidget *owner = nullptr);
void InfoUzenet(const QString &msg, QWidget *owner = nullptr);
// Yes and No only; true exactly when Yes was pressed.
bool KerdesUzenet(const QString &msg, const QString &caption, QWidget *owner = nullptr);

// Lets tests answer boxes without showing them. While armed no box is shown:
// each call is recorded and answered with the next queued answer, or, when the
// queue is empty, with the box's safe answer (OK, or No for a question).
namespace MessageBoxHook {

struct Shown {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
};

void arm();
// Arms the hook and queues the answer of the next box.
void expect(QMessageBox::StandardButton answer);
const QList<Shown> &shown();
// Disarms the hook and forgets answers and records.
void clear();

} // namespace MessageBoxHook
