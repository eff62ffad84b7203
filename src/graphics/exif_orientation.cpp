#include "graphics/exif_orientation.h"

#include <algorithm>
#include <array>
#include <optional>

#include "graphics/little_endian.h"

namespace plorvane {
namespace {

constexpr std::uint8_t kMarkerStart = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kExifSegment = 0xE1;  // APP1
constexpr std::array<std::uint8_t, 6> kExifHeader = {'E', 'x', 'i', 'f', 0, 0};
constexpr std::uint16_t kTiffMagic = 42;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::size_t kDirectoryEntrySize = 12;

// Markers that stand alone, without a length: TEM and the restart markers.
bool StandsAlone(std::uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

// Reads the fields of a TIFF block in the byte order its header names; every read is checked.
class TiffFields {
 public:
  explicit TiffFields(std::span<const std::uint8_t> tiff) : tiff_(tiff) {}

  [[nodiscard]] bool ReadByteOrder() {
    if (tiff_.size() < 2 || tiff_[0] != tiff_[1]) return false;
    if (tiff_[0] != 'I' && tiff_[0] != 'M') return false;
    big_endian_ = tiff_[0] == 'M';
    return true;
  }

  [[nodiscard]] std::optional<std::uint32_t> Read(std::size_t offset, std::size_t bytes) const {
    if (!le::Fits(tiff_.size(), offset, bytes)) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
      const std::size_t at = big_endian_ ? offset + i : offset + bytes - 1 - i;
      value = (value << 8) | tiff_[at];
    }
    return value;
  }

 private:
  std::span<const std::uint8_t> tiff_;
  bool big_endian_ = false;
};

std::optional<ExifOrientation> OrientationInTiff(std::span<const std::uint8_t> tiff) {
  TiffFields fields(tiff);
  if (!fields.ReadByteOrder() || fields.Read(2, 2) != kTiffMagic) return std::nullopt;
  const std::optional<std::uint32_t> directory = fields.Read(4, 4);
  if (!directory) return std::nullopt;
  const std::optional<std::uint32_t> count = fields.Read(*directory, 2);
  if (!count) return std::nullopt;
  for (std::size_t i = 0; i < *count; ++i) {
    // A 32-bit offset plus at most 65535 entries of 12 bytes cannot overflow a 64-bit size.
    const std::size_t entry = std::size_t{*directory} + 2 + i * kDirectoryEntrySize;
    const std::optional<std::uint32_t> tag = fields.Read(entry, 2);
    if (!tag) return std::nullopt;
    if (*tag != kOrientationTag) continue;
    const std::optional<std::uint32_t> value = fields.Read(entry + 8, 2);
    if (fields.Read(entry + 2, 2) != kShortType || fields.Read(entry + 4, 4) < 1u || !value || *value < 1 ||
        *value > 8)
      return std::nullopt;
    return static_cast<ExifOrientation>(*value);
  }
  return std::nullopt;
}

// The first Exif segment before the scan, without its 6-byte header.
std::optional<std::span<const std::uint8_t>> FindExifBlock(std::span<const std::uint8_t> jpeg) {
  if (jpeg.size() < 2 || jpeg[0] != kMarkerStart || jpeg[1] != kStartOfImage) return std::nullopt;
  std::size_t at = 2;
  for (;;) {
    if (at >= jpeg.size() || jpeg[at] != kMarkerStart) return std::nullopt;
    while (at < jpeg.size() && jpeg[at] == kMarkerStart) ++at;  // fill bytes
    if (at >= jpeg.size()) return std::nullopt;
    const std::uint8_t marker = jpeg[at++];
    if (marker == kStartOfScan || marker == kEndOfImage) return std::nullopt;
    if (StandsAlone(marker)) continue;
    if (!le::Fits(jpeg.size(), at, 2)) return std::nullopt;
    const std::size_t length = std::size_t{jpeg[at]} << 8 | jpeg[at + 1];
    if (length < 2 || !le::Fits(jpeg.size(), at, length)) return std::nullopt;
    const std::span<const std::uint8_t> segment = jpeg.subspan(at + 2, length - 2);
    if (marker == kExifSegment && segment.size() >= kExifHeader.size() &&
        std::equal(kExifHeader.begin(), kExifHeader.end(), segment.begin()))
      return segment.subspan(kExifHeader.size());
    at += length;
  }
}

}  // namespace

ExifOrientation ReadExifOrientation(std::span<const std::uint8_t> jpeg) {
  const std::optional<std::span<const std::uint8_t>> exif = FindExifBlock(jpeg);
  if (!exif) return ExifOrientation::kUpright;
  return OrientationInTiff(*exif).value_or(ExifOrientation::kUpright);
}

}  // namespace plorvane
