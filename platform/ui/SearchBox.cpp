#include "platform/ui/SearchBox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

bool startsSearch(const QString &c)
{
    static const QString accented = QStringLiteral("áéíóőöúűü");
    if (c.size() != 1)
        return false;
    const QChar ch = c.at(0);
    return (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ||
           (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) || accented.contains(ch);
}

namespace {

class SearchBoxFilter : public QObject {
public:
    SearchBoxFilter(QAbstractItemView *grid, QLineEdit *box, SearchBoxOptions options)
        : QObject(box), m_grid(grid), m_box(box), m_options(options)
    {
        grid->installEventFilter(this);
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (obj == m_grid && e->type() == QEvent::KeyPress) {
            auto *k = static_cast<QKeyEvent *>(e);
            const QString c = k->text().toLower();
            if (!(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                startsSearch(c)) {
                m_box->setFocus(Qt::OtherFocusReason);
                m_box->setText(c); // searches through textChanged
                m_box->setCursorPosition(1);
                m_box->deselect();
                return true;
            }
        } else if (obj == m_box && e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(e)->key();
            const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
            if (key == Qt::Key_Down || (enter && m_options.enterToGrid)) {
                m_grid->setFocus(Qt::OtherFocusReason);
                return true;
            }
        } else if (obj == m_box && e->type() == QEvent::ShortcutOverride) {
            // The line edit claims editing keys such as Ctrl+E (end of line); a
            // command of the window with that shortcut goes first.
            const QKeySequence pressed(static_cast<QKeyEvent *>(e)->keyCombination());
            for (const QAction *a : m_box->window()->actions())
                if (a->isEnabled() && a->shortcut() == pressed) {
                    e->ignore();
                    return true;
                }
        } else if (obj == m_box && e->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent *>(e)->reason();
            // A click places the caret after the focus arrives: select after it.
            if (reason == Qt::MouseFocusReason)
                QTimer::singleShot(0, m_box, &QLineEdit::selectAll);
            else if (reason != Qt::OtherFocusReason)
                m_box->selectAll();
        }
        return false;
    }

private:
    QAbstractItemView *m_grid;
    QLineEdit *m_box;
    SearchBoxOptions m_options;
};

} // namespace

void installSearchBox(QAbstractItemView *grid, QLineEdit *box, std::function<void(const QString &)> search,
                      SearchBoxOptions options)
{
    new SearchBoxFilter(grid, box, options);
    QObject::connect(box, &QLineEdit::textChanged, box, [search](const QString &text) { search(text); });
}
