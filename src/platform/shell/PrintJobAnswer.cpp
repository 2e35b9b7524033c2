#include "PrintJobAnswer.h"

#include <QPrinter>

#include <cups/cups.h>

namespace platform {

QString printJobRefusal(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty())
        return QString();
    // The status of this thread's last request to the service, the job's.
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return QString();
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace platform
