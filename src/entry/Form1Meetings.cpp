// Meeting files and calendar invitations on the entry window: open, save as,
// import, start the next meeting from this one, and the files used last.

#include "Form1.h"

#include "Invitation.h"
#include "MeetingFile.h"
#include "RecentFiles.h"

#include "../app/ShellUtilities.h"
#include "../platform/messages/MessageService.h"
#include "../platform/settings/SettingsStore.h"
#include "../platform/shell/Shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>

using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

// A calendar file by its name, else by its first line.
bool isCalendarFile(const QString& path) {
    static const QStringList suffixes{QStringLiteral("ics"), QStringLiteral("ical"),
                                      QStringLiteral("icalendar"), QStringLiteral("ifb")};
    if (suffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray start = file.read(64).trimmed();
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    return start.toUpper().startsWith("BEGIN:VCALENDAR");
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString withMeetingSuffix(const QString& path) {
    return QFileInfo(path).suffix().isEmpty()
               ? path + QLatin1Char('.') + entry::MeetingFile::kSuffix
               : path;
}

} // namespace

// ---- opening ------------------------------------------------------------

bool Form1::openFile(const QString& path) {
    return isCalendarFile(path) ? importInvitationFile(path) : openMeetingFile(path);
}

bool Form1::openMeetingFile(const QString& path) {
    if (mBusy)
        return false;
    const entry::MeetingFile::ReadResult read = entry::MeetingFile::read(path);
    if (!read.meeting) {
        refuseFile(path, read.error);
        return false;
    }
    replaceMeeting(*read.meeting, tr("Open Meeting"));
    m_meetingFile = QFileInfo(path).absoluteFilePath();
    rememberFile(path);
    return true;
}

bool Form1::importInvitationFile(const QString& path) {
    if (mBusy)
        return false;
    const entry::Invitation invitation = entry::readInvitationFile(path);
    if (!invitation.error.isEmpty()) {
        refuseFile(path, invitation.error);
        return false;
    }
    replaceMeeting(entry::withInvitation(meeting(), invitation), tr("Import Invitation"));
    rememberFile(path);
    if (!invitation.notes.isEmpty())
        m_services.messages.notify(invitation.notes.join(QLatin1Char('\n')), MsgIcon::None);
    return true;
}

void Form1::refuseFile(const QString& path, const QString& why) {
    if (!QFileInfo::exists(path))
        entry::RecentFiles(m_services.settings.fileName()).remove(path);
    recentMenu->setEnabled(!recentFiles().isEmpty());
    m_services.messages.show(tr("%1 cannot be opened.\n\n%2").arg(QFileInfo(path).fileName(), why),
                             MsgButtons::Ok, MsgIcon::Exclamation);
}

// ---- the File menu --------------------------------------------------------

void Form1::NewMeetingFromThisOne_Click() {
    if (mBusy)
        return;
    entry::Meeting next = meeting();
    next.date.clear();
    replaceMeeting(next, tr("New Meeting from This One"));
    m_meetingFile.clear();
    txtDateOfMeeting->setFocus();
}

void Form1::OpenMeeting_Click() {
    const QString folder =
        m_meetingFile.isEmpty() ? documentsFolder() : QFileInfo(m_meetingFile).absolutePath();
    const QString path = m_services.shell.askOpenFileName(
        tr("Open Meeting"),
        tr("Meetings and Invitations (*.quillary *.ics)|*.quillary;*.ics|"
           "Quillary Meetings (*.quillary)|*.quillary|"
           "Calendar Invitations (*.ics)|*.ics|All Files (*)|*"),
        folder);
    if (!path.isEmpty())
        openFile(path);
}

void Form1::ImportInvitation_Click() {
    const QString path = m_services.shell.askOpenFileName(
        tr("Import Invitation"), tr("Calendar Invitations (*.ics)|*.ics;*.ical|All Files (*)|*"),
        documentsFolder());
    if (!path.isEmpty())
        importInvitationFile(path);
}

void Form1::SaveMeetingAs_Click() {
    const QString proposed =
        !m_meetingFile.isEmpty()
            ? m_meetingFile
            : QDir(documentsFolder())
                  .filePath(
                      withMeetingSuffix(Main::FileNameFor(txtMeetingTitle->text(), tr("Meeting"))));
    QString target = m_services.shell.askSaveFileName(
        tr("Save Meeting As"), tr("Quillary Meetings (*.quillary)|*.quillary"), proposed);
    if (target.isEmpty())
        return;
    target = withMeetingSuffix(target);
    if (QFileInfo::exists(target) &&
        m_services.messages.show(tr("Are you sure you wish to overwrite %1 ?").arg(target),
                                 MsgButtons::YesNo, MsgIcon::None) != MsgAnswer::Yes)
        return;
    const QString error = entry::MeetingFile::save(target, meeting());
    if (!error.isEmpty()) {
        m_services.messages.show(
            tr("The meeting could not be saved as %1.\n\n%2").arg(target, error), MsgButtons::Ok,
            MsgIcon::Exclamation);
        return;
    }
    m_meetingFile = QFileInfo(target).absoluteFilePath();
    rememberFile(target);
}

// ---- files used last ------------------------------------------------------

QStringList Form1::recentFiles() const {
    return entry::RecentFiles(m_services.settings.fileName()).files();
}

void Form1::rememberFile(const QString& path) {
    entry::RecentFiles(m_services.settings.fileName()).add(path);
    recentMenu->setEnabled(true);
}
