#include "tests/support/TestSupport.h"

#include "foundation/Folders.h"
#include "platform/db/DataFolder.h"
#include "platform/ui/GridModel.h"
#include "platform/ui/GridView.h"
#include "platform/ui/ListWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QToolBar>

TestDataFolder::TestDataFolder()
{
    QVERIFY2(m_dir.isValid(), "no temporary folder");
    // Vorn.ini beside the "program" makes the temporary folder a self-contained installation.
    QFile ini(m_dir.filePath("Vorn.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Alapertek]\n");
    ini.close();
    folders() = Folders::fix(m_dir.path(), QString(), QRect(0, 0, 1280, 1024));
    DataFolder::create(data());
}

TestDataFolder::~TestDataFolder()
{
    Db::close();
}

void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool driveModal(const std::function<void()> &call, const std::function<void(QDialog *)> &act)
{
    bool acted = false, closed = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (acted || !dlg || !dlg->isActiveWindow())
            return;
        acted = true;
        timer.stop();
        act(dlg);
        closed = !dlg->isVisible();
        if (!closed)
            dlg->reject();
    });
    timer.start(10);
    call();
    return closed;
}

CapturedReports::CapturedReports()
{
    ReportOutputHook::set([this](const ReportDocument &d, ReportOutputMode m) {
        docs.push_back(d);
        modes.push_back(m);
    });
}

CapturedReports::~CapturedReports()
{
    ReportOutputHook::clear();
}

const ReportDocument &CapturedReports::only() const
{
    if (docs.size() != 1)
        qFatal("expected one document, got %d", int(docs.size()));
    return docs.front();
}

void closeListWindow(ListWindow *w, CloseBy way, int row)
{
    switch (way) {
    case CloseBy::Esc:
        QTest::keyClick(w->grid(), Qt::Key_Escape);
        break;
    case CloseBy::Enter:
        QTest::keyClick(w->grid(), Qt::Key_Return);
        break;
    case CloseBy::Bezar:
        QTest::mouseClick(w->toolBar()->widgetForAction(w->aBezar()), Qt::LeftButton);
        break;
    case CloseBy::Elfogad:
        QTest::mouseClick(w->toolBar()->widgetForAction(w->aElfogad()), Qt::LeftButton);
        break;
    case CloseBy::CloseBox:
        w->close();
        break;
    case CloseBy::DoubleClick: {
        const QPoint at = w->grid()->visualRect(w->model()->index(row, 0)).center();
        QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(w->grid()->viewport(), Qt::LeftButton, {}, at);
        break;
    }
    }
}
