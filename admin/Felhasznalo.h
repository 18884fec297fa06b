#pragma once
// The users of the login: the list window and the command that opens it.
#include "platform/ui/ListWindow.h"

class Tfrm_Felhasznalo : public ListWindow {
    Q_OBJECT
public:
    explicit Tfrm_Felhasznalo(QWidget *parent = nullptr);
    DataSet *Tbl() const { return m_felhasznalo; }

protected:
    void initNewRow() override;
    bool execEditDialog() override;
    // Refuses to delete the last user while the login is switched on: nobody
    // could log in at the next start.
    void deleteRow() override;
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void OszlopIgazit();

    DataSet *m_felhasznalo;
};

// The "Felhasználók" command: shows the users window modally over owner.
void FelhasznalokMutat(QWidget *owner = nullptr);
