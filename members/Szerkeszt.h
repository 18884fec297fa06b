#pragma once
// The member edit dialog.
#include <QDialog>

class Tfrm_Szerkeszt : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Szerkeszt(QWidget *parent = nullptr);
};
