#pragma once
// What the measurements of the built programs on a virtual display share: the display and its
// root pixels, the new card's frame on the screen, the environment the programs start in, their
// memory figures from /proc, and the clock. Include it last: Xlib's macros (None, Bool, Status)
// would rewrite the headers after it.

#include <sys/types.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "e2e/virtual_display.h"
#include "graphics/canvas.h"
#include "scratch_folder.h"
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace plorvane::bench {

using SteadyClock = std::chrono::steady_clock;

inline double Milliseconds(SteadyClock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// The new card's frame: 430 pixels square, centred, its outer ring in this colour.
inline constexpr int kCardSide = 430;
inline constexpr unsigned long kOuterRing = 0x3A6297;  // 58, 98, 151

inline Point CardCorner() {
  return {(e2e::VirtualDisplay::kWidth - kCardSide) / 2, (e2e::VirtualDisplay::kHeight - kCardSide) / 2};
}

// The middle of the card's left edge, on its outer ring.
inline Point RingPoint() { return {CardCorner().x, CardCorner().y + kCardSide / 2}; }

// Ends the measurement when its display server did not start.
inline void RequireReady(const e2e::VirtualDisplay& screen) {
  if (screen.ready()) return;
  std::fprintf(stderr, "Xvfb did not start\n");
  std::exit(1);
}

using DisplayConnection = std::unique_ptr<Display, int (*)(Display*)>;

inline DisplayConnection Connect(const e2e::VirtualDisplay& screen) {
  DisplayConnection display(XOpenDisplay(screen.name().c_str()), XCloseDisplay);
  if (!display) {
    std::fprintf(stderr, "cannot connect to %s\n", screen.name().c_str());
    std::exit(1);
  }
  return display;
}

// One pixel of the screen as 0xRRGGBB; 0 when it cannot be read.
inline unsigned long RootPixel(Display* display, Point at) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), at.x, at.y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return 0;
  const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

// Polls every millisecond, so a time taken once it holds is that close to the event; false when
// the deadline came first.
inline bool PollUntil(const std::function<bool()>& condition, SteadyClock::time_point deadline) {
  while (SteadyClock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

// A program started on the display: its own home, Qt on X, and a silent sound device.
inline std::map<std::string, std::string> ProgramEnvironment(const test::ScratchFolder& folder) {
  return {{"HOME", folder.path()}, {"QT_QPA_PLATFORM", "xcb"}, {"SDL_AUDIODRIVER", "dummy"}};
}

// A figure of /proc/PID/status in kB: "VmRSS" (resident now), "VmHWM" (the peak so far).
inline std::optional<long> StatusKilobytes(pid_t pid, std::string_view field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  const std::string prefix = std::string(field) + ":";
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(prefix)) return std::stol(line.substr(prefix.size()));
  }
  return std::nullopt;
}

// The figure once it has stayed the same for a second, or as it is at the deadline.
inline std::optional<long> SettledKilobytes(pid_t pid, std::string_view field, SteadyClock::time_point deadline) {
  constexpr int kSteadyReadings = 10;
  std::optional<long> last = StatusKilobytes(pid, field);
  for (int steady = 0; steady < kSteadyReadings && SteadyClock::now() < deadline;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::optional<long> now = StatusKilobytes(pid, field);
    steady = now == last ? steady + 1 : 0;
    last = now;
  }
  return last;
}

}  // namespace plorvane::bench
