#include "foundation/Folders.h"
#include "mainwindow/Main.h"
#include "platform/ui/Application.h"

int main(int argc, char *argv[])
{
    VornApplication app(argc, argv);
    // The application name only: a display name would be appended to every window title.
    app.setApplicationName(QStringLiteral("Vorn - Horgászegyesületi nyilvántartó"));
    folders() = Folders::fixForThisProgram();
    Tfrm_Main w;
    if (!w.Inditas())
        return 1;
    w.show();
    return app.exec();
}
