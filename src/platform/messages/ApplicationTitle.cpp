#include "MessageService.h"

namespace platform {

namespace {
QString& titleStorage() {
    static QString title; // the one process-wide setting of the program
    return title;
}
} // namespace

void setApplicationTitle(const QString& title) { titleStorage() = title; }
QString applicationTitle() { return titleStorage(); }

} // namespace platform
