#include "Form1.h"

#include "AgendaList.h"
#include "AgendaListCodec.h"
#include "DateText.h"
#include "MeetingKeys.h"
#include "RecoveryFile.h"

#include "../app/Constants.h"
#include "../app/ErrorTrap.h"
#include "../app/IsInstalled.h"
#include "../app/ShellUtilities.h"
#include "../platform/controls/MultiLineTextBox.h"
#include "../platform/controls/PictureBox.h"
#include "../platform/controls/TabControl.h"
#include "../platform/controls/Twips.h"
#include "../platform/errors/RuntimeError.h"
#include "../platform/messages/MessageService.h"
#include "../platform/settings/SettingsStore.h"
#include "../platform/shell/Shell.h"
#include "../preview/Form2.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>

#include <QCoreApplication>
#include <optional>
#include <utility>

using app::ErrorTrap;
using platform::MsgButtons;
using platform::MsgIcon;
namespace Keys = entry::MeetingKeys;

Form1::Form1(const app::Services& services, QWidget* parent)
    : platform::FormWindow(parent), m_services(services),
      m_storeWrites(services.settings, services.messages) {
    createControls();
    createEditing();
    setTabOrder();
    connectHandlers();
    watchPointer();
    createMenus();
    createTabKeys();
    txtMeetingTitle->setFocus();
    m_recovery = std::make_unique<entry::RecoveryFile>(*ListView1, services.settings.fileName());
}

Form1::~Form1() {
    // The widgets' own destruction moves the focus: no handler of this
    // window may run once it is going.
    disconnect(qApp, nullptr, this, nullptr);
}

Form2& Form1::form2() {
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>(m_services);
        m_form2->setEntryWindow(this);
    }
    return *m_form2;
}

preview::GenerationResult& Form1::previewResult() {
    return form2();
}

void Form1::connectHandlers() {
    connect(PushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);
    connect(PushButton5, &QPushButton::clicked, this, &Form1::PushButton5_Click);
    const QList<entry::MeetingTextBox> boxes = meetingTextBoxes();
    for (int i = 0; i < boxes.size(); ++i) {
        const auto changed = [this, i](const QString& text) { onMeetingTextChanged(i, text); };
        if (auto* line = qobject_cast<QLineEdit*>(boxes[i].widget()))
            connect(line, &QLineEdit::textChanged, this, changed);
        else
            connect(static_cast<platform::MultiLineTextBox*>(boxes[i].widget()),
                    &platform::MultiLineTextBox::textChanged, this, changed);
    }
    // Typing in a box is one undo step until the focus moves.
    connect(qApp, &QApplication::focusChanged, this, [this] { ++m_typingBurst; });
}

// Every change of a meeting text box is written to the store at once.
void Form1::storeText(const QString& key, const QString& text) {
    m_storeWrites.store(key, text);
}

