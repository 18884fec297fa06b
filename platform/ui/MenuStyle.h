#pragma once
// The program's owner-drawn menus: light grey items, a blue-grey framed
// highlight, separators as a thin grey line, a round bullet for checked items.
#include <QProxyStyle>

class QPainter;
class QStyleOptionMenuItem;

// Paints an item of a drop-down or pop-up menu.
void MenuSorRajzol(QPainter *p, const QStyleOptionMenuItem &item);
// Paints an item of the menu bar.
void MenuFejRajzol(QPainter *p, const QStyleOptionMenuItem &item);
// The size of a menu item from the size the base style gives it.
QSize MenuSorMeret(const QSize &base);

// The style that menus painted by the three functions above use. Bar items are
// the items of a QMenuBar; every other menu item is a row. A bar item is made
// wide enough for its caption at the place MenuFejRajzol paints it.
class MenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    MenuStyle();

    // The one instance every window's menus share.
    static MenuStyle *instance();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
};

// Switches every menu bar and menu of window (the widgets it owns, pop-up
// menus and sub-menus included) to the owner-drawn painting.
void MenuRajzolBeallit(QWidget *window);
