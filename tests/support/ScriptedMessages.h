#pragma once

#include "platform/messages/MessageService.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>

namespace testing {

// Records every box and answers from a script (Ok / Yes by default).
class ScriptedMessages final : public platform::MessageService {
public:
    struct Box {
        QString text;
        platform::MsgButtons buttons;
        platform::MsgIcon icon;
        QString caption; // as shown: the application title when none was named
    };

    platform::MsgAnswer show(const QString& text, platform::MsgButtons buttons,
                             platform::MsgIcon icon, const QString& caption = QString()) override;

    void answerNext(platform::MsgAnswer answer) { m_answers.push_back(answer); }
    // Runs while a box is "open", e.g. to observe state at that moment.
    std::function<void(const Box&)> onShow;

    QList<Box> boxes;
    QStringList texts() const;
    int errorBoxes() const; // boxes captioned "Application Error"
    void clear() { boxes.clear(); }

private:
    std::deque<platform::MsgAnswer> m_answers;
};

} // namespace testing
