#include "platform/ui/EditDialog.h"

#include <QPushButton>

#include "foundation/Beall.h"
#include "foundation/Seged.h"

#include <QShowEvent>

void applyProgramFontSize(QWidget *w)
{
    QFont f = w->font();
    f.setPointSize(Beall().Betumeret);
    w->setFont(f);
}

EditDialog::EditDialog(const QString &windowName, QWidget *parent) : QDialog(parent)
{
    setObjectName(windowName);
}

void EditDialog::showEvent(QShowEvent *e)
{
    if (!e->spontaneous()) {
        // Moved before QDialog centres it over its parent, so the stored place wins.
        int left = x(), top = y();
        AblakHelyBetolt(objectName(), left, top);
        move(left, top);
        applyProgramFontSize(this);
    }
    QDialog::showEvent(e);
}

void EditDialog::done(int result)
{
    AblakHelyMent(objectName(), x(), y());
    QDialog::done(result);
}

QPushButton *EditDialog::addButton(const QString &name, const QString &caption, const QRect &geometry)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}
