#pragma once

#include "ZipLimits.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace word::io {

// A zip archive read from memory. Opening checks every entry's name and
// declared size against the limits; entries are inflated into memory only,
// never onto disk. Every failure throws platform::RuntimeError.
class ZipReader {
public:
    explicit ZipReader(QByteArray bytes, ZipLimits limits = {});
    ~ZipReader();
    ZipReader(ZipReader&&) noexcept;
    ZipReader& operator=(ZipReader&&) noexcept;
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    QStringList entryNames() const;
    bool contains(const QString& name) const;
    // The inflated content of one entry; throws when it is missing or damaged.
    QByteArray read(const QString& name) const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Whether an entry name is a plain relative path inside the archive.
bool isSafeEntryName(const QString& name);

} // namespace word::io
