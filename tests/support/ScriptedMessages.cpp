#include "ScriptedMessages.h"

namespace testing {

platform::MsgAnswer ScriptedMessages::show(const QString& text, platform::MsgButtons buttons,
                                           platform::MsgIcon icon, const QString& caption) {
    Box box{text, buttons, icon, caption.isEmpty() ? platform::applicationTitle() : caption};
    boxes << box;
    if (onShow)
        onShow(box);
    if (!m_answers.empty()) {
        const auto answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return buttons == platform::MsgButtons::YesNo ? platform::MsgAnswer::Yes : platform::MsgAnswer::Ok;
}

QStringList ScriptedMessages::texts() const {
    QStringList out;
    for (const Box& b : boxes)
        out << b.text;
    return out;
}

int ScriptedMessages::errorBoxes() const {
    int n = 0;
    for (const Box& b : boxes)
        n += b.caption == QLatin1String("Application Error");
    return n;
}

} // namespace testing
