#include "platform/ui/MenuStyle.h"

#include "foundation/Seged.h"
#include "platform/ui/GridModel.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionMenuItem>

namespace {

const QColor Highlight = colorFromBgr(9284318);
const QColor ItemBack = colorFromBgr(14606046);
const QColor Grey(0x80, 0x80, 0x80);  // frames and disabled text
const QColor SeparatorLine = colorFromBgr(10658466);

bool highlighted(const QStyleOption &o)
{
    return o.state & (QStyle::State_Selected | QStyle::State_Sunken);
}

// Fills r and draws its 1-pixel frame inside it.
void framedFill(QPainter *p, const QRect &r)
{
    p->fillRect(r, Highlight);
    p->setPen(Grey);
    p->setBrush(Qt::NoBrush);
    p->drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace

void MenuSorRajzol(QPainter *p, const QStyleOptionMenuItem &item)
{
    const QRect r = item.rect;
    const bool hot = highlighted(item);
    const int offset = hot ? -1 : 0;
    p->save();
    if (hot)
        framedFill(p, r);
    else
        p->fillRect(r, ItemBack);

    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        p->fillRect(QRect(QPoint(r.left() + 2, r.top() + r.height() / 2),
                          QPoint(r.right() - 2, r.top() + r.height() / 2)),
                    SeparatorLine);
        p->restore();
        return;
    }

    const bool enabled = item.state & QStyle::State_Enabled;
    QFont font = item.font;
    font.setFamily(QStringLiteral("Tahoma"));
    p->setFont(font);
    p->setPen(enabled ? item.palette.color(QPalette::Active, QPalette::WindowText) : Grey);
    // Qt hands the shortcut over after a tab.
    const QString text = SzovegTorol(QStringLiteral("&"), item.text);
    const int tab = text.indexOf('\t');
    const QRect line(r.left() + 22, r.top() + 4, r.width() - 26, r.height() - 4);
    p->drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.left(tab));
    if (tab >= 0)
        p->drawText(line, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, text.mid(tab + 1));

    if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
        // The round bullet of a checked item, as big as a lower-case letter.
        const QFontMetrics fm(font);
        const int d = std::max(4, fm.xHeight());
        p->setRenderHint(QPainter::Antialiasing);
        p->setBrush(p->pen().color());
        p->setPen(Qt::NoPen);
        p->drawEllipse(QRect(r.left() + 8, r.top() + 5 + fm.ascent() - d, d, d));
    } else if (!item.icon.isNull()) {
        const QPixmap pm = item.icon.pixmap(16, 16, enabled ? QIcon::Normal : QIcon::Disabled);
        p->drawPixmap(r.left() + 2 + offset, r.top() + 2 + offset, pm);
    }
    p->restore();
}

void MenuFejRajzol(QPainter *p, const QStyleOptionMenuItem &item)
{
    const QRect r = item.rect;
    p->save();
    if (highlighted(item))
        framedFill(p, r.adjusted(2, 2, -2, -2));
    else
        p->fillRect(r, item.palette.button());
    p->setPen(item.palette.color(QPalette::ButtonText));
    p->drawText(QRect(r.left() + 7, r.top() + 3, r.width() - 7, r.height() - 3),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                SzovegTorol(QStringLiteral("&"), item.text));
    p->restore();
}

QSize MenuSorMeret(const QSize &base)
{
    return base + QSize(50, 4);
}

MenuStyle::MenuStyle()
{
    setObjectName(QStringLiteral("MenuStyle"));
}

MenuStyle *MenuStyle::instance()
{
    static QPointer<MenuStyle> style;
    if (!style) {
        style = new MenuStyle;
        style->setParent(qApp);
    }
    return style;
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (item && element == CE_MenuItem)
        MenuSorRajzol(painter, *item);
    else if (item && element == CE_MenuBarItem)
        MenuFejRajzol(painter, *item);
    else if (element ==
             CE_MenuBarEmptyArea) // the bar's rest in the colour of its items, without the base's rule
        painter->fillRect(option->rect, option->palette.button());
    else
        QProxyStyle::drawControl(element, option, painter, widget);
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                  const QWidget *widget) const
{
    const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem)
        return MenuSorMeret(base);
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type == CT_MenuBarItem && item) {
        // Room for the caption MenuFejRajzol paints from (7, 3), with as much after it.
        const QString text = SzovegTorol(QStringLiteral("&"), item->text);
        return base.expandedTo(
            QSize(item->fontMetrics.horizontalAdvance(text) + 14, item->fontMetrics.height() + 6));
    }
    return base;
}

void MenuRajzolBeallit(QWidget *window)
{
    MenuStyle *style = MenuStyle::instance();
    for (QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        bar->setNativeMenuBar(false);
        bar->setStyle(style);
    }
    for (QMenu *menu : window->findChildren<QMenu *>())
        menu->setStyle(style);
}
