#include "entry/AgendaList.h"
#include "entry/AgendaListCodec.h"
#include "entry/Form1.h"
#include "preview/Form2.h"
#include "support/GenerationFixture.h"
#include "support/Unprivileged.h"

#include <QFile>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Generates the sample meeting and returns the preview.
Form2& generateSample(testing::GenerationRun& g) {
    g.form().PushButton5_Click();
    g.form().PushButton1_Click();
    return g.form().form2();
}

} // namespace

class TestPreviewResult : public QObject {
    Q_OBJECT
private slots:
    void savingCopiesTheDocument() {
        testing::GenerationRun g;
        Form2& p = generateSample(g);
        const QByteArray document = contents(p.mWordFile);
        QVERIFY(!document.isEmpty());
        const QString target = g.temp.filePath("agenda"); // no extension is added
        g.t.shell.chooseNext(target);
        p.PushButton6_Click();
        QCOMPARE(g.t.shell.dialogs.size(), 1);
        QCOMPARE(g.t.shell.dialogs[0].title, QString("Save File"));
        QCOMPARE(g.t.shell.dialogs[0].filter, QString("Word Files (*.doc)|*.doc"));
        QCOMPARE(g.t.shell.dialogs[0].fileName, QString());
        QCOMPARE(contents(target), document);
        QCOMPARE(g.t.messages.texts(), QStringList{"Done."});
    }

    void overwritingAsksFirst() {
        testing::GenerationRun g;
        Form2& p = generateSample(g);
        const QString target = g.temp.filePath("existing.doc");
        write(target, "old");
        g.t.shell.chooseNext(target);
        g.t.messages.answerNext(platform::MsgAnswer::No);
        p.PushButton6_Click();
        QCOMPARE(contents(target), QByteArray("old"));
        QCOMPARE(g.t.messages.texts(),
                 QStringList({"Are you sure you wish to overwrite " + target + " ?", "Done."}));
        QCOMPARE(g.t.messages.boxes[0].buttons, platform::MsgButtons::YesNo);
        g.t.messages.clear();
        g.t.shell.chooseNext(target);
        g.t.messages.answerNext(platform::MsgAnswer::Yes);
        p.PushButton6_Click();
        QCOMPARE(contents(target), contents(p.mWordFile));
        QCOMPARE(g.t.messages.texts().last(), QString("Done."));
    }

    void cancellingWritesNothing() {
        testing::GenerationRun g;
        Form2& p = generateSample(g);
        const QStringList before = QDir(g.temp.path()).entryList(QDir::Files);
        p.PushButton6_Click();
        QCOMPARE(g.t.messages.texts(), QStringList{"Done."});
        QCOMPARE(QDir(g.temp.path()).entryList(QDir::Files), before);
    }

    void aFailedCopyKeepsTheOldFileAndSaysSo() {
        testing::GenerationRun g;
        Form2& p = generateSample(g);
        const QString target = g.temp.filePath("keep.doc");
        write(target, "precious");
        QVERIFY(QFile::remove(p.mWordFile)); // the copy cannot be made
        g.t.shell.chooseNext(target);
        p.PushButton6_Click();
        QCOMPARE(contents(target), QByteArray("precious"));
        QCOMPARE(g.t.messages.errorBoxes(), 1);
        QVERIFY(g.t.messages.boxes.last().text.contains("Form2.PushButton6_Click at line 130"));
        QVERIFY(!g.t.messages.texts().contains("Done."));
        // A folder that does not exist is no better.
        g.t.messages.clear();
        g.t.shell.chooseNext(g.temp.filePath("missing/agenda.doc"));
        p.PushButton6_Click();
        QCOMPARE(g.t.messages.errorBoxes(), 1);
    }

    void backDeletesTheDocumentAndShowsTheEntryWindow() {
        testing::GenerationRun g;
        Form2& p = generateSample(g);
        const QString document = p.mWordFile;
        p.PushButton8_Click();
        QVERIFY(!QFile::exists(document));
        QVERIFY(g.form().isVisible());
        QVERIFY(!p.isVisible());
        QCOMPARE(p.mWordFile, document);
        // The meeting is still there, and a second run with three times as
        // many items works on the same window.
        for (int i = 0; i < 4; ++i) {
            g.form().txtTime->setText(QString("%1:00 PM").arg(i + 2));
            g.form().txtTopic->setText("Dessert");
            g.form().txtRoom->setText("Rm 2");
            g.form().PushButton2_Click();
        }
        QCOMPARE(entry::AgendaList::rowCount(*g.form().ListView1), 6);
        g.form().PushButton1_Click();
        QVERIFY(p.isVisible());
        QVERIFY(QFile::exists(p.mWordFile));
        QVERIFY(p.mWordFile != document);
        QVERIFY(g.t.messages.boxes.isEmpty());
    }

    void closingThePreviewEndsTheProgramAndKeepsTheList() {
        testing::GenerationRun g;
        Form2& p = generateSample(g);
        g.form().txtTime->setText("3:00 PM");
        g.form().txtTopic->setText("Added after generating");
        g.form().txtRoom->setText("Rm 3");
        g.form().PushButton2_Click();
        const QString document = p.mWordFile;
        g.t.shell.processRealEvents = false;
        const int before = g.t.shell.doEventsCalls;
        p.close();
        QVERIFY(!QFile::exists(document));
        QCOMPARE(g.t.shell.endCalls, 1);
        QCOMPARE(g.t.shell.doEventsCalls - before, 3); // the delete's, then two more
        const auto rows = entry::AgendaList::rows(*g.form().ListView1);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(g.t.settings->read("Time"), entry::EncodeAgendaList(rows));
    }

    void savingOntoTheWorkingCopyIsRefused() {
        testing::GenerationRun g;
        Form2& p = generateSample(g);
        const QByteArray document = contents(p.mWordFile);
        const QString link = g.temp.filePath("link.doc");
        QVERIFY(QFile::link(p.mWordFile, link));
        for (const QString& target : {p.mWordFile, link}) {
            g.t.messages.clear();
            g.t.shell.chooseNext(target);
            p.PushButton6_Click();
            QCOMPARE(g.t.messages.boxes.size(), 1);
            QVERIFY(g.t.messages.boxes[0].text.contains("working copy"));
            QCOMPARE(g.t.messages.boxes[0].caption, QString("Quillary"));
            QCOMPARE(contents(p.mWordFile), document);
        }
    }

    void savingOverAWritableFileInAFolderThatTakesNoNewFiles() {
        if (testing::rerunUnprivileged())
            return;
        testing::GenerationRun g;
        Form2& p = generateSample(g);
        const QString folder = g.temp.filePath("closed");
        QVERIFY(QDir().mkpath(folder));
        const QString target = folder + "/agenda.doc";
        write(target, "old");
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        g.t.shell.chooseNext(target);
        p.PushButton6_Click();
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner));
        QCOMPARE(g.t.messages.texts().last(), QString("Done."));
        QCOMPARE(g.t.messages.errorBoxes(), 0);
        QCOMPARE(contents(target), contents(p.mWordFile));
    }
};

QTEST_MAIN(TestPreviewResult)
#include "test_preview_result.moc"
