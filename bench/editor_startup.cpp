// Measures the built editor on a virtual display: the time from starting it to its splash on the
// screen, and to the strip and the new card's window painted; and its resident memory once
// start-up is done.
//
// Start-up shows the splash early, does the rest of its work, then holds the splash until more
// than a second has passed by the editor's clock, sleeping 50 ms between looks at it, before it
// shows the strip and the card. The screen cannot tell the end of the work from the start of the
// hold, and the hold is a second plus a part of its last step (a few ms, or 50 more when the
// twentieth look still reads 1000 ms), so it is timed as the editor's main thread shows it in
// /proc: the last unbroken run of its sleeps before the windows appear. That run is read every
// millisecond, so the hold taken off is at most about 2 ms short, and the time reported at most
// that long.
//
// The first start in a fresh home also unpacks the library files and writes the settings; it is
// reported apart from the ordinary starts that follow.
#include <sys/stat.h>
#include <sys/syscall.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "e2e/child_process.h"
#include "measure_support.h"

namespace plorvane {
namespace {

using bench::Milliseconds;
using bench::SteadyClock;
using namespace std::chrono_literals;

constexpr int kOrdinaryStarts = 7;
// Start-up holds the splash for more than this long once its work is done.
constexpr auto kSplashHold = 1000ms;
// Between two sleeps of the hold the editor only handles its pending events.
constexpr auto kHoldGap = 25ms;
constexpr auto kPatience = 30s;
// The screen's middle, where the splash shows before the card covers it.
constexpr Point kMiddle{e2e::VirtualDisplay::kWidth / 2, e2e::VirtualDisplay::kHeight / 2};
// Points of the strip (at 0,0, 640 wide) right of its last menu and of its last tool button.
constexpr Point kMenuBar{620, 4};
constexpr Point kToolBar{620, 32};

struct Start {
  double splash_ms = 0;
  // From the splash on the screen to the hold, and from the hold to the windows painted.
  double work_ms = 0;
  double show_ms = 0;
  double hold_ms = 0;
  // Less the splash hold.
  double windows_ms = 0;
  long resident_kb = 0;
  long peak_kb = 0;
};

struct Desktop {
  Display* display;
  unsigned long empty;

  [[nodiscard]] bool Shows(Point at) const { return bench::RootPixel(display, at) != empty; }
  [[nodiscard]] bool Empty() const { return !Shows(kMiddle) && !Shows(kMenuBar) && !Shows(kToolBar); }
  [[nodiscard]] bool Splash() const { return Shows(kMiddle) && bench::RootPixel(display, bench::RingPoint()) != bench::kOuterRing; }
  [[nodiscard]] bool Editor() const {
    return Shows(kMenuBar) && Shows(kToolBar) && bench::RootPixel(display, bench::RingPoint()) == bench::kOuterRing;
  }
};

// The last unbroken run of sleeps of a process's main thread, seen by sampling it.
class SleepWatch {
 public:
  explicit SleepWatch(pid_t pid) : syscall_file_("/proc/" + std::to_string(pid) + "/syscall") {}

  void Sample() {
    if (!Sleeping()) return;
    const auto now = SteadyClock::now();
    if (!last_seen_ || now - *last_seen_ > kHoldGap) run_start_ = now;
    last_seen_ = now;
  }
  [[nodiscard]] SteadyClock::time_point RunStart() const { return run_start_; }
  [[nodiscard]] SteadyClock::time_point RunEnd() const { return last_seen_.value_or(run_start_); }
  [[nodiscard]] SteadyClock::duration LastRun() const { return RunEnd() - RunStart(); }

 private:
  // The first field is the number of the system call the thread waits in.
  [[nodiscard]] bool Sleeping() const {
    std::ifstream file(syscall_file_);
    long call = -1;
    if (!(file >> call)) return false;
#ifdef SYS_nanosleep
    if (call == SYS_nanosleep) return true;
#endif
    return call == SYS_clock_nanosleep;
  }

