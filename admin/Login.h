#pragma once
#include <QDialog>
class Tfrm_Login : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Login(QWidget *parent = nullptr);
};
