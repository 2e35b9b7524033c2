#pragma once

#include "support/TestServices.h"

#include "platform/controls/PictureBox.h"
#include "platform/picture/Picture.h"
#include "preview/Form2.h"

#include <QPainter>

#include <memory>

namespace testing {

// A preview window on test doubles, with pages of known sizes.
struct PreviewFixture {
    TestServices services;
    std::unique_ptr<Form2> form = std::make_unique<Form2>(services.services());

    // A page of `twips` at 720 dpi (two twips a pixel), so even sizes are
    // exact; `mark` colours its top-left quarter.
    static QImage page(int width, int height, QColor mark = Qt::red, int dpi = 720) {
        QImage picture = platform::makePicture(QSize(width, height), dpi);
        QPainter painter(&picture);
        painter.fillRect(QRect(0, 0, picture.width() / 2, picture.height() / 2), mark);
        return picture;
    }

    // What the builder does: one picture per page, page 1 on the canvas,
    // then the first activation.
    void fill(const QList<platform::Picture>& pages) {
        form->clearPageList();
        for (int n = 1; n <= pages.size(); ++n) {
            form->addPageItem(QStringLiteral("Page %1").arg(n));
            if (!form->hasImageSlot(n - 1))
                form->createImageSlot(n - 1);
            form->setSlotPicture(n - 1, pages[n - 1]);
        }
        if (!pages.isEmpty())
            form->setCanvasPicture(form->slotPicture(0));
    }

    // A page whose drawing at zoom 1 is `base` twips: the holder's border
    // and the two spare twips come off the picture.
    void load(int baseWidth, int baseHeight) {
        fill({page(baseWidth + 62, baseHeight + 62)});
        form->Form_Activate();
    }

    // A page at screen resolution, shown at its natural size when its
    // drawing would be too large.
    void loadAtScreenResolution(int width, int height) {
        fill({platform::makePicture(QSize(width, height), 96)});
        form->Form_Activate();
    }

    platform::PictureBox& canvas() const { return *form->Picture1; }
    QPointF canvasPos() const { return {canvas().twipsLeft(), canvas().twipsTop()}; }
};

} // namespace testing
