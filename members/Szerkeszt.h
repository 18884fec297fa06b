#pragma once
// The member edit dialog. Every control is bound to the caller's member row,
// which is in insert or edit state for the dialog's whole life; the dialog never
// posts: the caller posts after OK and cancels otherwise. Only the three date
// pickers wait for OK before they reach the row.
#include "platform/ui/EditDialog.h"
#include <functional>

class DataSet;
class BoundDateEdit;
class BoundLineEdit;
class QLabel;
class QPushButton;

class Tfrm_Szerkeszt : public EditDialog {
    Q_OBJECT
public:
    Tfrm_Szerkeszt(DataSet *ugyfel, QWidget *parent = nullptr);

    // The membership-type choice: gets the member's type (null read as 0) and
    // gives the chosen key, or -1 when cancelled. TipusValaszt in accept mode
    // unless replaced.
    void setTipusValaszto(std::function<int(int)> valaszto) { m_tipusValaszto = std::move(valaszto); }

protected:
    void firstShow() override;
    bool eventFilter(QObject *obj, QEvent *e) override;

private:
    void IrszKeres();      // leaving the postal code
    void TipusValasztas(); // btnUgyfelValaszt
    void KilepesTorles();  // BitBtn1
    void Rendben();        // Button1

    DataSet *m_ugyfel;
    std::function<int(int)> m_tipusValaszto;
    BoundLineEdit *DBEdit2;
    BoundLineEdit *DBEdit3;
    BoundLineEdit *DBEdit8;
    BoundDateEdit *Dat_szul;
    BoundDateEdit *Dat_tag;
    BoundDateEdit *Dat_belep;
    QLabel *m_caption[6]; // the labels m1 ... m6
};
