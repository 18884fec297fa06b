#include "platform/ui/Application.h"

#include "foundation/Error.h"
#include "platform/ui/MessageBoxes.h"
#include "platform/ui/WidgetBehaviour.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

bool loadHungarianQtTranslations(QCoreApplication *app)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_hu"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setParent(app);
    return app->installTranslator(translator.release());
}

VornApplication::VornApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    loadHungarianQtTranslations(this);
    installWidgetBehaviour();
}

bool VornApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const VornError &e) {
        HibaUzenet(e.message(), activeWindow());
    } catch (const std::exception &e) {
        HibaUzenet(QString::fromUtf8(e.what()), activeWindow());
    }
    return false;
}
