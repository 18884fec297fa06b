#pragma once
// The settings dialog: three values of the settings record (the file Vorn.ini
// gets them when the main window closes) and the beallit row shared by every
// workstation of the data folder.
#include "platform/ui/EditDialog.h"

class DataSet;
class QCheckBox;
class QLineEdit;
struct TBeall;

class Tfrm_Beallit : public EditDialog {
    Q_OBJECT
public:
    // beallit is in insert or edit state; the other controls start from Beall().
    Tfrm_Beallit(DataSet *beallit, QWidget *parent = nullptr);

    // TeljesKep, AlapVaros and Utvonal as the controls hold them.
    void Atir(TBeall &b) const;

private:
    void Tallozas(); // BitBtn1

    QCheckBox *CheckBox1;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
};

// The "Beállítások" command: the dialog over the first beallit row (a first row
// is stored when the table is empty); OK posts the row and sets the settings
// record, anything else changes nothing. Either way it then warns that the
// settings take effect at the next start.
void BeallitasokSzerkeszt(QWidget *owner = nullptr);
