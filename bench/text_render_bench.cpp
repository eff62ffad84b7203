// The text insert window's picture of 1,000 lines of text, drawn with the Qt text renderer on the
// offscreen platform: the bare rendering, and the window's TextAsImage, which also moves the
// progress bar and lets pending events run after every line so Stop can answer. And how well the
// window answers meanwhile: the longest it goes without running its events while 1,000 and
// 5,000 lines render, and how long a Stop pressed during the rendering takes to end it (the
// window should repaint and answer Stop within 100 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_services.h"
#include "texttools/text_rendering.h"
#include "texttools/ui/text_insert_commands.h"
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

std::string Lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += "Line " + std::to_string(i) + ": the quick brown fox jumps over the lazy dog\n";
  }
  return text;
}

std::string ThousandLines() { return Lines(kLines); }

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

using WallClock = std::chrono::steady_clock;

double Milliseconds(WallClock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// A window showing `lines` lines of text, shown so that it repaints for real.
std::unique_ptr<TTextInsertWindow> WindowWithLines(QtPlatform& platform, int lines) {
  auto window = std::make_unique<TTextInsertWindow>(platform);
  window->SetTextFont(kFont);
  window->SetText(Lines(lines));
  window->show();
  return window;
}

// A timer of no interval fires at every turn of the event loop that the rendering lets run; the
// longest time between two turns while Stop is enabled (from the start of TextAsImage) is the
// longest a repaint or a Stop press waits while the text renders. From the last of those turns
// until TextAsImage returns the window ends the rendering and leaves its busy state (finish_ms).
void BM_TextInsertWindowLongestEventGap(benchmark::State& state) {
  NeedApplication();
  QtPlatform platform(nullptr);
  const auto window = WindowWithLines(platform, static_cast<int>(state.range(0)));
  std::vector<WallClock::time_point> turns;
  QTimer turn;
  turn.setInterval(0);
  QObject::connect(&turn, &QTimer::timeout, [&turns, &window] {
    if (window->Button(text_insert::kStop).isEnabled()) turns.push_back(WallClock::now());
  });
  double longest = 0;
  double finish = 0;
  for (auto _ : state) {
    turns.clear();
    turns.push_back(WallClock::now());
    turn.start();
    const Bitmap& image = window->TextAsImage();
    turns.push_back(WallClock::now());
    turn.stop();
    if (image.empty()) state.SkipWithError(window->LastError().c_str());
    window->ReleaseImage();
    for (std::size_t i = 1; i + 1 < turns.size(); ++i) longest = std::max(longest, Milliseconds(turns[i] - turns[i - 1]));
    finish = std::max(finish, Milliseconds(turns.back() - turns[turns.size() - 2]));
  }
  state.counters["longest_gap_ms"] = longest;
  state.counters["finish_ms"] = finish;
}
BENCHMARK(BM_TextInsertWindowLongestEventGap)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// Stop is pressed 50 ms into the rendering of 5,000 lines (a timer due then, as a user's press
// would be); the figure is from that moment to the rendering's end.
void BM_TextInsertWindowStopAnswer(benchmark::State& state) {
  NeedApplication();
  QtPlatform platform(nullptr);
  const auto window = WindowWithLines(platform, 5000);
  constexpr auto kPressAfter = std::chrono::milliseconds(50);
  double slowest = 0;
  for (auto _ : state) {
    const auto pressed = WallClock::now() + kPressAfter;
    QTimer::singleShot(kPressAfter, [&window] { window->Click(text_insert::kStop); });
    const Bitmap& image = window->TextAsImage();
    const auto ended = WallClock::now();
    if (!image.empty() || window->LastError() != "Task cancelled") state.SkipWithError("the rendering was not stopped");
    window->ReleaseImage();
    slowest = std::max(slowest, Milliseconds(ended - pressed));
  }
  state.counters["slowest_stop_ms"] = slowest;
}
BENCHMARK(BM_TextInsertWindowStopAnswer)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plorvane
