#include "platform/ui/WidgetBehaviour.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QWheelEvent>

namespace {

const char *const DialogProperty = "vornDialogBehaviour";
const char *const SavedPaletteProperty = "vornPaletteBeforeFocus";

bool inDialog(const QWidget *w)
{
    return w->window()->property(DialogProperty).toBool();
}

bool isMemo(const QWidget *w)
{
    return qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w);
}

// The widget whose background shows the focus; nullptr for other kinds.
QWidget *colouredWidget(QWidget *w)
{
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
        return spin; // the edit inside a date or spin box
    if (qobject_cast<QAbstractSpinBox *>(w) || isMemo(w))
        return w;
    if (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget()))
        return w;
    return nullptr;
}

// The window's own Tab move, without the control's (a date edit would move
// between its sections).
void focusNextControl(QWidget *w)
{
    struct Access : QWidget {
        using QWidget::focusNextPrevChild;
    };
    (w->window()->*(&Access::focusNextPrevChild))(true);
}

void sendKey(QWidget *to, Qt::Key key)
{
    QPointer<QWidget> target = to;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    if (target) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &release);
    }
}

class BehaviourFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *obj, QEvent *event) override
    {
        if (!obj->isWidgetType())
            return false; // the same event reaches the widget itself next
        auto *w = static_cast<QWidget *>(obj);
        switch (event->type()) {
        case QEvent::FocusIn:
            focusIn(w);
            break;
        case QEvent::FocusOut:
            focusOut(w);
            break;
        case QEvent::KeyPress:
            return enterAsTab(w, static_cast<QKeyEvent *>(event));
        case QEvent::Wheel:
            return wheelAsArrow(static_cast<QWheelEvent *>(event));
        default:
            break;
        }
        return false;
    }

private:
    static void focusIn(QWidget *w)
    {
        QWidget *target = colouredWidget(w);
        if (!target || !inDialog(target) || target->property(SavedPaletteProperty).isValid())
            return;
        // An empty palette given back later means "inherit again".
        const QPalette own = target->testAttribute(Qt::WA_SetPalette) ? target->palette() : QPalette();
        target->setProperty(SavedPaletteProperty, QVariant::fromValue(own));
        QPalette p = target->palette();
        p.setColor(QPalette::Base, FocusColor);
        target->setPalette(p);
    }

    static void focusOut(QWidget *w)
    {
        QWidget *target = colouredWidget(w);
        if (!target)
            return;
        const QVariant saved = target->property(SavedPaletteProperty);
        if (!saved.isValid())
            return;
        target->setProperty(SavedPaletteProperty, QVariant());
        target->setPalette(saved.value<QPalette>());
    }

    static bool enterAsTab(QWidget *w, QKeyEvent *e)
    {
        if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter)
            return false;
        if ((e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (w != QApplication::focusWidget() || !inDialog(w) || isMemo(w) ||
            qobject_cast<QAbstractItemView *>(w))
            return false;
        if (qobject_cast<QPushButton *>(w) || qobject_cast<QToolButton *>(w)) {
            static_cast<QAbstractButton *>(w)->click();
            return true;
        }
        focusNextControl(w);
        return true;
    }

    static bool wheelAsArrow(QWheelEvent *e)
    {
        if (QApplication::activePopupWidget())
            return false; // menus and drop-down lists scroll as usual
        if (QWidget *focus = QApplication::focusWidget())
            sendKey(focus, e->angleDelta().y() > 0 ? Qt::Key_Up : Qt::Key_Down);
        return true;
    }
};

} // namespace

void installWidgetBehaviour()
{
    static QPointer<BehaviourFilter> filter;
    if (filter)
        return;
    filter = new BehaviourFilter(qApp);
    qApp->installEventFilter(filter);
}

void enableDialogBehaviour(QWidget *window)
{
    window->setProperty(DialogProperty, true);
}
