#include "ZipWriter.h"

#include "platform/errors/RuntimeError.h"

#include <zip.h>

#include <QCoreApplication>
#include <memory>

namespace word::io {

namespace {

[[noreturn]] void fail(const QString& why) {
    throw platform::RuntimeError(
        QCoreApplication::translate("RuntimeError", "The document could not be packed: %1.")
            .arg(why));
}

// The archive's bytes, taken out of the buffer source it was written to.
QByteArray drain(zip_source_t* source) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_open(source) < 0)
        fail(QString::fromUtf8(zip_error_strerror(zip_source_error(source))));
    if (zip_source_stat(source, &stat) < 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        zip_source_close(source);
        fail(QCoreApplication::translate("RuntimeError", "the archive size is unknown"));
    }
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t got = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    if (got != zip_int64_t(stat.size))
        fail(QCoreApplication::translate("RuntimeError", "the archive could not be read back"));
    return bytes;
}

void addEntry(zip_t* archive, const QString& name, const QByteArray& content) {
    zip_source_t* data = zip_source_buffer(archive, content.constData(), content.size(), 0);
    if (!data)
        fail(QString::fromUtf8(zip_strerror(archive)));
    const zip_int64_t index =
        zip_file_add(archive, name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(data);
        fail(QString::fromUtf8(zip_strerror(archive)));
    }
    // A fixed time keeps saves of the same document byte for byte equal.
    zip_file_set_mtime(archive, zip_uint64_t(index), 315532800 + 86400, 0);
    zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 6);
}

} // namespace

void ZipWriter::add(const QString& name, QByteArray content) {
    m_entries.emplace_back(name, std::move(content));
}

QByteArray ZipWriter::finish() const {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = target ? zip_open_from_source(target, ZIP_TRUNCATE, &error) : nullptr;
    const QString why = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(target);
        fail(why);
    }
    // Our own reference keeps the written bytes alive after the archive closes.
    zip_source_keep(target);
    const std::unique_ptr<zip_source_t, decltype(&zip_source_free)> kept(target, zip_source_free);
    std::unique_ptr<zip_t, decltype(&zip_discard)> open(archive, zip_discard);
    for (const auto& [name, content] : m_entries)
        addEntry(archive, name, content);
    if (zip_close(archive) < 0)
        fail(QString::fromUtf8(zip_strerror(archive)));
    (void)open.release(); // zip_close has freed it
    return drain(target);
}

} // namespace word::io
