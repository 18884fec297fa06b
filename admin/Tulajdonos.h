#pragma once
// The owner record: the association's name and contacts that the reports print
// in their headers and the main window shows in its caption.
#include "platform/ui/EditDialog.h"

class DataSet;

// Edits the caller's tulajdonos row (in insert or edit state) and posts it itself.
class Tfrm_Tulajdonos : public EditDialog {
    Q_OBJECT
public:
    Tfrm_Tulajdonos(DataSet *tulajdonos, QWidget *parent = nullptr);

private:
    void Rendben(); // btnOK

    DataSet *m_tulajdonos;
};

// Edits the first tulajdonos row, or stores a first one when the table is empty.
// True when OK stored it.
bool TulajdonosSzerkeszt(QWidget *owner = nullptr);
