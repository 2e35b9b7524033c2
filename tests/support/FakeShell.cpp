#include "FakeShell.h"

#include "platform/errors/RuntimeError.h"

#include <QCoreApplication>

namespace testing {

void FakeShell::openUrl(const QString& address) {
    if (failOpenUrl)
        throw platform::RuntimeError(QStringLiteral("File not found"));
    openedUrls << address;
}

void FakeShell::doEvents() {
    ++doEventsCalls;
    if (onDoEvents)
        onDoEvents();
    if (processRealEvents)
        QCoreApplication::processEvents();
}

QString FakeShell::askSaveFileName(const QString& title, const QString& filter,
                                   const QString& fileName) {
    dialogs << Dialog{title, filter, fileName};
    return nextFileName();
}

QString FakeShell::askOpenFileName(const QString& title, const QString& filter,
                                   const QString& folder) {
    dialogs << Dialog{title, filter, folder};
    return nextFileName();
}

QString FakeShell::nextFileName() {
    if (m_fileNames.empty())
        return QString();
    QString next = m_fileNames.front();
    m_fileNames.pop_front();
    return next;
}

bool FakeShell::askPrint(QPrinter& printer, int pageCount) {
    printDialogPages << pageCount;
    return onPrint && onPrint(printer);
}

} // namespace testing
