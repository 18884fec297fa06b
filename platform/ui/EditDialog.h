#pragma once
// The base of the small edit dialogs: each remembers its place in the settings
// file under its window name and takes the program-wide font size when shown.
#include <QDialog>

class DataSet;
class QPushButton;
class QRect;
class QWidget;

// Point size of w's font := the settings record's Betumeret.
void applyProgramFontSize(QWidget *w);

class EditDialog : public QDialog {
    Q_OBJECT
public:
    // windowName is the object name and the settings-file section of Left/Top.
    explicit EditDialog(const QString &windowName, QWidget *parent = nullptr);

    // Stores Left/Top, then closes as QDialog does.
    void done(int result) override;

protected:
    // A push button of the dialog (or of a group box in it) at its place. None
    // is a default button, so Enter moves on or presses the focused one.
    QPushButton *addButton(const QString &name, const QString &caption, const QRect &geometry,
                           QWidget *parent = nullptr);

    // Every show the program makes (not one the window system reports, such as
    // coming back from minimized) restores Left/Top and applies the font size
    // before the dialog appears; a subclass calls this first.
    // Posts the row being edited; a refusal of the storage is shown as
    // "Hiányos, vagy hibás adatmegadás" with its message, and gives false, so
    // the dialog stays open.
    bool postRow(DataSet &ds);

    void showEvent(QShowEvent *e) override;
    // Runs once, at the first show, after the place and the font size are set
    // and the check boxes fitted to their captions at that size.
    virtual void firstShow() {}

private:
    bool m_shown = false;
};
