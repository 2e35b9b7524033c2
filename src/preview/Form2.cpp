#include "Form2.h"

#include "../app/ErrorTrap.h"
#include "../app/ShellUtilities.h"
#include "../platform/controls/PictureBox.h"
#include "../platform/controls/Twips.h"
#include "../platform/errors/RuntimeError.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

namespace {

const QString kModule = QStringLiteral("Form2");
constexpr int kPageColumnWidth = 7500;

} // namespace

Form2::Form2(const app::Services& services, QWidget* parent)
    : platform::FormWindow(parent), m_services(services) {
    setObjectName(QStringLiteral("Form2"));
    createControls();
    wireHandlers();
    watchPointer();
    createNavigationKeys();
    createSharingActions();
    createMenus();
    Form_Load();
    createAccessibility();
}

void Form2::wireHandlers() {
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton6, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
    connect(PushButton8, &QPushButton::clicked, this, [this] { PushButton8_Click(); });
    connect(Picture1, &platform::PictureBox::mouseDown, this, &Form2::Picture1_MouseDown);
    connect(Picture1, &platform::PictureBox::mouseMove, this, &Form2::Picture1_MouseMove);
    connect(Picture1, &platform::PictureBox::mouseUp, this, &Form2::Picture1_MouseUp);
    ListView1->viewport()->installEventFilter(this);
    ListView1->installEventFilter(this);
}

void Form2::watchPointer() {
    for (QObject* watched :
         std::initializer_list<QObject*>{this, Frame1, ListView1->header()->viewport(), PushButton1,
                                         PushButton2, PushButton6, PushButton8})
        watched->installEventFilter(this);
    ListView1->header()->viewport()->setMouseTracking(true);
}

// --- window handlers ------------------------------------------------------

void Form2::Form_Load() {
    app::ErrorTrap trap(m_services.messages, kModule, QStringLiteral("Form_Load"));
    trap.step(100, [&] { mFirstActivation = true; });
    trap.step(102, [&] { Main::SetFaceColors(*this); });
    trap.step(104, [&] {
        setWindowTitle(QStringLiteral("Quillary"));
        setWindowIcon(QGuiApplication::windowIcon());
    });
    const QString handPointer = m_services.programFolder + Main::kHandPointerFile;
    if (trap.test(108, [&] { return Main::FileExists(handPointer); }))
        trap.step(110, [&] { setMouseIcon(platform::loadCursorFile(handPointer)); });
    trap.step(112, [&] {
        ListView1->setColumnCount(1);
        ListView1->setHeaderLabels({tr("Page(s)")});
    });
    trap.step(114, [&] {
        ListView1->setColumnWidth(
            0, platform::twipsToPixels(kPageColumnWidth, platform::logicalDpi(this)));
    });
}

void Form2::Form_Activate() {
    app::ErrorTrap trap(m_services.messages, kModule, QStringLiteral("Form_Activate"));
    if (trap.test(100, [&] { return mFirstActivation; })) {
        // The canvas keeps its drawing, sizes itself to its picture (at
        // once to the one the builder gave it) and is white.
        trap.step(102, [&] { Picture1->setAutoRedraw(true); });
        trap.step(104, [&] { Picture1->setAutoSize(true); });
        trap.step(106, [&] { Picture1->setBackColor(Qt::white); });
        trap.step(112, [&] { LoadPageView(Picture1->picture()); });
    }
    trap.step(138, [&] { mFirstActivation = false; });
}

bool Form2::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return platform::FormWindow::event(event);
}

void Form2::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
    Form_Unload();
}

// --- page list and slots --------------------------------------------------

void Form2::clearPageList() {
    ListView1->clear();
    m_shownPage = 0;
}

void Form2::addPageItem(const QString& text) {
    new QTreeWidgetItem(ListView1, {text});
}

int Form2::pageItemCount() const {
    return ListView1->topLevelItemCount();
}

platform::PictureBox* Form2::slot(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= Image1.size())
        return nullptr;
    return Image1[static_cast<size_t>(index)];
}

bool Form2::hasImageSlot(int index) const {
    return slot(index) != nullptr;
}

