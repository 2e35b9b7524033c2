#pragma once

#include <QString>

class QPrinter;

namespace platform {

// Qt hands a print job to the print service when the painting on `printer`
// ends, and keeps the service's answer to itself. This is that answer, in
// the service's (or the printer's) words, when the job was refused: the
// service not running, a printer that takes no jobs, a job it could not
// read. Empty when the job was taken, and for a printer that writes to a
// file (no service is involved). Ask right after the painting ends.
QString printJobRefusal(const QPrinter& printer);

} // namespace platform
