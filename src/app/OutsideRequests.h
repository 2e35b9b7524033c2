#pragma once

#include "../platform/session/TerminationSignals.h"

#include <QObject>

class Form1;
class QWidget;

namespace platform {
class SingleInstance;
}

namespace app {

// What reaches the program from outside its windows. SIGTERM, SIGHUP and
// SIGINT close the window the user sees, as its close box would: the
// agenda list is stored, the temporary document deleted, the program ends.
// The session manager's request to save before a logout stores the list
// and nothing more, since the user may still cancel the logout. A later
// start of the program brings that window to the front; one given a file
// hands it over, and the entry window opens it.
class OutsideRequests final : public QObject {
    Q_OBJECT
public:
    explicit OutsideRequests(Form1& form1, platform::SingleInstance* instance = nullptr);

    void endProgram();
    void storeForSessionEnd();
    void bringToFront();
    // From the preview, goes back to the entry window first, as "< Back"
    // does; nothing while an agenda is being made.
    void openFile(const QString& path);

private:
    // The preview when it is shown, else the entry window when it is shown;
    // none while the program is still starting.
    QWidget* shownWindow() const;

    Form1& m_form1;
    platform::TerminationSignals m_signals;
    bool m_ending = false;
};

} // namespace app
