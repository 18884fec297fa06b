#include "platform/ui/EditDialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "foundation/Beall.h"
#include "foundation/Error.h"
#include "foundation/Seged.h"
#include "platform/db/DataSet.h"
#include "platform/ui/MessageBoxes.h"

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
    if (m_shown)
        return;
    m_shown = true;
    // The captions keep their left edge whatever the font size.
    for (QCheckBox *c : findChildren<QCheckBox *>())
        c->resize(c->sizeHint());
    firstShow();
}

void EditDialog::done(int result)
{
    AblakHelyMent(objectName(), x(), y());
    QDialog::done(result);
}

QPushButton *EditDialog::addButton(const QString &name, const QString &caption, const QRect &geometry,
                                   QWidget *parent)
{
    auto *b = new QPushButton(caption, parent ? parent : this);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

bool EditDialog::postRow(DataSet &ds)
{
    try {
        ds.post();
    } catch (const VornError &e) {
        HibaUzenet(QStringLiteral("Hiányos, vagy hibás adatmegadás") + "\r\n" + e.message(), this);
        return false;
    }
    return true;
}
