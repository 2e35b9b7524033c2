#pragma once

#include "FakeClipboard.h"

#include "app/StepRunner.h"
#include "entry/SampleMeeting.h"
#include "generation/AgendaTyping.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"

namespace testing {

// The sample meeting with at least `items` agenda items: its two items
// over and over.
inline MeetingAgenda::MeetingData sampleWithItems(int items) {
    MeetingAgenda::MeetingData m = entry::sampleMeeting();
    while (m.items.size() < items)
        m.items.append(m.items[m.items.size() % 2]);
    return m;
}

// An agenda typed by the builder's own statements into a new document of
// an engine of its own; a failing statement throws.
struct TypedAgenda {
    FakeClipboard clipboard;
    platform::Ref<word::Application> app{word::Application::create(clipboard)};
    platform::Ref<word::Document> doc;

    explicit TypedAgenda(const MeetingAgenda::MeetingSource& meeting) {
        app::StrictSteps run;
        MeetingAgenda::TypeAgenda(run, app, doc, meeting);
    }
};

} // namespace testing
