#pragma once
// The users edit dialog: edits the list's current row in place and posts it
// itself once the password is given and typed twice alike.
#include "platform/ui/EditDialog.h"

class DataSet;
class QCheckBox;
class QLineEdit;

class Tfrm_FelhasznaloSzerkeszt : public EditDialog {
    Q_OBJECT
public:
    Tfrm_FelhasznaloSzerkeszt(DataSet *felhasznalo, QWidget *parent = nullptr);

protected:
    void firstShow() override;

private:
    void Rendben();

    DataSet *m_felhasznalo;
    QLineEdit *Edit1; // the password typed again, not bound
    QList<QCheckBox *> m_jelolok;
};
