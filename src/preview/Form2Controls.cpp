#include "Form2.h"

#include "../platform/controls/PictureBox.h"
#include "../platform/controls/Twips.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

using platform::PictureBox;
using platform::setTwipsGeometry;

namespace {

// Client area of the window.
constexpr int kClientWidth = 9840;
constexpr int kClientHeight = 10950;
// The default maximum of a scroll bar.
constexpr int kScrollDefaultMaximum = 32767;

QFont formFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    return font;
}

QFont buttonFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    return font;
}

QScrollBar* scrollBar(Qt::Orientation orientation, QWidget* parent, const char* name) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(0, kScrollDefaultMaximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(buttonFont());
    button->setMouseTracking(true);
    return button;
}

PictureBox* pictureBox(QWidget* parent, const QString& name) {
    auto* box = new PictureBox(parent);
    box->setObjectName(name);
    return box;
}

} // namespace

void Form2::createControls() {
    setFont(formFont());
    const int dpi = platform::logicalDpi(this);
    setFixedSize(platform::twipsToPixels(kClientWidth, dpi),
                 platform::twipsToPixels(kClientHeight, dpi));
    setMouseTracking(true);
    createViewControls();
    createButtons();
    createPageList();
    setTabOrder();
}

void Form2::createViewControls() {
    HScroll1 = scrollBar(Qt::Horizontal, this, "HScroll1");
    setTwipsGeometry(HScroll1, 120, 9105, 9330, 255);
    VScroll1 = scrollBar(Qt::Vertical, this, "VScroll1");
    setTwipsGeometry(VScroll1, 9450, 1800, 255, 7305);

    Picture2 = pictureBox(this, QStringLiteral("Picture2"));
    Picture2->setBorderSingle(true);
    Picture2->setBackColor(Qt::white);
    Picture2->setTwipsGeometry(120, 1800, 9330, 7305);
    Picture2->setFocusPolicy(Qt::StrongFocus);

    Picture1 = pictureBox(Picture2, QStringLiteral("Picture1"));
    Picture1->setTwipsGeometry(0, 0, 2340, 3435);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setMaxImagePixels(kMaxDrawPixels);

    Zoom_Ori = pictureBox(this, QStringLiteral("Zoom_Ori"));
    Zoom_Ori->setBorderSingle(true);
    Zoom_Ori->setBackColor(Qt::white);
    Zoom_Ori->setTwipsGeometry(10320, 480, 735, 375);
    Zoom_Ori->hide();

    // Slot 0 of the page pictures; the others follow it when created.
    auto* first = pictureBox(this, QStringLiteral("Image1(0)"));
    first->setAutoSize(true);
    first->setTwipsGeometry(10920, 120, 855, 900);
    first->hide();
    Image1.push_back(first);
}

void Form2::createButtons() {
    Frame1 = new QGroupBox(Form2::tr("Zoom:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setMouseTracking(true);
    setTwipsGeometry(Frame1, 120, 9420, 9600, 855);

    PushButton1 = pushButton(Frame1, "PushButton1", Form2::tr("Zoom In"));
    setTwipsGeometry(PushButton1, 240, 300, 4440, 405);
    PushButton2 = pushButton(Frame1, "PushButton2", Form2::tr("Zoom Out"));
    setTwipsGeometry(PushButton2, 4800, 300, 4560, 405);
    PushButton6 = pushButton(this, "PushButton6", Form2::tr("Save Results To Word File"));
    setTwipsGeometry(PushButton6, 4920, 10410, 4800, 405);
    PushButton8 = pushButton(this, "PushButton8", Form2::tr("< Back"));
    setTwipsGeometry(PushButton8, 120, 10410, 4680, 405);
}

void Form2::createPageList() {
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setStretchLastSection(false);
    ListView1->viewport()->setMouseTracking(true);
    ListView1->setMouseTracking(true);
    setTwipsGeometry(ListView1, 120, 120, 9600, 1575);
}

void Form2::setTabOrder() {
    const QList<QWidget*> order{HScroll1,    VScroll1,    Picture2,    Picture1, PushButton1,
                                PushButton2, PushButton6, PushButton8, ListView1};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
