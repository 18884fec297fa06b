#include "foundation/Folders.h"
#include "maintenance/Upd_Main.h"
#include "platform/ui/Application.h"

int main(int argc, char *argv[])
{
    VornApplication app(argc, argv);
    folders() = Folders::fixForThisProgram();
    Tfrm_Upd_Main w;
    w.show();
    return app.exec();
}
