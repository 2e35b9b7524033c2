#pragma once

#include "../app/Services.h"
#include "../platform/controls/FormWindow.h"
#include "GenerationResult.h"

#include "../platform/picture/Picture.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <vector>

class QAction;
class QGroupBox;
class QMenu;
class QPrinter;
class QKeyEvent;
class QMouseEvent;
class QPushButton;
class QScrollBar;
class QTreeWidget;
class Form1;

namespace platform {
class PictureBox;
}
namespace word {
class Layout;
}

// The preview window: the page list, the page view with its zoom buttons,
// and the buttons that save the result or go back to the entry window.
// Created hidden on first use; constructing it runs Form_Load.
class Form2 : public platform::FormWindow, public preview::GenerationResult {
    Q_OBJECT
public:
    explicit Form2(const app::Services& services, QWidget* parent = nullptr);

    // Controls, named as the window knows them.
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    platform::PictureBox* Picture2 = nullptr; // viewport
    platform::PictureBox* Picture1 = nullptr; // page canvas, inside Picture2
    QGroupBox* Frame1 = nullptr;
    platform::PictureBox* Zoom_Ori = nullptr; // unscaled page picture, hidden
    QPushButton* PushButton1 = nullptr;       // Zoom In
    QPushButton* PushButton2 = nullptr;       // Zoom Out
    QPushButton* PushButton6 = nullptr;       // Save Results To Word File
    QPushButton* PushButton8 = nullptr;       // < Back
    QTreeWidget* ListView1 = nullptr;         // page list
    // Page-picture slots: slot n-1 holds page n. Never removed; a missing
    // element is a null pointer.
    std::vector<platform::PictureBox*> Image1;

    // The entry window that "< Back" shows again and whose agenda list is
    // stored when the program ends here.
    void setEntryWindow(Form1* form1) { m_entry = form1; }

    // Path of the temporary document of the result on show.
    QString mWordFile;
    bool mFirstActivation = false;

    // Page view state, all sizes in twips.
    float mZoom = 0.0f;
    int32_t mBaseWidth = 0;
    int32_t mBaseHeight = 0;
    int32_t mScaledWidth = 0;
    int32_t mScaledHeight = 0;
    int16_t mHScrollUnit = 0;
    int16_t mVScrollUnit = 0;
    float mDownX = 0.0f;
    float mDownY = 0.0f;
    // The zoom of the drawing on the canvas; a refused drawing returns to it.
    float mDrawnZoom = 1.0f;

    // The result of a generation: page list and slots, as the page exporter
    // fills them, and the document they come from.
    void clearPageList() override;
    void addPageItem(const QString& text) override;
    int pageItemCount() const override;
    bool hasImageSlot(int index) const override;
    void createImageSlot(int index) override;
    void setSlotPicture(int index, const platform::Picture& picture) override;
    void showFirstPage() override;
    void setDocumentPath(const QString& path) override { mWordFile = path; }
    void showResult() override { show(); }
    // Fails when the slot does not exist.
    platform::Picture slotPicture(int index) const;
    // The page canvas takes the picture (and its size once sizing is on);
    // after the first activation the page view is loaded with it at once.
    void setCanvasPicture(const platform::Picture& picture);

    // Window handlers.
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload();
    void Form_Unload();
    void ListView1_Click();
    void ListView1_KeyUp(int keyCode, int shift);
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton6_Click();
    void PushButton8_Click();

    // Page view.
    void LoadPageView(const platform::Picture& picture);
    // True when the page was drawn; false when it hit the size limit.
    bool RedrawImage();
    void SetupScrollbars();
    void ZoomStep(int32_t direction);
    // True when the factor was accepted and the page drawn.
    bool SetZoom(float zoom);
    void HScroll1_Change();
    void VScroll1_Change();
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void SetHScrollbarByPercent(QScrollBar& bar, int16_t percent);
    void SetVScrollbarByPercent(QScrollBar& bar, int16_t percent);

    // The agenda as a PDF, and printed: a save dialog, or the print dialog,
    // then the whole document drawn as the pages on show are.
    void exportPdf();
    void printAgenda();
    QAction* exportPdfAction = nullptr; // Ctrl+E
    QAction* printAction = nullptr;     // Ctrl+P
    QAction* saveAction = nullptr;      // Ctrl+S, as PushButton6
    QMenu* pageMenu = nullptr;          // of the page view and the page list

    // The wheel over the page view: scrolls through the scroll bars (Shift:
    // sideways); with Ctrl it zooms as the buttons do, a step a notch.
    void wheelOverPageView(QPoint angleDelta, Qt::KeyboardModifiers modifiers);
    // Moves the page by about `twips` through the bar's own steps, within
    // its range; nothing when the bar is off.
    void scrollPageView(Qt::Orientation orientation, float twips);

    // What the page view reports to assistive technology: "Page n of m,
    // zoom z %" (the page canvas's name, the viewport's description).
    QString pageViewStatus() const;
    // The page on show, counted from 1; 0 before there is one.
    int shownPage() const { return m_shownPage; }

    // The persistent image is bounded by memory: a drawing is made when it
    // covers no more than a 4.0 drawing of the largest page the engine makes
    // (a whole A4 or Letter sheet, 12240 x 16838 twips at most), about
    // 59 MB at 96 dpi; no side may exceed the page's longest side at 4.0.
    static constexpr int32_t kMaxDrawSide = 4 * 16838;
    static constexpr int64_t kMaxDrawArea = int64_t{4 * 12240} * (4 * 16838);
    // The same bound in the pixels the canvas allocates (at 96 dpi a pixel
    // is 15 twips square): on a denser screen, or one of a higher pixel
    // ratio, the largest drawings are made with fewer pixels than the screen
    // has rather than with more memory.
    static constexpr int64_t kMaxDrawPixels = kMaxDrawArea / (15 * 15);
    static bool drawingFits(int32_t width, int32_t height);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createViewControls();
    void createButtons();
    void createPageList();
    void setTabOrder();
    void wireHandlers();
    void watchPointer();
    void createNavigationKeys();
    void createSharingActions();
    void createAccessibility();
    void describePageView();
    void trackListInput(const QObject* watched, const QEvent* event);
    void createMenus();
    void ZoomActualSize();
    QString meetingTitle() const;
    QString writePdf(const QString& target);
    bool printPages(word::Layout& layout, QPrinter& printer, int pages);
    bool isWorkingCopy(const QString& target) const;
    void refuseWorkingCopy(const QString& target);
    bool pageViewEvent(QEvent* event);
    void pageListKey(const QKeyEvent& key);
    bool pageMenuEvent(QEvent* event);
    void showChosenPage();
    void onPointerMove(QWidget* over, const QMouseEvent& event);
    void baseSizeFromHolder();
    platform::PictureBox* slot(int index) const;

    app::Services m_services;
    Form1* m_entry = nullptr;
    int m_zoomWheel = 0;       // Ctrl+wheel turned since the last zoom step
    QList<int> m_listKeysDown; // keys whose press the page list had
    // A right-button press on the page view: where, whether it has become a
    // drag, and whether its context menu waits for the release.
    QPoint m_rightPressAt;
    bool m_rightDragged = false;
    bool m_menuOnRelease = false;
    int m_shownPage = 0;
    // True from a press of a mouse button or a key on the page list to its
    // release: a selection made then is the user's, and the click or key
    // handler shows the page.
    bool m_listInput = false;
};
