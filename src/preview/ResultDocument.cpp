#include "ResultDocument.h"

#include "../platform/automation/AutomationRegistry.h"
#include "../platform/word/automation/Application.h"
#include "../platform/word/automation/Constants.h"
#include "../platform/word/automation/Document.h"

namespace preview {

ResultDocument::ResultDocument(platform::AutomationRegistry& automation, const QString& path)
    : m_app(automation.create<word::Application>(QStringLiteral("Word.Application"))) {
    try {
        m_doc = m_app->Documents().Open(path);
        m_doc->Repaginate();
    } catch (...) {
        m_app->Quit();
        throw;
    }
}

ResultDocument::~ResultDocument() {
    try {
        m_doc->Close(word::wd::DoNotSaveChanges);
        m_app->Quit();
    } catch (...) {
        // The instance goes with this object whatever happens.
    }
}

word::Layout& ResultDocument::layout() {
    return m_doc->layout();
}

int ResultDocument::pageCount() {
    return m_doc->BuiltInDocumentProperties(word::wd::PropertyPages).toInt();
}

} // namespace preview
