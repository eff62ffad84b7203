#include "graphics/ico_codec.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "graphics/dib_layout.h"
#include "graphics/little_endian.h"
#include "graphics/png_codec.h"

namespace plorvane {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kDibBitCountOffset = 14;
constexpr int kCursorSide = 32;

std::span<const std::uint8_t> ImageOf(std::span<const std::uint8_t> file, const IconDirectoryEntry& entry) {
  return file.subspan(entry.offset, entry.size);
}

// Larger keys are better choices.
std::tuple<int, int, int> ChoiceKey(std::span<const std::uint8_t> file, const IconDirectoryEntry& entry,
                                    IconChoice choice) {
  std::uint16_t depth = 0;
  if (!le::ReadU16(ImageOf(file, entry), kDibBitCountOffset, depth) || LooksLikePng(ImageOf(file, entry))) depth = 0;
  const int distance = choice == IconChoice::kCursorSize
                           ? std::abs(entry.width - kCursorSide) + std::abs(entry.height - kCursorSide)
                           : 0;
  return {-distance, entry.width * entry.height, depth};
}

bool MaskBit(const std::uint8_t* row, int x) { return ((row[x / 8] >> (7 - x % 8)) & 1) != 0; }

// Windows draws a masked pixel as (screen AND mask) XOR colour. A BGRA frame can hold the two
// common cases exactly (opaque colour, and transparent where the colour is black); a pixel
// that inverts the screen is kept as it looks over white, so inverting outlines stay visible.
void ApplyMask(bool masked, std::uint8_t* pixel) {
  if (!masked) {
    pixel[3] = 0xFF;
  } else if (pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0) {
    pixel[3] = 0;
  } else {
    for (int channel = 0; channel < 3; ++channel) pixel[channel] = static_cast<std::uint8_t>(~pixel[channel]);
    pixel[3] = 0xFF;
  }
}

// The DIB of one directory image: colour rows then mask rows, both bottom-up.
CursorError DecodeDib(std::span<const std::uint8_t> image, CursorFrame& frame) {
  DibLayout layout;
  if (!ReadDibLayout(image, layout) || layout.top_down || layout.run_length || layout.height % 2 != 0)
    return CursorError::kBadHeader;
  const int width = layout.width;
  const int height = layout.height / 2;
  if (width == 0 || height == 0) return CursorError::kBadHeader;
  if (width > kMaxCursorSide || height > kMaxCursorSide) return CursorError::kTooLarge;

  // Both sides are at most 256, so none of these products can overflow.
  const auto rows = static_cast<std::size_t>(height);
  const std::size_t colour_bytes = layout.stride * rows;
  const std::size_t mask_stride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  if (!le::Fits(image.size(), layout.pixel_offset, colour_bytes + mask_stride * rows)) return CursorError::kTruncated;
  const std::uint8_t* colour_rows = image.data() + layout.pixel_offset;
  const std::uint8_t* mask_rows = colour_rows + colour_bytes;

  const auto columns = static_cast<std::size_t>(width);
  std::vector<std::uint8_t> bgra(columns * rows * 4);
  std::vector<std::uint8_t> bgr(columns * 3);
  // Only 32-bit pixels without channel masks carry alpha in their fourth byte; older icons
  // leave it all zero and rely on the mask.
  const bool may_have_alpha = layout.bits_per_pixel == 32 && !layout.bit_fields;
  bool has_alpha = false;
  for (std::size_t row = 0; row < rows; ++row) {
    const std::uint8_t* in = colour_rows + row * layout.stride;
    DecodeDibRow(layout, in, bgr.data());
    std::uint8_t* out = bgra.data() + (rows - 1 - row) * columns * 4;
    for (std::size_t x = 0; x < columns; ++x) {
      std::copy_n(bgr.data() + x * 3, 3, out + x * 4);
      out[x * 4 + 3] = may_have_alpha ? in[x * 4 + 3] : 0;
      has_alpha = has_alpha || out[x * 4 + 3] != 0;
    }
  }
  if (!has_alpha) {
    for (std::size_t row = 0; row < rows; ++row) {
      const std::uint8_t* mask = mask_rows + row * mask_stride;
      std::uint8_t* out = bgra.data() + (rows - 1 - row) * columns * 4;
      for (int x = 0; x < width; ++x) ApplyMask(MaskBit(mask, x), out + static_cast<std::size_t>(x) * 4);
    }
  }
  frame.width = width;
  frame.height = height;
  frame.bgra = std::move(bgra);
  return CursorError::kNone;
}

// A PNG image keeps its own size, whatever the directory says, as Windows draws it.
CursorError DecodePngImage(std::span<const std::uint8_t> image, CursorFrame& frame) {
  BgraImage decoded;
  // A larger side is refused before its pixels are decoded.
  if (!DecodePng(image, kMaxCursorSide, decoded)) return CursorError::kBadHeader;
  frame.width = decoded.width;
  frame.height = decoded.height;
  frame.bgra = std::move(decoded.bgra);
  return CursorError::kNone;
}

}  // namespace

