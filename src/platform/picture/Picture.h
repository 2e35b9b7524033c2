#pragma once

#include "DisplayList.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <memory>

class QPainter;

namespace platform {

// A raster image's physical size is its pixel size at its own resolution:
// dots per meter, read as whole dots per inch. That resolution survives the
// clipboard and picture files, so an image keeps its size in twips wherever
// it travels.
int pictureDpi(const QImage& image);
void setPictureDpi(QImage& image, int dpi);
QSize pictureTwipsSize(const QImage& image);

// A blank image of the given size in twips at `dpi` dots per inch.
QImage makePicture(QSize twips, int dpi, QColor fill = Qt::white);

// The platform's picture, what picture boxes show and the clipboard and
// picture files carry: a size in twips and a display list that draws it at
// any scale. A page of a document is recorded as glyph runs and rules, so
// it stays sharp however large it is drawn; an image read from elsewhere is
// a display list of one raster image. Copies share their content.
class Picture {
public:
    Picture() = default;
    // An image, at the size in twips its resolution gives it.
    Picture(const QImage& image); // NOLINT(google-explicit-constructor)
    explicit Picture(DisplayList list);

    bool isNull() const { return !m_list; }
    QSize twipsSize() const;
    // True when the picture holds nothing but one raster image.
    bool isRaster() const;
    const DisplayList* displayList() const { return m_list.get(); }

    // Draws the `source` rectangle (twips of the picture) stretched onto
    // `target` (the painter's coordinates), background included.
    void draw(QPainter& painter, const QRectF& target, const QRectF& source) const;
    void draw(QPainter& painter, const QRectF& target) const;
    // Draws the picture's content alone onto `target`: no background and
    // no clipping, for placing it on a page among other things.
    void drawContent(QPainter& painter, const QRectF& target) const;
    // The whole picture as an image of `dpi` dots per inch.
    QImage toImage(double dpi) const;

    // The picture file format; fromBytes() gives a null picture for bytes
    // that are not a well-formed picture.
    QByteArray toBytes() const;
    static Picture fromBytes(const QByteArray& bytes);
    // The clipboard format of a picture.
    static QString mimeType();

    // The same picture: shared content, or raster pictures of equal images.
    bool operator==(const Picture& other) const;

private:
    std::shared_ptr<const DisplayList> m_list;
};

} // namespace platform
