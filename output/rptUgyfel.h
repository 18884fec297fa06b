#pragma once
// The lists of the active members: by name, grouped by initial letter, and by
// angler ID card number.
#include <QString>

class QWidget;

// The list by name (TqrUgyfel) through the output chooser: preview, print or
// CSV export. filter is empty or "tipus=" followed by a membership type id.
void UgyfelListaNyomtat(const QString &filter, QWidget *owner = nullptr);
// The same list in order of the angler ID card number (TqrUgyfel2), without groups.
void UgyfelLista2Nyomtat(const QString &filter, QWidget *owner = nullptr);
