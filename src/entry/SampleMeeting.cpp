#include "SampleMeeting.h"

namespace entry {

const QString SampleMeeting::meetingTitle = QStringLiteral("Lobster Eating Group Meeting");
const QString SampleMeeting::dateOfMeeting = QStringLiteral("August 2013");
const QString SampleMeeting::calledBy = QStringLiteral("Tobias Renn");
const QString SampleMeeting::attendeeList = QStringLiteral(
    "Zorivu Vovura\r\nRire Rorovov\r\nDedare Vizizude\r\nDozuvoda Zarevi\r\nVod Ezido");
const QString SampleMeeting::readingList =
    QStringLiteral("The Secret Life of Lobsters by Halvard Pense");
const QString SampleMeeting::suppliesList =
    QStringLiteral("Protective Gear\r\nCracking Tools\r\nMeat Extractors");
const QString SampleMeeting::additionalInstruction = QStringLiteral("Bring extra butter");
const QList<AgendaItem> SampleMeeting::items = {
    {QStringLiteral("12:00 PM"), QStringLiteral("Lobsters Cannibalism"),
     QString::fromUtf8("Lobsters feeding back on themselves just because they\u2019re so abundant"),
     QStringLiteral("Rm 121")},
    {QStringLiteral("1:00 PM"), QStringLiteral("Canned Frozen Lobster"),
     QStringLiteral("Is it worth eating?"), QStringLiteral("Rm 121")},
};

} // namespace entry
