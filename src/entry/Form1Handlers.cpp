// The entry window's buttons, close path, focus and pointer handlers.
#include "Form1.h"

#include "AgendaList.h"
#include "MeetingKeys.h"
#include "RecoveryFile.h"
#include "SampleMeeting.h"

#include "../app/ErrorTrap.h"
#include "../generation/MeetingAgenda.h"
#include "../platform/controls/MultiLineTextBox.h"
#include "../platform/controls/PictureBox.h"
#include "../platform/controls/TabControl.h"
#include "../platform/errors/RuntimeError.h"
#include "../platform/messages/MessageService.h"
#include "../platform/settings/SettingsStore.h"
#include "../platform/shell/Shell.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

using app::ErrorTrap;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

ErrorTrap trapOf(const app::Services& services, const char* procedure) {
    return ErrorTrap(services.messages, QStringLiteral("Form1"), QLatin1String(procedure));
}

} // namespace

bool Form1::StoreAgendaListAtEnd() {
    return storeEncodedList(EncodedAgendaList());
}

// The list is stored; once it is, its recovery copy goes. When it cannot
// be, the copy is brought up to date instead. A store the user was told
// cannot be written is not told of again; a new failure fails.
bool Form1::storeEncodedList(const QString& encoded) {
    bool stored = false;
    try {
        stored = m_storeWrites.storeAtClose(entry::MeetingKeys::Time, encoded);
    } catch (...) {
        m_recovery->writeNow();
        throw;
    }
    if (stored)
        m_recovery->discard();
    else
        m_recovery->writeNow();
    return stored;
}

bool Form1::storeAgendaList(app::StepRunner& run) {
    QString encoded;
    bool stored = false;
    run.step(100, [&] { encoded = EncodedAgendaList(); });
    run.step(112, [&] { stored = storeEncodedList(encoded); });
    return stored;
}

void Form1::StoreForSessionEnd() {
    ErrorTrap trap = trapOf(m_services, "Form_QueryUnload");
    storeAgendaList(trap);
}

void Form1::Form_QueryUnload() {
    ErrorTrap trap = trapOf(m_services, "Form_QueryUnload");
    storeAgendaList(trap);
    trap.step(114, [&] { m_services.shell.doEvents(); });
    trap.step(116, [&] { m_services.shell.doEvents(); });
    trap.step(118, [&] { m_services.shell.endProgram(); });
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing is never refused.
    event->accept();
    Form_QueryUnload();
}

// "Start Creating Template"
void Form1::PushButton1_Click() {
    if (mBusy)
        return;
    mBusy = true;
    ErrorTrap trap(m_services.messages, QStringLiteral("Form1"),
                   QStringLiteral("PushButton1_Click"), MsgIcon::None);
    if (trap.test(102, [&] { return entry::AgendaList::rowCount(*ListView1) > 0; })) {
        trap.step(104, [&] { setMousePointer(platform::PointerBusy); });
        trap.step(106, [&] { MeetingAgenda::GenerateMeetingAgenda(*this); });
        trap.step(108, [&] { setMousePointer(platform::PointerDefault); });
    } else {
        trap.step(110, [&] {
            m_services.messages.show(tr("You forgot to add time."), MsgButtons::Ok, MsgIcon::None);
        });
        trap.step(112, [&] { SSTab1->setCurrentIndex(1); });
    }
    mBusy = false;
}

// "Add": the entry boxes become a new row at the end of the list.
void Form1::PushButton2_Click() {
    ErrorTrap trap = trapOf(m_services, "PushButton2_Click");
    recordChange(tr("Add"), [&] {
        if (const std::optional<entry::AgendaItem> item = takeEntryItem(trap)) {
            const QString fields[] = {item->time, item->topic, item->details, item->room};
            appendAgendaRow(trap, 102, [&](int column) { return fields[column]; });
        }
    });
}

// The item in the four entry boxes, which are emptied, as "Add" and the
// list's inserts take it; nothing, after telling the user, when the time,
// topic or room is blank.
std::optional<entry::AgendaItem> Form1::takeEntryItem(app::StepRunner& run) {
    using entry::AgendaList::blankAfterTrim;
    const bool incomplete = run.test(
        100,
        [&] {
            return blankAfterTrim(txtTime->text()) || blankAfterTrim(txtTopic->text()) ||
                   blankAfterTrim(txtRoom->text());
        },
        false);
    if (incomplete) {
        tellIncomplete();
        return std::nullopt;
    }
    entry::AgendaItem item{txtTime->text(), txtTopic->text(), txtDetails->text(), txtRoom->text()};
    int line = 110;
    for (QLineEdit* box : entryBoxes()) {
        run.step(line, [&] { box->setText(QString()); });
        line += 2;
    }
    return item;
}

