#include "graphics/icon_graphic.h"

#include <algorithm>
#include <new>

#include "graphics/bgra_image.h"
#include "graphics/ico_codec.h"

namespace plorvane {

bool TIcon::Measure(std::span<const std::uint8_t> file, int& width, int& height) {
  IconDirectory directory;
  if (ReadIconDirectory(file, directory) != CursorError::kNone || directory.type != kIconFileType) return false;
  const auto largest =
      std::max_element(directory.entries.begin(), directory.entries.end(),
                       [](const auto& a, const auto& b) { return a.width * a.height < b.width * b.height; });
  width = largest->width;
  height = largest->height;
  return true;
}

void TIcon::WriteData(std::vector<std::uint8_t>& out) const { out.insert(out.end(), bytes().begin(), bytes().end()); }

bool TIcon::ReadData(std::span<const std::uint8_t> block) { return Assign(block); }

bool TIcon::Render(Bitmap& out) const {
  try {
    CursorFrame image;
    return DecodeIconFile(bytes(), IconChoice::kLargest, image) == CursorError::kNone &&
           FlattenOverWhite(image.width, image.height, image.bgra, out);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane
