// Saving keeps what was read: a document opened and made editable, as the
// program opens one, is packed, and reading the package back must give the
// same model. A difference aborts with both documents' XML parts.
#include "FuzzedDocument.h"

#include "platform/errors/RuntimeError.h"
#include "platform/word/io/DocumentPackage.h"
#include "platform/word/io/DocumentPart.h"
#include "platform/word/io/SettingsPart.h"
#include "platform/word/io/StylesPart.h"

#include <cstdio>
#include <cstdlib>

namespace {

void show(const char* title, const word::DocumentModel& doc) {
    std::fprintf(stderr, "--- %s\n%s\n%s\n%s\n", title,
                 word::io::writeDocumentPart(doc).constData(),
                 word::io::writeStylesPart(doc.styles).constData(),
                 word::io::writeSettingsPart(doc.settings).constData());
}

[[noreturn]] void differs(const char* what, const word::DocumentModel& read,
                          const word::DocumentModel& again) {
    std::fprintf(stderr, "Read back, the saved document differs in its %s\n", what);
    show("read", read);
    show("read back", again);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::optional<word::DocumentModel> doc = fuzzing::readDocument(data, size);
    if (!doc)
        return 0;
    doc->makeEditable();
    word::DocumentModel again;
    try {
        again = word::io::unpackDocument(word::io::packDocument(*doc, {}, {}));
    } catch (const platform::RuntimeError& error) {
        std::fprintf(stderr, "The saved document cannot be read: %s\n",
                     qPrintable(error.description()));
        show("read", *doc);
        std::abort();
    }
    if (again.section != doc->section)
        differs("page set-up", *doc, again);
    if (again.settings != doc->settings)
        differs("settings", *doc, again);
    if (again.styles != doc->styles)
        differs("styles", *doc, again);
    if (again.body != doc->body)
        differs("body", *doc, again);
    return 0;
}
