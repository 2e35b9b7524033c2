#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing {

// A small file system of the test's own, filled up: a tmpfs mounted on a
// temporary folder, which needs root (CI runs as root). Elsewhere, or where
// mounting is not allowed, unavailableReason() says why and
// QUILLARY_REQUIRE_FULL_DISK skips the test with it. Unmounted at the end.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    QString unavailableReason() const { return m_reason; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString path() const { return m_dir.path(); }
    // Takes all the space left (files written before stay as they are);
    // the next write of any size fails with "No space left on device".
    void fill();

private:
    QTemporaryDir m_dir;
    QString m_reason;
    bool m_mounted = false;
};

} // namespace testing

#define QUILLARY_REQUIRE_FULL_DISK(disk)                                                           \
    do {                                                                                           \
        if (!(disk).unavailableReason().isEmpty())                                                 \
            QSKIP(qPrintable((disk).unavailableReason()));                                         \
    } while (false)
