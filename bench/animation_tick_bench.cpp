// One animation tick as the card runs it (picture layer refreshed from the picture, due
// elements advanced, every element drawn) against a plain copy of the layer's pixel bytes.
// The tick should stay within 25 times the copy.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

#include "animation/animation_group.h"
#include "bench_animations.h"
#include "graphics/bitmap.h"
#include "graphics/canvas.h"
#include "plain_copy.h"
#include "platform/clock.h"

namespace {

using plorvane::Bitmap;
using plorvane::MakeColour;

constexpr int kPictureSide = 330;
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

void BM_AnimationTick(benchmark::State& state) {
  const Bitmap picture = Picture();
  Bitmap layer;
  if (!layer.Resize(kPictureSide, kPictureSide)) std::abort();
  plorvane::ManualClock clock;
  plorvane::TSAG group(clock);
  group.SetCanvas(&layer);
  plorvane::bench::PlaceElements(group);
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
  plorvane::bench::CopyBytes(state, Bitmap::StrideFor(kPictureSide) * kPictureSide);
}
BENCHMARK(BM_PlainLayerCopy);

}  // namespace
