#pragma once

#include "Meeting.h"

#include <QUndoCommand>

#include <functional>

namespace entry {

// The meeting and the rows selected in the list, as an undo step restores
// them; and the four entry boxes (time, topic, details, room), for a step
// that took their texts (Add, the inserts): undoing it puts them back.
struct MeetingState {
    Meeting meeting;
    QList<int> selectedRows;
    QStringList entryBoxes; // empty: left as they are
};

// One undoable change of the meeting: the state before and after. The
// change itself has already been made when the step is pushed, so the
// first redo does nothing. Steps with the same merge key (a burst of
// typing in one text box) become one.
class MeetingChange : public QUndoCommand {
public:
    using Apply = std::function<void(const MeetingState&)>;

    MeetingChange(Apply apply, MeetingState before, MeetingState after, const QString& text,
                  QString mergeKey = {});

    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

    const MeetingState& before() const { return m_before; }
    const MeetingState& after() const { return m_after; }

private:
    Apply m_apply;
    MeetingState m_before;
    MeetingState m_after;
    QString m_mergeKey;
    bool m_pushed = true;
};

} // namespace entry
