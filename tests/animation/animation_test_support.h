#pragma once
// Strips for the animation tests, and the scratch folders they are saved in.

#include <cstdint>
#include <cstdlib>

#include "graphics/bitmap.h"
#include "scratch_folder.h"

namespace plorvane::test {

// Every pixel differs from its neighbours and `seed` tells strips apart, so a lost or moved
// pixel shows. Noisy enough that the compressed strip takes the long string form.
inline Bitmap NoisyStrip(int width, int height, std::uint32_t seed = 1) {
  Bitmap bitmap;
  if (!bitmap.Resize(width, height)) std::abort();
  std::uint32_t state = seed * 2654435761U + 12345U;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      state = state * 1664525U + 1013904223U;
      bitmap.SetPixel(x, y, state >> 8);
    }
  }
  return bitmap;
}

}  // namespace plorvane::test
