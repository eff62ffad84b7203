#include "platform/qt/qt_image.h"

#include <cstring>

namespace plorvane {

QImage PaintableView(Bitmap& bitmap) {
  return {bitmap.scanline(0), bitmap.width(), bitmap.height(), static_cast<qsizetype>(bitmap.stride()),
          QImage::Format_BGR888};
}

QImage ImageOf(const Bitmap& bitmap) {
  QImage image(bitmap.width(), bitmap.height(), QImage::Format_BGR888);
  const auto row_bytes = static_cast<std::size_t>(bitmap.width()) * 3;
  for (int y = 0; y < bitmap.height(); ++y) std::memcpy(image.scanLine(y), bitmap.scanline(y), row_bytes);
  return image;
}

Bitmap BitmapOf(const QImage& image) {
  Bitmap bitmap;
  if (image.isNull() || !bitmap.Resize(image.width(), image.height())) return {};
  const QImage converted = image.convertToFormat(QImage::Format_BGR888);
  const auto row_bytes = static_cast<std::size_t>(bitmap.width()) * 3;
  for (int y = 0; y < bitmap.height(); ++y) std::memcpy(bitmap.scanline(y), converted.constScanLine(y), row_bytes);
  return bitmap;
}

QPixmap PixmapOf(const CursorFrame& frame) {
  // Blue, green, red, alpha bytes are Qt's ARGB32 words on a little-endian machine.
  const QImage view(frame.bgra.data(), frame.width, frame.height, static_cast<qsizetype>(frame.width) * 4,
                    QImage::Format_ARGB32);
  return QPixmap::fromImage(view.copy());
}

}  // namespace plorvane
