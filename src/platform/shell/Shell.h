#pragma once

#include <QString>

namespace platform {

// What the program asks of the desktop shell. Tests replace it.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens an address in the user's browser; fails when it cannot be started.
    virtual void openUrl(const QString& address) = 0;
    // Ends the program at once: no close handler of any window runs afterwards.
    virtual void endProgram() = 0;
    virtual bool endRequested() const = 0;
    // Lets the window system process all pending events.
    virtual void doEvents() = 0;
    // The standard save dialog; an empty result means it was cancelled.
    virtual QString askSaveFileName(const QString& title, const QString& filter,
                                    const QString& fileName) = 0;
};

} // namespace platform
