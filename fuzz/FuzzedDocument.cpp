#include "FuzzedDocument.h"

#include "platform/errors/RuntimeError.h"
#include "platform/word/io/DocumentPackage.h"
#include "platform/word/io/DocumentPart.h"
#include "platform/word/io/SettingsPart.h"
#include "platform/word/io/StylesPart.h"

namespace fuzzing {

namespace {

word::DocumentModel readParts(const QByteArray& bytes) {
    const QList<QByteArray> parts = bytes.split('\0');
    word::DocumentModel doc;
    doc.styles = parts.size() > 1 ? word::io::readStylesPart(parts[1]) : word::Styles{};
    doc.settings = parts.size() > 2 ? word::io::readSettingsPart(parts[2])
                                    : word::Settings{720, word::io::unstatedCompatibilityMode};
    word::io::readDocumentPart(parts[0], doc);
    return doc;
}

} // namespace

std::optional<word::DocumentModel> readDocument(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        return bytes.startsWith("PK") ? word::io::unpackDocument(bytes) : readParts(bytes);
    } catch (const platform::RuntimeError&) {
        return std::nullopt;
    }
}

} // namespace fuzzing
