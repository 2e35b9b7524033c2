#include "MeetingChange.h"

#include <utility>

namespace entry {

MeetingChange::MeetingChange(Apply apply, MeetingState before, MeetingState after,
                             const QString& text, QString mergeKey)
    : QUndoCommand(text), m_apply(std::move(apply)), m_before(std::move(before)),
      m_after(std::move(after)), m_mergeKey(std::move(mergeKey)) {}

void MeetingChange::undo() {
    m_apply(m_before);
}

void MeetingChange::redo() {
    if (std::exchange(m_pushed, false))
        return;
    m_apply(m_after);
}

bool MeetingChange::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const MeetingChange*>(other);
    if (m_mergeKey.isEmpty() || next->m_mergeKey != m_mergeKey)
        return false;
    m_after = next->m_after;
    // Typing that ends where it began leaves nothing to undo.
    setObsolete(m_before.meeting == m_after.meeting);
    return true;
}

} // namespace entry
