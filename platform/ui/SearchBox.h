#pragma once
// The search box of a list: every change of its text searches; Down (and Enter,
// unless Enter has another use in the window) moves the focus to the grid; entering
// the box selects its text. A character typed in the grid that is, in lower case,
// a digit, a to z or a Hungarian accented letter moves the focus to the box, which
// then holds only that lower-case character, and searches.
#include <QString>
#include <functional>

class QAbstractItemView;
class QLineEdit;

// True for the characters that typed in a grid start a search.
bool startsSearch(const QString &lowerCaseText);

struct SearchBoxOptions {
    bool enterToGrid = true;
};

void installSearchBox(QAbstractItemView *grid, QLineEdit *box, std::function<void(const QString &)> search,
                      SearchBoxOptions options = {});
