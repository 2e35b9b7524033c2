// Saving the result, going back to the entry window, and closing the preview.
#include "Form2.h"

#include "../app/ErrorTrap.h"
#include "../app/ShellUtilities.h"
#include "../entry/Form1.h"
#include "../entry/MeetingKeys.h"
#include "../platform/errors/RuntimeError.h"
#include "../platform/files/FileReplacement.h"
#include "../platform/messages/MessageService.h"
#include "../platform/settings/SettingsStore.h"
#include "../platform/shell/Shell.h"
#include "../platform/word/io/DocumentPackage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using app::ErrorTrap;
using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

// The working copy's bytes, only when they are a whole document: after a
// generation that failed it may be missing or cut short.
QByteArray completeDocument(const QString& source) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "%1 could not be read: %2")
                .arg(source, in.errorString()));
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "%1 could not be read: %2")
                .arg(source, in.errorString()));
    try {
        (void)word::io::unpackDocument(bytes);
    } catch (const platform::RuntimeError& error) {
        throw platform::RuntimeError(
            QCoreApplication::translate(
                "RuntimeError", "The agenda's document %1 is not complete, so it was not saved. %2")
                .arg(source, error.description()));
    }
    return bytes;
}

// A copy that replaces the target in one step: a failure leaves the old file.
void copyReplacing(const QString& source, const QString& target) {
    platform::replaceFile(target, completeDocument(source));
}

} // namespace

// The temporary document goes when the preview closes: a result saved onto
// it would be lost.
bool Form2::isWorkingCopy(const QString& target) const {
    const QString chosen = QFileInfo(target).canonicalFilePath();
    return !chosen.isEmpty() && chosen == QFileInfo(mWordFile).canonicalFilePath();
}

void Form2::refuseWorkingCopy(const QString& target) {
    m_services.messages.show(tr("%1 is Quillary's working copy of this "
                                "agenda and is deleted when the preview "
                                "closes. Please save under another name.")
                                 .arg(target),
                             MsgButtons::Ok, MsgIcon::Exclamation);
}

// "Save Results To Word File"
void Form2::PushButton6_Click() {
    ErrorTrap trap(m_services.messages, QStringLiteral("Form2"),
                   QStringLiteral("PushButton6_Click"));
    QString fileName, title, filter, target;
    MsgAnswer answer = MsgAnswer(0);
    trap.step(106, [&] { fileName = QString(); });
    trap.step(108, [&] { title = tr("Save File"); });
    trap.step(110, [&] { filter = tr("Word Files (*.doc)|*.doc"); });
    trap.step(112, [&] { target = m_services.shell.askSaveFileName(title, filter, fileName); });
    if (isWorkingCopy(target))
        return refuseWorkingCopy(target);
    if (!trap.test(
            116, [&] { return target.isEmpty(); }, false)) {
        if (trap.test(118, [&] { return Main::FileExists(target); })) {
            trap.step(120, [&] {
                answer = m_services.messages.show(
                    tr("Are you sure you wish to overwrite %1 ?").arg(target), MsgButtons::YesNo,
                    MsgIcon::None);
            });
            // The existing file is replaced by the copy itself, so that a
            // failed copy leaves it as it was.
        } else {
            answer = MsgAnswer::Yes;
        }
    }
    bool copied = true;
    if (answer == MsgAnswer::Yes)
        copied = trap.step(130, [&] { copyReplacing(mWordFile, target); });
    if (copied) {
        trap.step(132,
                  [&] { m_services.messages.show(tr("Done."), MsgButtons::Ok, MsgIcon::None); });
    }
}

// "< Back"
void Form2::PushButton8_Click() {
    ErrorTrap trap(m_services.messages, QStringLiteral("Form2"),
                   QStringLiteral("PushButton8_Click"));
    trap.step(102, [&] { Main::DeleteFiles(m_services.shell, mWordFile); });
    trap.step(104, [&] {
        if (!m_entry)
            throw platform::RuntimeError(
                QCoreApplication::translate("RuntimeError", platform::kObjectNotSet));
        m_entry->show();
    });
    trap.step(106, [&] { hide(); });
}

// Closing the preview ends the program. The agenda list is stored as well,
// so the next start shows the list as it was when the program ended.
void Form2::Form_QueryUnload() {
    ErrorTrap trap(m_services.messages, QStringLiteral("Form2"),
                   QStringLiteral("Form_QueryUnload"));
    trap.step(100, [&] { Main::DeleteFiles(m_services.shell, mWordFile); });
    trap.step(102, [&] { m_services.shell.doEvents(); });
    trap.step(104, [&] { m_services.shell.doEvents(); });
    trap.step(106, [&] {
        if (m_entry)
            m_entry->StoreAgendaListAtEnd();
    });
}

void Form2::Form_Unload() {
    m_services.shell.endProgram();
}
