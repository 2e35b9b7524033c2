// What the fuzz targets that go past reading start from: the document an
// input describes, read the way a file is opened.
#pragma once

#include "platform/word/model/Document.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace fuzzing {

// A whole package when the input starts like a zip file; otherwise the XML
// parts a package would hold, separated by NUL bytes: word/document.xml,
// then optionally word/styles.xml and word/settings.xml (missing parts read
// as a package without them does). Nothing when the reader refuses it.
std::optional<word::DocumentModel> readDocument(const std::uint8_t* data, std::size_t size);

} // namespace fuzzing
