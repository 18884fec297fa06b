#include "maintenance/Upd_Main.h"

Tfrm_Upd_Main::Tfrm_Upd_Main(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("frm_Upd_Main");
    setWindowTitle(QStringLiteral("Vorn program adatbázis karbantartás5.0.1.158"));
    resize(520, 360);
}
