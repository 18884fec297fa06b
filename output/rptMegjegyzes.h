#pragma once
// The dated notes of one member, newest first.
class QWidget;

// The notes of the member ugyfel, with the member's name, type and address
// above them: printed at once on the current printer without a dialog when
// print is set, else the modal preview.
void MegjegyzesNyomtat(int ugyfel, bool print, QWidget *owner = nullptr);
