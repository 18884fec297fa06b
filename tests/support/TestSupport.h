#pragma once
// Shared fixtures of the tests.
#include <QString>
#include <QTemporaryDir>

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
