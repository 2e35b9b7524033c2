// The calendar invitation import: whatever the bytes, an invitation or a
// refusal, never both.
#include "entry/Invitation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    static const QTimeZone zone("Europe/Berlin");
    const entry::Invitation invitation = entry::readInvitation(bytes, locale, zone);
    const bool filled = invitation.title || invitation.date || invitation.caller ||
                        invitation.attendees || invitation.additional;
    if (filled && !invitation.error.isEmpty())
        std::abort();
    (void)entry::withInvitation(entry::Meeting{}, invitation);
    return 0;
}
