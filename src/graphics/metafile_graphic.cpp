#include "graphics/metafile_graphic.h"

#include <algorithm>

#include "graphics/counted_block.h"
#include "graphics/little_endian.h"
#include "support/limits.h"

namespace plorvane {
namespace {

constexpr std::uint32_t kCountIncludesItself = 4;
constexpr std::int64_t kScreenDotsPerInch = 96;
constexpr std::int64_t kHundredthsOfMillimetrePerInch = 2540;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

struct FrameSize {
  int width = 0;
  int height = 0;
};

int ToPixels(std::int64_t length, std::int64_t units_per_inch) {
  const std::int64_t pixels = (length * kScreenDotsPerInch + units_per_inch / 2) / units_per_inch;
  return static_cast<int>(std::clamp<std::int64_t>(pixels, 0, limits::kMaxBitmapSide));
}

// Enhanced metafile: a header record whose frame is given in hundredths of a millimetre.
bool ReadEnhancedFrame(std::span<const std::uint8_t> file, FrameSize& size) {
  std::uint32_t record = 0;
  std::uint32_t signature = 0;
  std::int32_t frame[4] = {};
  if (!le::ReadU32(file, 0, record) || !le::ReadU32(file, 40, signature) || record != kEnhancedHeaderRecord ||
      signature != kEnhancedSignature)
    return false;
  for (std::size_t i = 0; i < 4; ++i)
    if (!le::ReadI32(file, 24 + 4 * i, frame[i])) return false;
  size.width = ToPixels(std::int64_t{frame[2]} - frame[0], kHundredthsOfMillimetrePerInch);
  size.height = ToPixels(std::int64_t{frame[3]} - frame[1], kHundredthsOfMillimetrePerInch);
  return true;
}

// Placeable Windows metafile: a bounding box in logical units and how many of them make an inch.
bool ReadPlaceableFrame(std::span<const std::uint8_t> file, FrameSize& size) {
  std::uint32_t key = 0;
  std::uint16_t box[4] = {};
  std::uint16_t units_per_inch = 0;
  if (!le::ReadU32(file, 0, key) || key != kPlaceableKey || !le::ReadU16(file, 14, units_per_inch) ||
      units_per_inch == 0)
    return false;
  for (std::size_t i = 0; i < 4; ++i)
    if (!le::ReadU16(file, 6 + 2 * i, box[i])) return false;
  const auto coordinate = [&](std::size_t i) { return std::int64_t{static_cast<std::int16_t>(box[i])}; };
  size.width = ToPixels(coordinate(2) - coordinate(0), units_per_inch);
  size.height = ToPixels(coordinate(3) - coordinate(1), units_per_inch);
  return true;
}

}  // namespace

bool TMetafile::Measure(std::span<const std::uint8_t> file, int& width, int& height) {
  FrameSize size;
  if (!ReadEnhancedFrame(file, size) && !ReadPlaceableFrame(file, size)) return false;
  width = size.width;
  height = size.height;
  return true;
}

void TMetafile::WriteData(std::vector<std::uint8_t>& out) const {
  AppendCountedBlock(out, bytes(), kCountIncludesItself);
}

bool TMetafile::ReadData(std::span<const std::uint8_t> block) {
  std::span<const std::uint8_t> file;
  if (SplitCountedBlock(block, kCountIncludesItself, file)) return Assign(file);
  Assign({});
  return false;
}

bool TMetafile::Render(Bitmap& /*out*/) const { return false; }

}  // namespace plorvane
