#pragma once

#include <QString>

#include <chrono>

namespace testing {

// The private print service that the tests added with PRINTING run against
// (tests/support/private-cups, started by CTest before them): a CUPS daemon
// of their own, reached through CUPS_SERVER, with one queue, the default
// destination, that turns every job into a PDF file in outputFolder().
namespace PrintService {

inline constexpr char queue[] = "quillary-pdf";

// Whether CTest gave the test the service (it was added with PRINTING).
bool configured();

// Why the service could not start on this machine; empty when it runs.
// QUILLARY_REQUIRE_PRINT_SERVICE() skips the test with it (and fails a test
// that was not given the service at all).
QString unavailableReason();

QString outputFolder();

// The PDF file of the job titled `title` (letters, digits and '-' only:
// cups-pdf names its files from the title) once `printer` has finished it;
// an empty string when it has not within `timeout`.
QString waitForPdf(const QString& title, std::chrono::milliseconds timeout,
                   const QString& printer = QString::fromLatin1(queue));

} // namespace PrintService

} // namespace testing

#define QUILLARY_REQUIRE_PRINT_SERVICE()                                                           \
    do {                                                                                           \
        if (!testing::PrintService::configured())                                                  \
            QFAIL("No print service: add the test with PRINTING");                                 \
        const QString reason_ = testing::PrintService::unavailableReason();                        \
        if (!reason_.isEmpty())                                                                    \
            QSKIP(qPrintable(reason_));                                                            \
    } while (false)
