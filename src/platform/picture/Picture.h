#pragma once

#include <QImage>
#include <QSize>

namespace platform {

// A picture is a QImage whose physical size is its pixel size at its own
// resolution: dots per meter, read as whole dots per inch. That resolution
// survives the clipboard and picture files, so a page picture keeps its
// size in twips wherever it travels.
int pictureDpi(const QImage& picture);
void setPictureDpi(QImage& picture, int dpi);
QSize pictureTwipsSize(const QImage& picture);

// A blank picture of the given size in twips at `dpi` dots per inch.
QImage makePicture(QSize twips, int dpi, QColor fill = Qt::white);

} // namespace platform
