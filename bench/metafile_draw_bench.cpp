// A typical Windows metafile picture (60 groups of a brush, a filled polygon, a line and every
// fourth a text: 382 records with the end) read into commands, and read and drawn onto a 640 x 480 image by
// the Qt platform, as a card's picture is drawn.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "graphics/metafile_reader.h"
#include "graphics/metafile_samples.h"
#include "platform/qt/qt_metafiles.h"

namespace plorvane {
namespace {

constexpr int kShapes = 60;

// Text needs the font database of an application; one, offscreen, for the whole program.
void NeedApplication() {
  static int argc = 1;
  static char name[] = "metafile_draw_bench";
  static char* argv[] = {name, nullptr};
  static const auto application = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

void BM_ReadTypicalMetafile(benchmark::State& state) {
  const test::FileBytes file = test::TypicalWindowsMetafile(kShapes);
  for (auto _ : state) benchmark::DoNotOptimize(metafile::ReadMetafile(file));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_ReadTypicalMetafile);

void BM_DrawTypicalMetafile640x480(benchmark::State& state) {
  NeedApplication();
  const test::FileBytes file = test::TypicalWindowsMetafile(kShapes);
  const QtMetafiles metafiles;
  Bitmap out;
  for (auto _ : state) {
    if (!metafiles.Render(file, 640, 480, out)) state.SkipWithError("the metafile did not draw");
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_DrawTypicalMetafile640x480)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plorvane
