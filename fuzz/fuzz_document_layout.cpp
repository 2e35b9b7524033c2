// Whatever was read is laid out and painted: every page recorded as the
// preview records it and drawn as a small picture, and the first pages
// written as a PDF, as the program would show, export and print the file.
#include "FuzzedDocument.h"

#include "platform/word/layout/Layout.h"
#include "platform/word/paint/DocumentPages.h"
#include "platform/word/paint/PageRenderer.h"

#include <QBuffer>
#include <QGuiApplication>

#include <algorithm>
#include <memory>

namespace {

// Enough to reach every kind of page; past it an input only costs time.
constexpr int pagesPainted = 12;
constexpr int pagesPrinted = 3;

// The fonts stay loaded from one input to the next, as in the program.
word::FontCache& fonts() {
    static word::FontCache cache;
    return cache;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<word::DocumentModel> doc = fuzzing::readDocument(data, size);
    if (!doc)
        return 0;
    doc->makeEditable();
    word::Layout layout(*doc, fonts());
    const int pages = std::min(layout.pageCount(), pagesPainted);
    for (int page = 0; page < pages; ++page)
        (void)word::renderPage(layout, page, {.dpi = 6});
    if (layout.pageCount() <= pagesPrinted) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        (void)word::writePdf(layout, pdf, QStringLiteral("fuzz"));
    }
    return 0;
}
