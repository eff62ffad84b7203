// The symbol window's font view drawn by the Qt text renderer offscreen, with 72-pixel rows: the
// whole grid of codes 32 to 255 in one picture, and the five rows a window of the initial height
// shows (what each scroll step and each press redraws).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "platform/qt/qt_services.h"
#include "texttools/font_view_picture.h"

namespace plorvane {
namespace {

constexpr int kCell = 72;
constexpr int kRowCount = kLastSymbolCode - kFirstSymbolCode + 1;

// Text needs the font database of an application; one, offscreen, for the whole program.
void NeedApplication() {
  static int argc = 1;
  static char name[] = "symbol_grid_bench";
  static char* argv[] = {name, nullptr};
  static const auto application = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
  }();
}

FontViewScene Scene(int height) {
  FontViewScene scene;
  scene.font.name = "Wingdings";
  scene.cell_size = kCell;
  scene.top_index = kFirstSymbolCode;
  scene.item_index = 65;
  scene.height = height;
  return scene;
}

void DrawRows(benchmark::State& state, int height) {
  NeedApplication();
  const QtTextRenderer text;
  const FontViewScene scene = Scene(height);
  Bitmap view;
  for (auto _ : state) {
    if (!DrawFontView(scene, text, view)) state.SkipWithError("the view picture could not be made");
    benchmark::DoNotOptimize(view.bytes().data());
  }
  const RowRange rows = VisibleRows(scene.top_index, scene.height, scene.cell_size);
  state.SetItemsProcessed(state.iterations() * (rows.last - rows.first + 1));
}

void BM_SymbolGridAll224Rows72px(benchmark::State& state) { DrawRows(state, kRowCount * kCell); }
BENCHMARK(BM_SymbolGridAll224Rows72px)->Unit(benchmark::kMillisecond);

// 350 pixels less the menu bar, the tool panel and the status bar leave about 280.
void BM_SymbolGridWindowView72px(benchmark::State& state) { DrawRows(state, 280); }
BENCHMARK(BM_SymbolGridWindowView72px)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace plorvane
