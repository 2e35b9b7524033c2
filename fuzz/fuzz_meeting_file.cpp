// The meeting file reader: whatever the bytes, a meeting or a refusal with
// its reason, and a meeting read comes back the same through the writer.
#include "entry/MeetingFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool same(const entry::Meeting& a, const entry::Meeting& b) {
    return a.title == b.title && a.date == b.date && a.caller == b.caller &&
           a.attendees == b.attendees && a.reading == b.reading && a.supplies == b.supplies &&
           a.additional == b.additional && a.items == b.items;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace MeetingFile = entry::MeetingFile;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const MeetingFile::ReadResult result = MeetingFile::decode(bytes);
    if (!result.meeting) {
        if (result.error.isEmpty())
            std::abort();
        return 0;
    }
    const MeetingFile::ReadResult again = MeetingFile::decode(MeetingFile::encode(*result.meeting));
    if (!again.meeting || !same(*again.meeting, *result.meeting))
        std::abort();
    return 0;
}
