#pragma once

#include <QString>

class QPrinter;

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
    // The standard open dialog for an existing file, starting in `folder`;
    // an empty result means it was cancelled.
    virtual QString askOpenFileName(const QString& title, const QString& filter,
                                    const QString& folder) = 0;
    // The system print dialog for a document of `pageCount` pages: the
    // user's printer, pages and copies go into `printer`. False when
    // cancelled.
    virtual bool askPrint(QPrinter& printer, int pageCount) = 0;
};

} // namespace platform
