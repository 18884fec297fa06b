#pragma once
// A ZIP archive of files from disk: deflate at the fastest level, no ZIP64
// extensions (so every unzip tool reads it). Nothing reaches the target until
// commit(): the archive is written to a temporary file beside the target and
// renamed over it at the end, so a failure leaves the previous file, or none.
// Every failure throws VornError naming the file and the cause. An archive
// with no file in it is not written (libzip removes an existing target).
#include <QString>

typedef struct zip zip_t;

class ZipWriter {
public:
    explicit ZipWriter(const QString &target);
    ~ZipWriter(); // without commit() nothing is written
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    // source is read when the archive is committed; it must stay until then.
    void addFile(const QString &source, const QString &name);
    void commit();

private:
    QString m_target;
    zip_t *m_zip = nullptr;
    qint64 m_bytes = 0;
    int m_count = 0;
};
