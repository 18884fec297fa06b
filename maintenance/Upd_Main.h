#pragma once
// The maintenance program's main window.
#include <QMainWindow>

class Tfrm_Upd_Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Tfrm_Upd_Main(QWidget *parent = nullptr);
};
