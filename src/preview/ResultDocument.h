#pragma once

#include "../platform/automation/Ref.h"

#include <QString>

namespace platform {
class AutomationRegistry;
}
namespace word {
class Application;
class Document;
class Layout;
} // namespace word

namespace preview {

// The result's document, opened from its file in an engine instance of its
// own to read its pages; closed unchanged, and the instance quit, when this
// goes. Fails when the engine or the file cannot be opened.
class ResultDocument {
public:
    ResultDocument(platform::AutomationRegistry& automation, const QString& path);
    ~ResultDocument();
    ResultDocument(const ResultDocument&) = delete;
    ResultDocument& operator=(const ResultDocument&) = delete;

    word::Layout& layout();
    int pageCount();

private:
    platform::Ref<word::Application> m_app;
    platform::Ref<word::Document> m_doc;
};

} // namespace preview
