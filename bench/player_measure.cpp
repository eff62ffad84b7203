// Measures the built player on a virtual display: the time from starting a card executable to
// its first painted frame on the screen, and the processor share while a card with 20 moving
// elements plays for 10 seconds.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "animation/animation_group.h"
#include "bench_animations.h"
#include "e2e/card_maker.h"
#include "e2e/child_process.h"
#include "e2e/desktop_probe.h"
#include "e2e/virtual_display.h"
#include "scratch_folder.h"

namespace plorvane {
namespace {

using SteadyClock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRuns = 7;
constexpr auto kPlayTime = 10s;
// The new card's frame: 430 pixels square, centred, its outer ring in this colour.
constexpr int kCardSide = 430;
constexpr unsigned long kOuterRing = 0x3A6297;  // 58, 98, 151

std::string MovingCard(const test::ScratchFolder& folder) {
  const std::string path = folder.File("moving.exe");
  std::string error;
  if (!e2e::MakeCard(path, [](TZarvickV2& card) { bench::PlaceElements(card.Animations()); return true; }, error)) {
    std::fprintf(stderr, "cannot make the card: %s\n", error.c_str());
    std::exit(1);
  }
  return path;
}

// Polls one pixel of the card's outer ring until it shows.
bool WaitForFirstFrame(Display* display, SteadyClock::time_point deadline) {
  const int x = (e2e::VirtualDisplay::kWidth - kCardSide) / 2;
  const int y = (e2e::VirtualDisplay::kHeight - kCardSide) / 2 + kCardSide / 2;
  const Window root = DefaultRootWindow(display);
  while (SteadyClock::now() < deadline) {
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    const bool shown = image != nullptr && (XGetPixel(image, 0, 0) & 0xFFFFFF) == kOuterRing;
    if (image != nullptr) XDestroyImage(image);
    if (shown) return true;
    std::this_thread::sleep_for(1ms);
  }
  return false;
}

std::map<std::string, std::string> PlayerEnvironment(const test::ScratchFolder& folder) {
  return {{"HOME", folder.path()}, {"QT_QPA_PLATFORM", "xcb"}, {"SDL_AUDIODRIVER", "dummy"}};
}

}  // namespace
}  // namespace plorvane

int main() {
  using namespace plorvane;
  e2e::VirtualDisplay screen;
  if (!screen.ready()) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }
  const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(screen.name().c_str()), XCloseDisplay);
  const test::ScratchFolder folder;
  const std::string card = MovingCard(folder);

  std::vector<double> first_frame_ms;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = SteadyClock::now();
    e2e::ChildProcess player(card, {}, PlayerEnvironment(folder));
    if (!WaitForFirstFrame(display.get(), start + 10s)) {
      std::fprintf(stderr, "no frame appeared\n");
      return 1;
    }
    first_frame_ms.push_back(std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count());
  }
  std::sort(first_frame_ms.begin(), first_frame_ms.end());

  e2e::ChildProcess player(card, {}, PlayerEnvironment(folder));
  if (!WaitForFirstFrame(display.get(), SteadyClock::now() + 10s)) return 1;
  const auto before = player.CpuMicroseconds();
  std::this_thread::sleep_for(kPlayTime);
  const auto after = player.CpuMicroseconds();
  if (!before || !after) return 1;
  const double share = 100.0 * static_cast<double>(*after - *before) /
                       static_cast<double>(std::chrono::duration_cast<std::chrono::microseconds>(kPlayTime).count());

  std::printf("start to first frame: median %.0f ms (of %d runs, %.0f..%.0f ms)\n", first_frame_ms[kRuns / 2], kRuns,
              first_frame_ms.front(), first_frame_ms.back());
  std::printf("processor share, 20 moving elements for %lld s: %.1f %% of one core\n",
              static_cast<long long>(kPlayTime.count()), share);
  return 0;
}
