#pragma once

#include "../app/Services.h"
#include "../platform/controls/FormWindow.h"
#include "Meeting.h"
#include "MeetingTextBox.h"
#include "StoreWrites.h"

#include <QList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;
class QUndoStack;
class Form2;

namespace entry {
class AgendaEditor;
class AgendaListView;
struct MeetingState;
} // namespace entry

namespace platform {
class MultiLineTextBox;
class PictureBox;
class SkinFramework;
class TabControl;
} // namespace platform

namespace app {
class StepRunner;
}
namespace entry {
class RecoveryFile;
}
namespace preview {
class GenerationResult;
}

// The meeting entry window: the meeting record lives in its controls.
class Form1 : public platform::FormWindow {
    Q_OBJECT
public:
    explicit Form1(const app::Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // Handlers, named after control and event.
    void Form_Load();
    void Form_QueryUnload();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();
    void txtMeetingTitle_GotFocus();
    void txtDateOfMeeting_GotFocus();
    void txtCalledBy_GotFocus();

    // The whole meeting, read from the controls, which stay its record.
    entry::Meeting meeting() const;
    // Puts `meeting` into the controls; each text that changes is stored
    // as typing stores it. Not an undo step.
    void setMeeting(const entry::Meeting& meeting);
    // The same, as one step the user can undo.
    void replaceMeeting(const entry::Meeting& meeting, const QString& undoText);
    // Every change of the meeting made through the window, typing included.
    QUndoStack* undoStack();
    // The agenda list's operations with their keys, in menu order (an
    // action that isSeparator() between groups).
    QList<QAction*> agendaActions() const;
    entry::AgendaEditor& agendaEditor() { return *m_editor; }
    // Runs `change` on the controls and keeps what it did to the meeting as
    // one undo step named `undoText`.
    void recordChange(const QString& undoText, const std::function<void()>& change);

    // The agenda list as stored under "Time" (a list of fields per item).
    QString EncodedAgendaList() const;
    void DecodeAgendaList(app::StepRunner& run, const QString& stored);

    // Controls, as the window's designer names them.
    QPushButton* PushButton1;
    QPushButton* PushButton4;
    QPushButton* PushButton5;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QLineEdit* txtMeetingTitle;
    QLineEdit* txtDateOfMeeting;
    QLineEdit* txtCalledBy;
    platform::TabControl* SSTab1;
    platform::SkinFramework* SkinFramework1;
    QList<platform::PictureBox*> Picture1; // (0) on the "Time" tab, (1) on the other
    QList<QLabel*> Label1;
    QLineEdit* txtTime;
    QLineEdit* txtTopic;
    QLineEdit* txtDetails;
    QLineEdit* txtRoom;
    QPushButton* PushButton2;
    QPushButton* PushButton3;
    QTreeWidget* ListView1;
    platform::MultiLineTextBox* txtAttendeeList;
    platform::MultiLineTextBox* txtReadingList;
    platform::MultiLineTextBox* txtSuppliesList;
    platform::MultiLineTextBox* txtAdditionalInstruction;

    // True while "Start Creating Template" runs.
    bool mBusy = false;

    // The preview window, created (hidden) on first use; lives until the end.
    Form2& form2();
    bool hasForm2() const { return m_form2 != nullptr; }
    // The same window as the builder fills it.
    preview::GenerationResult& previewResult();

    const app::Services& services() const { return m_services; }

    // What the end of the run stores, without ending it (the session
    // manager asks for it before a logout that may still be cancelled).
    void StoreForSessionEnd();
    // The agenda list stored as the end of the run stores it: true when
    // written; fails when the store fails and the user was not told yet.
    bool StoreAgendaListAtEnd();
    // Meeting files and calendar invitations (Form1Meetings.cpp). Opening
    // replaces the meeting as typing would, as one step to undo; a file
    // that cannot be read is reported once and changes nothing. True when
    // the meeting was replaced.
    bool openFile(const QString& path); // a meeting file or an invitation, by its kind
    bool openMeetingFile(const QString& path);
    bool importInvitationFile(const QString& path);
    // The File menu's items.
    void NewMeetingFromThisOne_Click();
    void OpenMeeting_Click();
    void SaveMeetingAs_Click();
    void ImportInvitation_Click();
    // Files opened or saved last, newest first.
    QStringList recentFiles() const;
    QMenu* recentMenu = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void createControls();
    void createTopControls();
    void createTimePanel();
    void createListsPanel();
    QLabel* addLabel(QWidget* panel, const QString& caption, int left, int top);
    void setTabOrder();
    void createEditing();
    QList<entry::MeetingTextBox> meetingTextBoxes() const;
    void onMeetingTextChanged(int box, const QString& text);
    entry::MeetingState state() const;
    // The four boxes a new agenda item is typed into: time, topic, details, room.
    std::array<QLineEdit*, 4> entryBoxes() const;
    QStringList entryBoxTexts() const;
    void applyState(const entry::MeetingState& state);
    std::optional<entry::AgendaItem> takeEntryItem(app::StepRunner& run);
    void tellIncomplete();
    void connectHandlers();
    void watchPointer();
    void createTabKeys();
    void loadTextFields(app::StepRunner& run);
    void createListColumns(app::StepRunner& run);
    void storeText(const QString& key, const QString& text);
    void onPointerMove(QObject* over);
    void appendAgendaRow(app::StepRunner& run, int firstLine,
                         const std::function<QString(int)>& field);
    void checkWordAvailable();
    void restoreRecoveredList(app::StepRunner& run, const QString& stored);
    void windowShown();
    bool storeAgendaList(app::StepRunner& run);
    bool storeEncodedList(const QString& encoded);
    void createMenus();
    void fillRecentMenu();
    void rememberFile(const QString& path);
    void refuseFile(const QString& path, const QString& why);

    app::Services m_services;
    entry::StoreWrites m_storeWrites;
    std::unique_ptr<entry::RecoveryFile> m_recovery;
    bool m_recoveredAtStart = false;
    std::unique_ptr<Form2> m_form2;
    entry::AgendaListView* m_listView = nullptr;
    QUndoStack* m_undo = nullptr;
    entry::AgendaEditor* m_editor = nullptr;
    // The texts of the seven boxes as last stored, for undoing typing.
    QStringList m_boxTexts;
    // Above zero while the window itself changes the meeting: no typing steps.
    int m_quiet = 0;
    // Typing in one box is one step until the focus moves or another step comes.
    int m_typingBurst = 0;
    QString m_meetingFile; // the meeting file last opened or saved, if any
};
