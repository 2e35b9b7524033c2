#pragma once

#include "../editing/Editor.h"
#include "../layout/Layout.h"
#include "Range.h"
#include "Tables.h"
#include "Window.h"

#include <QVariant>

#include <memory>
#include <optional>

namespace word {

class Application;

// An open document: its model, the editor that changes it, its layout and
// the one window with its selection.
class Document : public std::enable_shared_from_this<Document> {
public:
    Document(Application* app, DocumentModel model, QString name);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    QString Name() const { return m_name; }
    QString FullName() const { return m_path.isEmpty() ? m_name : m_path; }
    word::Window& ActiveWindow();
    word::Tables Tables();
    word::Range Range();
    void Repaginate();
    // 14 (wdPropertyPages) is the page count; other properties are not kept.
    QVariant BuiltInDocumentProperties(int property);
    void SaveAs(const QString& path);
    // wdDoNotSaveChanges (0, the default here: no one is asked) or
    // wdSaveChanges (-1, to the file it came from).
    void Close(std::optional<int> saveChanges = std::nullopt);

    // For the engine's parts, the exporter and tests.
    const DocumentModel& model() const { return m_model; }
    Layout& layout();
    Editor& editor();
    Application& application();
    void checkOpen() const;
    bool isOpen() const { return m_app != nullptr; }
    void setPath(const QString& path) { m_path = path; }
    void detach() { m_app = nullptr; }

private:
    Application* m_app;
    DocumentModel m_model;
    std::shared_ptr<FontCache> m_fonts;
    Layout m_layout;
    Editor m_editor;
    QString m_name;
    QString m_path;
    word::Window m_window;
};

} // namespace word
