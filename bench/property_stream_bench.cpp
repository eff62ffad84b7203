// A record with one 4 MiB binary entry, compressed as the card compresses its parts, written and
// read back; against copying the same bytes twice with the same compression around it.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "bench_payload.h"
#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "support/zip_handler.h"

namespace plorvane {
namespace {

class Carrier {
 public:
  static constexpr std::string_view kClassName = "TCarrier";
  static const PublishedProperties<Carrier>& Published() {
    static const auto properties = PublishedProperties<Carrier>().String("pData", &Carrier::pData);
    return properties;
  }
  std::string pData;
};

void BM_PropertyStreamWriteRead(benchmark::State& state) {
  const std::string payload = bench::MixedPayload(4 << 20);
  for (auto _ : state) {
    Carrier out;
    out.pData = payload;
    ZipHandler().CompressString(out.pData);
    MemoryStream stream;
    WriteObject(stream, out);
    stream.Seek(0);
    Carrier in;
    ReadObject(stream, in);
    ZipHandler().DecompressString(in.pData);
    benchmark::DoNotOptimize(in.pData.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(payload.size()));
}
BENCHMARK(BM_PropertyStreamWriteRead)->Unit(benchmark::kMillisecond);

void BM_CopyWithSameCompression(benchmark::State& state) {
  const std::string payload = bench::MixedPayload(4 << 20);
  for (auto _ : state) {
    std::string compressed = payload;
    ZipHandler().CompressString(compressed);
    std::string written(compressed.size(), '\0');
    std::memcpy(written.data(), compressed.data(), compressed.size());
    std::string read(written.size(), '\0');
    std::memcpy(read.data(), written.data(), written.size());
    ZipHandler().DecompressString(read);
    benchmark::DoNotOptimize(read.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(payload.size()));
}
BENCHMARK(BM_CopyWithSameCompression)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plorvane
