#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The write end of the pipe, the one thing a process signal handler can
// reach. Set before the handlers are installed, cleared after they are gone.
volatile sig_atomic_t g_writeEnd = -1;

extern "C" void onSignal(int signalNumber) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a pending request; nothing is lost.
    if (g_writeEnd >= 0 && ::write(g_writeEnd, &byte, 1) < 0) {
    }
    errno = saved;
}

void setDisposition(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kSignals)
        ::sigaction(s, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    int ends[2];
    if (g_writeEnd >= 0 || ::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);
    g_writeEnd = m_writeEnd;
    setDisposition(onSignal);
    m_active = true;
}

TerminationSignals::~TerminationSignals() {
    if (!m_active)
        return;
    setDisposition(SIG_DFL);
    g_writeEnd = -1;
    ::close(m_readEnd);
    ::close(m_writeEnd);
}

void TerminationSignals::readPending() {
    unsigned char bytes[16];
    for (;;) {
        const ssize_t n = ::read(m_readEnd, bytes, sizeof bytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        for (ssize_t i = 0; i < n; ++i)
            emit received(bytes[i]);
    }
}

} // namespace platform
