#include "tests/support/TestSupport.h"

#include "foundation/Folders.h"
#include "platform/db/DataFolder.h"

#include <QFile>
#include <QTest>

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

TestDataFolder::~TestDataFolder() { Db::close(); }
