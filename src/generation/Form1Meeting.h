#pragma once

#include "AgendaTyping.h"

class Form1;

namespace MeetingAgenda {

// The meeting as the entry window's controls hold it, read afresh each time.
class Form1Meeting final : public MeetingSource {
public:
    explicit Form1Meeting(const Form1& form) : m_form(form) {}

    QString meetingTitle() const override;
    QString dateOfMeeting() const override;
    QString calledBy() const override;
    QString attendeeList() const override;
    QString readingList() const override;
    QString suppliesList() const override;
    QString additionalInstruction() const override;
    int itemCount() const override;
    entry::AgendaItem item(int index) const override;

private:
    const Form1& m_form;
};

} // namespace MeetingAgenda
