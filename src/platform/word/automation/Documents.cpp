#include "Documents.h"

#include "../io/DocumentFiles.h"
#include "Application.h"
#include "Constants.h"
#include "Document.h"
#include "Errors.h"

#include <QFileInfo>

#include <algorithm>

namespace word {

std::shared_ptr<Document> Documents::adopt(std::shared_ptr<Document> doc) {
    m_open.push_back(doc);
    return doc;
}

std::shared_ptr<Document> Documents::Add() {
    m_app.checkRunning();
    // A new document takes the paper of the user's country; the margins
    // stay the template's.
    DocumentModel model;
    model.section.pageWidth = m_app.paper().width;
    model.section.pageHeight = m_app.paper().height;
    return adopt(std::make_shared<Document>(&m_app, std::move(model),
                                            QStringLiteral("Document%1").arg(m_open.size() + 1)));
}

std::shared_ptr<Document> Documents::Open(const QString& path) {
    m_app.checkRunning();
    auto doc =
        std::make_shared<Document>(&m_app, openDocumentFile(path), QFileInfo(path).fileName());
    doc->setPath(path);
    return adopt(std::move(doc));
}

std::shared_ptr<Document> Documents::Item(int index) const {
    m_app.checkRunning();
    if (index < 1 || index > Count())
        failNoMember();
    return m_open[static_cast<std::size_t>(index - 1)];
}

std::shared_ptr<Document> Documents::active() const {
    return m_open.empty() ? nullptr : m_open.back();
}

void Documents::closed(const Document* doc) {
    std::erase_if(m_open, [doc](const auto& d) { return d.get() == doc; });
}

void Documents::closeAll() {
    const auto open = std::move(m_open);
    m_open.clear();
    for (const auto& doc : open)
        doc->detach();
}

} // namespace word
