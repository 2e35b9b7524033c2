#include "FullDisk.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace testing {

namespace {
// Room for an agenda or two, and little to fill.
constexpr char kOptions[] = "size=512k,mode=0755";
} // namespace

FullDisk::FullDisk() {
    if (::geteuid() != 0) {
        m_reason = QStringLiteral("A full disk needs a tmpfs of the test's own, which only root "
                                  "may mount");
        return;
    }
    const QByteArray target = QFile::encodeName(m_dir.path());
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, kOptions) != 0) {
        m_reason = QStringLiteral("A tmpfs for a full disk could not be mounted: %1")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
}

FullDisk::~FullDisk() {
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

void FullDisk::fill() {
    const QByteArray filler = QFile::encodeName(filePath(QStringLiteral(".filler")));
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    const QByteArray block(512, 'f');
    while (::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    ::close(fd);
}

} // namespace testing
