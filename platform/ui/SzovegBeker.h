#pragma once
// The one-line input dialog and the font measure its layout is built on.
#include <QFont>
#include <QSize>
#include <QString>

class QWidget;

// A modal dialog titled caption with the prompt, an edit holding value (at most
// 255 characters, all selected, with the optional input mask), "OK" (default)
// and "Mégsem" (cancel). OK gives true and sets value; any other way out gives
// false and leaves value as it was.
// Object names: lblPrompt, edtErtek, btnOK, btnMegsem.
bool SzovegBeker(const QString &caption, const QString &prompt, const QString &mask, QString &value,
                 QWidget *owner = nullptr);

// Average character width and the character height of font: the width of "A".."Z"
// followed by "a".."z", divided by 52 (integer division), and the text's height.
QSize AtlagKarakterMeret(const QFont &font);
