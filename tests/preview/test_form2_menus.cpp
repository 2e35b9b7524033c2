// The preview's menu bar, reached with the mouse and the keyboard on the
// preview a generation opened: each item runs what its button or key runs.
#include "entry/Form1.h"
#include "platform/controls/Twips.h"
#include "preview/Form2.h"
#include "support/Clicks.h"
#include "support/GeneratedPreview.h"
#include "support/GenerationFixture.h"
#include "support/Menus.h"

#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using testing::clickItem;
using testing::generatedPreview;
using testing::itemTexts;
using testing::openMenu;

class Form2MenusTest : public QObject {
    Q_OBJECT

private slots:
    void theBarSitsAboveAnUnchangedClientArea() {
        testing::GenerationRun g;
        Form2& p = generatedPreview(g);
        QMenuBar* bar = p.menuBar();
        QVERIFY(bar);
        QCOMPARE(bar->geometry().top(), 0);
        QCOMPARE(p.clientArea()->geometry().top(), bar->height());
        QCOMPARE(platform::pixelsToTwips(p.clientArea()->width(), 96), 9840.0);
        QCOMPARE(platform::pixelsToTwips(p.clientArea()->height(), 96), 10950.0);
        QCOMPARE(p.height(), p.clientArea()->height() + bar->height());
        QCOMPARE(p.PushButton6->parentWidget(), p.clientArea());
        QCOMPARE(platform::twipsGeometry(p.HScroll1).topLeft(), QPoint(120, 9105));
    }

    void itemsAndTheirKeys() {
        testing::GenerationRun g;
        Form2& p = generatedPreview(g);
        QMenu* file = p.findChild<QMenu*>("fileMenu");
        QCOMPARE(itemTexts(file), QStringList({"Save Results To Word File", "Export as PDF\u2026",
                                               "Print\u2026", "-", "Back", "Quit"}));
        QCOMPARE(file->actions()[0]->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(file->actions()[1]->shortcut(), QKeySequence("Ctrl+E"));
        QCOMPARE(file->actions()[2]->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(file->actions()[5]->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(itemTexts(p.findChild<QMenu*>("viewMenu")),
                 QStringList({"Zoom In", "Zoom Out", "Actual Size"}));
        QCOMPARE(itemTexts(p.findChild<QMenu*>("helpMenu")),
                 QStringList({"About Quillary", "Keyboard Shortcuts"}));
    }

    void zoomWithTheMouseAndBackToActualSizeWithTheKeyboard() {
        testing::GenerationRun g;
        Form2& p = generatedPreview(g);
        QCOMPARE(p.mZoom, 1.0f);
        QVERIFY(clickItem(openMenu(p.menuBar(), "&View"), "Zoom &In"));
        QCOMPARE(p.mZoom, 1.25f);
        QVERIFY(clickItem(openMenu(p.menuBar(), "&View"), "Zoom &In"));
        QCOMPARE(p.mZoom, 1.5f);
        // Alt+V opens the menu, A its Actual Size.
        QTest::keyClick(&p, Qt::Key_V, Qt::AltModifier);
        QMenu* view = p.findChild<QMenu*>("viewMenu");
        QVERIFY(QTest::qWaitFor([view] { return view->isVisible(); }));
        QTest::keyClick(view, Qt::Key_A);
        QCOMPARE(p.mZoom, 1.0f);
        QTest::keyClick(&p, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(p.mZoom, 1.25f);
        QTest::keyClick(&p, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(p.mZoom, 1.0f);
        QVERIFY(g.t.messages.boxes.isEmpty());
    }

    void saveAndBackRunTheButtonsHandlers() {
        testing::GenerationRun g;
        Form2& p = generatedPreview(g);
        const QString target = g.temp.filePath("saved.doc");
        g.t.shell.chooseNext(target);
        QVERIFY(clickItem(openMenu(p.menuBar(), "&File"), "Save Results To Word File"));
        QCOMPARE(g.t.messages.texts(), QStringList{"Done."});
        QVERIFY(QFile::exists(target));
        const QString document = p.mWordFile;
        QVERIFY(clickItem(openMenu(p.menuBar(), "&File"), "&Back"));
        QVERIFY(g.form().isVisible());
        QVERIFY(!p.isVisible());
        QVERIFY(!QFile::exists(document));
    }

    void quitDoesWhatTheCloseBoxDoes() {
        testing::GenerationRun g;
        Form2& p = generatedPreview(g);
        const QString document = p.mWordFile;
        QTest::keyClick(&p, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(g.t.shell.endCalls, 1);
        QVERIFY(!QFile::exists(document));
    }

    void helpNamesVersionLicenceAndAddress() {
        testing::GenerationRun g;
        Form2& p = generatedPreview(g);
        QVERIFY(clickItem(openMenu(p.menuBar(), "&Help"), "&About Quillary"));
        QCOMPARE(g.t.messages.boxes.size(), 1);
        const QString about = g.t.messages.boxes[0].text;
        QVERIFY2(about.contains("Quillary " PROJECT_VERSION), qPrintable(about));
        QVERIFY(about.contains("MIT"));
        QVERIFY(about.contains(PROJECT_HOMEPAGE));
        QVERIFY(clickItem(openMenu(p.menuBar(), "&Help"), "&Keyboard Shortcuts"));
        QCOMPARE(g.t.messages.boxes.size(), 2);
        QVERIFY(g.t.messages.boxes[1].text.contains("Export as PDF"));
    }
};

QTEST_MAIN(Form2MenusTest)
#include "test_form2_menus.moc"
