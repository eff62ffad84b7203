#include "platform/qt/qt_metafiles.h"

#include <QImage>
#include <QPainter>

#include "graphics/metafile_reader.h"
#include "platform/qt/metafile_painter.h"
#include "platform/qt/qt_image.h"

namespace plorvane {

bool QtMetafiles::Render(std::span<const std::uint8_t> file, int width, int height, Bitmap& out) const {
  Bitmap probe;
  if (width <= 0 || height <= 0 || !probe.Resize(width, height)) return false;  // within the pixel cap
  const std::optional<metafile::Drawing> drawing = metafile::ReadMetafile(file);
  if (!drawing) return false;
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintMetafile(*drawing, painter, QRectF(0, 0, width, height));
  }
  out = BitmapOf(image);
  return !out.empty();
}

}  // namespace plorvane
