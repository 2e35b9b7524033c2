#pragma once

#include "app/StepRunner.h"
#include "entry/Meeting.h"
#include "platform/automation/Ref.h"
#include "platform/word/automation/Forward.h"

#include <QString>

#include <utility>

namespace MeetingAgenda {

// Where the builder reads the meeting, at the moment each step needs it.
class MeetingSource {
public:
    virtual ~MeetingSource() = default;
    virtual QString meetingTitle() const = 0;
    virtual QString dateOfMeeting() const = 0;
    virtual QString calledBy() const = 0;
    virtual QString attendeeList() const = 0;
    virtual QString readingList() const = 0;
    virtual QString suppliesList() const = 0;
    virtual QString additionalInstruction() const = 0;
    virtual int itemCount() const = 0;
    virtual entry::AgendaItem item(int index) const = 0; // 0-based
};

// A meeting held in plain values.
struct MeetingData final : MeetingSource, entry::Meeting {
    MeetingData() = default;
    MeetingData(entry::Meeting values) : entry::Meeting(std::move(values)) {}

    QString meetingTitle() const override { return title; }
    QString dateOfMeeting() const override { return date; }
    QString calledBy() const override { return caller; }
    QString attendeeList() const override { return attendees; }
    QString readingList() const override { return reading; }
    QString suppliesList() const override { return supplies; }
    QString additionalInstruction() const override { return additional; }
    int itemCount() const override { return static_cast<int>(items.size()); }
    entry::AgendaItem item(int index) const override { return items.at(index); }
};

// Types the agenda into a new document of `wordApp`: statements 104 to 304
// of the builder, each run through `run`. `doc` is set by statement 104.
void TypeAgenda(app::StepRunner& run, platform::Ref<word::Application>& wordApp,
                platform::Ref<word::Document>& doc, const MeetingSource& meeting);

} // namespace MeetingAgenda
