#include "PrintService.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

namespace testing {

namespace {

QString environment(const char* name) {
    return qEnvironmentVariable(name);
}

// Whether the queue lists the job among its finished ones (lines like
// "quillary-pdf-12 root 1024 ..."); the daemon is the one CUPS_SERVER names.
bool jobFinished(const QString& printer, int job) {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"),
                                            QStringLiteral("-o"), printer});
    if (!lpstat.waitForFinished(30000))
        return false;
    const QString prefix = QStringLiteral("%1-%2 ").arg(printer).arg(job);
    const QStringList lines = QString::fromUtf8(lpstat.readAllStandardOutput()).split('\n');
    return std::any_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return line.startsWith(prefix); });
}

} // namespace

namespace PrintService {

bool configured() {
    return !environment("CUPS_SERVER").isEmpty() && !outputFolder().isEmpty() &&
           !environment("QUILLARY_PRINT_UNAVAILABLE").isEmpty();
}

QString unavailableReason() {
    QFile file(environment("QUILLARY_PRINT_UNAVAILABLE"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString outputFolder() {
    return environment("QUILLARY_PRINT_OUTPUT");
}

QString waitForPdf(const QString& title, std::chrono::milliseconds timeout,
                   const QString& printer) {
    // cups-pdf names the file "<title>-job_<job id>.pdf".
    const QRegularExpression name(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(title) + QStringLiteral("-job_(\\d+)\\.pdf")));
    const QDeadlineTimer deadline(timeout);
    do {
        const QDir folder(outputFolder());
        for (const QString& file : folder.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
            const QRegularExpressionMatch match = name.match(file);
            if (match.hasMatch() && jobFinished(printer, match.captured(1).toInt()))
                return folder.filePath(file);
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return {};
}

} // namespace PrintService

} // namespace testing
