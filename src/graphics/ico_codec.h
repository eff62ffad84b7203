#pragma once
// ICO and CUR files: a directory of images, each either a DIB of twice the image height (the
// colour image, then a 1-bit AND mask) or a PNG file (with its own alpha).

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/cursor_error.h"
#include "graphics/cursor_image.h"

namespace plorvane {

inline constexpr std::uint16_t kIconFileType = 1;
inline constexpr std::uint16_t kCursorFileType = 2;

struct IconDirectoryEntry {
  int width = 0;  // 1..256; the file's 0 byte means 256
  int height = 0;
  // Cursors keep their hot spot in these two fields, icons their planes and bit count.
  std::uint16_t hot_spot_x = 0;
  std::uint16_t hot_spot_y = 0;
  std::uint32_t size = 0;
  std::uint32_t offset = 0;
};

struct IconDirectory {
  std::uint16_t type = 0;
  std::vector<IconDirectoryEntry> entries;
};

// True when the file starts like an icon or cursor directory.
bool LooksLikeIconFile(std::span<const std::uint8_t> file);

// Reads the header and the directory, checking that every listed image lies inside the file.
CursorError ReadIconDirectory(std::span<const std::uint8_t> file, IconDirectory& directory);

enum class IconChoice {
  kCursorSize,  // nearest to 32x32, the size desktops show cursors at
  kLargest,     // the largest, for drawing an icon as a picture
};

// Decodes one image of an ICO or CUR file, a DIB or a PNG of at most kMaxCursorSide a side,
// into `frame` (display_ms 0); ties between images of the same size go to the most bits per
// pixel (a PNG counting as none), then to the first listed. A cursor keeps the hot spot of its
// directory entry; an icon gets its centre, as Windows gives an icon used as a cursor. On
// failure `frame` is unchanged.
CursorError DecodeIconFile(std::span<const std::uint8_t> file, IconChoice choice, CursorFrame& frame);

}  // namespace plorvane