  std::string syscall_file_;
  SteadyClock::time_point run_start_;
  std::optional<SteadyClock::time_point> last_seen_;
};

std::map<std::string, std::string> EditorEnvironment(const test::ScratchFolder& folder) {
  std::map<std::string, std::string> environment = bench::ProgramEnvironment(folder);
  environment["XDG_CONFIG_HOME"] = folder.File("config");
  environment["XDG_DATA_HOME"] = folder.File("data");
  // Qt wants a private runtime folder and warns without one.
  environment["XDG_RUNTIME_DIR"] = folder.File("runtime");
  ::mkdir(environment["XDG_RUNTIME_DIR"].c_str(), 0700);
  return environment;
}

std::optional<Start> MeasureStart(const Desktop& screen, const std::map<std::string, std::string>& environment) {
  // The windows of the editor before have gone from the screen.
  if (!bench::PollUntil([&] { return screen.Empty(); }, SteadyClock::now() + kPatience)) return std::nullopt;
  Start measured;
  const auto start = SteadyClock::now();
  e2e::ChildProcess editor(PLORVANE_EDITOR_FILE, {}, environment);
  if (!editor.started()) return std::nullopt;
  SleepWatch hold(editor.pid());
  const auto sampled = [&hold](bool shown) {
    hold.Sample();
    return shown;
  };
  if (!bench::PollUntil([&] { return sampled(screen.Splash()); }, start + kPatience)) return std::nullopt;
  const auto splash = SteadyClock::now();
  measured.splash_ms = Milliseconds(splash - start);
  if (!bench::PollUntil([&] { return sampled(screen.Editor()); }, start + kPatience)) return std::nullopt;
  const auto painted = SteadyClock::now();
  measured.hold_ms = Milliseconds(hold.LastRun());
  if (hold.LastRun() < kSplashHold - kHoldGap) {
    std::fprintf(stderr, "the splash hold was not seen (%.0f ms of sleeps)\n", measured.hold_ms);
    return std::nullopt;
  }
  measured.work_ms = Milliseconds(hold.RunStart() - splash);
  measured.show_ms = Milliseconds(painted - hold.RunEnd());
  measured.windows_ms = Milliseconds(painted - start - hold.LastRun());
  measured.resident_kb = bench::SettledKilobytes(editor.pid(), "VmRSS", SteadyClock::now() + kPatience).value_or(-1);
  measured.peak_kb = bench::StatusKilobytes(editor.pid(), "VmHWM").value_or(-1);
  return measured;
}

// "median M unit, worst W unit" of one figure over the starts.
template <typename Figure>
std::string MedianAndWorst(std::vector<Start> starts, Figure figure, double scale, const char* unit) {
  std::sort(starts.begin(), starts.end(), [&](const Start& a, const Start& b) { return figure(a) < figure(b); });
  char text[96];
  std::snprintf(text, sizeof text, "median %.1f %s, worst %.1f %s", figure(starts[starts.size() / 2]) / scale, unit,
                figure(starts.back()) / scale, unit);
  return text;
}

}  // namespace
}  // namespace plorvane

int main() {
  using namespace plorvane;
  const e2e::VirtualDisplay virtual_display;
  bench::RequireReady(virtual_display);
  const bench::DisplayConnection display = bench::Connect(virtual_display);
  const Desktop screen{display.get(), bench::RootPixel(display.get(), kMiddle)};
  const test::ScratchFolder folder;
  const std::map<std::string, std::string> environment = EditorEnvironment(folder);

  const std::optional<Start> first = MeasureStart(screen, environment);
  std::vector<Start> starts;
  for (int run = 0; first && run < kOrdinaryStarts; ++run) {
    const std::optional<Start> measured = MeasureStart(screen, environment);
    if (!measured) break;
    starts.push_back(*measured);
  }
  if (starts.size() != kOrdinaryStarts) {
    std::fprintf(stderr, "the editor's splash, strip or card window did not appear\n");
    return 1;
  }
  std::printf("first start in a fresh home: splash after %.0f ms, strip and card painted after %.0f ms less the %.0f ms hold, "
              "VmRSS %.1f MB, VmHWM %.1f MB\n",
              first->splash_ms, first->windows_ms, first->hold_ms, first->resident_kb / 1024.0, first->peak_kb / 1024.0);
  std::printf("ordinary starts (%d):\n", kOrdinaryStarts);
  std::printf("  start to splash on the screen: %s\n",
              MedianAndWorst(starts, [](const Start& s) { return s.splash_ms; }, 1, "ms").c_str());
  std::printf("  splash on the screen to the hold: %s\n",
              MedianAndWorst(starts, [](const Start& s) { return s.work_ms; }, 1, "ms").c_str());
  std::printf("  end of the hold to strip and card painted: %s\n",
              MedianAndWorst(starts, [](const Start& s) { return s.show_ms; }, 1, "ms").c_str());
  std::printf("  splash hold as the editor slept it: %s\n",
              MedianAndWorst(starts, [](const Start& s) { return s.hold_ms; }, 1, "ms").c_str());
  std::printf("  start to strip and card painted, less that hold: %s\n",
              MedianAndWorst(starts, [](const Start& s) { return s.windows_ms; }, 1, "ms").c_str());
  std::printf("  resident memory after start-up (VmRSS): %s\n",
              MedianAndWorst(starts, [](const Start& s) { return static_cast<double>(s.resident_kb); }, 1024, "MB").c_str());
  std::printf("  peak resident memory (VmHWM): %s\n",
              MedianAndWorst(starts, [](const Start& s) { return static_cast<double>(s.peak_kb); }, 1024, "MB").c_str());
  return 0;
}
