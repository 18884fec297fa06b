#pragma once
// The data sheet of one member.
#include <QString>
#include <QVariant>

class QWidget;

// The serial number as the member reports print it: five digits, zero-padded
// ("00042"); null is empty.
QString SorszamSzoveg(const QVariant &sorszam);

// Shows the data sheet of the member ugyfel in the modal preview; returns when
// it closes. The four renamable captions are m1 ... m4 of the settings. A member
// id that matches no row gives the page header and footer only.
void AdatlapNyomtat(int ugyfel, QWidget *owner = nullptr);
