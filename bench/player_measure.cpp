// Measures the built player on a virtual display: the time from starting a card executable to
// its first painted frame on the screen; the processor share of the player and of the X server,
// and the player's peak memory, while a card with 20 moving elements plays for 10 seconds; and
// the real frame period of some of its elements, read off the screen.
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "animation/animation_group.h"
#include "bench_animations.h"
#include "e2e/card_maker.h"
#include "e2e/child_process.h"
#include "measure_support.h"

namespace plorvane {
namespace {

using bench::SteadyClock;
using bench::Milliseconds;
using namespace std::chrono_literals;

constexpr int kRuns = 7;
constexpr auto kPlayTime = 10s;
constexpr auto kWatchTime = 5s;
// Reading a one-pixel row through X takes well under this, so changes are timed to it.
constexpr auto kSampleStep = 250us;

// Elements that neither scroll nor flash, whose centre pixel changes with every frame; those of
// one row are read with one request.
struct Watched {
  int element;
  int interval;
};
constexpr Watched kWatched[] = {{4, 40}, {1, 50}, {2, 60}, {8, 40}, {7, 70}, {5, 50}};

std::string MovingCard(const test::ScratchFolder& folder, int& frame_width) {
  const std::string path = folder.File("moving.exe");
  std::string error;
  const bool made = e2e::MakeCard(
      path,
      [&frame_width](TZarvickV2& card) {
        bench::PlaceElements(card.Animations());
        frame_width = card.pSize();
        return true;
      },
      error);
  if (!made) {
    std::fprintf(stderr, "cannot make the card: %s\n", error.c_str());
    std::exit(1);
  }
  return path;
}

// Polls one pixel of the card's outer ring until it shows.
bool WaitForFirstFrame(Display* display, SteadyClock::time_point deadline) {
  return bench::PollUntil([display] { return bench::RootPixel(display, bench::RingPoint()) == bench::kOuterRing; }, deadline);
}

// Nanoseconds a process (all its threads) has run, from the scheduler's own count.
std::optional<long long> CpuNanoseconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/schedstat");
  long long nanoseconds = 0;
  if (!(stat >> nanoseconds)) return std::nullopt;
  return nanoseconds;
}

// The X server is this program's child named Xvfb.
std::optional<pid_t> XServerPid() {
  const std::unique_ptr<DIR, int (*)(DIR*)> proc(::opendir("/proc"), ::closedir);
  if (!proc) return std::nullopt;
  while (const dirent* entry = ::readdir(proc.get())) {
    const pid_t pid = static_cast<pid_t>(std::atol(entry->d_name));
    if (pid <= 0) continue;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos || text.find("(Xvfb)") == std::string::npos) continue;
    pid_t parent = 0;
    char state = 0;
    if (std::sscanf(text.c_str() + close + 1, " %c %d", &state, &parent) == 2 && parent == ::getpid()) return pid;
  }
  return std::nullopt;
}

struct FramePeriod {
  int frames = 0;
  double mean = 0;
  double worst = 0;
  // Beyond the element's own beat, taking its earliest frame as on time.
  double latest = 0;
};

FramePeriod PeriodOf(const std::vector<SteadyClock::time_point>& changes, int interval) {
  FramePeriod period;
  period.frames = static_cast<int>(changes.size());
  if (changes.size() < 3) return period;
  period.mean = Milliseconds(changes.back() - changes.front()) / static_cast<double>(changes.size() - 1);
  double earliest = 0;
  std::vector<double> offsets;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    if (i > 0) period.worst = std::max(period.worst, Milliseconds(changes[i] - changes[i - 1]));
    offsets.push_back(Milliseconds(changes[i] - changes.front()) - static_cast<double>(i) * interval);
    earliest = std::min(earliest, offsets.back());
  }
  for (const double offset : offsets) period.latest = std::max(period.latest, offset - earliest);
  return period;
}

