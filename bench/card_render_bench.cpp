// The card's two drawing paths against a plain copy of as many pixel bytes: one painting
// animation tick (due elements advanced, picture layer rebuilt with 20 elements and the labels,
// shown in the window) and one full redraw with the widest frame.
#include <benchmark/benchmark.h>

#include "bench_animations.h"
#include "card/card.h"
#include "graphics/jpeg_graphic.h"
#include "plain_copy.h"
#include "platform/headless/headless_platform.h"

namespace plorvane {
namespace {

constexpr int kPictureSide = 330;

Picture JpegPicture() {
  Bitmap pixels;
  (void)pixels.Resize(kPictureSide, kPictureSide);
  for (int y = 0; y < kPictureSide; ++y) {
    for (int x = 0; x < kPictureSide; ++x) {
      pixels.SetPixel(x, y, MakeColour(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 90));
    }
  }
  Picture picture;
  picture.SetGraphic(TJPEGImage::FromBitmap(pixels, 75));
  return picture;
}

struct AnimatedCard {
  AnimatedCard() {
    card.SetCardPicture(JpegPicture());
    card.SetLink("http://www.example.org/greetings");
    bench::PlaceElements(card.Animations());
    card.Redraw(true);
  }
  HeadlessPlatform platform;
  TZarvickV2 card{platform, CardMode::kEditor};
};

void BM_CardAnimationTick(benchmark::State& state) {
  AnimatedCard animated;
  for (auto _ : state) {
    animated.platform.clock().Advance(TZarvickV2::kAnimationInterval);
    benchmark::DoNotOptimize(animated.card.Animations().AdvanceDue());
    animated.card.Redraw(false);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CardAnimationTick);

void BM_CopyPictureLayerBytes(benchmark::State& state) {
  bench::CopyBytes(state, Bitmap::StrideFor(kPictureSide) * kPictureSide);
}
BENCHMARK(BM_CopyPictureLayerBytes);

void BM_CardFullRedrawWidestFrame(benchmark::State& state) {
  AnimatedCard animated;
  animated.card.SetSize(TZarvickV2::kMaxFrameSize);
  for (auto _ : state) {
    animated.card.Redraw(true);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CardFullRedrawWidestFrame);

void BM_CopyFrameBitmapBytes(benchmark::State& state) {
  const int side = kPictureSide + 2 * TZarvickV2::kMaxFrameSize;
  bench::CopyBytes(state, Bitmap::StrideFor(side) * static_cast<std::size_t>(side));
}
BENCHMARK(BM_CopyFrameBitmapBytes);

}  // namespace
}  // namespace plorvane
