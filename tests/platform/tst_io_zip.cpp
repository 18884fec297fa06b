// The ZIP writer, checked from outside with the unzip tools: names and contents,
// deflate at the fastest level without ZIP64, replacing a target, and that a
// failure never leaves a half archive or touches the previous one.
#include "foundation/Error.h"
#include "platform/io/Zip.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray run(const QString &program, const QStringList &args, int *exitCode = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (exitCode)
        *exitCode = p.exitCode();
    return p.readAllStandardOutput();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString &archive)
{
    QStringList names = QString::fromUtf8(run("unzip", {"-Z1", archive})).split('\n', Qt::SkipEmptyParts);
    names.sort();
    return names;
}

QByteArray entry(const QString &archive, const QString &name)
{
    return run("unzip", {"-p", archive, name});
}

} // namespace

class TestZip : public QObject {
    Q_OBJECT
private slots:
    void init();
    void entriesReadBackByUnzip();
    void fastDeflateWithoutZip64();
    void replacesExistingTarget();
    void failureKeepsPreviousArchive_data();
    void failureKeepsPreviousArchive();
    void missingSourceIsRefused();
    void unwritableTargetThrows();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestZip::init()
{
    m_dir.reset(new QTemporaryDir);
}

void TestZip::entriesReadBackByUnzip()
{
    QByteArray random(300000, '\0');
    QRandomGenerator rng(7);
    for (char &c : random)
        c = char(rng.bounded(256));
    const QList<QPair<QString, QByteArray>> files = {
        {"vorn.sqlite", QByteArray(100000, 'x') + "vége"},
        {"random.bin", random},
        {"üres.txt", QByteArray()},
        {"árvíztűrő tükörfúrógép.txt", "Hungarian name\r\n"},
        {"al/mappa/x.txt", "in a sub-folder"},
    };
    ZipWriter zip(path("a.zip"));
    for (const auto &[name, bytes] : files) {
        writeFile(path("src/" + name), bytes);
        zip.addFile(path("src/" + name), name);
    }
    zip.commit();

    int rc = -1;
    run("unzip", {"-tq", path("a.zip")}, &rc);
    QCOMPARE(rc, 0);
    QStringList expected;
    for (const auto &f : files)
        expected << f.first;
    expected.sort();
    QCOMPARE(entries(path("a.zip")), expected);
    for (const auto &[name, bytes] : files)
        QCOMPARE(entry(path("a.zip"), name), bytes);
}

void TestZip::fastDeflateWithoutZip64()
{
    writeFile(path("src/a.txt"), QByteArray(50000, 'a'));
    writeFile(path("src/b.txt"), QByteArray("abc").repeated(20000));
    {
        ZipWriter zip(path("a.zip"));
        zip.addFile(path("src/a.txt"), "a.txt");
        zip.addFile(path("src/b.txt"), "b.txt");
        zip.commit();
    }
    const QString info = QString::fromUtf8(run("zipinfo", {"-v", path("a.zip")}));
    QCOMPARE(info.count(QRegularExpression("compression method:\\s+deflated")), 2);
    // Levels 1 and 2 are marked as the "fast" sub-type in the general purpose flags.
    QCOMPARE(info.count(QRegularExpression("compression sub-type \\(deflation\\):\\s+fast")), 2);
    QVERIFY(!info.contains("4.5")); // the version ZIP64 needs to extract
    const QByteArray bytes = readFile(path("a.zip"));
    QVERIFY(!bytes.contains(QByteArray("PK\x06\x06", 4))); // ZIP64 end of central directory
    QVERIFY(!bytes.contains(QByteArray("PK\x06\x07", 4))); // and its locator
    QVERIFY(bytes.size() < 2000);                          // compressed at all
}

void TestZip::replacesExistingTarget()
{
    writeFile(path("a.zip"), "not an archive, left from before");
    writeFile(path("src/new.txt"), "new");
    ZipWriter zip(path("a.zip"));
    zip.addFile(path("src/new.txt"), "new.txt");
    zip.commit();
    QCOMPARE(entries(path("a.zip")), QStringList{"new.txt"});
    QCOMPARE(entry(path("a.zip"), "new.txt"), QByteArray("new"));
}

// A source that vanishes before commit fails the commit; an archive dropped
// without commit is never written. Either way the old archive stays as it was
// and no temporary file is left beside it.
void TestZip::failureKeepsPreviousArchive_data()
{
    QTest::addColumn<bool>("commit");
    QTest::newRow("source removed before commit") << true;
    QTest::newRow("dropped without commit") << false;
}

void TestZip::failureKeepsPreviousArchive()
{
    QFETCH(bool, commit);
    writeFile(path("out/old.txt"), "old");
    {
        ZipWriter old(path("out/a.zip"));
        old.addFile(path("out/old.txt"), "old.txt");
        old.commit();
    }
    QFile::remove(path("out/old.txt"));
    const QByteArray before = readFile(path("out/a.zip"));

    writeFile(path("src/keep.txt"), "keep");
    writeFile(path("src/gone.txt"), QByteArray(10000, 'g'));
    {
        ZipWriter zip(path("out/a.zip"));
        zip.addFile(path("src/keep.txt"), "keep.txt");
        zip.addFile(path("src/gone.txt"), "gone.txt");
        if (commit) {
            QVERIFY(QFile::remove(path("src/gone.txt")));
            QVERIFY_THROWS_EXCEPTION(VornError, zip.commit());
        }
    }
    QCOMPARE(readFile(path("out/a.zip")), before);
    QCOMPARE(QDir(path("out")).entryList(QDir::Files | QDir::Hidden), QStringList{"a.zip"});
}

void TestZip::missingSourceIsRefused()
{
    ZipWriter zip(path("a.zip"));
    try {
        zip.addFile(path("nincs.txt"), "nincs.txt");
        QFAIL("a missing source was accepted");
    } catch (const VornError &e) {
        QVERIFY2(e.message().contains(QDir::toNativeSeparators(path("nincs.txt"))), qPrintable(e.message()));
    }
}

void TestZip::unwritableTargetThrows()
{
    // A regular file where the folder should be: refused even to root.
    writeFile(path("fajl"), "x");
    writeFile(path("src/a.txt"), "a");
    const QString target = path("fajl/a.zip");
    try {
        ZipWriter zip(target);
        zip.addFile(path("src/a.txt"), "a.txt");
        zip.commit();
        QFAIL("an archive was written under a file");
    } catch (const VornError &e) {
        QVERIFY2(e.message().startsWith(QDir::toNativeSeparators(target) + ": "), qPrintable(e.message()));
        QVERIFY(e.message().size() > target.size() + 2); // the cause follows
    }
    QCOMPARE(readFile(path("fajl")), QByteArray("x"));
}

QTEST_GUILESS_MAIN(TestZip)
#include "tst_io_zip.moc"