void Form1::Form_Load() {
    ErrorTrap trap(m_services.messages, QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    trap.step(100, [&] { Main::ApplySkin(*this, *SkinFramework1, m_services.programFolder); });
    trap.step(102, [&] {
        setWindowTitle(app::kProductName);
        setWindowIcon(QIcon(QStringLiteral(":/quillary/quillary.png")));
        Main::SetApplicationTitle();
    });
    const QString hand = m_services.programFolder + Main::kHandPointerFile;
    if (trap.test(104, [&] { return Main::FileExists(hand); }))
        trap.step(106, [&] { setMouseIcon(platform::loadCursorFile(hand)); });
    trap.step(108, [&] { Main::VisitHomePageAtRandom(m_services.shell, m_services.random); });
    loadTextFields(trap);
    createListColumns(trap);
    QString stored;
    trap.step(158, [&] { stored = m_services.settings.read(Keys::Time); });
    DecodeAgendaList(trap, stored);
    restoreRecoveredList(trap, stored);
    trap.step(178, [&] { checkWordAvailable(); });
    // What was loaded is where the user starts: nothing to undo.
    m_undo->clear();
}

// A run that ended without storing its list (killed, crashed, its display
// gone) left the list it had in the recovery copy: that list comes back.
void Form1::restoreRecoveredList(app::StepRunner& run, const QString& stored) {
    const std::optional<QString> recovered = m_recovery->differingFrom(stored);
    if (!recovered)
        return;
    ListView1->clear();
    DecodeAgendaList(run, *recovered);
    m_recoveredAtStart = true;
}

// What the start met is told once the window is on screen.
void Form1::showEvent(QShowEvent* event) {
    platform::FormWindow::showEvent(event);
    QMetaObject::invokeMethod(this, &Form1::windowShown, Qt::QueuedConnection);
}

void Form1::windowShown() {
    m_storeWrites.windowShown();
    if (!std::exchange(m_recoveredAtStart, false))
        return;
    m_services.messages.notify(
        tr("Quillary did not end normally last time. The agenda list it had then "
           "was recovered from %1.")
            .arg(m_recovery->path()),
        MsgIcon::Exclamation);
}

void Form1::loadTextFields(app::StepRunner& run) {
    // Each box type has its own setText; putting the text in stores it back.
    const auto load = [&](int line, auto* box, const QString& key) {
        run.step(line, [&] { box->setText(m_services.settings.read(key)); });
    };
    load(128, txtAttendeeList, Keys::AttendeeList);
    load(130, txtCalledBy, Keys::CalledBy);
    run.step(132, [&] {
        const QString today = entry::shortDateWithFullYear(QLocale::system(), QDate::currentDate());
        txtDateOfMeeting->setText(m_services.settings.read(Keys::DateOfMeeting, today));
    });
    load(134, txtMeetingTitle, Keys::MeetingTitle);
    load(136, txtReadingList, Keys::ReadingList);
    load(138, txtSuppliesList, Keys::SuppliesList);
    load(140, txtAdditionalInstruction, Keys::AdditionalInstruction);
}

void Form1::createListColumns(app::StepRunner& run) {
    const int dpi = platform::logicalDpi(this);
    const std::pair<const char*, int> columns[] = {{QT_TR_NOOP("Time"), 1000},
                                                   {QT_TR_NOOP("Topic"), 2000},
                                                   {QT_TR_NOOP("Details"), 3000},
                                                   {QT_TR_NOOP("Room"), 1000}};
    int line = 142;
    for (const auto& [header, width] : columns) {
        const int column = ListView1->columnCount();
        run.step(line, [&] {
            ListView1->setColumnCount(column + 1);
            ListView1->headerItem()->setText(column, tr(header));
        });
        run.step(line + 2,
                 [&] { ListView1->setColumnWidth(column, platform::twipsToPixels(width, dpi)); });
        line += 4;
    }
}

QString Form1::EncodedAgendaList() const {
    return entry::EncodeAgendaList(entry::AgendaList::rows(*ListView1));
}

void Form1::DecodeAgendaList(app::StepRunner& run, const QString& stored) {
    const QList<QStringList> entries = entry::SplitAgendaList(stored);
    for (const QStringList& pieces : entries) {
        const auto piece = [&pieces](int i) {
            if (i >= pieces.size())
                throw platform::RuntimeError(
                    QCoreApplication::translate("RuntimeError", "Subscript out of range"));
            return pieces[i];
        };
        appendAgendaRow(run, 168, piece);
    }
}

// Appends a row, each field one statement: the row's own text at
// `firstLine`, sub-items 1 to 3 at the next three line numbers.
void Form1::appendAgendaRow(app::StepRunner& run, int firstLine,
                            const std::function<QString(int)>& field) {
    QTreeWidgetItem* row = nullptr;
    run.step(firstLine, [&] {
        const QString time = field(0);
        row = entry::AgendaList::makeRow({time});
        ListView1->addTopLevelItem(row);
    });
    for (int column = 1; column <= 3; ++column) {
        run.step(firstLine + 2 * column, [&] {
            const QString text = field(column);
            if (!row)
                throw platform::RuntimeError(
                    QCoreApplication::translate("RuntimeError", platform::kObjectNotSet));
            row->setText(column, text);
        });
    }
}

// Load step 178: ends the program when no document engine can be started.
void Form1::checkWordAvailable() {
    IsInstalled::CheckWordAvailable(m_services.automation, m_services.messages, m_services.shell);
}
