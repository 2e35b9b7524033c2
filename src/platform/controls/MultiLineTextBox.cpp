#include "MultiLineTextBox.h"

namespace platform {

namespace {
QString forDisplay(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
} // namespace

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!m_settingText)
            takeEditedText();
    });
}

void MultiLineTextBox::setText(const QString& text) {
    if (text == m_text)
        return;
    m_settingText = true;
    setPlainText(forDisplay(text));
    m_settingText = false;
    m_text = text;
    emit textChanged(m_text);
}

void MultiLineTextBox::takeEditedText() {
    QString edited = toPlainText();
    edited.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (edited == m_text)
        return;
    m_text = edited;
    emit textChanged(m_text);
}

} // namespace platform
