#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// SIGTERM, SIGHUP and SIGINT (logout, shutdown, a closed terminal, Ctrl+C)
// arrive as the Qt signal `received` on the event loop, so that the program
// can end the way a closing window does. The process handler only writes
// the signal's number into a pipe; the notifier reads it on the event loop.
// One object per process.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    // Gives the signals their default dispositions back.
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the pipe or a handler could not be installed; then the
    // signals keep their default effect.
    bool isActive() const { return m_active; }

signals:
    void received(int signalNumber);

private:
    void readPending();

    int m_readEnd = -1;
    int m_writeEnd = -1;
    bool m_active = false;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace platform
