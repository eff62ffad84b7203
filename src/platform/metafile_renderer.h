#pragma once
// Drawing metafile pictures. The core keeps metafiles byte for byte and cannot draw them itself;
// the platform draws them into pixels at the size the picture declares.

#include <cstdint>
#include <span>

#include "graphics/bitmap.h"

namespace plorvane {

class MetafileRenderer {
 public:
  virtual ~MetafileRenderer() = default;
  // The metafile scaled to width x height over white; false (and `out` unchanged) when the
  // platform cannot draw this file.
  virtual bool Render(std::span<const std::uint8_t> file, int width, int height, Bitmap& out) const = 0;
};

}  // namespace plorvane
