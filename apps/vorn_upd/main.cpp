#include "maintenance/Upd_Main.h"
#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Tfrm_Upd_Main w;
    w.show();
    return app.exec();
}
