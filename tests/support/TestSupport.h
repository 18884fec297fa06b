#pragma once
// Shared fixtures of the tests.
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportOutput.h"

#include <QMetaType>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <vector>

class ListWindow;
class QDialog;
class QWidget;

// Types text into w one key event per character, as a user would; unlike
// QTest::keyClicks it takes letters beyond Latin-1 (ő, ű).
void typeText(QWidget *w, const QString &text);

// A temporary data root with a data folder made as an installation makes it;
// folders() points at it and the connection regiszter is open on it.
class TestDataFolder {
public:
    TestDataFolder();
    ~TestDataFolder();
    QString root() const { return m_dir.path(); }
    QString data() const { return m_dir.path() + "/Data"; }

private:
    QTemporaryDir m_dir;
};

// Runs call, which shows a modal dialog, and meanwhile runs act on that dialog as
// soon as it is the active window. True when act closed the dialog; one that act
// left open is rejected then, so a test never waits for a click.
bool driveModal(const std::function<void()> &call, const std::function<void(QDialog *)> &act);

// While it lives, the documents that reports send to the preview or the
// printer are kept here instead of being shown or printed.
struct CapturedReports {
    std::vector<ReportDocument> docs;
    std::vector<ReportOutputMode> modes;
    CapturedReports();
    ~CapturedReports();
    // The one document sent; fails the test run when there were more or none.
    const ReportDocument &only() const;
};

// The ways a user closes a list window.
enum class CloseBy { Esc, Enter, Bezar, Elfogad, CloseBox, DoubleClick };
Q_DECLARE_METATYPE(CloseBy)

// Closes w that way: Esc or Enter on the grid, the Bezár or Elfogad tool
// button, the close box, or a double click on the grid's row `row`.
void closeListWindow(ListWindow *w, CloseBy way, int row = 1);
