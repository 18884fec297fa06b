#include "members/Szerkeszt.h"

Tfrm_Szerkeszt::Tfrm_Szerkeszt(QWidget *parent) : QDialog(parent) {}
