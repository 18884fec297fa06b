#pragma once
// Label sheet layouts: the list window, its edit dialog and the chooser that
// hands a layout to the label printing.
#include "platform/ui/EditDialog.h"
#include "platform/ui/ListWindow.h"

class Tfrm_TorzsCimke : public ListWindow {
    Q_OBJECT
public:
    explicit Tfrm_TorzsCimke(QWidget *parent = nullptr);
    DataSet *Tbl() const { return m_cimke; }

protected:
    bool execEditDialog() override;
    void resizeEvent(QResizeEvent *e) override;

private:
    DataSet *m_cimke;
};

// Edits the list's current row in place and posts it itself. The tab order
// goes from the top margin to OK and only then to the other values.
class Tfrm_TorzsCimke_Szerkeszt : public EditDialog {
    Q_OBJECT
public:
    Tfrm_TorzsCimke_Szerkeszt(DataSet *cimke, QWidget *parent = nullptr);

private:
    void Rendben();

    DataSet *m_cimke;
};

// A layout as the chooser gives it back; null values read as 0.
struct TCimke {
    QString cimke; // empty when nothing was accepted
    double felsomargo = 0;
    double szelsomargo = 0;
    double cimkemagas = 0;
    int oszlop = 0;
};

// The layout chooser and the only way the window is opened: opens on the layout
// named cimke (letter case ignored, whole name; the first one when there is
// none such) and gives back the accepted layout, or an empty name on cancel.
TCimke CimkeValaszt(const QString &cimke, bool elfogad, QWidget *owner = nullptr);
