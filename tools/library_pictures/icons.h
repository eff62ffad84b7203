#pragma once
// The library's icons: each a 32 x 32 image with alpha and the same drawing halved to 16 x 16.

#include <string>
#include <vector>

#include "graphics/cursor_image.h"
#include "soft_paint.h"

namespace plorvane::art {

inline constexpr int kIconSide = 32;

struct IconArt {
  std::string name;  // what it shows, also its file name without ".ico"
  void (*draw)(Layer& icon);
};

// Every icon, each drawing itself on a clear kIconSide layer.
const std::vector<IconArt>& Icons();

// A frame at half its size, each pixel the coverage-weighted mean of four.
CursorFrame HalfSize(const CursorFrame& frame);

}  // namespace plorvane::art
