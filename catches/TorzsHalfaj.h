#pragma once
// Fish species: the list window, its edit dialog and the chooser.
#include "platform/ui/EditDialog.h"
#include "platform/ui/ListWindow.h"

// The species in key order (order of creation); the list posts the edited row.
class Tfrm_TorzsHalfaj : public ListWindow {
    Q_OBJECT
public:
    explicit Tfrm_TorzsHalfaj(QWidget *parent = nullptr);

protected:
    bool execEditDialog() override;
    // The first species in name order whose name begins with the text, while the
    // list stays in key order.
    void search(const QString &text) override;

private:
    DataSet *m_halfaj;
};

// Edits the list's current row in place; saves nothing itself. Esc does not
// close it: only "Mégsem" and the close box cancel.
class Tfrm_TorzsHalfaj_Szerkeszt : public EditDialog {
    Q_OBJECT
public:
    Tfrm_TorzsHalfaj_Szerkeszt(DataSet *halfaj, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *e) override;
};

// The fish-species chooser and the only way the list window is opened: opens on
// the species `halfaj` (the first one when there is none such), returns the
// accepted species' key (0 for a null key or an empty list) or -1.
int HalfajValaszt(int halfaj, bool elfogad, QWidget *owner = nullptr);
