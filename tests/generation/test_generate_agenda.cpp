#include "entry/AgendaList.h"
#include "entry/Form1.h"
#include "generation/MeetingAgenda.h"
#include "generation/TemporaryDocument.h"
#include "platform/controls/PictureBox.h"
#include "platform/controls/TabControl.h"
#include "platform/picture/Picture.h"
#include "platform/word/automation/Application.h"
#include "platform/word/automation/Document.h"
#include "preview/Form2.h"
#include "support/GenerationFixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

#include <utility>

namespace {

QStringList pageItems(Form2& f) {
    QStringList items;
    for (int i = 0; i < f.ListView1->topLevelItemCount(); ++i)
        items << f.ListView1->topLevelItem(i)->text(0);
    return items;
}

void addItems(Form1& f, int count) {
    for (int i = 0; i < count; ++i) {
        f.txtTime->setText(QString("%1:00").arg(i % 12 + 1));
        f.txtTopic->setText(QString("Topic %1").arg(i));
        f.txtDetails->setText(QString("Details of item %1, long enough to wrap a little in its "
                                      "cell of two hundred points")
                                  .arg(i));
        f.txtRoom->setText("Rm 121");
        f.PushButton2_Click();
    }
}

} // namespace

class TestGenerateAgenda : public QObject {
    Q_OBJECT
private slots:
    void sampleGeneratesAndPreviews() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.show();
        f.PushButton5_Click();
        const QImage before(7, 7, QImage::Format_RGB32);
        g.t.clipboard.current = before;
        f.PushButton1_Click();
        QVERIFY2(g.t.messages.boxes.isEmpty(), qPrintable(g.t.messages.texts().join("\n---\n")));
        QVERIFY(f.hasForm2());
        Form2& p = f.form2();
        QCOMPARE(pageItems(p).first(), QString("Page 1"));
        QVERIFY(p.isVisible());
        QVERIFY(!f.isVisible());
        QCOMPARE(f.mousePointer(), int(platform::PointerDefault));
        QVERIFY(!f.mBusy);
        QCOMPARE(p.Picture1->picture(), p.slotPicture(0));
        QVERIFY(p.slotPicture(0).twipsSize().width() >= 9360);
        QVERIFY(QFile::exists(p.mWordFile));
        QVERIFY(QFileInfo(p.mWordFile)
                    .fileName()
                    .contains(QRegularExpression("^ovelund[1-9]{8}\\.doc$")));
        QCOMPARE(QFileInfo(p.mWordFile).path(), g.temp.path());
        QCOMPARE(QFile::permissions(p.mWordFile) & 0x0077, QFileDevice::Permissions());
        const QString text = testing::documentText(p.mWordFile);
        QVERIFY(text.contains("Lobster Eating Group Meeting"));
        QVERIFY(text.contains("Please bring:"));
        QVERIFY(text.contains("Is it worth eating?"));
        QCOMPARE(g.t.clipboard.current, before); // the clipboard is given back
        QVERIFY(!QFile::exists(g.temp.filePath("temp.bmp")));
    }

    void emptyAgendaAsksForTimeAndStartsNothing() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.SSTab1->setCurrentIndex(0);
        f.PushButton1_Click();
        QCOMPARE(g.t.messages.texts(), QStringList{"You forgot to add time."});
        QCOMPARE(g.t.messages.boxes[0].icon, platform::MsgIcon::None);
        QCOMPARE(f.SSTab1->currentIndex(), 1);
        QVERIFY(!f.hasForm2());
        QVERIFY(g.agendaFiles().isEmpty());
        QVERIFY(!f.mBusy);
    }

    void guardAnsweredNoCreatesNothing() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.PushButton5_Click();
        auto running = g.t.automation.create<word::Application>("Word.Application");
        g.t.messages.answerNext(platform::MsgAnswer::No);
        f.PushButton1_Click();
        QCOMPARE(g.t.messages.boxes.size(), 1);
        QVERIFY(g.t.messages.boxes[0].text.startsWith("Word may be open."));
        QVERIFY(!f.hasForm2());
        QVERIFY(g.agendaFiles().isEmpty());
        QCOMPARE(f.mousePointer(), int(platform::PointerDefault));
        running->Quit();
    }

    void aSecondClickDuringGenerationDoesNothing() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.PushButton5_Click();
        int reentries = 0;
        g.t.shell.onDoEvents = [&] {
            if (reentries++ == 0)
                f.PushButton1_Click();
        };
        f.PushButton1_Click();
        QVERIFY(reentries > 0);
        QVERIFY(g.t.messages.boxes.isEmpty());
        QCOMPARE(g.agendaFiles().size(), 1);
    }

    void aTakenNameIsDrawnAgain() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.PushButton5_Click();
        QRandomGenerator copy = g.t.random;
        const QString first = g.temp.filePath(MeetingAgenda::DrawTemporaryName(copy) + ".doc");
        const QString second = g.temp.filePath(MeetingAgenda::DrawTemporaryName(copy) + ".doc");
        QFile taken(first);
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("someone else's");
        taken.close();
        // A link planted under the next name is not followed either.
        const QString victim = g.temp.filePath("victim.txt");
        QFile v(victim);
        QVERIFY(v.open(QIODevice::WriteOnly));
        v.write("keep");
        v.close();
        QVERIFY(QFile::link(victim, second));
        f.PushButton1_Click();
        Form2& p = f.form2();
        QVERIFY(p.mWordFile != first && p.mWordFile != second);
        QVERIFY(QFile::exists(p.mWordFile));
        QFile check(first);
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray("someone else's"));
        QFile victimCheck(victim);
        QVERIFY(victimCheck.open(QIODevice::ReadOnly));
        QCOMPARE(victimCheck.readAll(), QByteArray("keep"));
    }

    void aScratchLinkIsNotWrittenThrough() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.PushButton5_Click();
        const QString victim = g.temp.filePath("victim.bmp");
        QFile v(victim);
        QVERIFY(v.open(QIODevice::WriteOnly));
        v.write("keep");
        v.close();
        QVERIFY(QFile::link(victim, g.temp.filePath("temp.bmp")));
        f.PushButton1_Click();
        QVERIFY(g.t.messages.boxes.isEmpty());
        QFile check(victim);
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray("keep"));
        QVERIFY(!f.form2().slotPicture(0).isNull());
    }

    void secondGenerationReusesTheSlots() {
        testing::GenerationRun g;
        Form1& f = g.form();
        addItems(f, 40);
        f.PushButton1_Click();
        QVERIFY(g.t.messages.boxes.isEmpty());
        Form2& p = f.form2();
        const QStringList many = pageItems(p);
        QVERIFY(many.size() >= 3);
        for (int i = 0; i < many.size(); ++i)
            QCOMPARE(many[i], QString("Page %1").arg(i + 1));
        p.PushButton8_Click();
        f.PushButton4_Click();
        addItems(f, 1);
        f.PushButton1_Click();
        QCOMPARE(pageItems(p), QStringList{"Page 1"});
        QVERIFY(p.hasImageSlot(int(many.size()) - 1)); // left behind, not listed
        QVERIFY(g.t.messages.boxes.isEmpty());
    }

    void closingTheEntryWindowDuringGenerationStopsAndLeavesNothing() {
        testing::GenerationRun g;
        Form1& f = g.form();
        f.show();
        addItems(f, 40);
        bool closed = false;
        g.t.shell.onDoEvents = [&] {
            if (!std::exchange(closed, true))
                f.close(); // while the first page is being stored
        };
        f.PushButton1_Click();
        QCOMPARE(g.t.shell.endCalls, 1);
        QCOMPARE(pageItems(f.form2()).size(), 1); // no page after the end was asked for
        QVERIFY(!f.form2().isVisible());
        QVERIFY(g.agendaFiles().isEmpty());
        QVERIFY(!QFile::exists(g.temp.filePath("temp.bmp")));
        QCOMPARE(g.t.settings->read("Time").count('^'), 39);
        QVERIFY(g.t.messages.boxes.isEmpty());
    }

    void anUnusableTempStillGenerates_data() {
        QTest::addColumn<QString>("temp");
        QTest::newRow("unset") << QString();
        QTest::newRow("missing") << QString("/no/such/folder");
        QTest::newRow("a file") << QString("FILE");
    }
    void anUnusableTempStillGenerates() {
        QFETCH(QString, temp);
        testing::GenerationRun g;
        const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
        const QString runtime = g.temp.filePath("run");
        QVERIFY(QDir().mkpath(runtime));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        if (temp == "FILE") {
            temp = g.temp.filePath("file");
            QFile file(temp);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        if (temp.isNull())
            qunsetenv("TEMP");
        else
            qputenv("TEMP", QFile::encodeName(temp));
        Form1& f = g.form();
        f.PushButton5_Click();
        f.PushButton1_Click();
        qputenv("XDG_RUNTIME_DIR", runtimeBefore);
        QVERIFY2(g.t.messages.boxes.isEmpty(), qPrintable(g.t.messages.texts().join("\n---\n")));
        Form2& p = f.form2();
        QCOMPARE(QFileInfo(p.mWordFile).path(), runtime + "/quillary");
        QVERIFY(QFile::exists(p.mWordFile));
        QCOMPARE(pageItems(p), QStringList{"Page 1"});
        QVERIFY(!p.slotPicture(0).isNull());
        p.PushButton8_Click();
        QVERIFY(QDir(runtime + "/quillary").isEmpty());
    }
};

QTEST_MAIN(TestGenerateAgenda)
#include "test_generate_agenda.moc"
