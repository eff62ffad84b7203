#pragma once
// Carrier bitmaps: uncompressed 24-bit bitmap files whose pixel bytes are a plain byte area that
// holds an archive box. The program brings its critical parts, library files and help pages
// inside itself this way.
//
//   bytes 0..53     file header (14) and information header (40), 334 pixels wide
//   bytes 54..153   100 lead-in bytes 0xFF
//   from byte 154   the archive: TBoxItem records back to back
//   after that      zero filler to the end of the pixel data (as many rows as the archive needs)
//
// The pixel bytes are never treated as an image, so a carrier must not be converted or scaled.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/box_item.h"
#include "support/zip_box.h"

namespace plorvane {

inline constexpr int kCarrierWidth = 334;
inline constexpr std::size_t kCarrierHeadersSize = 54;
inline constexpr std::size_t kCarrierLeadInSize = 100;
inline constexpr std::uint8_t kCarrierLeadInByte = 0xFF;
inline constexpr std::size_t kCarrierArchiveOffset = kCarrierHeadersSize + kCarrierLeadInSize;

// An item for the archive: the content compressed at the fastest level (method 1), both sizes
// filled in, no folder path. False when the content cannot be compressed or is larger than an
// item's 32-bit size fields allow.
bool PackBoxItem(std::string_view name, std::span<const std::uint8_t> content, TBoxItem& item);

// The archive: each item's record, with the object name "_1" the program's items carry.
std::vector<std::uint8_t> WriteArchive(std::span<const TBoxItem> items);

// The complete carrier bitmap file around an archive; empty when the archive is too large for a
// bitmap's size fields.
std::vector<std::uint8_t> WriteCarrierBitmap(std::span<const std::uint8_t> archive);

// Reads the archive of a carrier bitmap file into the box (not appending). The archive is looked
// for where an archive starts and then after the headers and lead-in, so a bare archive reads
// too. False with the box's LastError when no item can be read.
bool ReadCarrierBitmap(std::span<const std::uint8_t> carrier_file, TZipBox& box);

}  // namespace plorvane
