#pragma once
// Pixels between the core's bitmaps and Qt's images.

#include <QImage>
#include <QPixmap>

#include "graphics/bitmap.h"
#include "graphics/cursor_image.h"

namespace plorvane {

// A deep copy in Qt's blue-green-red format, which has the bitmap's own row layout.
QImage ImageOf(const Bitmap& bitmap);
// The image in the core's format; an empty bitmap for a null image.
Bitmap BitmapOf(const QImage& image);
// A cursor frame with its alpha channel.
QPixmap PixmapOf(const CursorFrame& frame);
// The bitmap's own pixels as an image to paint on; valid while the bitmap keeps its size.
QImage PaintableView(Bitmap& bitmap);

}  // namespace plorvane
