// The text insert window's picture of 1,000 lines of text, drawn with the Qt text renderer on the
// offscreen platform: the bare rendering, and the window's TextAsImage, which also moves the
// progress bar and lets pending events run after every line so Stop can answer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_services.h"
#include "texttools/text_rendering.h"
#include "texttools/ui/text_insert_window.h"

namespace plorvane {
namespace {

constexpr int kLines = 1000;
const Font kFont{"DejaVu Sans", 12};

// Text and widgets need an application; one, offscreen, for the whole program.
void NeedApplication() {
  static int argc = 1;
  static char name[] = "text_render_bench";
  static char* argv[] = {name, nullptr};
  static const auto application = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
  }();
}

std::string ThousandLines() {
  std::string text;
  for (int i = 0; i < kLines; ++i) {
    text += "Line " + std::to_string(i) + ": the quick brown fox jumps over the lazy dog\n";
  }
  return text;
}

void BM_RenderText1000Lines(benchmark::State& state) {
  NeedApplication();
  const QtTextRenderer renderer;
  const std::string text = ThousandLines();
  Bitmap bitmap;
  std::string error;
  for (auto _ : state) {
    if (!RenderText(renderer, text, kFont, bitmap, {}, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(bitmap);
  }
  state.counters["height"] = bitmap.height();
}
BENCHMARK(BM_RenderText1000Lines)->Unit(benchmark::kMillisecond);

void BM_TextInsertWindowTextAsImage1000Lines(benchmark::State& state) {
  NeedApplication();
  QtPlatform platform(nullptr);  // no sound is played here
  TTextInsertWindow window(platform);
  window.SetTextFont(kFont);
  window.SetText(ThousandLines());
  window.show();
  for (auto _ : state) {
    const Bitmap& image = window.TextAsImage();
    if (image.empty()) state.SkipWithError(window.LastError().c_str());
    benchmark::DoNotOptimize(image.bytes().data());
    window.ReleaseImage();
  }
}
BENCHMARK(BM_TextInsertWindowTextAsImage1000Lines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plorvane
