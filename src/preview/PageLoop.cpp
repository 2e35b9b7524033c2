#include "PageLoop.h"

#include "platform/word/automation/Application.h"
#include "platform/word/automation/Constants.h"
#include "platform/word/automation/Document.h"
#include "platform/word/automation/Range.h"
#include "platform/word/automation/Selection.h"

namespace MeetingAgenda {

namespace {

namespace wd = word::wd;

// Statements 142 to 146: the first page goes.
void RemoveFirstPage(app::StepRunner& run, platform::Ref<word::Application>& wordApp) {
    run.step(142, [&] { wordApp->Selection().GoTo(wd::GoToPage, wd::GoToNext, 2); });
    run.step(144, [&] { wordApp->Selection().HomeKey(wd::Story, wd::Extend); });
    run.step(146, [&] { wordApp->Selection().Delete(wd::Character, 1); });
}

} // namespace

void TakePages(app::StepRunner& run, platform::Ref<word::Application>& wordApp,
               platform::Ref<word::Document>& doc, PageSink& sink) {
    int32_t pageCount = 0;
    int32_t removed = 0;
    int32_t n = 0;
    bool done = false;
    run.step(120, [&] { wordApp->ActiveDocument()->Repaginate(); });
    run.step(122, [&] {
        pageCount = wordApp->ActiveDocument()->BuiltInDocumentProperties(wd::PropertyPages).toInt();
    });
    while (!done) {
        run.step(130, [&] { sink.copying(); });
        run.step(132, [&] { doc->Range().CopyAsPicture(); });
        ++n;
        if (run.test(136, [&] { return pageCount - removed <= 1; }))
            done = true;
        else
            RemoveFirstPage(run, wordApp);
        sink.storePage(n);
        ++removed;
        if (sink.stopRequested())
            break;
    }
}

} // namespace MeetingAgenda