// "Delete Selected": removes the selected row.
void Form1::PushButton3_Click() {
    ErrorTrap trap = trapOf(m_services, "PushButton3_Click");
    if (!trap.test(100, [&] { return entry::AgendaList::rowCount(*ListView1) > 0; }))
        return;
    recordChange(tr("Delete Selected"), [&] {
        trap.step(102, [&] {
            const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
            QTreeWidgetItem* row = selected.isEmpty() ? ListView1->currentItem() : selected.first();
            if (!row || !row->isSelected())
                throw platform::RuntimeError(
                    QCoreApplication::translate("RuntimeError", platform::kObjectNotSet));
            delete ListView1->takeTopLevelItem(ListView1->indexOfTopLevelItem(row));
        });
    });
}

// "Load Sample/Example Data": the sample meeting, as one step that can be
// undone; the agenda entry boxes are emptied as adding the sample items
// one by one empties them.
void Form1::PushButton5_Click() {
    ErrorTrap trap = trapOf(m_services, "PushButton5_Click");
    trap.step(100, [&] { replaceMeeting(entry::sampleMeeting(), tr("Load Sample Data")); });
    int line = 116;
    for (QLineEdit* box : entryBoxes()) {
        trap.step(line, [&] { box->setText(QString()); });
        line += 2;
    }
}

// "Clear/Reset Data", as one step that can be undone: the agenda entry
// boxes keep their text.
void Form1::PushButton4_Click() {
    ErrorTrap trap = trapOf(m_services, "PushButton4_Click");
    trap.step(100, [&] { replaceMeeting(entry::Meeting{}, tr("Clear/Reset Data")); });
}

namespace {
// Selects the whole text now and again once a click that gave the focus has
// placed its caret.
void selectWholeText(QLineEdit* box) {
    box->selectAll();
    QMetaObject::invokeMethod(
        box, [box] { box->selectAll(); }, Qt::QueuedConnection);
}
} // namespace

void Form1::txtMeetingTitle_GotFocus() {
    selectWholeText(txtMeetingTitle);
}
void Form1::txtDateOfMeeting_GotFocus() {
    selectWholeText(txtDateOfMeeting);
}
void Form1::txtCalledBy_GotFocus() {
    selectWholeText(txtCalledBy);
}

void Form1::watchPointer() {
    setMouseTracking(true);
    QList<QWidget*> watched = {
        Frame1,          Frame2,      Frame3,      Picture1[0], Picture1[1], ListView1->viewport(),
        txtMeetingTitle, txtTime,     txtTopic,    txtDetails,  txtRoom,     PushButton1,
        PushButton2,     PushButton3, PushButton4, PushButton5};
    watched += QList<QWidget*>(Label1.begin(), Label1.end());
    for (QWidget* w : std::as_const(watched)) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    // Focus only: the whole text is selected when these boxes gain the focus.
    txtDateOfMeeting->installEventFilter(this);
    txtCalledBy->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == txtMeetingTitle)
            txtMeetingTitle_GotFocus();
        else if (watched == txtDateOfMeeting)
            txtDateOfMeeting_GotFocus();
        else if (watched == txtCalledBy)
            txtCalledBy_GotFocus();
    } else if (event->type() == QEvent::MouseMove) {
        // A move that a control passed on to its container belongs to the control.
        auto* control = static_cast<QWidget*>(watched);
        if (!controlAt(control, static_cast<QMouseEvent*>(event)->position().toPoint()))
            onPointerMove(watched);
    }
    return platform::FormWindow::eventFilter(watched, event);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    if (!controlAt(this, event->position().toPoint()))
        pointerOverBackground();
    platform::FormWindow::mouseMoveEvent(event);
}

void Form1::onPointerMove(QObject* over) {
    const bool button = over == PushButton1 || over == PushButton2 || over == PushButton3 ||
                        over == PushButton4 || over == PushButton5;
    if (button) {
        pointerOverButton();
        return;
    }
    if (over != txtDateOfMeeting && over != txtCalledBy)
        pointerOverBackground();
}
