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

namespace {
void prepare(QMessageBox& box, const QString& text, MsgIcon icon, const QString& caption) {
    box.setWindowTitle(caption.isEmpty() ? applicationTitle() : caption);
    box.setTextFormat(Qt::PlainText);
    box.setText(QtMessageService::displayText(text));
    box.setIcon(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
}
} // namespace

MsgAnswer QtMessageService::show(const QString& text, MsgButtons buttons, MsgIcon icon,
                                 const QString& caption) {
    QMessageBox box(QApplication::activeWindow());
    prepare(box, text, icon, caption);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MsgAnswer::Ok;
}

void QtMessageService::notify(const QString& text, MsgIcon icon) {
    // With no window taking the user's typing (the program is starting), an
    // ordinary box; else one that stays above that window, which keeps the keyboard.
    QWidget* window = QApplication::activeWindow();
    if (!window) {
        show(text, MsgButtons::Ok, icon);
        return;
    }
    auto* box = new QMessageBox(window);
    prepare(*box, text, icon, QString());
    box->setStandardButtons(QMessageBox::Ok);
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->show();
}

} // namespace platform
