// The owner-drawn menus: item sizes against the base style, the painting of
// rows and bar items, and that MenuRajzolBeallit reaches every menu of a window.
#include "platform/ui/GridModel.h"
#include "platform/ui/MenuStyle.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QToolButton>

namespace {

const QColor Highlight = colorFromBgr(9284318);
const QColor ItemBack = colorFromBgr(14606046);
const QColor Grey(0x80, 0x80, 0x80);
const QColor SeparatorLine = colorFromBgr(10658466);
const QColor Background(255, 0, 255); // what the image holds before painting

// Gives the tests the option the menu itself would hand to its style.
class ProbeMenu : public QMenu {
public:
    using QMenu::initStyleOption;
    using QMenu::QMenu;
};

QStyleOptionMenuItem rowOption(const QString &text, QStyleOptionMenuItem::MenuItemType type,
                               QStyle::State state)
{
    QStyleOptionMenuItem o;
    o.rect = QRect(0, 0, 200, 24);
    o.text = text;
    o.menuItemType = type;
    o.checkType = QStyleOptionMenuItem::NotCheckable;
    o.checked = false;
    o.state = state;
    o.palette = QApplication::palette();
    o.font = QApplication::font();
    o.font.setStyleStrategy(QFont::NoAntialias); // pure pen colours to look for
    return o;
}

using Painter = void (*)(QPainter *, const QStyleOptionMenuItem &);

QImage paint(Painter f, const QStyleOptionMenuItem &o)
{
    QImage img(o.rect.size(), QImage::Format_RGB32);
    img.fill(Background);
    QPainter p(&img);
    p.setFont(o.font); // a menu bar paints with its own font
    f(&p, o);
    return img;
}

// Columns [x0, x1] that hold a pixel of colour c.
QPair<int, int> columnsOf(const QImage &img, const QColor &c, int y0 = 0, int y1 = -1)
{
    int x0 = img.width(), x1 = -1;
    if (y1 < 0)
        y1 = img.height() - 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == c) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
            }
    return {x0, x1};
}

QIcon redIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::red);
    return QIcon(pm);
}

} // namespace

class TestMenuStyle : public QObject {
    Q_OBJECT
private slots:
    void itemSizeIsBasePlus50x4_data();
    void itemSizeIsBasePlus50x4();
    void barItemFitsItsCaption();
    void realMenuGrows();
    void reachesEveryMenuOfTheWindow();
    void rowBackground_data();
    void rowBackground();
    void separatorIsAThinLine();
    void rowTextAndShortcut_data();
    void rowTextAndShortcut();
    void checkedShowsBulletInsteadOfPicture();
    void pictureMovesWhenHighlighted();
    void barItem_data();
    void barItem();
};

void TestMenuStyle::itemSizeIsBasePlus50x4_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("separator");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("plain") << "Bezár" << false << false << QKeySequence();
    QTest::newRow("with shortcut") << "&Töröl" << false << false << QKeySequence("Ctrl+Del");
    QTest::newRow("checkable") << "Szűrés" << false << true << QKeySequence("F6");
    QTest::newRow("separator") << QString() << true << false << QKeySequence();
}

void TestMenuStyle::itemSizeIsBasePlus50x4()
{
    QFETCH(QString, text);
    QFETCH(bool, separator);
    QFETCH(bool, checkable);
    QFETCH(QKeySequence, shortcut);
    ProbeMenu menu;
    QAction *a = separator ? menu.addSeparator() : menu.addAction(redIcon(), text);
    a->setCheckable(checkable);
    a->setShortcut(shortcut);
    QStyleOptionMenuItem o;
    menu.initStyleOption(&o, a);
    const QSize contents(menu.fontMetrics().horizontalAdvance(o.text), menu.fontMetrics().height());

    MenuStyle *style = MenuStyle::instance();
    const QSize base = style->baseStyle()->sizeFromContents(QStyle::CT_MenuItem, &o, contents, &menu);
    QCOMPARE(style->sizeFromContents(QStyle::CT_MenuItem, &o, contents, &menu), base + QSize(50, 4));
}

void TestMenuStyle::barItemFitsItsCaption()
{
    QMainWindow window;
    QMenuBar *bar = window.menuBar();
    QAction *a = bar->addAction(QStringLiteral("&Nyomtatások"));
    MenuRajzolBeallit(&window);
    const QRect r = bar->actionGeometry(a);
    const QFontMetrics fm(bar->font());
    // The caption starts at left + 7 and keeps 7 pixels after it.
    QVERIFY2(r.width() >= fm.horizontalAdvance("Nyomtatások") + 14, qPrintable(QString::number(r.width())));
    QVERIFY(r.height() >= fm.height() + 6);
}

