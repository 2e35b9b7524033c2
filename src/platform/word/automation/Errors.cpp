#include "Errors.h"
#include <QCoreApplication>

namespace word {

void failServerGone() {
    throw platform::RuntimeError(QCoreApplication::translate(
        "RuntimeError", "The remote server machine does not exist or is unavailable"));
}

void failDisconnected() {
    throw platform::RuntimeError(QCoreApplication::translate(
        "RuntimeError", "The object invoked has disconnected from its clients."));
}

void failNoMember() {
    throw platform::RuntimeError(QCoreApplication::translate(
        "RuntimeError", "The requested member of the collection does not exist."));
}

void failBadParameter() {
    throw platform::RuntimeError(QCoreApplication::translate("RuntimeError", "Bad parameter"));
}

void failNoDocument() {
    throw platform::RuntimeError(QCoreApplication::translate(
        "RuntimeError", "This command is not available because no document is open."));
}

void failOutOfRange() {
    throw platform::RuntimeError(QCoreApplication::translate("RuntimeError", "Value out of range"));
}

} // namespace word
