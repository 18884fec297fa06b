#include "admin/Login.h"
Tfrm_Login::Tfrm_Login(QWidget *parent) : QDialog(parent) {}
