// The recovery copy follows every change of the agenda list, whoever makes
// it, about a second later, and goes when the list is stored.
#include "entry/AgendaList.h"
#include "entry/RecoveryFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

QString copyOf(const entry::RecoveryFile& recovery) {
    QFile file(recovery.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString("(none)");
}

} // namespace

class TestRecoveryFile : public QObject {
    Q_OBJECT
private slots:
    void everyKindOfChangeReachesTheCopy() {
        QTemporaryDir dir;
        QTreeWidget list;
        list.setColumnCount(4);
        entry::RecoveryFile recovery(list, dir.filePath("Marrowind.ini"));
        QVERIFY(recovery.path().startsWith(qEnvironmentVariable("XDG_STATE_HOME") + "/quillary/"));

        QElapsedTimer clock;
        clock.start();
        entry::AgendaList::appendRow(list, {"9:00", "Budget", "Q3", "Rm 1"});
        entry::AgendaList::appendRow(list, {"10:00", "Close", "", "Rm 2"});
        QCOMPARE(copyOf(recovery), QString("(none)")); // not at once
        QTRY_COMPARE(copyOf(recovery), QString("9:00|Budget|Q3|Rm 1^10:00|Close||Rm 2"));
        QVERIFY(clock.elapsed() >= 900);

        list.topLevelItem(0)->setText(1, "Budget, revised"); // an edit in place
        QTRY_COMPARE(copyOf(recovery), QString("9:00|Budget, revised|Q3|Rm 1^10:00|Close||Rm 2"));
        list.insertTopLevelItem(0, list.takeTopLevelItem(1)); // a move
        QTRY_COMPARE(copyOf(recovery), QString("10:00|Close||Rm 2^9:00|Budget, revised|Q3|Rm 1"));
        list.sortItems(1, Qt::DescendingOrder); // a new order of the rows
        QTRY_COMPARE(copyOf(recovery), QString("10:00|Close||Rm 2^9:00|Budget, revised|Q3|Rm 1"));
        list.sortItems(1, Qt::AscendingOrder);
        QTRY_COMPARE(copyOf(recovery), QString("9:00|Budget, revised|Q3|Rm 1^10:00|Close||Rm 2"));

        QCOMPARE(recovery.differingFrom("9:00|Budget, revised|Q3|Rm 1^10:00|Close||Rm 2"),
                 std::nullopt);
        QCOMPARE(recovery.differingFrom(""),
                 std::optional<QString>("9:00|Budget, revised|Q3|Rm 1^10:00|Close||Rm 2"));

        list.clear();
        recovery.discard(); // stored: the copy goes, and no write is pending
        QTest::qWait(1300);
        QVERIFY(!QFile::exists(recovery.path()));
        QCOMPARE(recovery.differingFrom(""), std::nullopt);
        QCOMPARE(QFile::permissions(entry::RecoveryFile::folder()) & 0x0077, 0);
    }
};

QTEST_MAIN(TestRecoveryFile)
#include "test_recovery_file.moc"
