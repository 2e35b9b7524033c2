#include "entry/AgendaListCodec.h"

#include <QRandomGenerator>
#include <QtTest>

using entry::AgendaItem;
using entry::EncodeAgendaList;
using entry::SplitAgendaList;

namespace {

const QString kSampleStored = QString::fromUtf8(
    "12:00 PM|Lobsters Cannibalism|Lobsters feeding back on themselves just because they\u2019re "
    "so abundant|Rm 121^1:00 PM|Canned Frozen Lobster|Is it worth eating?|Rm 121");

const QList<AgendaItem> kSample = {
    {"12:00 PM", "Lobsters Cannibalism",
     QString::fromUtf8("Lobsters feeding back on themselves just because they\u2019re so abundant"),
     "Rm 121"},
    {"1:00 PM", "Canned Frozen Lobster", "Is it worth eating?", "Rm 121"}};

QList<AgendaItem> decode(const QString& stored) {
    QList<AgendaItem> items;
    for (const QStringList& p : SplitAgendaList(stored))
        items << AgendaItem{p.value(0), p.value(1), p.value(2), p.value(3)};
    return items;
}

} // namespace

class TestAgendaCodec : public QObject {
    Q_OBJECT
private slots:
    void sampleEncodesToTheDocumentedValue() {
        QCOMPARE(EncodeAgendaList(kSample), kSampleStored);
        QCOMPARE(decode(kSampleStored), kSample);
    }

    void emptyListAndEmptyFields() {
        QCOMPARE(EncodeAgendaList({}), QString());
        QVERIFY(SplitAgendaList(QString()).isEmpty());
        const QList<AgendaItem> one = {{"1:00 PM", "Canned Frozen Lobster", "", "Rm 121"}};
        QCOMPARE(EncodeAgendaList(one), QString("1:00 PM|Canned Frozen Lobster||Rm 121"));
        QCOMPARE(decode(EncodeAgendaList(one)), one);
        const QList<AgendaItem> blank = {{"", "", "", ""}};
        QCOMPARE(EncodeAgendaList(blank), QString("|||"));
        QCOMPARE(decode("|||"), blank);
    }

    void oldValuesSplitAsBefore() {
        // Short, long and empty entries keep what they have.
        const auto entries = SplitAgendaList("a|b|c|d^e|f^^g|h|i|j|k");
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[0], QStringList({"a", "b", "c", "d"}));
        QCOMPARE(entries[1], QStringList({"e", "f"}));
        QCOMPARE(entries[2], QStringList());
        QCOMPARE(entries[3], QStringList({"g", "h", "i", "j", "k"}));
        QCOMPARE(SplitAgendaList("^"), QList<QStringList>({{}, {}}));
        QCOMPARE(SplitAgendaList("x"), QList<QStringList>({{"x"}}));
    }

    void separatorsInFieldsSurviveTheRoundTrip() {
        const QList<AgendaItem> items = {
            {"9|30", "A^B", "pipe | and caret ^ and mark \uFDD0 and \uFDD0p", "^"},
            {"|", "^^", "", QString(QChar(0xFDD0))},
            {"plain", "plain", "plain", "plain"}};
        const QString stored = EncodeAgendaList(items);
        QVERIFY(stored.startsWith(QChar(0xFDD0)));
        QCOMPARE(decode(stored), items);
        // Only the items' separators are left unescaped.
        QCOMPARE(stored.count('^'), 2);
        QCOMPARE(stored.count('|'), 9);
    }

    void escapeMarkAloneAlsoSwitchesToTheEscapedForm() {
        const QList<AgendaItem> items = {{QString(QChar(0xFDD0)) + "p", "t", "d", "r"}};
        QCOMPARE(decode(EncodeAgendaList(items)), items);
    }

    void anyTextRoundTrips() {
        QRandomGenerator random(7);
        const char16_t alphabet[] = u"ab |^\r\n\t\x01\uFDD0\u2019\u05D0";
        for (int round = 0; round < 500; ++round) {
            QList<AgendaItem> items;
            const int count = random.bounded(1, 5);
            for (int i = 0; i < count; ++i) {
                auto field = [&] {
                    QString s;
                    for (int n = random.bounded(0, 6); n > 0; --n)
                        s += QChar(alphabet[random.bounded(int(std::size(alphabet) - 1))]);
                    return s;
                };
                items << AgendaItem{field(), field(), field(), field()};
            }
            QCOMPARE(decode(EncodeAgendaList(items)), items);
        }
    }
};

QTEST_GUILESS_MAIN(TestAgendaCodec)
#include "test_agenda_codec.moc"
