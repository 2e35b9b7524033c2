// The XML readers directly, without the zip layer in between (its checksums
// would stop most mutations before they reach the XML).
#include "platform/errors/RuntimeError.h"
#include "platform/word/io/DocumentPart.h"
#include "platform/word/io/PackageParts.h"
#include "platform/word/io/SettingsPart.h"
#include "platform/word/io/StylesPart.h"

#include <cstddef>
#include <cstdint>

namespace {

template <typename Read> void attempt(Read read) {
    try {
        read();
    } catch (const platform::RuntimeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray xml(reinterpret_cast<const char*>(data), qsizetype(size));
    attempt([&xml] {
        word::DocumentModel doc;
        word::io::readDocumentPart(xml, doc);
        (void)word::io::writeDocumentPart(doc);
    });
    attempt([&xml] { (void)word::io::writeStylesPart(word::io::readStylesPart(xml)); });
    attempt([&xml] { (void)word::io::readSettingsPart(xml); });
    attempt([&xml] {
        (void)word::io::relationshipTarget(xml, QStringLiteral("rels"), QStringLiteral("t"), {});
    });
    return 0;
}
