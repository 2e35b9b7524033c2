#pragma once

#include "Meeting.h"

#include "../platform/controls/MultiLineTextBox.h"

#include <QLineEdit>

namespace entry {

// One of the meeting's seven text boxes, of either kind: the field of the
// meeting it holds and the key it is stored under.
class MeetingTextBox {
public:
    MeetingTextBox(QString Meeting::*field, const QString& key, QLineEdit* box)
        : field(field), key(key), m_line(box) {}
    MeetingTextBox(QString Meeting::*field, const QString& key, platform::MultiLineTextBox* box)
        : field(field), key(key), m_multi(box) {}

    QString text() const { return m_line ? m_line->text() : m_multi->text(); }
    // Puts `text` in only when it differs, so an unchanged box stores nothing.
    void setText(const QString& text) const {
        if (text == this->text())
            return;
        if (m_line)
            m_line->setText(text);
        else
            m_multi->setText(text);
    }
    QWidget* widget() const {
        return m_line ? static_cast<QWidget*>(m_line) : static_cast<QWidget*>(m_multi);
    }

    QString Meeting::*field;
    QString key;

private:
    QLineEdit* m_line = nullptr;
    platform::MultiLineTextBox* m_multi = nullptr;
};

} // namespace entry
