#pragma once

#include <QtGlobal>

namespace word::io {

// What a document package may demand of us before we refuse to read it.
// A WordprocessingML file of ours has eight entries of a few kilobytes; the
// caps leave room for foreign documents with pictures and stop zip bombs.
struct ZipLimits {
    qint64 maxEntries = 512;
    qint64 maxEntrySize = 32 * 1024 * 1024;
    qint64 maxTotalSize = 96 * 1024 * 1024;
    // Uncompressed size over compressed size; checked only for entries
    // larger than ratioFreeSize, since tiny XML parts compress very well.
    qint64 maxCompressionRatio = 200;
    qint64 ratioFreeSize = 256 * 1024;
};

} // namespace word::io
