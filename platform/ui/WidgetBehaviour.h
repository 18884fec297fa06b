#pragma once
// Behaviour every window shares, done once by application-wide event filters
// instead of code repeated per dialog.
//
// Every window: a mouse-wheel turn is one Up arrow key (turn away from the user)
// or one Down arrow key (towards the user, or a zero turn) for the focus widget,
// so grids move their current row by one.
//
// Dialogs that call enableDialogBehaviour:
// - the focused line edit, date or spin box and memo gets the background
//   FocusColor and gets its previous palette back when it loses the focus;
// - Enter moves the focus to the next control as Tab does, except in memos
//   (new line) and grids; Enter on a focused push or tool button presses that
//   button, not the dialog's default one.
#include <QColor>

class QWidget;

inline const QColor FocusColor(166, 202, 240);

// Installs the filters on the application; later calls do nothing.
void installWidgetBehaviour();
// Opts window (a dialog) in to focus colouring and Enter-as-Tab.
void enableDialogBehaviour(QWidget *window);
