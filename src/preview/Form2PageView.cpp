// The page view of the preview window: the page is stretched into the
// canvas's persistent image when a page is loaded or the zoom changes;
// scrolling and dragging only move the canvas inside the viewport.
// All sizes and positions are twips.

#include "Form2.h"

#include "Rounding.h"

#include "../app/ErrorTrap.h"
#include "../platform/controls/PictureBox.h"

#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString kModule = QStringLiteral("Form2");
constexpr float kZoomStep = 0.25f;
constexpr float kMinZoom = 0.25f;
constexpr float kMaxZoom = 4.0f;
// Up to this much page beyond the viewport a scroll step moves one twip,
// above it ten.
constexpr float kFineScrollRange = 100.0f;

// Range and step unit of one scroll bar for a canvas of `canvas` twips in a
// viewport of `viewport` twips (outer size).
void setupScrollbar(QScrollBar& bar, float canvas, float viewport, int16_t& unit) {
    if (canvas <= viewport) {
        bar.setEnabled(false);
        unit = 0;
        return;
    }
    const float excess = canvas - viewport;
    bar.setEnabled(true);
    const bool fine = excess <= kFineScrollRange;
    const float steps = fine ? excess : excess / 10.0f;
    // A bar counts to 32767 at most; a page that much larger than the
    // viewport scrolls as far as that goes.
    bar.setMaximum(std::min(preview::roundToInt32(steps), 32767));
    unit = fine ? 1 : 10;
    bar.setValue(0);
}

// How far along its range the canvas stands, in percent; nothing when the
// canvas is exactly as large as the viewport.
std::optional<int32_t> percentAlong(float position, float canvas, float viewport) {
    const float range = canvas - viewport;
    if (range == 0.0f)
        return std::nullopt;
    return preview::roundToInt32(std::fabs(static_cast<double>(position)) /
                                 static_cast<double>(range) * 100.0);
}

// The scroll offset of a bar position. Unit and value are 16-bit; their
// product is taken in 32 bits so that a long page cannot overflow it.
float scrollOffset(int16_t unit, int value) {
    return static_cast<float>(-(static_cast<int32_t>(unit) * value));
}

} // namespace

void Form2::LoadPageView(const platform::Picture& picture) {
    Zoom_Ori->hide();
    Zoom_Ori->setTwipsWidth(Picture1->twipsWidth());
    Zoom_Ori->setTwipsHeight(Picture1->twipsHeight());
    Zoom_Ori->setPicture(picture);
    mZoom = 1.0f;
    mDrawnZoom = 1.0f; // the canvas shows the picture at its natural size
    baseSizeFromHolder();
    mScaledWidth = mBaseWidth;
    mScaledHeight = mBaseHeight;
    RedrawImage();
    SetupScrollbars();
    describePageView();
}

void Form2::baseSizeFromHolder() {
    mBaseWidth = preview::roundToInt32(Zoom_Ori->innerWidth() - 2.0f);
    mBaseHeight = preview::roundToInt32(Zoom_Ori->innerHeight() - 2.0f);
}

bool Form2::RedrawImage() {
    app::ErrorTrap trap(m_services.messages, kModule, QStringLiteral("RedrawImage"));
    trap.step(100, [&] {
        mScaledWidth = preview::floorToInt32(static_cast<double>(mBaseWidth) * mZoom);
    });
    trap.step(102, [&] {
        mScaledHeight = preview::floorToInt32(static_cast<double>(mBaseHeight) * mZoom);
    });
    if (trap.test(104, [&] { return drawingFits(mScaledWidth, mScaledHeight); })) {
        trap.step(106, [&] { Picture1->clearPicture(); });
        trap.step(108, [&] { Picture1->setTwipsWidth(static_cast<float>(mScaledWidth)); });
        trap.step(110, [&] { Picture1->setTwipsHeight(static_cast<float>(mScaledHeight)); });
        trap.step(112, [&] {
            Picture1->paintPicture(Zoom_Ori->picture(), QRectF(0, 0, mScaledWidth, mScaledHeight),
                                   QRectF(0, 0, mBaseWidth, mBaseHeight));
            mDrawnZoom = mZoom;
        });
        trap.step(114, [&] { setMousePointer(platform::PointerDefault); });
        trap.step(116, [&] { HScroll1->setValue(0); });
        trap.step(118, [&] { VScroll1->setValue(0); });
        trap.step(120, [&] {
            HScroll1->setEnabled(Picture2->innerWidth() < static_cast<float>(mScaledWidth));
        });
        trap.step(122, [&] {
            VScroll1->setEnabled(Picture2->innerHeight() < static_cast<float>(mScaledHeight));
        });
        return true;
    }
    // Too large: nothing is drawn, and the zoom stays what the canvas shows.
    trap.step(124, [&] { mZoom = mDrawnZoom; });
    trap.step(126, [&] { mBaseWidth = preview::roundToInt32(Zoom_Ori->innerWidth() - 2.0f); });
    trap.step(128, [&] { mBaseHeight = preview::roundToInt32(Zoom_Ori->innerHeight() - 2.0f); });
    trap.step(130, [&] {
        mScaledWidth = preview::floorToInt32(static_cast<double>(mBaseWidth) * mZoom);
    });
    trap.step(132, [&] {
        mScaledHeight = preview::floorToInt32(static_cast<double>(mBaseHeight) * mZoom);
    });
    return false;
}

