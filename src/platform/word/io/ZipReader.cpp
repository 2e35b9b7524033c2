#include "ZipReader.h"

#include "platform/errors/RuntimeError.h"

#include <QHash>

#include <QCoreApplication>
#include <zip.h>

namespace word::io {

namespace {

[[noreturn]] void fail(const QString& why) {
    throw platform::RuntimeError(
        QCoreApplication::translate("RuntimeError", "The file is not a readable document: %1.")
            .arg(why));
}

QString libzipError(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

struct Entry {
    zip_uint64_t index = 0;
    qint64 size = 0;
};

} // namespace

struct ZipReader::State {
    QByteArray bytes; // libzip reads from this buffer; it must outlive the archive
    zip_t* archive = nullptr;
    QHash<QString, Entry> entries;
    QStringList names;
    ZipLimits limits;

    ~State() {
        if (archive)
            zip_discard(archive);
    }
};

bool isSafeEntryName(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(u':'))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20)
            return false;
    }
    const auto segments = QStringView(name).split(u'/');
    for (const auto& segment : segments) {
        if (segment == u"..")
            return false;
    }
    return true;
}

namespace {

zip_t* openArchive(const QByteArray& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), bytes.size(), 0, &error);
    if (!source) {
        const QString why = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        fail(why);
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) {
        zip_source_free(source);
        const QString why = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        fail(QCoreApplication::translate("RuntimeError", "it is not a valid zip package (%1)")
                 .arg(why.toLower()));
    }
    zip_error_fini(&error);
    return archive;
}

Entry checkedEntry(zip_t* archive, zip_uint64_t index, const ZipLimits& limits, QString* name) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    // Raw names: a guessed code page would turn control bytes into symbols.
    if (zip_stat_index(archive, index, ZIP_FL_ENC_RAW, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_NAME) || !(stat.valid & ZIP_STAT_SIZE))
        fail(QCoreApplication::translate("RuntimeError", "entry %1 of the package is damaged")
                 .arg(index));
    *name = QString::fromUtf8(stat.name);
    if (!isSafeEntryName(*name) || name->contains(QChar::ReplacementCharacter))
        fail(QCoreApplication::translate("RuntimeError",
                                         "the package holds an unsafe entry name \"%1\"")
                 .arg(*name));
    if (stat.size > zip_uint64_t(limits.maxEntrySize))
        fail(QCoreApplication::translate("RuntimeError", "the package entry \"%1\" is too large")
                 .arg(*name));
    const qint64 size = qint64(stat.size);
    if (size > limits.ratioFreeSize && (stat.valid & ZIP_STAT_COMP_SIZE) &&
        size / qMax<qint64>(1, qint64(stat.comp_size)) > limits.maxCompressionRatio)
        fail(QCoreApplication::translate("RuntimeError",
                                         "the package entry \"%1\" is compressed suspiciously well")
                 .arg(*name));
    return Entry{index, size};
}

} // namespace

ZipReader::ZipReader(QByteArray bytes, ZipLimits limits) : m_state(std::make_unique<State>()) {
    m_state->bytes = std::move(bytes);
    m_state->limits = limits;
    m_state->archive = openArchive(m_state->bytes);
    const zip_int64_t count = zip_get_num_entries(m_state->archive, 0);
    if (count < 0 || count > limits.maxEntries)
        fail(QCoreApplication::translate("RuntimeError", "the package holds too many entries"));
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        QString name;
        const Entry entry = checkedEntry(m_state->archive, zip_uint64_t(i), limits, &name);
        total += entry.size;
        if (total > limits.maxTotalSize)
            fail(QCoreApplication::translate("RuntimeError",
                                             "the package is too large when unpacked"));
        if (m_state->entries.contains(name))
            fail(QCoreApplication::translate("RuntimeError", "the package holds \"%1\" twice")
                     .arg(name));
        m_state->entries.insert(name, entry);
        m_state->names.append(name);
    }
}

ZipReader::~ZipReader() = default;
ZipReader::ZipReader(ZipReader&&) noexcept = default;
ZipReader& ZipReader::operator=(ZipReader&&) noexcept = default;

QStringList ZipReader::entryNames() const {
    return m_state->names;
}

bool ZipReader::contains(const QString& name) const {
    return m_state->entries.contains(name);
}

QByteArray ZipReader::read(const QString& name) const {
    const auto found = m_state->entries.constFind(name);
    if (found == m_state->entries.cend())
        fail(QCoreApplication::translate("RuntimeError", "the package has no \"%1\"").arg(name));
    zip_file_t* file = zip_fopen_index(m_state->archive, found->index, 0);
    if (!file)
        fail(QCoreApplication::translate("RuntimeError",
                                         "the package entry \"%1\" cannot be opened (%2)")
                 .arg(name, libzipError(zip_get_error(m_state->archive)->zip_err).toLower()));
    // One byte more than declared tells a lying size from a true one.
    QByteArray content(found->size + 1, Qt::Uninitialized);
    qint64 filled = 0;
    zip_int64_t got = 0;
    while (filled < content.size() &&
           (got = zip_fread(file, content.data() + filled, content.size() - filled)) > 0)
        filled += got;
    const bool damaged = got < 0 || filled != found->size;
    zip_fclose(file);
    if (damaged)
        fail(QCoreApplication::translate("RuntimeError", "the package entry \"%1\" is damaged")
                 .arg(name));
    content.truncate(filled);
    return content;
}

} // namespace word::io