// Reads the centre pixel of each watched element at a fixed fast pace and notes when it
// changes.
std::vector<FramePeriod> MeasureFramePeriods(Display* display, int frame_width) {
  const Window root = DefaultRootWindow(display);
  const int left = bench::CardCorner().x + frame_width;
  const int top = bench::CardCorner().y + frame_width;
  const int centre = bench::kElementSide / 2;
  const int row_width = 5 * 66;
  std::vector<std::optional<unsigned long>> last(std::size(kWatched));
  std::vector<std::vector<SteadyClock::time_point>> changes(std::size(kWatched));
  const auto end = SteadyClock::now() + kWatchTime;
  for (auto next = SteadyClock::now(); next < end; next += kSampleStep) {
    std::this_thread::sleep_until(next);
    for (int row = 0; row < 2; ++row) {
      XImage* image = XGetImage(display, root, left, top + row * 80 + centre, row_width, 1, AllPlanes, ZPixmap);
      if (image == nullptr) continue;
      const auto seen = SteadyClock::now();
      for (std::size_t i = 0; i < std::size(kWatched); ++i) {
        const int element = kWatched[i].element;
        if (element / 5 != row) continue;
        const unsigned long pixel = XGetPixel(image, (element % 5) * 66 + centre, 0) & 0xFFFFFF;
        if (last[i] && *last[i] != pixel) changes[i].push_back(seen);
        last[i] = pixel;
      }
      XDestroyImage(image);
    }
  }
  std::vector<FramePeriod> periods;
  for (std::size_t i = 0; i < std::size(kWatched); ++i) periods.push_back(PeriodOf(changes[i], kWatched[i].interval));
  return periods;
}

}  // namespace
}  // namespace plorvane

int main() {
  using namespace plorvane;
  const e2e::VirtualDisplay screen;
  bench::RequireReady(screen);
  const bench::DisplayConnection display = bench::Connect(screen);
  const std::optional<pid_t> server = XServerPid();
  const test::ScratchFolder folder;
  int frame_width = 0;
  const std::string card = MovingCard(folder, frame_width);

  std::vector<double> first_frame_ms;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = SteadyClock::now();
    e2e::ChildProcess player(card, {}, bench::ProgramEnvironment(folder));
    if (!WaitForFirstFrame(display.get(), start + 10s)) {
      std::fprintf(stderr, "no frame appeared\n");
      return 1;
    }
    first_frame_ms.push_back(Milliseconds(SteadyClock::now() - start));
  }
  std::sort(first_frame_ms.begin(), first_frame_ms.end());

  e2e::ChildProcess player(card, {}, bench::ProgramEnvironment(folder));
  if (!WaitForFirstFrame(display.get(), SteadyClock::now() + 10s)) return 1;
  const auto player_before = CpuNanoseconds(player.pid());
  const auto server_before = server ? CpuNanoseconds(*server) : std::nullopt;
  const auto started = SteadyClock::now();
  std::this_thread::sleep_for(kPlayTime);
  const auto player_after = CpuNanoseconds(player.pid());
  const auto server_after = server ? CpuNanoseconds(*server) : std::nullopt;
  const double played_ns = std::chrono::duration<double, std::nano>(SteadyClock::now() - started).count();
  if (!player_before || !player_after) return 1;
  const auto share = [played_ns](long long before, long long after) {
    return 100.0 * static_cast<double>(after - before) / played_ns;
  };

  std::printf("start to first frame: median %.0f ms (of %d runs, %.0f..%.0f ms)\n", first_frame_ms[kRuns / 2], kRuns,
              first_frame_ms.front(), first_frame_ms.back());
  std::printf("processor share, 20 moving elements for %lld s: player %.2f %% of one core", static_cast<long long>(kPlayTime.count()),
              share(*player_before, *player_after));
  if (server_before && server_after) std::printf(", X server %.2f %%", share(*server_before, *server_after));
  std::printf("\n");
  if (const auto peak = bench::StatusKilobytes(player.pid(), "VmHWM")) std::printf("player peak resident memory: %.1f MB\n", *peak / 1024.0);

  const std::vector<FramePeriod> periods = MeasureFramePeriods(display.get(), frame_width);
  std::printf("frame period on the screen over %lld s (set, frames, mean, worst, latest beyond its beat):\n",
              static_cast<long long>(kWatchTime.count()));
  for (std::size_t i = 0; i < periods.size(); ++i) {
    std::printf("  element %d, %d ms: %d frames, mean %.1f ms, worst %.1f ms, latest %.1f ms\n", kWatched[i].element,
                kWatched[i].interval, periods[i].frames, periods[i].mean, periods[i].worst, periods[i].latest);
  }
  return 0;
}
