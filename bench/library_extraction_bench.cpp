// The first start's extraction of the library the editor carries: every sample file written into
// a fresh set of library folders.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "editor/main_form.h"
#include "editor/resources/embedded_carriers.h"
#include "editor/support_files.h"

namespace plorvane {
namespace {

void BM_ExtractTheLibrary(benchmark::State& state) {
  const EditorCarriers carriers = EmbeddedCarriers();
  const std::filesystem::path base = std::filesystem::temp_directory_path() / "plorvane-library-bench";
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove_all(base);
    state.ResumeTiming();
    std::string error;
    if (!Extract_supFiles(carriers.support, base.string() + "/", error)) state.SkipWithError(error.c_str());
  }
  std::filesystem::remove_all(base);
}
BENCHMARK(BM_ExtractTheLibrary)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plorvane

BENCHMARK_MAIN();
