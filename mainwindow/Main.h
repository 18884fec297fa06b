#pragma once
#include <QMainWindow>
class Tfrm_Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Tfrm_Main(QWidget *parent = nullptr);
};
