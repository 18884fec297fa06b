#pragma once
// The output chooser of the list reports: print preview, print or CSV export.
#include "platform/ui/EditDialog.h"

class QButtonGroup;
class QGroupBox;

class Tfrm_Kimenet : public EditDialog {
    Q_OBJECT
public:
    explicit Tfrm_Kimenet(QWidget *parent = nullptr);

    // The selected choice: 0 "Nyomtatási kép", 1 "Nyomtatás", 2 "Excel export (CSV)".
    int choice() const;

private:
    QGroupBox *RadioGroup1;
    QButtonGroup *m_items;
};

// Shows the chooser modally, the first choice selected. The choice on OK,
// -1 on "Mégsem", Esc or the close box.
int KimenetValaszt(QWidget *parent = nullptr);

// Lets tests answer the chooser without showing it: while answers are queued,
// KimenetValaszt returns the next one and shows nothing.
namespace KimenetHook {

void expect(int choice);
int asked(); // how many calls were answered from the queue
void clear();

} // namespace KimenetHook
