#pragma once
// Bitmaps for the graphics tests.

#include <cstdint>
#include <cstdlib>

#include "graphics/bitmap.h"

namespace plorvane::test {

// Every pixel a different colour, so any misplaced pixel shows.
inline Bitmap PatternBitmap(int width, int height) {
  Bitmap bitmap;
  if (!bitmap.Resize(width, height)) std::abort();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.SetPixel(x, y, MakeColour(static_cast<std::uint8_t>(x * 7 + 1), static_cast<std::uint8_t>(y * 11 + 2),
                                       static_cast<std::uint8_t>(x * y + 3)));
  return bitmap;
}

// Smooth colours, which JPEG keeps close.
inline Bitmap GradientBitmap(int width, int height) {
  Bitmap bitmap;
  if (!bitmap.Resize(width, height)) std::abort();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.SetPixel(x, y, MakeColour(static_cast<std::uint8_t>(x * 255 / width), static_cast<std::uint8_t>(y * 255 / height),
                                       static_cast<std::uint8_t>(128)));
  return bitmap;
}

}  // namespace plorvane::test
