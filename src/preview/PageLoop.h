#pragma once

#include "app/StepRunner.h"
#include "platform/automation/Ref.h"
#include "platform/word/automation/Forward.h"

namespace MeetingAgenda {

// What the page export does with each page the loop takes.
class PageSink {
public:
    virtual ~PageSink() = default;
    // Before each page is copied (statement 130).
    virtual void copying() {}
    // The clipboard holds page n (from 1) as a picture (statements 148 to 162).
    virtual void storePage(int n) = 0;
    // Checked after each page: true ends the loop.
    virtual bool stopRequested() { return false; }
};

// Statements 120 to 164 of the page export: the document open in `wordApp`
// is paginated, then page by page its whole range is copied as a picture,
// its first page is cut (but for the last) and the picture goes to `sink`.
// The document ends empty but for the last page; its file is not touched.
void TakePages(app::StepRunner& run, platform::Ref<word::Application>& wordApp,
               platform::Ref<word::Document>& doc, PageSink& sink);

} // namespace MeetingAgenda
