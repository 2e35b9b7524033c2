#include "PrintJobOptions.h"

#include <QPrintEngine>
#include <QPrinter>

#include <cups/cups.h>

namespace platform {

namespace {
// The job options Qt's print engine hands to the print service, as name and
// value pairs; the key Qt's own print dialog sets them under.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
const QString kRenderer = QStringLiteral("pdftops-renderer");
const QString kOutlines = QStringLiteral("pdftocairo");

// Whether the queue (its administrator, or the user's lpoptions) already
// names a converter. `printer` may name an instance of a queue as
// "queue/instance", whose options are the user's own.
bool queueNamesRenderer(const QString& printer) {
    const QByteArray queue = printer.section(QLatin1Char('/'), 0, 0).toUtf8();
    const QByteArray instance = printer.section(QLatin1Char('/'), 1).toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return false;
    const bool named = cupsGetOption("pdftops-renderer", dest->num_options, dest->options) ||
                       cupsGetOption("pdftops-renderer-default", dest->num_options, dest->options);
    cupsFreeDests(1, dest);
    return named;
}

bool jobNamesRenderer(const QStringList& options) {
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        if (options[i] == kRenderer)
            return true;
    return false;
}
} // namespace

void keepGlyphOutlines(QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.outputFileName().isEmpty())
        return;
    QPrintEngine* engine = printer.printEngine();
    QStringList options = engine->property(kCupsOptions).toStringList();
    if (jobNamesRenderer(options) || queueNamesRenderer(printer.printerName()))
        return;
    options << kRenderer << kOutlines;
    engine->setProperty(kCupsOptions, options);
}

} // namespace platform
