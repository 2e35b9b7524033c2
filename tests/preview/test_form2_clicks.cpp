// Each button of the preview window, clicked with the mouse on the preview
// a generation opened: what the click does goes through the window's own
// wiring.
#include "entry/Form1.h"
#include "preview/Form2.h"
#include "support/Clicks.h"
#include "support/GeneratedPreview.h"
#include "support/GenerationFixture.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

using testing::click;
using testing::generatedPreview;

class Form2ClicksTest : public QObject {
    Q_OBJECT

private slots:
    void zoomInAndOutChangeTheZoom() {
        testing::GenerationRun g;
        Form2& p = generatedPreview(g);
        const float start = p.mZoom;
        QVERIFY(start > 0);
        click(p.PushButton1);
        QVERIFY(p.mZoom > start);
        click(p.PushButton2);
        click(p.PushButton2);
        QVERIFY(p.mZoom < start);
        QVERIFY(g.t.messages.boxes.isEmpty());
    }

    void saveCopiesTheDocument() {
        testing::GenerationRun g;
        Form2& p = generatedPreview(g);
        const QString target = g.temp.filePath("saved.doc");
        g.t.shell.chooseNext(target);
        click(p.PushButton6);
        QCOMPARE(g.t.shell.dialogs.size(), 1);
        QCOMPARE(contents(target), contents(p.mWordFile));
        QCOMPARE(g.t.messages.texts(), QStringList{"Done."});
    }

    void backReturnsToTheEntryWindow() {
        testing::GenerationRun g;
        Form2& p = generatedPreview(g);
        const QString document = p.mWordFile;
        click(p.PushButton8);
        QVERIFY(g.form().isVisible());
        QVERIFY(!p.isVisible());
        QVERIFY(!QFile::exists(document));
    }
};

QTEST_MAIN(Form2ClicksTest)
#include "test_form2_clicks.moc"
