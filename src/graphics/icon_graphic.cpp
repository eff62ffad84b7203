#include "graphics/icon_graphic.h"

#include <algorithm>
#include <new>

#include "graphics/ico_codec.h"

namespace plorvane {
namespace {

std::uint8_t OverWhite(std::uint8_t colour, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace

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
    Bitmap drawn;
    if (DecodeIconFile(bytes(), IconChoice::kLargest, image) != CursorError::kNone ||
        !drawn.Resize(image.width, image.height))
      return false;
    const std::uint8_t* in = image.bgra.data();
    for (int y = 0; y < image.height; ++y) {
      std::uint8_t* row = drawn.scanline(y);
      for (int x = 0; x < image.width; ++x, in += 4, row += 3) {
        for (int channel = 0; channel < 3; ++channel) row[channel] = OverWhite(in[channel], in[3]);
      }
    }
    out = std::move(drawn);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane
