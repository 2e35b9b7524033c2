#include "PageExport.h"

#include "GenerationResult.h"
#include "PageLoop.h"

#include "../app/ErrorTrap.h"
#include "../app/Services.h"
#include "../app/ShellUtilities.h"
#include "../platform/automation/AutomationRegistry.h"
#include "../platform/clipboard/Clipboard.h"
#include "../platform/controls/FormWindow.h"
#include "../platform/errors/RuntimeError.h"
#include "../platform/files/ExclusiveFile.h"
#include "../platform/shell/Shell.h"
#include "../platform/word/automation/Application.h"
#include "../platform/word/automation/Constants.h"
#include "../platform/word/automation/Document.h"

#include <QCoreApplication>
#include <QFile>

namespace MeetingAgenda {

namespace {

// Each page the loop takes becomes a list item and a slot's picture.
class ResultPages final : public PageSink {
public:
    ResultPages(app::ErrorTrap& trap, const app::Services& services,
                platform::FormWindow& busyWindow, preview::GenerationResult& result)
        : m_trap(trap), m_services(services), m_busyWindow(busyWindow), m_result(result) {}

    void copying() override { m_busyWindow.setMousePointer(platform::PointerBusy); }

    // Statements 148 to 162: the clipboard's picture becomes page n.
    void storePage(int n) override {
        m_trap.step(148, [&] {
            const platform::Picture picture = Main::GetClipboardPicture(m_services.clipboard, 0);
            if (picture.isNull())
                throw platform::RuntimeError(
                    QCoreApplication::translate("RuntimeError", "Invalid picture"));
            m_scratch.save(picture);
        });
        m_trap.step(150, [&] {
            m_result.addPageItem(QCoreApplication::translate("PageExport", "Page ") +
                                 QString::number(n));
        });
        if (n == 1) {
            m_trap.step(154, [&] { m_result.setSlotPicture(0, m_scratch.load()); });
        } else {
            m_trap.step(156, [&] {
                if (!m_result.hasImageSlot(n - 1))
                    m_result.createImageSlot(n - 1);
            });
            m_trap.step(158, [&] { m_result.setSlotPicture(n - 1, m_scratch.load()); });
        }
        m_trap.step(162, [&] { Main::DeleteFiles(m_services.shell, m_scratch.path()); });
    }

    // The program was asked to end while this page was stored.
    bool stopRequested() override { return m_services.shell.endRequested(); }

private:
    app::ErrorTrap& m_trap;
    const app::Services& m_services;
    platform::FormWindow& m_busyWindow;
    preview::GenerationResult& m_result;
    ScratchPicture m_scratch;
};

} // namespace

void SaveDocAsJPG(const app::Services& services, platform::FormWindow& busyWindow,
                  preview::GenerationResult& result, const QString& path) {
    app::ErrorTrap trap(services.messages, QStringLiteral("MeetingAgenda"),
                        QStringLiteral("SaveDocAsJPG"));
    ResultPages pages(trap, services, busyWindow, result);
    platform::Ref<word::Application> wordApp;
    platform::Ref<word::Document> doc;
    trap.step(116, [&] {
        wordApp = services.automation.create<word::Application>(QStringLiteral("Word.Application"));
    });
    trap.step(118, [&] { doc = wordApp->Documents().Open(path); });
    TakePages(trap, wordApp, doc, pages);
    trap.step(166, [&] { wordApp->ActiveDocument()->Close(word::wd::DoNotSaveChanges); });
    trap.step(168, [&] { wordApp->Quit(); });
}

ScratchPicture::ScratchPicture(QString path) : m_path(std::move(path)) {}

QString ScratchPicture::defaultPath() {
    return Main::PrivateTempFolder() + QStringLiteral("/temp.bmp");
}

void ScratchPicture::save(const platform::Picture& picture) {
    m_written = false;
    if (m_path.isEmpty())
        m_path = defaultPath();
    const QByteArray bytes = picture.toBytes();
    if (bytes.isEmpty())
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "The picture could not be saved"));
    platform::clearOwnEntry(m_path);
    if (!platform::createExclusiveFile(m_path, bytes))
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "%1 is in use").arg(m_path));
    m_written = true;
}

platform::Picture ScratchPicture::load() const {
    if (!m_written)
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "File not found: %1").arg(m_path));
    QFile file(m_path);
    const platform::Picture picture = file.open(QIODevice::ReadOnly)
                                          ? platform::Picture::fromBytes(file.readAll())
                                          : platform::Picture();
    if (picture.isNull())
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "Invalid picture: %1").arg(m_path));
    return picture;
}

} // namespace MeetingAgenda
