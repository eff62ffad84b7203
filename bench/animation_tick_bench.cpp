// One animation tick as the card runs it (picture layer refreshed from the picture, due
// elements advanced, every element drawn) against a plain copy of the layer's pixel bytes.
// The tick should stay within 25 times the copy.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "animation/animation_group.h"
#include "graphics/bitmap.h"
#include "graphics/canvas.h"
#include "platform/clock.h"

namespace {

using plorvane::Bitmap;
using plorvane::MakeColour;

constexpr int kPictureSide = 330;
constexpr int kElementSide = 64;
constexpr int kElements = 20;
constexpr int kFrames = 4;
constexpr std::uint32_t kTimerInterval = 8;

Bitmap Picture() {
  Bitmap picture;
  if (!picture.Resize(kPictureSide, kPictureSide)) std::abort();
  for (int y = 0; y < kPictureSide; ++y) {
    for (int x = 0; x < kPictureSide; ++x) {
      picture.SetPixel(x, y, MakeColour(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 90));
    }
  }
  return picture;
}

// Frames with a key-coloured border and background so transparent elements skip about half
// of their pixels.
Bitmap Strip(std::uint32_t seed) {
  Bitmap strip;
  if (!strip.Resize(kElementSide * kFrames, kElementSide, plorvane::kWhite)) std::abort();
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
void PlaceElements(plorvane::TSAG& group) {
  for (int i = 0; i < kElements; ++i) {
    int index = -1;
    if (!group.AddFromBitmap(Strip(static_cast<std::uint32_t>(i + 1)), kElementSide, index)) std::abort();
    plorvane::TElementRec element;
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

void BM_AnimationTick(benchmark::State& state) {
  const Bitmap picture = Picture();
  Bitmap layer;
  if (!layer.Resize(kPictureSide, kPictureSide)) std::abort();
  plorvane::ManualClock clock;
  plorvane::TSAG group(clock);
  group.SetCanvas(&layer);
  PlaceElements(group);
  const plorvane::Rect whole{0, 0, kPictureSide, kPictureSide};
  for (auto _ : state) {
    clock.Advance(kTimerInterval);
    plorvane::CopyRect(picture, whole, layer, {0, 0});
    benchmark::DoNotOptimize(group.AdvanceDue());
    group.DrawAll();
    benchmark::DoNotOptimize(layer.scanline(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_AnimationTick);

void BM_PlainLayerCopy(benchmark::State& state) {
  const std::size_t bytes = Bitmap::StrideFor(kPictureSide) * kPictureSide;
  const std::vector<std::uint8_t> from(bytes, 0x5A);
  std::vector<std::uint8_t> to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlainLayerCopy);

}  // namespace
