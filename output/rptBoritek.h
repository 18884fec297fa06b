#pragma once
// The envelope of one member, with the association as sender.
class QWidget;

// The envelope (160 x 113 mm) of the member ugyfel: printed at once on the
// current printer without a dialog when print is set, else the modal preview.
// A member id that matches no row gives an empty envelope.
void BoritekNyomtat(int ugyfel, bool print, QWidget *owner = nullptr);
