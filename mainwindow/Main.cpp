#include "mainwindow/Main.h"
Tfrm_Main::Tfrm_Main(QWidget *parent) : QMainWindow(parent) {}
