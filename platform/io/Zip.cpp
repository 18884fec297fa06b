#include "platform/io/Zip.h"

#include "foundation/Error.h"

#include <QDir>
#include <QFileInfo>
#include <zip.h>

namespace {

// Without ZIP64 an archive holds at most 65535 entries and 4 GiB; the margin
// leaves room for deflate's worst-case growth and the headers.
constexpr int MaxEntries = 0xFFFF;
constexpr qint64 MaxBytes = 4000000000LL;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

ZipWriter::ZipWriter(const QString &target) : m_target(target)
{
    int code = 0;
    // libzip writes the whole archive to a temporary file beside the target
    // when it is closed and renames it over the target only when all went well.
    m_zip = zip_open(QFile::encodeName(target).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!m_zip) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString cause = QString::fromLocal8Bit(zip_error_strerror(&error));
        zip_error_fini(&error);
        throw VornError(QStringLiteral("%1: %2").arg(native(target), cause));
    }
}

ZipWriter::~ZipWriter()
{
    if (m_zip)
        zip_discard(m_zip);
}

void ZipWriter::addFile(const QString &source, const QString &name)
{
    const QFileInfo info(source);
    if (!info.isFile())
        throw VornError(QStringLiteral("%1: a fájl nem található.").arg(native(source)));
    if (m_count + 1 > MaxEntries || m_bytes + info.size() > MaxBytes)
        throw VornError(QStringLiteral("%1: nem fér el a ZIP archívumban (legfeljebb %2 fájl, 4 GB).")
                            .arg(native(source))
                            .arg(MaxEntries));

    zip_source_t *src = zip_source_file(m_zip, QFile::encodeName(source).constData(), 0, -1);
    const zip_int64_t index =
        src ? zip_file_add(m_zip, name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) : -1;
    if (index < 0) {
        const QString cause = QString::fromLocal8Bit(zip_strerror(m_zip));
        if (src)
            zip_source_free(src);
        throw VornError(QStringLiteral("%1: %2").arg(native(source), cause));
    }
    if (zip_set_file_compression(m_zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 1) != 0)
        throw VornError(
            QStringLiteral("%1: %2").arg(native(source), QString::fromLocal8Bit(zip_strerror(m_zip))));
    m_bytes += info.size();
    ++m_count;
}

void ZipWriter::commit()
{
    if (zip_close(m_zip) != 0)
        throw VornError(
            QStringLiteral("%1: %2").arg(native(m_target), QString::fromLocal8Bit(zip_strerror(m_zip))));
    m_zip = nullptr;
}