void Form2::createImageSlot(int index) {
    if (index < 0)
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "Control array element '%1' doesn't exist")
                .arg(index));
    if (hasImageSlot(index))
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "Object already loaded"));
    // A new slot starts as a hidden copy of slot 0, without its picture.
    const platform::PictureBox* first = Image1.front();
    auto* box = new platform::PictureBox(this);
    box->setObjectName(QStringLiteral("Image1(%1)").arg(index));
    box->setAutoSize(true);
    box->setTwipsGeometry(first->twipsLeft(), first->twipsTop(), first->twipsWidth(),
                          first->twipsHeight());
    box->hide();
    if (static_cast<size_t>(index) >= Image1.size())
        Image1.resize(static_cast<size_t>(index) + 1, nullptr);
    Image1[static_cast<size_t>(index)] = box;
}

void Form2::setSlotPicture(int index, const platform::Picture& picture) {
    platform::PictureBox* box = slot(index);
    if (!box)
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "Control array element '%1' doesn't exist")
                .arg(index));
    box->setPicture(picture);
}

platform::Picture Form2::slotPicture(int index) const {
    const platform::PictureBox* box = slot(index);
    if (!box)
        throw platform::RuntimeError(
            QCoreApplication::translate("RuntimeError", "Control array element '%1' doesn't exist")
                .arg(index));
    return box->picture();
}

void Form2::showFirstPage() {
    m_shownPage = 1;
    setCanvasPicture(slotPicture(0));
}

void Form2::setCanvasPicture(const platform::Picture& picture) {
    Picture1->setPicture(picture);
    // A later result starts afresh too, so that zooming never brings back a
    // page of the result shown before.
    if (!mFirstActivation)
        LoadPageView(picture);
}

// --- choosing a page ------------------------------------------------------

void Form2::ListView1_Click() {
    showChosenPage();
}

void Form2::ListView1_KeyUp(int /*keyCode*/, int /*shift*/) {
    showChosenPage();
}

void Form2::showChosenPage() {
    const QList<QTreeWidgetItem*> chosen = ListView1->selectedItems();
    if (chosen.isEmpty())
        return;
    setMousePointer(platform::PointerBusy);
    const int k = ListView1->indexOfTopLevelItem(chosen.front()) + 1;
    // A listed page whose slot was never made shows as an empty page.
    const platform::PictureBox* box = slot(k - 1);
    const platform::Picture page = box ? box->picture() : platform::Picture();
    m_shownPage = k;
    Picture1->setPicture(page);
    LoadPageView(page);
    setMousePointer(platform::PointerDefault);
}

// --- events: list clicks and keys, pointer rules --------------------------

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    trackListInput(watched, event);
    if ((watched == Picture1 || watched == Picture2) && pageViewEvent(event))
        return true;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (watched == ListView1->viewport() &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            ListView1_Click();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched == ListView1)
            pageListKey(*static_cast<QKeyEvent*>(event));
        break;
    case QEvent::MouseMove:
        onPointerMove(static_cast<QWidget*>(watched), *static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return platform::FormWindow::eventFilter(watched, event);
}

// A key-up counts for the list when the list had the key's press: the
// release of a zoom shortcut (taken as a shortcut before the list saw it)
// and of Ctrl (pressed for Ctrl+wheel or a shortcut) do not choose a page.
void Form2::pageListKey(const QKeyEvent& key) {
    if (key.isAutoRepeat() || key.key() == Qt::Key_Control)
        return;
    if (key.type() == QEvent::KeyPress) {
        if (!m_listKeysDown.contains(key.key()))
            m_listKeysDown << key.key();
        return;
    }
    if (m_listKeysDown.removeAll(key.key()) > 0)
        ListView1_KeyUp(key.key(), platform::PictureBox::shiftMaskOf(key.modifiers()));
}

void Form2::onPointerMove(QWidget* over, const QMouseEvent& event) {
    if (qobject_cast<QPushButton*>(over)) {
        pointerOverButton();
        return;
    }
    // A move a button did not take travels on to its frame and the window;
    // only a move over their own background counts for them.
    const bool background = over == this || over == Frame1 || over == ListView1->viewport() ||
                            over == ListView1->header()->viewport();
    if (background && !controlAt(over, event.position().toPoint()))
        pointerOverBackground();
}
