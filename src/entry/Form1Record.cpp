// The meeting as one value: read from and put into the window's controls,
// and every change of it kept on the window's undo stack.
#include "Form1.h"

#include "AgendaEditor.h"
#include "AgendaList.h"
#include "AgendaListView.h"
#include "MeetingChange.h"
#include "MeetingKeys.h"

#include "../app/ErrorTrap.h"
#include "../platform/messages/MessageService.h"

#include <QAction>
#include <QLineEdit>
#include <QTreeWidget>
#include <QUndoStack>

namespace Keys = entry::MeetingKeys;
using entry::Meeting;

namespace {

// Holds the window's own changes apart from the user's typing.
class Quiet {
public:
    explicit Quiet(int& depth) : m_depth(depth) { ++m_depth; }
    ~Quiet() { --m_depth; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    int& m_depth;
};

} // namespace

// The seven texts in the order of the window. A new text of the meeting
// gets its line here.
QList<entry::MeetingTextBox> Form1::meetingTextBoxes() const {
    return {
        {&Meeting::title, Keys::MeetingTitle, txtMeetingTitle},
        {&Meeting::date, Keys::DateOfMeeting, txtDateOfMeeting},
        {&Meeting::caller, Keys::CalledBy, txtCalledBy},
        {&Meeting::attendees, Keys::AttendeeList, txtAttendeeList},
        {&Meeting::reading, Keys::ReadingList, txtReadingList},
        {&Meeting::supplies, Keys::SuppliesList, txtSuppliesList},
        {&Meeting::additional, Keys::AdditionalInstruction, txtAdditionalInstruction},
    };
}

entry::Meeting Form1::meeting() const {
    Meeting m;
    for (const entry::MeetingTextBox& box : meetingTextBoxes())
        m.*box.field = box.text();
    m.items = entry::AgendaList::rows(*ListView1);
    return m;
}

void Form1::setMeeting(const entry::Meeting& meeting) {
    Quiet quiet(m_quiet);
    for (const entry::MeetingTextBox& box : meetingTextBoxes())
        box.setText(meeting.*box.field);
    entry::AgendaList::replaceRows(*ListView1, meeting.items);
}

void Form1::replaceMeeting(const entry::Meeting& meeting, const QString& undoText) {
    recordChange(undoText, [&] { setMeeting(meeting); });
}

QUndoStack* Form1::undoStack() {
    return m_undo;
}

QList<QAction*> Form1::agendaActions() const {
    return m_editor->actions();
}

entry::MeetingState Form1::state() const {
    return {meeting(), entry::AgendaList::selectedRows(*ListView1), entryBoxTexts()};
}

std::array<QLineEdit*, 4> Form1::entryBoxes() const {
    return {txtTime, txtTopic, txtDetails, txtRoom};
}

QStringList Form1::entryBoxTexts() const {
    QStringList texts;
    for (const QLineEdit* box : entryBoxes())
        texts << box->text();
    return texts;
}

void Form1::applyState(const entry::MeetingState& state) {
    setMeeting(state.meeting);
    entry::AgendaList::selectRows(*ListView1, state.selectedRows);
    if (!state.entryBoxes.isEmpty()) {
        const auto boxes = entryBoxes();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->setText(state.entryBoxes.value(qsizetype(i)));
    }
    ++m_typingBurst;
}

void Form1::recordChange(const QString& undoText, const std::function<void()>& change) {
    if (m_quiet > 0) {
        change();
        return;
    }
    entry::MeetingState before = state();
    {
        Quiet quiet(m_quiet);
        change();
    }
    entry::MeetingState after = state();
    ++m_typingBurst;
    if (before.meeting == after.meeting)
        return;
    // Only a step that took the entry boxes' texts gives them back; any
    // other leaves what has been typed there since alone.
    if (before.entryBoxes == after.entryBoxes)
        before.entryBoxes = after.entryBoxes = QStringList();
    m_undo->push(new entry::MeetingChange([this](const auto& s) { applyState(s); },
                                          std::move(before), std::move(after), undoText));
}

// A text box changed: stored at once; typed text becomes (part of) an undo step.
void Form1::onMeetingTextChanged(int index, const QString& text) {
    const entry::MeetingTextBox box = meetingTextBoxes().at(index);
    storeText(box.key, text);
    const QString previous = std::exchange(m_boxTexts[index], text);
    if (m_quiet > 0)
        return;
    entry::MeetingState after = state();
    after.entryBoxes.clear();
    entry::MeetingState before = after;
    before.meeting.*box.field = previous;
    m_undo->push(new entry::MeetingChange([this](const auto& s) { applyState(s); },
                                          std::move(before), std::move(after), tr("Typing"),
                                          QStringLiteral("%1/%2").arg(index).arg(m_typingBurst)));
}

void Form1::createEditing() {
    m_undo = new QUndoStack(this);
    QAction* undo = m_undo->createUndoAction(this, tr("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_undo->createRedoAction(this, tr("Redo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undo->setObjectName(QStringLiteral("undoAction"));
    redo->setObjectName(QStringLiteral("redoAction"));
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    entry::AgendaEditor::Hooks hooks{
        [this](const QString& text, const std::function<void()>& change) {
            recordChange(text, change);
        },
        [this] {
            app::ErrorTrap trap(m_services.messages, QStringLiteral("Form1"),
                                QStringLiteral("InsertItem"));
            return takeEntryItem(trap);
        },
        [this] { tellIncomplete(); }};
    m_editor = new entry::AgendaEditor(*ListView1, std::move(hooks), this);
    m_listView->setMenuActions(m_editor->actions());
    m_listView->setCellCommit([this](int row, int column, const QString& text) {
        return m_editor->setCell(row, column, text);
    });
    m_listView->setRowsDropped(
        [this](const QList<int>& rows, int destination) { m_editor->moveRows(rows, destination); });
    for (const entry::MeetingTextBox& box : meetingTextBoxes())
        m_boxTexts << box.text();
}

void Form1::tellIncomplete() {
    m_services.messages.show(tr("Please fill out all entries."), platform::MsgButtons::Ok,
                             platform::MsgIcon::None);
}
