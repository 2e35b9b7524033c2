#include "Application.h"

#include "Document.h"
#include "Errors.h"

namespace word {

std::shared_ptr<Application> Application::create(platform::Clipboard& clipboard) {
    return std::make_shared<Application>(clipboard);
}

Application::Application(platform::Clipboard& clipboard)
    : m_clipboard(clipboard), m_documents(*this) {}

Application::~Application() {
    m_documents.closeAll();
}

void Application::checkRunning() const {
    if (m_quit)
        failServerGone();
}

word::Documents& Application::Documents() {
    checkRunning();
    return m_documents;
}

std::shared_ptr<Document> Application::ActiveDocument() {
    checkRunning();
    auto active = m_documents.active();
    if (!active)
        failNoDocument();
    return active;
}

word::Selection& Application::Selection() {
    return ActiveDocument()->ActiveWindow().Selection();
}

bool Application::DisplayAlerts() const {
    checkRunning();
    return m_displayAlerts;
}

void Application::setDisplayAlerts(bool value) {
    checkRunning();
    m_displayAlerts = value;
}

void Application::Quit() {
    checkRunning();
    m_documents.closeAll();
    m_quit = true;
}

void registerEngine(platform::AutomationRegistry& registry, platform::Clipboard& clipboard) {
    registry.registerClass(QStringLiteral("Word.Application"),
                           [&clipboard] { return Application::create(clipboard); });
}

} // namespace word
