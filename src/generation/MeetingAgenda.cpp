#include "MeetingAgenda.h"

#include "AgendaTyping.h"
#include "Form1Meeting.h"
#include "RunningWordGuard.h"
#include "TemporaryDocument.h"

#include "../app/ErrorTrap.h"
#include "../app/ShellUtilities.h"
#include "../entry/Form1.h"
#include "../platform/automation/AutomationRegistry.h"
#include "../platform/controls/MousePointer.h"
#include "../platform/files/ExclusiveFile.h"
#include "../platform/shell/Shell.h"
#include "../platform/word/automation/Application.h"
#include "../platform/word/automation/Document.h"
#include "../preview/GenerationResult.h"
#include "../preview/PageExport.h"

namespace MeetingAgenda {

namespace {

using platform::Ref;

// Statements 306 to 320: a fresh name in the temporary folder, drawn again
// while the name is taken. The file is created here, exclusively and for the
// user only, so nobody can slip a file or a link in under the name.
QString ChooseTemporaryPath(app::ErrorTrap& trap, QRandomGenerator& random) {
    QString path;
    bool taken = true;
    while (taken) {
        QString name;
        trap.step(306, [&] { name = QStringLiteral("ovelund"); });
        trap.step(312, [&] { name = DrawTemporaryName(random); });
        trap.step(318, [&] { path = Main::TempFolder() + QLatin1Char('/') + name + ".doc"; });
        taken = trap.test(
            320, [&] { return Main::FileExists(path) || !platform::createExclusiveFile(path); },
            false);
    }
    return path;
}

// Statements 322 to 332.
void SaveAndQuit(app::ErrorTrap& trap, Ref<word::Application>& wordApp, Ref<word::Document>& doc,
                 const QString& path) {
    trap.step(322, [&] { doc->SaveAs(path); });
    trap.step(324, [&] { wordApp->setDisplayAlerts(false); });
    trap.step(326, [&] { doc->Close(); });
    trap.step(328, [&] { wordApp->Quit(); });
    trap.step(330, [&] { doc.reset(); });
    trap.step(332, [&] { wordApp.reset(); });
}

// Statements 334 to 348: the pages into the preview, which takes over.
void ShowPreview(app::ErrorTrap& trap, Form1& form1, preview::GenerationResult& result,
                 const QString& path) {
    trap.step(334, [&] { result.clearPageList(); });
    trap.step(336, [&] { SaveDocAsJPG(form1.services(), form1, result, path); });
    // The program was asked to end meanwhile: no preview, and no document left behind.
    if (form1.services().shell.endRequested()) {
        Main::DeleteFiles(form1.services().shell, path);
        return;
    }
    if (trap.test(340, [&] { return result.pageItemCount() >= 1; }))
        trap.step(342, [&] { result.showFirstPage(); });
    trap.step(338, [&] { form1.setMousePointer(platform::PointerDefault); });
    trap.step(344, [&] { result.setDocumentPath(path); });
    trap.step(346, [&] { result.showResult(); });
    trap.step(348, [&] { form1.hide(); });
}

} // namespace

void GenerateMeetingAgenda(Form1& form1) {
    const app::Services& services = form1.services();
    app::ErrorTrap trap(services.messages, QStringLiteral("MeetingAgenda"),
                        QStringLiteral("GenerateMeetingAgenda"));
    bool stop = false;
    trap.step(100, [&] { stop = StopIfWordOpen(services.automation, services.messages); });
    if (stop)
        return;
    Ref<word::Application> wordApp;
    Ref<word::Document> doc;
    trap.step(102, [&] {
        wordApp = services.automation.create<word::Application>(QStringLiteral("Word.Application"));
    });
    const Form1Meeting meeting(form1);
    TypeAgenda(trap, wordApp, doc, meeting);
    const QString path = ChooseTemporaryPath(trap, services.random);
    SaveAndQuit(trap, wordApp, doc, path);
    ShowPreview(trap, form1, form1.previewResult(), path);
}

} // namespace MeetingAgenda
