#pragma once

#include <QPlainTextEdit>

namespace platform {

// A multi-line text box whose text is exactly what was put in, line
// breaks included (CR LF, as typed with Enter). Editing turns every line
// break into CR LF.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    // Emits textChanged only when the text differs.
    void setText(const QString& text);

signals:
    void textChanged(const QString& text);

private:
    void takeEditedText();

    QString m_text;
    bool m_settingText = false;
};

} // namespace platform
