#include "graphics/icon_graphic.h"

#include <algorithm>
#include <new>

#include "graphics/ico_codec.h"

namespace plorvane {
namespace {

// The directory must be sound; the images are only decoded when drawn.
bool ReadLargestSize(std::span<const std::uint8_t> file, int& width, int& height) {
  IconDirectory directory;
  if (ReadIconDirectory(file, directory) != CursorError::kNone || directory.type != kIconFileType) return false;
  const auto largest =
      std::max_element(directory.entries.begin(), directory.entries.end(),
                       [](const auto& a, const auto& b) { return a.width * a.height < b.width * b.height; });
  width = largest->width;
  height = largest->height;
  return true;
}

std::uint8_t OverWhite(std::uint8_t colour, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace

std::unique_ptr<TIcon> TIcon::FromBytes(std::vector<std::uint8_t> bytes) {
  auto icon = std::make_unique<TIcon>();
  if (bytes.empty() || !icon->Assign(bytes)) return nullptr;
  return icon;
}

bool TIcon::Assign(std::span<const std::uint8_t> bytes) {
  int width = 0;
  int height = 0;
  const bool ok = bytes.empty() || ReadLargestSize(bytes, width, height);
  bytes_ = ok ? std::vector<std::uint8_t>(bytes.begin(), bytes.end()) : std::vector<std::uint8_t>{};
  width_ = width;
  height_ = height;
  return ok;
}

void TIcon::WriteData(std::vector<std::uint8_t>& out) const { out.insert(out.end(), bytes_.begin(), bytes_.end()); }

bool TIcon::ReadData(std::span<const std::uint8_t> block) { return Assign(block); }

bool TIcon::Render(Bitmap& out) const {
  try {
    CursorFrame image;
    Bitmap drawn;
    if (DecodeIconFile(bytes_, IconChoice::kLargest, image) != CursorError::kNone ||
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

std::unique_ptr<Graphic> TIcon::Clone() const {
  auto copy = std::make_unique<TIcon>();
  copy->bytes_ = bytes_;
  copy->width_ = width_;
  copy->height_ = height_;
  return copy;
}

}  // namespace plorvane