bool Form2::drawingFits(int32_t width, int32_t height) {
    return width <= kMaxDrawSide && height <= kMaxDrawSide &&
           static_cast<int64_t>(width) * height <= kMaxDrawArea;
}

void Form2::SetupScrollbars() {
    Picture1->moveTwips(0, 0);
    setupScrollbar(*HScroll1, Picture1->twipsWidth(), Picture2->twipsWidth(), mHScrollUnit);
    setupScrollbar(*VScroll1, Picture1->twipsHeight(), Picture2->twipsHeight(), mVScrollUnit);
}

void Form2::HScroll1_Change() {
    Picture1->moveTwips(scrollOffset(mHScrollUnit, HScroll1->value()), Picture1->twipsTop());
}

void Form2::VScroll1_Change() {
    Picture1->moveTwips(Picture1->twipsLeft(), scrollOffset(mVScrollUnit, VScroll1->value()));
}

// --- zoom -----------------------------------------------------------------

void Form2::PushButton1_Click() {
    app::ErrorTrap trap(m_services.messages, kModule, QStringLiteral("PushButton1_Click"));
    trap.step(100, [&] { ZoomStep(0); });
}

void Form2::PushButton2_Click() {
    app::ErrorTrap trap(m_services.messages, kModule, QStringLiteral("PushButton2_Click"));
    trap.step(100, [&] { ZoomStep(1); });
}

void Form2::ZoomStep(int32_t direction) {
    const bool in = direction == 0;
    // Zooming out goes on past factors whose drawing would be too large,
    // so that a page larger than the limits can still be seen whole.
    for (float zoom = mZoom;;) {
        zoom = in ? zoom + kZoomStep : zoom - kZoomStep;
        if (zoom < kMinZoom || zoom > kMaxZoom || SetZoom(zoom) || in)
            return;
    }
}

bool Form2::SetZoom(float zoom) {
    if (zoom < kMinZoom || zoom > kMaxZoom)
        return false;
    mZoom = zoom;
    if (!RedrawImage())
        return false;
    // The ranges follow the drawing, so the whole drawing can be scrolled.
    SetupScrollbars();
    describePageView();
    return true;
}

// --- dragging -------------------------------------------------------------

void Form2::Picture1_MouseDown(int /*button*/, int /*shift*/, float x, float y) {
    app::ErrorTrap trap(m_services.messages, kModule, QStringLiteral("picture1_MouseDown"));
    trap.step(100, [&] { mDownX = x; });
    trap.step(102, [&] { mDownY = y; });
}

void Form2::Picture1_MouseMove(int button, int /*shift*/, float x, float y) {
    app::ErrorTrap trap(m_services.messages, kModule, QStringLiteral("picture1_MouseMove"));
    if (trap.test(100, [&] { return button == 0; }))
        return;
    // The grabbed point of the page follows the pointer; the page edges
    // stop at the viewport's edges.
    float newLeft = 0.0f;
    float newTop = 0.0f;
    trap.step(104, [&] { newLeft = Picture1->twipsLeft() - mDownX + x; });
    if (trap.test(106, [&] { return newLeft > 0.0f; }))
        trap.step(108, [&] { newLeft = 0.0f; });
    else if (trap.test(110,
                       [&] { return Picture2->innerWidth() - Picture1->twipsWidth() > newLeft; }))
        trap.step(112, [&] { newLeft = Picture2->innerWidth() - Picture1->twipsWidth(); });
    trap.step(114, [&] { newTop = Picture1->twipsTop() - mDownY + y; });
    if (trap.test(116, [&] { return newTop > 0.0f; }))
        trap.step(118, [&] { newTop = 0.0f; });
    else if (trap.test(120,
                       [&] { return Picture2->innerHeight() - Picture1->twipsHeight() > newTop; }))
        trap.step(122, [&] { newTop = Picture2->innerHeight() - Picture1->twipsHeight(); });
    trap.step(124, [&] { Picture1->moveTwips(newLeft, newTop); });
}

void Form2::Picture1_MouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {
    app::ErrorTrap trap(m_services.messages, kModule, QStringLiteral("Picture1_MouseUp"));
    // The scroll bars take the position nearest to where the page was left,
    // and their change handlers settle the page there.
    std::optional<int32_t> pctX;
    std::optional<int32_t> pctY;
    trap.step(100, [&] {
        pctX = percentAlong(Picture1->twipsLeft(), Picture1->twipsWidth(), Picture2->twipsWidth());
    });
    trap.step(102, [&] {
        pctY = percentAlong(Picture1->twipsTop(), Picture1->twipsHeight(), Picture2->twipsHeight());
    });
    if (pctX)
        trap.step(104, [&] { SetHScrollbarByPercent(*HScroll1, preview::roundToInt16(*pctX)); });
    if (pctY)
        trap.step(106, [&] { SetVScrollbarByPercent(*VScroll1, preview::roundToInt16(*pctY)); });
}

void Form2::SetHScrollbarByPercent(QScrollBar& bar, int16_t percent) {
    if (percent < 0)
        return;
    const double value = percent / 100.0 * bar.maximum();
    if (value <= bar.maximum())
        bar.setValue(preview::roundToInt16(value));
}

void Form2::SetVScrollbarByPercent(QScrollBar& bar, int16_t percent) {
    if (percent < 0 || percent > 100)
        return;
    bar.setValue(preview::roundToInt16(percent / 100.0 * bar.maximum()));
}
