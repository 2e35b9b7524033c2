#include "Form1Meeting.h"

#include "../entry/AgendaList.h"
#include "../entry/Form1.h"
#include "../platform/controls/MultiLineTextBox.h"

#include <QLineEdit>

namespace MeetingAgenda {

QString Form1Meeting::meetingTitle() const {
    return m_form.txtMeetingTitle->text();
}
QString Form1Meeting::dateOfMeeting() const {
    return m_form.txtDateOfMeeting->text();
}
QString Form1Meeting::calledBy() const {
    return m_form.txtCalledBy->text();
}
QString Form1Meeting::attendeeList() const {
    return m_form.txtAttendeeList->text();
}
QString Form1Meeting::readingList() const {
    return m_form.txtReadingList->text();
}
QString Form1Meeting::suppliesList() const {
    return m_form.txtSuppliesList->text();
}
QString Form1Meeting::additionalInstruction() const {
    return m_form.txtAdditionalInstruction->text();
}
int Form1Meeting::itemCount() const {
    return entry::AgendaList::rowCount(*m_form.ListView1);
}

entry::AgendaItem Form1Meeting::item(int index) const {
    return entry::AgendaList::row(*m_form.ListView1, index);
}

} // namespace MeetingAgenda
