#pragma once

#include "platform/errors/RuntimeError.h"

namespace word {

// The descriptions Word's automation errors carry.
[[noreturn]] void failServerGone();   // the application has quit
[[noreturn]] void failDisconnected(); // the document was closed
[[noreturn]] void failNoMember();     // an index or name that does not exist
[[noreturn]] void failBadParameter(); // an argument the member does not take
[[noreturn]] void failNoDocument();   // nothing open to work on
[[noreturn]] void failOutOfRange();   // a value the property does not take

} // namespace word
