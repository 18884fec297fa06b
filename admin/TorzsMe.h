#pragma once
// Membership types: the list window, its edit dialog and the chooser.
#include "platform/ui/EditDialog.h"
#include "platform/ui/ListWindow.h"

class QLabel;
class QPushButton;
class QFrame;

class Tfrm_TorzsMe : public ListWindow {
    Q_OBJECT
public:
    explicit Tfrm_TorzsMe(QWidget *parent = nullptr);
    DataSet *Tbl() const { return m_tipus; }

protected:
    void initNewRow() override;
    bool execEditDialog() override;

private:
    DataSet *m_tipus;
};

// Edits the list's current row in place and posts it itself.
class Tfrm_TorzsMe_Szerkeszt : public EditDialog {
    Q_OBJECT
public:
    Tfrm_TorzsMe_Szerkeszt(DataSet *tipus, QWidget *parent = nullptr);
    QColor szin() const { return m_szin; }
    void setSzin(const QColor &c); // the preview's colour

private:
    void SzinValaszt();
    void Rendben();

    DataSet *m_tipus;
    QFrame *Shape1;
    QColor m_szin = Qt::white;
};

// The membership-type chooser and the only way the list window is opened:
// opens on the type `tipus` (the first type when there is none such), returns
// the accepted type's key (0 for a null key or an empty list) or -1.
int TipusValaszt(int tipus, bool elfogad, QWidget *owner = nullptr);
