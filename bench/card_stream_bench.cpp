// Saving and loading a rich card (a 330 x 330 JPEG picture, 1 MiB of WAV sound, 20 animations
// of 10 frames of 64 x 64) against zlib level 1 compressing and inflating the same payloads.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <vector>

#include "bench_payload.h"
#include "card/card.h"
#include "graphics/bmp_codec.h"
#include "graphics/jpeg_graphic.h"
#include "platform/headless/headless_platform.h"
#include "support/memory_tuning.h"

namespace plorvane {
namespace {

Bitmap Gradient(int width, int height, int seed) {
  Bitmap bitmap;
  (void)bitmap.Resize(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.SetPixel(x, y, MakeColour(static_cast<std::uint8_t>(x + seed), static_cast<std::uint8_t>(y * 2),
                                       static_cast<std::uint8_t>((x ^ y) + seed)));
    }
  }
  return bitmap;
}

struct RichCard {
  RichCard() {
    KeepLargeBuffersForReuse();  // as the programs do
    Picture picture;
    picture.SetGraphic(TJPEGImage::FromBitmap(Gradient(330, 330, 0), 75));
    picture.SaveData(payloads.emplace_back());
    card.SetCardPicture(std::move(picture));
    const std::string sound = bench::MixedPayload(1 << 20);
    card.SetSoundType(2);
    card.SetSoundData({sound.begin(), sound.end()});
    payloads.emplace_back(sound.begin(), sound.end());
    for (int i = 0; i < 20; ++i) {
      const Bitmap strip = Gradient(640, 64, i * 11);
      int index = -1;
      card.Animations().AddFromBitmap(strip, 64, index);
      TElementRec element;
      card.Animations().GetElement(index, element);
      element.Shown = true;
      card.Animations().SetElement(index, element);
      payloads.push_back(WriteBmp(strip));
    }
  }

  HeadlessPlatform platform;
  TZarvickV2 card{platform, CardMode::kEditor};
  std::vector<std::vector<std::uint8_t>> payloads;
};

RichCard& Rich() {
  static RichCard rich;
  return rich;
}

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& in) {
  uLongf size = compressBound(static_cast<uLong>(in.size()));
  std::vector<std::uint8_t> out(size);
  compress2(out.data(), &size, in.data(), static_cast<uLong>(in.size()), 1);
  out.resize(size);
  return out;
}

void BM_SaveRichCard(benchmark::State& state) {
  for (auto _ : state) {
    MemoryStream stream;
    Rich().card.SaveToStream(stream);
    benchmark::DoNotOptimize(stream.bytes().data());
  }
}
BENCHMARK(BM_SaveRichCard)->Unit(benchmark::kMillisecond);

void BM_ZlibDeflateSamePayloads(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& payload : Rich().payloads) benchmark::DoNotOptimize(Deflate(payload).data());
  }
}
BENCHMARK(BM_ZlibDeflateSamePayloads)->Unit(benchmark::kMillisecond);

void BM_LoadRichCard(benchmark::State& state) {
  MemoryStream saved;
  Rich().card.SaveToStream(saved);
  HeadlessPlatform platform;
  TZarvickV2 reader(platform, CardMode::kPlayer);
  for (auto _ : state) {
    saved.Seek(0);
    benchmark::DoNotOptimize(reader.LoadFromStream(saved));
  }
}
BENCHMARK(BM_LoadRichCard)->Unit(benchmark::kMillisecond);

void BM_ZlibInflateSamePayloads(benchmark::State& state) {
  std::vector<std::vector<std::uint8_t>> compressed;
  for (const auto& payload : Rich().payloads) compressed.push_back(Deflate(payload));
  for (auto _ : state) {
    for (std::size_t i = 0; i < compressed.size(); ++i) {
      std::vector<std::uint8_t> out(Rich().payloads[i].size());
      uLongf size = static_cast<uLongf>(out.size());
      uncompress(out.data(), &size, compressed[i].data(), static_cast<uLong>(compressed[i].size()));
      benchmark::DoNotOptimize(out.data());
    }
  }
}
BENCHMARK(BM_ZlibInflateSamePayloads)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plorvane
