#include "PreviewFixture.h"

#include "platform/controls/Twips.h"
#include "platform/errors/RuntimeError.h"

#include <QBuffer>
#include <QGroupBox>
#include <QHeaderView>
#include <QImageWriter>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

using testing::PreviewFixture;

namespace {

// A small cursor file: an icon file with the cursor type and a hot spot.
QByteArray cursorFile() {
    QImage arrow(32, 32, QImage::Format_ARGB32);
    arrow.fill(Qt::black);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(arrow))
        return {};
    data[2] = 2;  // type: cursor
    data[10] = 5; // hot spot x
    data[12] = 1; // hot spot y
    return data;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void sendMouseMove(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void sendKeyRelease(QWidget* widget, int key, Qt::KeyboardModifiers modifiers,
                    bool autoRepeat = false) {
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
    QCoreApplication::sendEvent(widget, &release);
}

void clickItem(QTreeWidget* list, int row) {
    const QRect item = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
}

} // namespace

class TestPreviewWindow : public QObject {
    Q_OBJECT
private slots:
    void controlsAsLaidOut_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::newRow("HScroll1") << "HScroll1"
                                  << "Form2" << QRect(120, 9105, 9330, 255) << "";
        QTest::newRow("VScroll1") << "VScroll1"
                                  << "Form2" << QRect(9450, 1800, 255, 7305) << "";
        QTest::newRow("Frame1") << "Frame1"
                                << "Form2" << QRect(120, 9420, 9600, 855) << "Zoom:";
        QTest::newRow("PushButton1") << "PushButton1"
                                     << "Frame1" << QRect(240, 300, 4440, 405) << "Zoom In";
        QTest::newRow("PushButton2") << "PushButton2"
                                     << "Frame1" << QRect(4800, 300, 4560, 405) << "Zoom Out";
        QTest::newRow("PushButton6")
            << "PushButton6"
            << "Form2" << QRect(4920, 10410, 4800, 405) << "Save Results To Word File";
        QTest::newRow("PushButton8") << "PushButton8"
                                     << "Form2" << QRect(120, 10410, 4680, 405) << "< Back";
        QTest::newRow("ListView1") << "ListView1"
                                   << "Form2" << QRect(120, 120, 9600, 1575) << "";
    }

