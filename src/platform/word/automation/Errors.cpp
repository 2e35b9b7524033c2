#include "Errors.h"

namespace word {

void failServerGone() {
    throw platform::RuntimeError(
        QStringLiteral("The remote server machine does not exist or is unavailable"));
}

void failDisconnected() {
    throw platform::RuntimeError(
        QStringLiteral("The object invoked has disconnected from its clients."));
}

void failNoMember() {
    throw platform::RuntimeError(
        QStringLiteral("The requested member of the collection does not exist."));
}

void failBadParameter() {
    throw platform::RuntimeError(QStringLiteral("Bad parameter"));
}

void failNoDocument() {
    throw platform::RuntimeError(
        QStringLiteral("This command is not available because no document is open."));
}

void failOutOfRange() {
    throw platform::RuntimeError(QStringLiteral("Value out of range"));
}

} // namespace word
