#include "entry/MeetingFile.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using entry::AgendaItem;
using entry::Meeting;
namespace MeetingFile = entry::MeetingFile;

namespace {

Meeting everyField() {
    Meeting m;
    m.title = QString::fromUtf8("Quarterly | review ^ \u4f1a\u8b70 \u2014 \u00e9t\u00e9");
    m.date = QStringLiteral("Monday, 3 March 2025");
    m.caller =
        QString::fromUtf8("\u0391\u03bd\u03bd\u03b1 \u041f\u0435\u0442\u0440\u043e\u0432\u0430");
    m.attendees = QStringLiteral("Ann\r\nBob\r\n\r\nCid");
    m.reading = QStringLiteral("Report \"Q1\"\\draft");
    m.supplies = QString::fromUtf8("Pens\r\nPaper \U0001F4DD");
    m.additional = QStringLiteral("Line one\r\nLine two\ttabbed");
    m.items = {{"9:00", "Welcome | intro", "a^b", "Rm 1"},
               {"", "", "", ""},
               {QString::fromUtf8("10:00"), QString::fromUtf8("\u0645\u0631\u062d\u0628\u0627"),
                QString(QChar(0xFDD0)) + "x", "Hall\r\nB"}};
    return m;
}

void compareMeetings(const Meeting& got, const Meeting& want) {
    QCOMPARE(got.title, want.title);
    QCOMPARE(got.date, want.date);
    QCOMPARE(got.caller, want.caller);
    QCOMPARE(got.attendees, want.attendees);
    QCOMPARE(got.reading, want.reading);
    QCOMPARE(got.supplies, want.supplies);
    QCOMPARE(got.additional, want.additional);
    QCOMPARE(got.items, want.items);
}

QJsonObject encodedObject(const Meeting& m) {
    return QJsonDocument::fromJson(MeetingFile::encode(m)).object();
}

QByteArray json(const QJsonObject& object) {
    return QJsonDocument(object).toJson();
}

} // namespace

class TestMeetingFile : public QObject {
    Q_OBJECT
private slots:
    void everyFieldComesBackExactly() {
        const auto result = MeetingFile::decode(MeetingFile::encode(everyField()));
        QVERIFY2(result.meeting, qPrintable(result.error));
        QVERIFY(result.error.isEmpty());
        compareMeetings(*result.meeting, everyField());
    }

    void formatAndVersionAreWritten() {
        const QJsonObject root = encodedObject(everyField());
        QCOMPARE(root.value("format").toString(), QString("quillary-meeting"));
        QCOMPARE(root.value("version").toInt(), 1);
        QCOMPARE(root.value("calledBy").toString(), everyField().caller);
        QCOMPARE(root.value("items").toArray().size(), 3);
        QCOMPARE(root.value("items").toArray()[0].toObject().value("topic").toString(),
                 QString("Welcome | intro"));
    }

    void tenThousandItemsThroughAFile() {
        Meeting m = everyField();
        m.items.clear();
        for (int i = 0; i < 10000; ++i)
            m.items << AgendaItem{QString::number(i), QStringLiteral("Topic %1").arg(i),
                                  QStringLiteral("Details|%1^").arg(i), QStringLiteral("Rm")};
        QTemporaryDir dir;
        const QString path = dir.filePath("big.quillary");
        QCOMPARE(MeetingFile::save(path, m), QString());
        const auto result = MeetingFile::read(path);
        QVERIFY2(result.meeting, qPrintable(result.error));
        compareMeetings(*result.meeting, m);
    }

    void missingTextsAreEmptyAndUnknownKeysIgnored() {
        QJsonObject root{{"format", "quillary-meeting"},
                         {"version", 1},
                         {"title", "Only a title"},
                         {"futureKey", QJsonArray{1, 2}},
                         {"items", QJsonArray{QJsonObject{{"topic", "T"}, {"colour", "red"}}}}};
        const auto result = MeetingFile::decode(json(root));
        QVERIFY2(result.meeting, qPrintable(result.error));
        QCOMPARE(result.meeting->title, QString("Only a title"));
        QCOMPARE(result.meeting->date, QString());
        QCOMPARE(result.meeting->items, QList<AgendaItem>({{"", "T", "", ""}}));
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        const QByteArray good = MeetingFile::encode(everyField());
        const QString damaged = "damaged";
        QTest::newRow("empty") << QByteArray() << damaged;
        QTest::newRow("truncated") << good.left(good.size() / 2) << damaged;
        QTest::newRow("truncated at the end") << good.chopped(3) << damaged;
        QTest::newRow("not JSON") << QByteArray("BEGIN:VCALENDAR\r\n") << damaged;
        QTest::newRow("an array") << QByteArray("[1,2]") << damaged;
        QTest::newRow("invalid UTF-8")
            << QByteArray(good).replace("Monday", "Mon\xff\xfe") << damaged;
        QTest::newRow("deep nesting")
            << QByteArray(R"({"format":"quillary-meeting","version":1,"title":)") +
                   QByteArray(100000, '[') + QByteArray(100000, ']') + "}"
            << damaged;

        QJsonObject root = encodedObject(everyField());
        const auto with = [&root](const char* key, const QJsonValue& value) {
            QJsonObject changed = root;
            changed.insert(QLatin1String(key), value);
            return json(changed);
        };
        QTest::newRow("other format") << with("format", "other") << damaged;
        QTest::newRow("no version") << with("version", QJsonValue()) << damaged;
        QTest::newRow("version as text") << with("version", "1") << damaged;
        QTest::newRow("version zero") << with("version", 0) << damaged;
        QTest::newRow("title a number") << with("title", 42) << damaged;
        QTest::newRow("attendees a list") << with("attendees", QJsonArray{"a"}) << damaged;
        QTest::newRow("items an object") << with("items", QJsonObject()) << damaged;
        QTest::newRow("item a text") << with("items", QJsonArray{"9:00"}) << damaged;
        QTest::newRow("item field null")
            << with("items", QJsonArray{QJsonObject{{"time", QJsonValue::Null}}}) << damaged;
        QTest::newRow("newer version") << with("version", 2) << "newer version";
        QTest::newRow("huge") << QByteArray(MeetingFile::kMaxBytes + 1, ' ') << "too large";
    }

    void refusals() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        const auto result = MeetingFile::decode(bytes);
        QVERIFY(!result.meeting);
        QVERIFY2(result.error.contains(says), qPrintable(result.error));
    }

    void aFailedSaveKeepsTheOldFile() {
        if (testing::rerunUnprivileged())
            return;
        QTemporaryDir dir;
        const QString path = dir.filePath("m.quillary");
        QCOMPARE(MeetingFile::save(path, everyField()), QString());
        const QByteArray before = MeetingFile::encode(everyField());
        // A folder where no new file can be made beside the target.
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        Meeting other;
        other.title = "Other";
        const QString error = MeetingFile::save(path, other);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!error.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    void unreadableAndMissingFiles() {
        const auto missing = MeetingFile::read("/nonexistent/folder/m.quillary");
        QVERIFY(!missing.meeting);
        QVERIFY(missing.error.contains("cannot be read"));
        QVERIFY(!MeetingFile::save("/nonexistent/folder/m.quillary", everyField()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMeetingFile)
#include "test_meeting_file.moc"
