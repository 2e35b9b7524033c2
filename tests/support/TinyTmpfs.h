#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace testing {

// A small tmpfs of the test's own, to run out of space on. Mounting needs
// root (as CI runs the tests); elsewhere `mounted()` is false and the test
// skips. Unmounted (lazily, should a file still be open) at the end.
class TinyTmpfs {
public:
    explicit TinyTmpfs(int kilobytes = 256) {
        if (::geteuid() != 0 || !m_point.isValid())
            return;
        m_mounted =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=%1k,mode=0777").arg(kilobytes),
                               QStringLiteral("tmpfs"), m_point.path()}) == 0;
    }
    ~TinyTmpfs() {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_point.path()});
    }
    TinyTmpfs(const TinyTmpfs&) = delete;
    TinyTmpfs& operator=(const TinyTmpfs&) = delete;

    static constexpr const char* kSkipReason =
        "needs root to mount a small tmpfs (CI runs the tests as root)";

    bool mounted() const { return m_mounted; }
    QString filePath(const QString& name) const { return m_point.filePath(name); }

    // Takes every free block; `release` gives them back.
    void fill() {
        QFile filler(filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
            return;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // The last partial block too.
        while (filler.write("f", 1) == 1 && filler.flush()) {
        }
    }
    void release() { QFile::remove(filePath(QStringLiteral(".filler"))); }

private:
    QTemporaryDir m_point;
    bool m_mounted = false;
};

} // namespace testing
