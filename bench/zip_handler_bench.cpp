// The compression helper against plain zlib calls on the same 4 MiB of card-like data.

#include <benchmark/benchmark.h>
#define ZLIB_CONST
#include <zlib.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "streaming/memory_stream.h"
#include "support/zip_handler.h"

namespace {

constexpr std::size_t kSize = 4 << 20;

// Half a 24-bit gradient picture with mild noise, half text-like bytes: made deterministically
// so every run measures the same work.
const std::string& SampleData() {
  static const std::string data = [] {
    std::string bytes;
    bytes.reserve(kSize);
    std::uint32_t state = 2024;
    const auto next = [&state] { return state = state * 1664525U + 1013904223U; };
    constexpr int kWidth = 1024;
    for (std::size_t pixel = 0; bytes.size() < kSize / 2; ++pixel) {
      const auto x = static_cast<int>(pixel % kWidth);
      const auto y = static_cast<int>(pixel / kWidth);
      bytes += static_cast<char>((x / 4 + (next() >> 30)) & 0xFF);
      bytes += static_cast<char>((y / 3) & 0xFF);
      bytes += static_cast<char>(((x + y) / 8) & 0xFF);
    }
    const char* const words[] = {"card ", "animation ", "frame ", "Joy ", "greeting ", "sound ", "the ", "a "};
    while (bytes.size() < kSize) {
      bytes += words[next() >> 29];
      if ((next() >> 28) == 0) bytes += "\r\n";
    }
    bytes.resize(kSize);
    return bytes;
  }();
  return data;
}

std::vector<std::uint8_t> SampleBytes() { return {SampleData().begin(), SampleData().end()}; }

std::string CompressedSample() {
  std::string text = SampleData();
  plorvane::ZipHandler().CompressString(text);
  return text;
}

void BM_HandlerCompressStream(benchmark::State& state) {
  const auto bytes = SampleBytes();
  plorvane::MemoryStream stream;
  for (auto _ : state) {
    state.PauseTiming();
    stream.Clear();
    stream.Write(bytes);
    state.ResumeTiming();
    if (!plorvane::ZipHandler().CompressStream(stream)) state.SkipWithError("compression failed");
    benchmark::DoNotOptimize(stream.bytes().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

void BM_ZlibCompress(benchmark::State& state) {
  const auto bytes = SampleBytes();
  for (auto _ : state) {
    std::vector<Bytef> out(compressBound(bytes.size()));
    uLongf length = out.size();
    if (compress2(out.data(), &length, bytes.data(), bytes.size(), 1) != Z_OK) state.SkipWithError("zlib failed");
    out.resize(length);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

void BM_HandlerDecompressStream(benchmark::State& state) {
  const std::string compressed = CompressedSample();
  const std::span<const std::uint8_t> input(reinterpret_cast<const std::uint8_t*>(compressed.data()),
                                            compressed.size());
  plorvane::MemoryStream stream;
  for (auto _ : state) {
    state.PauseTiming();
    stream.Clear();
    stream.Write(input);
    stream.Seek(0);
    state.ResumeTiming();
    if (!plorvane::ZipHandler().DecompressStream(stream)) state.SkipWithError("decompression failed");
    benchmark::DoNotOptimize(stream.bytes().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

void BM_HandlerDecompressString(benchmark::State& state) {
  const std::string compressed = CompressedSample();
  for (auto _ : state) {
    state.PauseTiming();
    std::string text = compressed;
    state.ResumeTiming();
    if (!plorvane::ZipHandler().DecompressString(text)) state.SkipWithError("decompression failed");
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

// The baseline knows the output size in advance, which the helper cannot.
void BM_ZlibInflate(benchmark::State& state) {
  const std::string compressed = CompressedSample();
  for (auto _ : state) {
    std::vector<Bytef> out(kSize);
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<const Bytef*>(compressed.data());
    z.avail_in = static_cast<uInt>(compressed.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    if (inflate(&z, Z_FINISH) != Z_STREAM_END) state.SkipWithError("zlib failed");
    inflateEnd(&z);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

BENCHMARK(BM_HandlerCompressStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibCompress)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandlerDecompressStream)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandlerDecompressString)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibInflate)->Unit(benchmark::kMillisecond);

}  // namespace
