#pragma once
// The information window (command aFontos): the default login and other things
// worth knowing, in a read-only text filling the window, centred on the desktop.
#include <QDialog>

class Tfrm_Readme : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Readme(QWidget *parent = nullptr);

    static QString szoveg(); // the window's text

protected:
    void showEvent(QShowEvent *e) override;
};
