// The entry window's buttons, close path, focus and pointer handlers.
#include "Form1.h"

#include "AgendaList.h"
#include "MeetingKeys.h"
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

bool blankAfterTrim(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return start == end;
}

} // namespace

void Form1::Form_QueryUnload() {
    ErrorTrap trap = trapOf(m_services, "Form_QueryUnload");
    QString encoded;
    trap.step(100, [&] { encoded = EncodedAgendaList(); });
    trap.step(112, [&] { m_services.settings.write(entry::MeetingKeys::Time, encoded); });
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
            m_services.messages.show(tr("You forgot to add time."), MsgButtons::Ok,
                                     MsgIcon::None);
        });
        trap.step(112, [&] { SSTab1->setCurrentIndex(1); });
    }
    mBusy = false;
}

// "Add": the entry boxes become a new row at the end of the list.
void Form1::PushButton2_Click() {
    ErrorTrap trap = trapOf(m_services, "PushButton2_Click");
    const bool incomplete = trap.test(
        100,
        [&] {
            return blankAfterTrim(txtTime->text()) || blankAfterTrim(txtTopic->text()) ||
                   blankAfterTrim(txtRoom->text());
        },
        false);
    if (incomplete) {
        m_services.messages.show(tr("Please fill out all entries."), MsgButtons::Ok,
                                 MsgIcon::None);
        return;
    }
    const QLineEdit* boxes[] = {txtTime, txtTopic, txtDetails, txtRoom};
    appendAgendaRow(trap, 102, [&](int column) { return boxes[column]->text(); });
    int line = 110;
    for (QLineEdit* box : {txtTime, txtTopic, txtDetails, txtRoom}) {
        trap.step(line, [&] { box->setText(QString()); });
        line += 2;
    }
}

// "Delete Selected": removes the selected row.
void Form1::PushButton3_Click() {
    ErrorTrap trap = trapOf(m_services, "PushButton3_Click");
    if (!trap.test(100, [&] { return entry::AgendaList::rowCount(*ListView1) > 0; }))
        return;
    trap.step(102, [&] {
        const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
        QTreeWidgetItem* row = selected.isEmpty() ? ListView1->currentItem() : selected.first();
        if (!row || !row->isSelected())
            throw platform::RuntimeError(QString::fromLatin1(platform::kObjectNotSet));
        delete ListView1->takeTopLevelItem(ListView1->indexOfTopLevelItem(row));
    });
}

// The seven meeting texts, in the order of the window; each write stores it.
void Form1::setMeetingTexts(app::StepRunner& run, const QStringList& texts) {
    const std::function<void(const QString&)> setters[] = {
        [this](const QString& t) { txtMeetingTitle->setText(t); },
        [this](const QString& t) { txtDateOfMeeting->setText(t); },
        [this](const QString& t) { txtCalledBy->setText(t); },
        [this](const QString& t) { txtAttendeeList->setText(t); },
        [this](const QString& t) { txtReadingList->setText(t); },
        [this](const QString& t) { txtSuppliesList->setText(t); },
        [this](const QString& t) { txtAdditionalInstruction->setText(t); },
    };
    for (int i = 0; i < 7; ++i)
        run.step(100 + 2 * i, [&] { setters[i](texts.value(i)); });
}

// "Load Sample/Example Data"
void Form1::PushButton5_Click() {
    ErrorTrap trap = trapOf(m_services, "PushButton5_Click");
    const entry::Meeting sample = entry::sampleMeeting();
    setMeetingTexts(trap, {sample.title, sample.date, sample.caller, sample.attendees,
                           sample.reading, sample.supplies, sample.additional});
    trap.step(114, [&] { ListView1->clear(); });
    int line = 116;
    for (const entry::AgendaItem& item : sample.items) {
        trap.step(line, [&] { txtTime->setText(item.time); });
        trap.step(line + 2, [&] { txtTopic->setText(item.topic); });
        trap.step(line + 4, [&] { txtDetails->setText(item.details); });
        trap.step(line + 6, [&] { txtRoom->setText(item.room); });
        trap.step(line + 8, [&] { PushButton2_Click(); });
        line += 10;
    }
}

// "Clear/Reset Data": the agenda entry boxes keep their text.
void Form1::PushButton4_Click() {
    ErrorTrap trap = trapOf(m_services, "PushButton4_Click");
    setMeetingTexts(trap, QStringList(7, QString()));
    trap.step(114, [&] { ListView1->clear(); });
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
        if (!control->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
            onPointerMove(watched);
    }
    return platform::FormWindow::eventFilter(watched, event);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    if (!childAt(event->position().toPoint()))
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
