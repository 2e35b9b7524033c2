#include "Document.h"

#include "../io/DocumentFiles.h"
#include "Application.h"
#include "Constants.h"
#include "Errors.h"

namespace word {

Document::Document(Application* app, DocumentModel model, QString name)
    : m_app(app), m_model(std::move(model)), m_fonts(app->fonts()), m_layout(m_model, *m_fonts),
      m_editor(m_model, m_layout), m_name(std::move(name)), m_window(*this) {
    m_model.makeEditable();
    m_layout.invalidateAll();
}

void Document::checkOpen() const {
    if (!m_app)
        failDisconnected();
    m_app->checkRunning();
}

Layout& Document::layout() {
    checkOpen();
    return m_layout;
}

Editor& Document::editor() {
    checkOpen();
    return m_editor;
}

Application& Document::application() {
    checkOpen();
    return *m_app;
}

word::Window& Document::ActiveWindow() {
    checkOpen();
    return m_window;
}

word::Tables Document::Tables() {
    checkOpen();
    return word::Tables(shared_from_this());
}

word::Range Document::Range() {
    checkOpen();
    return word::Range(shared_from_this(), m_editor.documentStart(), m_editor.documentEnd());
}

void Document::Repaginate() {
    checkOpen();
    m_layout.pageCount();
}

QVariant Document::BuiltInDocumentProperties(int property) {
    checkOpen();
    if (property != wd::PropertyPages)
        failBadParameter();
    return m_layout.pageCount();
}

void Document::SaveAs(const QString& path) {
    checkOpen();
    saveDocumentFile(m_model, path, m_layout);
    m_path = path;
}

void Document::Close(std::optional<int> saveChanges) {
    checkOpen();
    if (saveChanges.value_or(wd::DoNotSaveChanges) == wd::SaveChanges) {
        if (m_path.isEmpty())
            failBadParameter();
        saveDocumentFile(m_model, m_path, m_layout);
    }
    Application* app = m_app;
    m_app = nullptr;
    app->Documents().closed(this);
}

} // namespace word
