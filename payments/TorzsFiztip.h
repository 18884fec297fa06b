#pragma once
// Payment types: the list window, its edit dialog and the chooser.
#include "platform/ui/EditDialog.h"
#include "platform/ui/ListWindow.h"

class Tfrm_TorzsFiztip : public ListWindow {
    Q_OBJECT
public:
    explicit Tfrm_TorzsFiztip(QWidget *parent = nullptr);
    DataSet *Tbl() const { return m_fiztip; }

protected:
    void initNewRow() override;
    bool execEditDialog() override;
    void resizeEvent(QResizeEvent *e) override;

private:
    DataSet *m_fiztip;
};

// Edits the list's current row in place and posts it itself. A post the
// storage refuses is not caught here: the application's handler shows the
// message and the dialog stays open over the row still being edited.
class Tfrm_TorzsFiztip_Szerkeszt : public EditDialog {
    Q_OBJECT
public:
    Tfrm_TorzsFiztip_Szerkeszt(DataSet *fiztip, QWidget *parent = nullptr);

private:
    void Rendben();

    DataSet *m_fiztip;
};

// The payment-type chooser and the only way the list window is opened: opens
// on the type fiztip (the first type when there is none such) and returns the
// key of the row the window was closed on with OK (0 for an empty list), or -1.
// With a result other than -1 ido and osszeg get the row's values (empty read
// as 0) and eves whether the type is annual; with -1 they are left untouched.
int FiztipValaszt(int fiztip, bool elfogad, int &ido, int &osszeg, bool &eves, QWidget *owner = nullptr);
