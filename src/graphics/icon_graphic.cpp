#include "graphics/icon_graphic.h"

#include "graphics/little_endian.h"

namespace plorvane {
namespace {

constexpr std::size_t kIconHeaderSize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::uint16_t kIconType = 1;

struct IconSize {
  int width = 0;
  int height = 0;
};

// Checks the header and that every image the directory lists lies inside the file; answers the
// size of the largest image.
bool ReadIconDirectory(std::span<const std::uint8_t> file, IconSize& largest) {
  std::uint16_t reserved = 1;
  std::uint16_t type = 0;
  std::uint16_t count = 0;
  if (!le::ReadU16(file, 0, reserved) || !le::ReadU16(file, 2, type) || !le::ReadU16(file, 4, count) ||
      reserved != 0 || type != kIconType || count == 0 ||
      !le::Fits(file.size(), kIconHeaderSize, count * kIconEntrySize))
    return false;
  largest = {};
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kIconHeaderSize + i * kIconEntrySize;
    std::uint32_t image_bytes = 0;
    std::uint32_t image_offset = 0;
    if (!le::ReadU32(file, entry + 8, image_bytes) || !le::ReadU32(file, entry + 12, image_offset) ||
        !le::Fits(file.size(), image_offset, image_bytes))
      return false;
    // A side of 0 in the directory means 256.
    const int width = file[entry] == 0 ? 256 : file[entry];
    const int height = file[entry + 1] == 0 ? 256 : file[entry + 1];
    if (width * height > largest.width * largest.height) largest = {width, height};
  }
  return true;
}

}  // namespace

std::unique_ptr<TIcon> TIcon::FromBytes(std::vector<std::uint8_t> bytes) {
  auto icon = std::make_unique<TIcon>();
  if (bytes.empty() || !icon->Assign(bytes)) return nullptr;
  return icon;
}

bool TIcon::Assign(std::span<const std::uint8_t> bytes) {
  IconSize size;
  const bool ok = bytes.empty() || ReadIconDirectory(bytes, size);
  bytes_ = ok ? std::vector<std::uint8_t>(bytes.begin(), bytes.end()) : std::vector<std::uint8_t>{};
  width_ = ok ? size.width : 0;
  height_ = ok ? size.height : 0;
  return ok;
}

void TIcon::WriteData(std::vector<std::uint8_t>& out) const { out.insert(out.end(), bytes_.begin(), bytes_.end()); }

bool TIcon::ReadData(std::span<const std::uint8_t> block) { return Assign(block); }

bool TIcon::Render(Bitmap& /*out*/) const { return false; }

std::unique_ptr<Graphic> TIcon::Clone() const {
  auto copy = std::make_unique<TIcon>();
  copy->bytes_ = bytes_;
  copy->width_ = width_;
  copy->height_ = height_;
  return copy;
}

}  // namespace plorvane
