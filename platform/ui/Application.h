#pragma once
// The application object of both programs. Errors nobody caught in an event
// handler (VornError, any std::exception) end up here: their message is shown in
// the error box, the action that failed ends and the program goes on.
#include <QApplication>

class VornApplication : public QApplication {
    Q_OBJECT
public:
    // Loads Qt's Hungarian translations and installs the shared widget behaviour.
    VornApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// Installs Qt's own Hungarian texts (qtbase_hu.qm); false when not found.
bool loadHungarianQtTranslations(QCoreApplication *app);
