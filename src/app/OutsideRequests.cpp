#include "OutsideRequests.h"

#include "../entry/Form1.h"
#include "../platform/session/SingleInstance.h"
#include "../platform/shell/Shell.h"
#include "../preview/Form2.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace app {

OutsideRequests::OutsideRequests(Form1& form1, platform::SingleInstance* instance)
    : m_form1(form1) {
    connect(&m_signals, &platform::TerminationSignals::received, this,
            &OutsideRequests::endProgram);
    if (qGuiApp)
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { storeForSessionEnd(); });
    if (instance) {
        connect(instance, &platform::SingleInstance::activationRequested, this,
                &OutsideRequests::bringToFront);
        connect(instance, &platform::SingleInstance::openRequested, this,
                &OutsideRequests::openFile);
    }
}

QWidget* OutsideRequests::shownWindow() const {
    if (m_form1.hasForm2() && m_form1.form2().isVisible())
        return &m_form1.form2();
    return m_form1.isVisible() ? &m_form1 : nullptr;
}

void OutsideRequests::endProgram() {
    platform::Shell& shell = m_form1.services().shell;
    if (m_ending || shell.endRequested())
        return;
    m_ending = true;
    if (QWidget* window = shownWindow())
        window->close();
    else
        shell.endProgram(); // still starting: the user has changed nothing yet
}

// A logout asks every program to save its data first, and may still be
// cancelled: the list is stored as the close would store it, and the
// program goes on. When the session really ends, the session manager's
// end (or SIGTERM) closes the window as usual.
void OutsideRequests::storeForSessionEnd() {
    if (!m_ending && shownWindow())
        m_form1.StoreForSessionEnd();
}

void OutsideRequests::openFile(const QString& path) {
    if (m_ending || m_form1.mBusy) {
        bringToFront();
        return;
    }
    if (m_form1.hasForm2() && m_form1.form2().isVisible())
        m_form1.form2().PushButton8_Click();
    bringToFront();
    m_form1.openFile(path);
}

void OutsideRequests::bringToFront() {
    QWidget* window = shownWindow();
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

} // namespace app