    void controlsAsLaidOut() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        PreviewFixture f;
        auto* control = f.form->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(platform::twipsGeometry(control), twips);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->font().family(), QStringLiteral("Arial"));
            QCOMPARE(button->font().pointSizeF(), 11.25);
            QVERIFY(button->font().bold());
        }
        if (auto* frame = qobject_cast<QGroupBox*>(control))
            QCOMPARE(frame->title(), caption);
    }

    void pictureBoxesAndWindow() {
        PreviewFixture f;
        Form2& form = *f.form;
        auto twips = [](const platform::PictureBox* box) {
            return QRectF(box->twipsLeft(), box->twipsTop(), box->twipsWidth(), box->twipsHeight());
        };
        QCOMPARE(twips(form.Picture2), QRectF(120, 1800, 9330, 7305));
        QVERIFY(form.Picture2->hasBorder());
        QCOMPARE(form.Picture2->backColor(), QColor(Qt::white));
        QCOMPARE(form.Picture1->parentWidget(), form.Picture2);
        QCOMPARE(twips(form.Picture1), QRectF(0, 0, 2340, 3435));
        QVERIFY(!form.Picture1->hasBorder());
        QCOMPARE(twips(form.Zoom_Ori), QRectF(10320, 480, 735, 375));
        QVERIFY(form.Zoom_Ori->hasBorder() && form.Zoom_Ori->isHidden());
        QCOMPARE(form.Image1.size(), size_t{1});
        QCOMPARE(form.Image1[0]->objectName(), QStringLiteral("Image1(0)"));
        QCOMPARE(twips(form.Image1[0]), QRectF(10920, 120, 855, 900));
        QVERIFY(form.Image1[0]->isHidden());
        // Client area 9840 x 10950, below the menu bar; the holder and slot
        // lie beyond it.
        QCOMPARE(form.clientArea()->size(), QSize(656, 730));
        QCOMPARE(form.height(), 730 + form.menuBar()->height());
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.Zoom_Ori->x() >= form.width() && form.Image1[0]->x() >= form.width());
        QCOMPARE(form.font().family(), QStringLiteral("Arial"));
        QCOMPARE(form.font().pointSizeF(), 9.0);
        QVERIFY(form.font().bold() && form.ListView1->font().bold());
        QCOMPARE(form.HScroll1->maximum(), 32767);
        // Tab order.
        const QList<QWidget*> expected{form.HScroll1,    form.VScroll1,    form.Picture2,
                                       form.Picture1,    form.PushButton1, form.PushButton2,
                                       form.PushButton6, form.PushButton8, form.ListView1};
        QWidget* w = form.HScroll1;
        for (QWidget* next : expected) {
            while (!(w->focusPolicy() & Qt::TabFocus))
                w = w->nextInFocusChain();
            QCOMPARE(w, next);
            w = w->nextInFocusChain();
        }
    }

    void loadSetsUpTheWindowAndTheList() {
        PreviewFixture f;
        Form2& form = *f.form;
        QVERIFY(form.mFirstActivation);
        QCOMPARE(form.windowTitle(), QStringLiteral("Quillary"));
        QCOMPARE(form.backgroundRole(), QPalette::Button);
        QCOMPARE(form.Frame1->backgroundRole(), QPalette::Button);
        QCOMPARE(form.ListView1->columnCount(), 1);
        QCOMPARE(form.ListView1->headerItem()->text(0), QStringLiteral("Page(s)"));
        QCOMPARE(form.ListView1->columnWidth(0), 500); // 7500 twips
        QVERIFY(!form.hasMouseIcon());
        QCOMPARE(form.mZoom, 0.0f);
        QVERIFY(f.services.messages.boxes.isEmpty());
    }

    void handPointerFileIsLoadedWhenPresent() {
        testing::TestServices services;
        const QByteArray cursor = cursorFile();
        QVERIFY(!cursor.isEmpty());
        writeFile(services.programFolder + "/HAND-M.CUR", cursor);
        Form2 form(services.services());
        QVERIFY(form.hasMouseIcon());
        QVERIFY(services.messages.boxes.isEmpty());
    }

    void unreadableHandPointerIsReportedAndLoadGoesOn() {
        testing::TestServices services;
        writeFile(services.programFolder + "/HAND-M.CUR", "not a cursor");
        Form2 form(services.services());
        QVERIFY(!form.hasMouseIcon());
        QCOMPARE(services.messages.errorBoxes(), 1);
        QVERIFY(services.messages.boxes.front().text.contains(
            QStringLiteral("in Parvelin2021/08/31.Form2.Form_Load at line 110")));
        QCOMPARE(form.ListView1->headerItem()->text(0), QStringLiteral("Page(s)"));
    }

    void firstActivationShowsTheAssignedPageOnce() {
        PreviewFixture f;
        Form2& form = *f.form;
        const QImage first = PreviewFixture::page(2062, 3062);
        f.fill({first});
        QCOMPARE(form.Picture1->twipsWidth(), 2340.0f); // not sized yet
        form.Form_Activate();
        QVERIFY(!form.mFirstActivation);
        QVERIFY(form.Picture1->autoRedraw() && form.Picture1->autoSize());
        QCOMPARE(form.Picture1->backColor(), QColor(Qt::white));
        QCOMPARE(form.Zoom_Ori->picture(), first);
        QCOMPARE(form.mZoom, 1.0f);
        QCOMPARE(form.Picture1->twipsWidth(), 2000.0f);
        // Later activations leave the view alone.
        form.PushButton1_Click();
        const qint64 drawing = form.Picture1->image().cacheKey();
        form.Form_Activate();
        QCOMPARE(form.mZoom, 1.25f);
        QCOMPARE(form.Picture1->image().cacheKey(), drawing);
    }

    void aLaterResultIsShownAfresh() {
        PreviewFixture f;
        Form2& form = *f.form;
        f.fill({PreviewFixture::page(2062, 3062, Qt::red)});
        form.Form_Activate();
        form.PushButton1_Click();
        QCOMPARE(form.mZoom, 1.25f);
        const QImage next = PreviewFixture::page(3062, 2062, Qt::blue);
        f.fill({next});
        QCOMPARE(form.mZoom, 1.0f);
        QCOMPARE(form.Zoom_Ori->picture(), next);
        QCOMPARE(QSize(form.mBaseWidth, form.mBaseHeight), QSize(3000, 2000));
        form.PushButton1_Click();
        QCOMPARE(form.Picture1->image().pixelColor(3, 3), QColor(Qt::blue));
    }

    void showingTheWindowActivatesIt() {
        PreviewFixture f;
        f.fill({PreviewFixture::page(2062, 3062)});
        f.form->show();
        f.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        QVERIFY(!f.form->mFirstActivation);
        QCOMPARE(f.form->mZoom, 1.0f);
    }

    void pageListAndSlotsAcrossTwoFillings() {
        PreviewFixture f;
        Form2& form = *f.form;
        const QList<platform::Picture> three{PreviewFixture::page(2062, 3062, Qt::red),
                                             PreviewFixture::page(2062, 3062, Qt::green),
                                             PreviewFixture::page(2062, 3062, Qt::blue)};
        f.fill(three);
        QCOMPARE(form.ListView1->topLevelItemCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(form.ListView1->topLevelItem(i)->text(0),
                     QStringLiteral("Page %1").arg(i + 1));
            QCOMPARE(form.slotPicture(i), three[i]);
            QCOMPARE(form.Image1[size_t(i)]->objectName(), QStringLiteral("Image1(%1)").arg(i));
            QVERIFY(form.Image1[size_t(i)]->isHidden());
        }
        // A shorter second result reuses the slots and leaves the rest.
        const QImage again = PreviewFixture::page(2062, 3062, Qt::yellow);
        f.fill({again});
        QCOMPARE(form.ListView1->topLevelItemCount(), 1);
        QCOMPARE(form.slotPicture(0), again);
        QVERIFY(form.hasImageSlot(1) && form.hasImageSlot(2) && !form.hasImageSlot(3));
        QCOMPARE(form.slotPicture(2), three[2]);
        // A slot is made once; only made slots take pictures.
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, form.createImageSlot(1));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, form.setSlotPicture(3, again));
        QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, form.slotPicture(7));
        form.createImageSlot(5);
        QVERIFY(form.hasImageSlot(5) && !form.hasImageSlot(4));
        QVERIFY(form.slotPicture(5).isNull());
    }

    void choosingAPageShowsItAtZoomOne() {
        PreviewFixture f;
        Form2& form = *f.form;
        f.fill({PreviewFixture::page(2062, 3062, Qt::red),
                PreviewFixture::page(4062, 2062, Qt::green),
                PreviewFixture::page(2062, 3062, Qt::blue)});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Form_Activate();
        form.PushButton1_Click();
        form.HScroll1->setValue(1);
        clickItem(form.ListView1, 1);
        QCOMPARE(form.Zoom_Ori->picture(), form.slotPicture(1));
        QCOMPARE(form.mZoom, 1.0f);
        QCOMPARE(QSize(form.mBaseWidth, form.mBaseHeight), QSize(4000, 2000));
        QCOMPARE(form.Picture1->twipsLeft(), 0.0f);
        QCOMPARE(form.Picture1->twipsTop(), 0.0f);
        QCOMPARE(form.Picture1->image().pixelColor(3, 3), QColor(Qt::green));
        QCOMPARE(form.mousePointer(), int(platform::PointerDefault));
    }

    void thePointerIsBusyWhileAPageLoads() {
        PreviewFixture f;
        Form2& form = *f.form;
        f.loadAtScreenResolution(12000, 90000); // too large to draw: shown as it is
        form.addPageItem(QStringLiteral("Page 1"));
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(0));
        form.VScroll1->setValue(5);
        int pointerMeanwhile = -1;
        connect(form.VScroll1, &QScrollBar::valueChanged, this,
                [&] { pointerMeanwhile = form.mousePointer(); });
        form.ListView1_Click();
        QCOMPARE(pointerMeanwhile, int(platform::PointerBusy));
        QCOMPARE(form.mousePointer(), int(platform::PointerDefault));
    }

    void anyKeyReleasedInTheListShowsThePageAgain() {
        PreviewFixture f;
        Form2& form = *f.form;
        f.fill({PreviewFixture::page(2062, 3062), PreviewFixture::page(2062, 3062)});
        form.Form_Activate();
        form.ListView1->setCurrentItem(form.ListView1->topLevelItem(1));
        for (auto [key, modifiers] : {std::pair{int(Qt::Key_A), Qt::NoModifier},
                                      std::pair{int(Qt::Key_Shift), Qt::ShiftModifier}}) {
            form.PushButton2_Click();
            QCOMPARE(form.mZoom, 0.75f);
            sendKeyRelease(form.ListView1, key, modifiers);
            QCOMPARE(form.mZoom, 1.0f);
        }
        form.PushButton2_Click();
        sendKeyRelease(form.ListView1, Qt::Key_Down, Qt::NoModifier, true);
        QCOMPARE(form.mZoom, 0.75f);
    }

    void nothingChosenChangesNothing() {
        PreviewFixture f;
        Form2& form = *f.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Form_Activate();
        QVERIFY(form.SetZoom(0.5f));
        QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        form.ListView1_KeyUp(Qt::Key_A, 0);
        QCOMPARE(form.mZoom, 0.5f);
        QVERIFY(f.services.messages.boxes.isEmpty());
    }

    void pointerRules() {
        PreviewFixture f;
        Form2& form = *f.form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (QWidget* button :
             {form.PushButton1, form.PushButton2, form.PushButton6, form.PushButton8}) {
            sendMouseMove(form.Frame1);
            QCOMPARE(form.mousePointer(), int(platform::PointerDefault));
            sendMouseMove(button);
            QCOMPARE(form.mousePointer(), int(platform::PointerCustom));
        }
        // Without a hand pointer file the custom pointer is the arrow.
        QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
        for (QWidget* background : {static_cast<QWidget*>(&form), form.ListView1->viewport(),
                                    static_cast<QWidget*>(form.Frame1)}) {
            sendMouseMove(form.PushButton1);
            sendMouseMove(background);
            QCOMPARE(form.mousePointer(), int(platform::PointerDefault));
        }
        form.setMousePointer(platform::PointerBusy);
        sendMouseMove(form.PushButton6);
        sendMouseMove(&form);
        QCOMPARE(form.mousePointer(), int(platform::PointerBusy));
        form.setMousePointer(platform::PointerDefault);
    }

    // The hourglass shows over every control of the busy window and over no
    // other window; afterwards each control has its own pointer again.
    void theBusyPointerBelongsToItsWindow() {
        PreviewFixture f;
        Form2& form = *f.form;
        QWidget other;
        form.ListView1->viewport()->setCursor(Qt::IBeamCursor);
        form.setMousePointer(platform::PointerBusy);
        QVERIFY(!QGuiApplication::overrideCursor());
        for (QWidget* control :
             {static_cast<QWidget*>(&form), form.ListView1->viewport(),
              static_cast<QWidget*>(form.PushButton6), static_cast<QWidget*>(form.Picture1)})
            QCOMPARE(control->cursor().shape(), Qt::WaitCursor);
        QCOMPARE(other.cursor().shape(), Qt::ArrowCursor);
        form.setMousePointer(platform::PointerDefault);
        QCOMPARE(form.ListView1->viewport()->cursor().shape(), Qt::IBeamCursor);
        QVERIFY(!form.PushButton6->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "test_preview_window.moc"
