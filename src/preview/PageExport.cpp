#include "PageExport.h"

#include "Form2.h"

#include "../app/ErrorTrap.h"
#include "../app/ShellUtilities.h"
#include "../entry/Form1.h"
#include "../platform/automation/AutomationRegistry.h"
#include "../platform/clipboard/Clipboard.h"
#include "../platform/controls/MousePointer.h"
#include "../platform/errors/RuntimeError.h"
#include "../platform/files/ExclusiveFile.h"
#include "../platform/shell/Shell.h"
#include "../platform/word/automation/Application.h"
#include "../platform/word/automation/Constants.h"
#include "../platform/word/automation/Document.h"
#include "../platform/word/automation/Range.h"
#include "../platform/word/automation/Selection.h"

#include <QFile>

namespace MeetingAgenda {

namespace {

using platform::Ref;
namespace wd = word::wd;

struct ExportState {
    Ref<word::Application> wordApp;
    Ref<word::Document> doc;
    int32_t pageCount = 0;
    int32_t removed = 0;
    int32_t n = 0;
    bool done = false;
};

// Statements 142 to 146: the first page goes.
void RemoveFirstPage(app::ErrorTrap& trap, ExportState& s) {
    trap.step(142, [&] { s.wordApp->Selection().GoTo(wd::GoToPage, wd::GoToNext, 2); });
    trap.step(144, [&] { s.wordApp->Selection().HomeKey(wd::Story, wd::Extend); });
    trap.step(146, [&] { s.wordApp->Selection().Delete(wd::Character, 1); });
}

// Statements 148 to 162: the clipboard's picture becomes page n.
void StorePage(app::ErrorTrap& trap, ExportState& s, Form1& form1, ScratchPicture& scratch) {
    const app::Services& services = form1.services();
    Form2& form2 = form1.form2();
    trap.step(148, [&] {
        const platform::Picture picture = Main::GetClipboardPicture(services.clipboard, 0);
        if (picture.isNull())
            throw platform::RuntimeError(QStringLiteral("Invalid picture"));
        scratch.save(picture);
    });
    trap.step(150, [&] { form2.addPageItem(QStringLiteral("Page ") + QString::number(s.n)); });
    if (s.n == 1) {
        trap.step(154, [&] { form2.setSlotPicture(0, scratch.load()); });
    } else {
        trap.step(156, [&] {
            if (!form2.hasImageSlot(s.n - 1))
                form2.createImageSlot(s.n - 1);
        });
        trap.step(158, [&] { form2.setSlotPicture(s.n - 1, scratch.load()); });
    }
    trap.step(162, [&] { Main::DeleteFiles(services.shell, scratch.path()); });
}

} // namespace

void SaveDocAsJPG(Form1& form1, const QString& path) {
    const app::Services& services = form1.services();
    app::ErrorTrap trap(services.messages, QStringLiteral("MeetingAgenda"),
                        QStringLiteral("SaveDocAsJPG"));
    const platform::ClipboardKeeper keeper(services.clipboard);
    ScratchPicture scratch(ScratchPicture::defaultPath());
    ExportState s;
    trap.step(116, [&] {
        s.wordApp =
            services.automation.create<word::Application>(QStringLiteral("Word.Application"));
    });
    trap.step(118, [&] { s.doc = s.wordApp->Documents().Open(path); });
    trap.step(120, [&] { s.wordApp->ActiveDocument()->Repaginate(); });
    trap.step(122, [&] {
        s.pageCount =
            s.wordApp->ActiveDocument()->BuiltInDocumentProperties(wd::PropertyPages).toInt();
    });
    while (!s.done) {
        trap.step(130, [&] { form1.setMousePointer(platform::PointerBusy); });
        trap.step(132, [&] { s.doc->Range().CopyAsPicture(); });
        ++s.n;
        if (trap.test(136, [&] { return s.pageCount - s.removed <= 1; }))
            s.done = true;
        else
            RemoveFirstPage(trap, s);
        StorePage(trap, s, form1, scratch);
        ++s.removed;
        // The program was asked to end while this page was stored.
        if (services.shell.endRequested())
            break;
    }
    trap.step(166, [&] { s.wordApp->ActiveDocument()->Close(wd::DoNotSaveChanges); });
    trap.step(168, [&] { s.wordApp->Quit(); });
}

ScratchPicture::ScratchPicture(QString path) : m_path(std::move(path)) {}

QString ScratchPicture::defaultPath() {
    return Main::TempFolder() + QStringLiteral("/temp.bmp");
}

void ScratchPicture::save(const platform::Picture& picture) {
    m_written = false;
    const QByteArray bytes = picture.toBytes();
    if (bytes.isEmpty())
        throw platform::RuntimeError(QStringLiteral("The picture could not be saved"));
    platform::clearOwnEntry(m_path);
    if (!platform::createExclusiveFile(m_path, bytes))
        throw platform::RuntimeError(QStringLiteral("%1 is in use").arg(m_path));
    m_written = true;
}

platform::Picture ScratchPicture::load() const {
    if (!m_written)
        throw platform::RuntimeError(QStringLiteral("File not found: %1").arg(m_path));
    QFile file(m_path);
    const platform::Picture picture = file.open(QIODevice::ReadOnly)
                                          ? platform::Picture::fromBytes(file.readAll())
                                          : platform::Picture();
    if (picture.isNull())
        throw platform::RuntimeError(QStringLiteral("Invalid picture: %1").arg(m_path));
    return picture;
}

} // namespace MeetingAgenda
