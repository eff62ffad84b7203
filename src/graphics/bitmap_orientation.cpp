#include "graphics/bitmap_orientation.h"

#include <cstring>
#include <new>

namespace plorvane {
namespace {

struct Source {
  int x;
  int y;
};

// Where the upright pixel (x, y) lies in the stored picture of `width` by `height`.
Source SourceOf(ExifOrientation orientation, int x, int y, int width, int height) {
  switch (orientation) {
    case ExifOrientation::kUpright:
      return {x, y};
    case ExifOrientation::kMirrorLeftRight:
      return {width - 1 - x, y};
    case ExifOrientation::kRotate180:
      return {width - 1 - x, height - 1 - y};
    case ExifOrientation::kMirrorTopBottom:
      return {x, height - 1 - y};
    case ExifOrientation::kTranspose:
      return {y, x};
    case ExifOrientation::kRotateRight:
      return {y, height - 1 - x};
    case ExifOrientation::kTransverse:
      return {width - 1 - y, height - 1 - x};
    case ExifOrientation::kRotateLeft:
      return {width - 1 - y, x};
  }
  return {x, y};
}

}  // namespace

bool OrientUpright(ExifOrientation orientation, Bitmap& bitmap) {
  if (orientation == ExifOrientation::kUpright) return true;
  try {
    const bool swap = SwapsSides(orientation);
    Bitmap upright;
    // As many pixels as the stored picture, so within the caps.
    if (!upright.Resize(swap ? bitmap.height() : bitmap.width(), swap ? bitmap.width() : bitmap.height(), kBlack))
      return false;
    for (int y = 0; y < upright.height(); ++y) {
      std::uint8_t* row = upright.scanline(y);
      for (int x = 0; x < upright.width(); ++x) {
        const Source from = SourceOf(orientation, x, y, bitmap.width(), bitmap.height());
        std::memcpy(row + static_cast<std::size_t>(x) * 3,
                    bitmap.scanline(from.y) + static_cast<std::size_t>(from.x) * 3, 3);
      }
    }
    bitmap = std::move(upright);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane
