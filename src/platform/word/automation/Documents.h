#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace word {

class Application;
class Document;

// The application's open documents; the newest is the active one.
class Documents {
public:
    explicit Documents(Application& app) : m_app(app) {}

    std::shared_ptr<Document> Add();
    // Opens a WordprocessingML file.
    std::shared_ptr<Document> Open(const QString& path);
    int Count() const { return static_cast<int>(m_open.size()); }
    std::shared_ptr<Document> Item(int index) const; // 1-based

    std::shared_ptr<Document> active() const;
    void closed(const Document* doc);
    void closeAll();

private:
    std::shared_ptr<Document> adopt(std::shared_ptr<Document> doc);

    Application& m_app;
    std::vector<std::shared_ptr<Document>> m_open;
};

} // namespace word
