#pragma once

#include "../platform/picture/Picture.h"

#include <QString>

namespace preview {

// What a generation leaves in the preview: the page list, a picture slot a
// page (slot n-1 holds page n), page 1 on show, and the document the pages
// come from. The builder and the page export see the preview through this.
class GenerationResult {
public:
    virtual ~GenerationResult() = default;

    virtual void clearPageList() = 0;
    virtual void addPageItem(const QString& text) = 0;
    virtual int pageItemCount() const = 0;
    virtual bool hasImageSlot(int index) const = 0;
    // Fails when the slot exists already.
    virtual void createImageSlot(int index) = 0;
    // Fails when the slot does not exist.
    virtual void setSlotPicture(int index, const platform::Picture& picture) = 0;
    // The picture of slot 0 on the page view.
    virtual void showFirstPage() = 0;
    // The temporary document of the result: what saving copies, deleted
    // when the preview is left.
    virtual void setDocumentPath(const QString& path) = 0;
    virtual void showResult() = 0;
};

} // namespace preview
