#pragma once
// A width and height in pixels.

namespace plorvane {

struct PixelSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

}  // namespace plorvane
