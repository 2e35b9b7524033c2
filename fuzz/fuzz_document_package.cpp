// Whole files: the zip layer, the limits and every part reader.
#include "platform/errors/RuntimeError.h"
#include "platform/word/io/DocumentPackage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const word::DocumentModel doc = word::io::unpackDocument(bytes);
        // What was read must pack again without complaint.
        (void)word::io::packDocument(doc, {}, {});
    } catch (const platform::RuntimeError&) {
    }
    return 0;
}
