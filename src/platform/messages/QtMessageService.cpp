#include "QtMessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

QString QtMessageService::displayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

MsgAnswer QtMessageService::show(const QString& text, MsgButtons buttons, MsgIcon icon,
                                 const QString& caption) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption.isEmpty() ? applicationTitle() : caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    box.setIcon(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

} // namespace platform