void TestMenuStyle::realMenuGrows()
{
    QWidget window;
    auto *menu = new QMenu(&window);
    QAction *item = menu->addAction(QStringLiteral("Teljes lista (név szerint)"));
    item->setShortcut(QKeySequence("F7"));
    QAction *line = menu->addSeparator();
    menu->addAction(QStringLiteral("Adatlap"));
    const QSize itemBefore = menu->actionGeometry(item).size();
    const int lineBefore = menu->actionGeometry(line).height();
    const QSize menuBefore = menu->sizeHint();

    MenuRajzolBeallit(&window);
    QCOMPARE(menu->actionGeometry(item).size(), itemBefore + QSize(50, 4));
    QCOMPARE(menu->actionGeometry(line).height(), lineBefore + 4);
    QCOMPARE(menu->sizeHint(), menuBefore + QSize(50, 3 * 4));
}

void TestMenuStyle::reachesEveryMenuOfTheWindow()
{
    QMainWindow window;
    QMenu *klubtagok = window.menuBar()->addMenu(QStringLiteral("Klubtagok"));
    QMenu *sub = klubtagok->addMenu(QStringLiteral("Almenü"));
    auto *popup = new QMenu(&window); // a pop-up menu of the grid
    auto *central = new QWidget(&window);
    window.setCentralWidget(central);
    auto *button = new QToolButton(central);
    auto *buttonMenu = new QMenu(button); // the drop-down of a tool bar button
    button->setMenu(buttonMenu);
    QMenu foreign; // belongs to no window

    MenuRajzolBeallit(&window);
    QStyle *style = MenuStyle::instance();
    QCOMPARE(window.menuBar()->style(), style);
    QVERIFY(!window.menuBar()->isNativeMenuBar());
    for (QMenu *m : {klubtagok, sub, popup, buttonMenu})
        QVERIFY2(m->style() == style, qPrintable(m->title()));
    QVERIFY(foreign.style() != style);
    QVERIFY(window.style() != style); // only the menus change
    QVERIFY(button->style() != style);
}

void TestMenuStyle::rowBackground_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("edge");
    const int on = QStyle::State_Enabled;
    QTest::newRow("normal") << on << ItemBack << ItemBack;
    QTest::newRow("selected") << (on | int(QStyle::State_Selected)) << Highlight << Grey;
    QTest::newRow("pressed") << (on | int(QStyle::State_Selected | QStyle::State_Sunken)) << Highlight
                             << Grey;
    QTest::newRow("disabled") << int(QStyle::State_None) << ItemBack << ItemBack;
}

void TestMenuStyle::rowBackground()
{
    QFETCH(int, state);
    QFETCH(QColor, fill);
    QFETCH(QColor, edge);
    const QImage img =
        paint(MenuSorRajzol, rowOption("Új sor", QStyleOptionMenuItem::Normal, QStyle::State(state)));
    for (const QPoint pt : {QPoint(0, 0), QPoint(199, 23), QPoint(100, 0), QPoint(0, 12), QPoint(199, 12)})
        QCOMPARE(img.pixelColor(pt), edge);
    for (const QPoint pt : {QPoint(1, 1), QPoint(198, 22), QPoint(150, 12)})
        QCOMPARE(img.pixelColor(pt), fill);
}

void TestMenuStyle::separatorIsAThinLine()
{
    QStyleOptionMenuItem o = rowOption("-", QStyleOptionMenuItem::Separator, QStyle::State_Enabled);
    o.rect = QRect(0, 0, 120, 9);
    const QImage img = paint(MenuSorRajzol, o);
    const int mid = 4; // top + half the height, rounded down
    QCOMPARE(columnsOf(img, SeparatorLine), qMakePair(2, 117));
    QCOMPARE(columnsOf(img, SeparatorLine, mid, mid), qMakePair(2, 117));
    for (int y = 0; y < img.height(); ++y)
        if (y != mid)
            QCOMPARE(columnsOf(img, SeparatorLine, y, y).second, -1);
    // Nothing else: no text, no frame.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            QVERIFY(img.pixelColor(x, y) == ItemBack || img.pixelColor(x, y) == SeparatorLine);
}

void TestMenuStyle::rowTextAndShortcut_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("selected");
    QTest::newRow("enabled") << true << false;
    QTest::newRow("enabled, selected") << true << true;
    QTest::newRow("disabled") << false << false;
}

