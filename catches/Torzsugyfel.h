#pragma once
// The member picker: a chooser over all members that can be reordered by a click
// on a column title; the search follows the order.
#include "platform/ui/ListWindow.h"

class Tfrm_Torzsugyfel : public ListWindow {
    Q_OBJECT
public:
    explicit Tfrm_Torzsugyfel(QWidget *parent = nullptr);

protected:
    void search(const QString &text) override;
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    // Orders the list by the field of the given column, keeping the current member.
    void Rendez(int column);

    DataSet *m_ugyfel;
    QString m_sorrendMezo = QStringLiteral("Ugyfel_nev");
};

// Opens on the member `ugyfel` (the first one by name when there is none such)
// and returns the accepted member's key (0 for a null key or an empty list) or -1.
int TagValaszt(int ugyfel, QWidget *owner = nullptr);