bool LooksLikeIconFile(std::span<const std::uint8_t> file) {
  std::uint16_t reserved = 1;
  std::uint16_t type = 0;
  return le::ReadU16(file, 0, reserved) && le::ReadU16(file, 2, type) && reserved == 0 &&
         (type == kIconFileType || type == kCursorFileType);
}

CursorError ReadIconDirectory(std::span<const std::uint8_t> file, IconDirectory& directory) {
  if (!LooksLikeIconFile(file)) return CursorError::kNotACursor;
  std::uint16_t type = 0;
  std::uint16_t count = 0;
  if (!le::ReadU16(file, 2, type) || !le::ReadU16(file, 4, count)) return CursorError::kTruncated;
  if (count == 0) return CursorError::kBadHeader;
  if (!le::Fits(file.size(), kHeaderSize, std::size_t{count} * kEntrySize)) return CursorError::kTruncated;

  IconDirectory read;
  read.type = type;
  read.entries.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kHeaderSize + i * kEntrySize;
    IconDirectoryEntry entry;
    entry.width = file[at] == 0 ? 256 : file[at];
    entry.height = file[at + 1] == 0 ? 256 : file[at + 1];
    if (!le::ReadU16(file, at + 4, entry.hot_spot_x) || !le::ReadU16(file, at + 6, entry.hot_spot_y) ||
        !le::ReadU32(file, at + 8, entry.size) || !le::ReadU32(file, at + 12, entry.offset) ||
        !le::Fits(file.size(), entry.offset, entry.size))
      return CursorError::kTruncated;
    read.entries.push_back(entry);
  }
  directory = std::move(read);
  return CursorError::kNone;
}

CursorError DecodeIconFile(std::span<const std::uint8_t> file, IconChoice choice, CursorFrame& frame) {
  IconDirectory directory;
  if (const CursorError error = ReadIconDirectory(file, directory); error != CursorError::kNone) return error;
  // max_element answers the first of equally good images.
  const auto chosen = std::max_element(
      directory.entries.begin(), directory.entries.end(),
      [&](const auto& a, const auto& b) { return ChoiceKey(file, a, choice) < ChoiceKey(file, b, choice); });
  const std::span<const std::uint8_t> image = ImageOf(file, *chosen);

  CursorFrame decoded;
  if (const CursorError error = LooksLikePng(image) ? DecodePngImage(image, decoded) : DecodeDib(image, decoded);
      error != CursorError::kNone)
    return error;
  if (directory.type == kCursorFileType) {
    if (chosen->hot_spot_x >= decoded.width || chosen->hot_spot_y >= decoded.height) return CursorError::kBadHotSpot;
    decoded.hot_spot = {chosen->hot_spot_x, chosen->hot_spot_y};
  } else {
    decoded.hot_spot = {decoded.width / 2, decoded.height / 2};
  }
  frame = std::move(decoded);
  return CursorError::kNone;
}

}  // namespace plorvane