void TestMenuStyle::rowTextAndShortcut()
{
    QFETCH(bool, enabled);
    QFETCH(bool, selected);
    QStyle::State state = enabled ? QStyle::State_Enabled : QStyle::State_None;
    if (selected)
        state |= QStyle::State_Selected;
    const QStyleOptionMenuItem o = rowOption("&Töröl\tCtrl+Del", QStyleOptionMenuItem::Normal, state);
    const QImage img = paint(MenuSorRajzol, o);
    const QColor ink = enabled ? o.palette.color(QPalette::Active, QPalette::WindowText) : Grey;
    const QColor other = enabled ? Grey : o.palette.color(QPalette::Active, QPalette::WindowText);

    // Text from left + 22 (its first letter's side bearing aside), shortcut
    // ending 4 pixels before the right edge, both from top + 4 on.
    const auto [x0, x1] = columnsOf(img, ink, 4, 23);
    QVERIFY2(x0 >= 22 && x0 <= 24, qPrintable(QString::number(x0)));
    QVERIFY2(x1 >= 199 - 6 && x1 <= 199 - 4, qPrintable(QString::number(x1)));
    QCOMPARE(columnsOf(img, ink, 0, 3).second, -1);
    // Caption and shortcut both painted, apart; the "&" is not painted at all.
    QFont f = o.font;
    f.setFamily("Tahoma");
    const QFontMetrics fm(f);
    QVERIFY(x1 - x0 > fm.horizontalAdvance("Töröl") + fm.horizontalAdvance("Ctrl+Del"));
    QStyleOptionMenuItem plain = o;
    plain.text = "Töröl\tCtrl+Del";
    QCOMPARE(img, paint(MenuSorRajzol, plain));
    if (!selected) // the text colour is the only ink, nothing in the other grey or black
        QCOMPARE(columnsOf(img, other, 4, 20).second, -1);
}

void TestMenuStyle::checkedShowsBulletInsteadOfPicture()
{
    QStyleOptionMenuItem o = rowOption("Szűrés", QStyleOptionMenuItem::Normal, QStyle::State_Enabled);
    o.icon = redIcon();
    o.checkType = QStyleOptionMenuItem::NonExclusive;

    const QImage unchecked = paint(MenuSorRajzol, o);
    QCOMPARE(columnsOf(unchecked, Qt::red), qMakePair(2, 17));

    o.checked = true;
    const QImage checked = paint(MenuSorRajzol, o);
    QCOMPARE(columnsOf(checked, Qt::red).second, -1);
    // A round bullet in the text colour (its edge smoothed) from left + 8,
    // below top + 5, before the text.
    QRect bullet;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 20; ++x)
            if (checked.pixelColor(x, y) != ItemBack)
                bullet |= QRect(x, y, 1, 1);
    QCOMPARE(bullet.left(), 8);
    QVERIFY2(bullet.top() >= 5 && bullet.bottom() < 20, qPrintable(QString::number(bullet.top())));
    QVERIFY2(bullet.width() >= 4 && qAbs(bullet.width() - bullet.height()) <= 1,
             qPrintable(QString::number(bullet.width())));
    const QColor ink = o.palette.color(QPalette::Active, QPalette::WindowText);
    QCOMPARE(checked.pixelColor(bullet.center()), ink);
}

void TestMenuStyle::pictureMovesWhenHighlighted()
{
    QStyleOptionMenuItem o = rowOption("Új sor", QStyleOptionMenuItem::Normal, QStyle::State_Enabled);
    o.icon = redIcon();
    QCOMPARE(paint(MenuSorRajzol, o).pixelColor(2, 2), QColor(Qt::red));
    QCOMPARE(paint(MenuSorRajzol, o).pixelColor(1, 1), ItemBack);
    o.state |= QStyle::State_Selected;
    const QImage hot = paint(MenuSorRajzol, o);
    QCOMPARE(hot.pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(hot.pixelColor(17, 17), Highlight);
    QCOMPARE(hot.pixelColor(0, 0), Grey);
}

void TestMenuStyle::barItem_data()
{
    QTest::addColumn<bool>("selected");
    QTest::newRow("normal") << false;
    QTest::newRow("selected") << true;
}

void TestMenuStyle::barItem()
{
    QFETCH(bool, selected);
    QStyleOptionMenuItem o = rowOption("&Klubtagok", QStyleOptionMenuItem::Normal,
                                       selected ? QStyle::State_Enabled | QStyle::State_Selected
                                                : QStyle::State(QStyle::State_Enabled));
    o.rect = QRect(0, 0, 80, 22);
    const QImage img = paint(MenuFejRajzol, o);
    const QColor face = o.palette.color(QPalette::Button);
    if (selected) {
        QCOMPARE(img.pixelColor(1, 1), Background); // the outer two pixels stay as they were
        QCOMPARE(img.pixelColor(78, 20), Background);
        QCOMPARE(img.pixelColor(2, 2), Grey);
        QCOMPARE(img.pixelColor(77, 19), Grey);
        QCOMPARE(img.pixelColor(3, 3), Highlight);
        QCOMPARE(img.pixelColor(76, 18), Highlight);
    } else {
        QCOMPARE(img.pixelColor(0, 0), face);
        QCOMPARE(img.pixelColor(79, 21), face);
    }
    // The caption without "&" from (left + 7, top + 3).
    const QColor ink = o.palette.color(QPalette::ButtonText);
    const auto [x0, x1] = columnsOf(img, ink);
    QVERIFY2(x0 >= 7 && x0 <= 9, qPrintable(QString::number(x0)));
    QFont f = o.font;
    QVERIFY(x1 - x0 + 1 <= QFontMetrics(f).horizontalAdvance("Klubtagok"));
    QCOMPARE(columnsOf(img, ink, 0, 2).second, -1);
}

QTEST_MAIN(TestMenuStyle)
#include "tst_ui_menustyle.moc"
