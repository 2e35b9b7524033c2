#include "SampleMeeting.h"

namespace entry {

Meeting sampleMeeting() {
    Meeting m;
    m.title = QStringLiteral("Lobster Eating Group Meeting");
    m.date = QStringLiteral("August 2013");
    m.caller = QStringLiteral("Tobias Renn");
    m.attendees = QStringLiteral(
        "Zorivu Vovura\r\nRire Rorovov\r\nDedare Vizizude\r\nDozuvoda Zarevi\r\nVod Ezido");
    m.reading = QStringLiteral("The Secret Life of Lobsters by Halvard Pense");
    m.supplies = QStringLiteral("Protective Gear\r\nCracking Tools\r\nMeat Extractors");
    m.additional = QStringLiteral("Bring extra butter");
    m.items = {
        {QStringLiteral("12:00 PM"), QStringLiteral("Lobsters Cannibalism"),
         QString::fromUtf8("Lobsters feeding back on themselves just because they\u2019re so "
                           "abundant"),
         QStringLiteral("Rm 121")},
        {QStringLiteral("1:00 PM"), QStringLiteral("Canned Frozen Lobster"),
         QStringLiteral("Is it worth eating?"), QStringLiteral("Rm 121")},
    };
    return m;
}

} // namespace entry
