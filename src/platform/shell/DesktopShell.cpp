#include "DesktopShell.h"

#include "../errors/RuntimeError.h"
#include "PrintDialog.h"
#include "SaveDialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QPrinter>
#include <QUrl>
#include <QWidget>

namespace platform {

void DesktopShell::openUrl(const QString& address) {
    if (!QDesktopServices::openUrl(QUrl(address)))
        throw RuntimeError(QCoreApplication::translate("RuntimeError", "File not found"));
}

void DesktopShell::endProgram() {
    m_ended = true;
    // Windows vanish now; the process leaves its event loop as soon as the
    // current handler returns, without sending any more close events.
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::exit(0);
}

void DesktopShell::doEvents() {
    QCoreApplication::processEvents();
}

QString DesktopShell::toQtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!name.contains(QLatin1Char('(')))
            name += QStringLiteral(" (%1)").arg(patterns);
        entries << name;
    }
    return entries.join(QStringLiteral(";;"));
}

QString DesktopShell::askSaveFileName(const QString& title, const QString& filter,
                                      const QString& fileName) {
    SaveDialog dialog(QApplication::activeWindow(), title, fileName, toQtFilter(filter));
    dialog.exec();
    return dialog.chosenFile();
}

QString DesktopShell::askOpenFileName(const QString& title, const QString& filter,
                                      const QString& folder) {
    QFileDialog dialog(QApplication::activeWindow(), title, folder, toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool DesktopShell::askPrint(QPrinter& printer, int pageCount) {
    PrintDialog dialog(printer, pageCount, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace platform
