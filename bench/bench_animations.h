#pragma once
// The animations the drawing benchmarks place over their picture.

#include <cstdint>
#include <cstdlib>

#include "animation/animation_group.h"
#include "graphics/bitmap.h"

namespace plorvane::bench {

inline constexpr int kElementSide = 64;
inline constexpr int kElements = 20;
inline constexpr int kFrames = 4;

// Frames with a key-coloured border and background so transparent elements skip about half
// of their pixels.
inline Bitmap Strip(std::uint32_t seed) {
  Bitmap strip;
  if (!strip.Resize(kElementSide * kFrames, kElementSide, kWhite)) std::abort();
  std::uint32_t state = seed;
  for (int y = 0; y < kElementSide; ++y) {
    for (int x = 0; x < strip.width(); ++x) {
      state = state * 1664525U + 1013904223U;
      const int column = x % kElementSide;
      if ((column - 32) * (column - 32) + (y - 32) * (y - 32) < 26 * 26) strip.SetPixel(x, y, state >> 8);
    }
  }
  return strip;
}

// Twenty elements spread over the picture: every third transparent, every fourth mirrored,
// every fifth flipped, every sixth scrolling, each on its own interval.
inline void PlaceElements(TSAG& group) {
  for (int i = 0; i < kElements; ++i) {
    int index = -1;
    if (!group.AddFromBitmap(Strip(static_cast<std::uint32_t>(i + 1)), kElementSide, index)) std::abort();
    TElementRec element;
    group.GetElement(index, element);
    element.Shown = true;
    element.pX = (i % 5) * 66;
    element.pY = (i / 5) * 80;
    element.pD = 40 + 10 * (i % 4);
    element.pT = i % 3 == 0;
    element.pFH = i % 4 == 0;
    element.pFV = i % 5 == 0;
    element.pSH = i % 6 == 0 ? 10 : 0;
    element.pSV = i % 6 == 3 ? -10 : 0;
    group.SetElement(index, element);
  }
}

}  // namespace plorvane::bench
