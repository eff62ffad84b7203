#include "e2e/desktop_probe.h"

#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string_view>

#include "e2e/child_process.h"
#include "graphics/bmp_codec.h"
#include "support/file_io.h"
// Last: its macros (None, Bool, Status) would rewrite the headers above.
#include <X11/Xlib.h>

namespace plorvane::e2e {
namespace {

std::vector<WindowId> ParseWindowIds(const std::string& text) {
  std::vector<WindowId> ids;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty()) ids.push_back(std::stoul(line));
  }
  return ids;
}

std::vector<WindowId> SearchWindows(const std::string& search) {
  // xdotool answers with a failing status while nothing matches.
  const auto output = RunCommand("xdotool search --onlyvisible " + search + " 2>/dev/null");
  return output ? ParseWindowIds(*output) : std::vector<WindowId>{};
}

std::vector<WindowId> PollForWindows(const std::string& search, std::chrono::milliseconds timeout) {
  std::vector<WindowId> ids;
  WaitUntil(
      [&] {
        ids = SearchWindows(search);
        return !ids.empty();
      },
      timeout);
  return ids;
}

void Xdotool(const std::string& arguments) { static_cast<void>(RunCommand("xdotool " + arguments)); }

}  // namespace

std::vector<WindowId> VisibleWindows(pid_t pid) { return SearchWindows("--pid " + std::to_string(pid)); }

std::vector<WindowId> WaitForWindows(pid_t pid, std::chrono::milliseconds timeout) {
  return PollForWindows("--pid " + std::to_string(pid), timeout);
}

std::vector<WindowId> WaitForTitledWindows(const std::string& title, std::chrono::milliseconds timeout) {
  return PollForWindows("--name '^" + title + "$'", timeout);
}

std::string TitlePattern(const std::string& title) {
  std::string pattern;
  for (const char c : title) {
    if (std::string_view("()[]{}.*+?^$|\\").find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern;
}

std::optional<pid_t> WindowPid(WindowId window) {
  const auto answer = RunCommand("xdotool getwindowpid " + std::to_string(window) + " 2>/dev/null");
  if (!answer || answer->empty()) return std::nullopt;
  return static_cast<pid_t>(std::strtol(answer->c_str(), nullptr, 10));
}

void Raise(WindowId window) { Xdotool("windowraise " + std::to_string(window)); }

void MoveWindow(WindowId window, int left, int top) {
  Xdotool("windowmove " + std::to_string(window) + " " + std::to_string(left) + " " + std::to_string(top));
}

void ResizeWindow(WindowId window, int width, int height) {
  Xdotool("windowsize " + std::to_string(window) + " " + std::to_string(width) + " " + std::to_string(height));
}

std::optional<Rect> Geometry(WindowId window) {
  const auto output = RunCommand("xdotool getwindowgeometry --shell " + std::to_string(window));
  if (!output) return std::nullopt;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  std::istringstream lines(*output);
  for (std::string line; std::getline(lines, line);) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    const int value = std::stoi(line.substr(equals + 1));
    if (key == "X") x = value;
    if (key == "Y") y = value;
    if (key == "WIDTH") width = value;
    if (key == "HEIGHT") height = value;
  }
  return Rect::FromSize(x, y, width, height);
}

std::optional<Bitmap> Screenshot(const Rect& area) {
  const std::string file = "/tmp/plorvane-shot-" + std::to_string(::getpid()) + ".bmp";
  const std::string crop = std::to_string(area.width()) + "x" + std::to_string(area.height()) + "+" +
                           std::to_string(area.left) + "+" + std::to_string(area.top);
  if (!RunCommand("import -window root -crop " + crop + " BMP3:" + file)) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  const bool read = ReadWholeFile(file, bytes, 64 << 20) == FileResult::kOk;
  ::unlink(file.c_str());
  Bitmap shot;
  if (!read || !ReadBmp(bytes, shot)) return std::nullopt;
  return shot;
}

std::optional<Bitmap> WaitForScreenshot(const Rect& area, const std::function<bool(const Bitmap&)>& wanted,
                                        std::chrono::milliseconds timeout) {
  return WaitFor(
      [&] {
        auto shot = Screenshot(area);
        return shot && wanted(*shot) ? shot : std::nullopt;
      },
      timeout);
}

void MoveMouse(int x, int y) { Xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y)); }
std::optional<WindowId> WindowUnderMouse() {
  const auto answer = RunCommand("xdotool getmouselocation --shell 2>/dev/null");
  if (!answer) return std::nullopt;
  constexpr std::string_view kKey = "WINDOW=";
  const auto at = answer->find(kKey);
  if (at == std::string::npos) return std::nullopt;
  return std::strtoul(answer->c_str() + at + kKey.size(), nullptr, 10);
}
void PressButton(int button) { Xdotool("mousedown " + std::to_string(button)); }
void ReleaseButton(int button) { Xdotool("mouseup " + std::to_string(button)); }
void Click(int button) { Xdotool("click " + std::to_string(button)); }
void PressKey(const std::string& key) { Xdotool("key " + key); }
void Type(const std::string& text) { Xdotool("type --delay 20 '" + text + "'"); }
void Focus(WindowId window) { Xdotool("windowfocus --sync " + std::to_string(window)); }

void RequestClose(WindowId window) {
  const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  if (display == nullptr) return;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display.get(), window, False, NoEventMask, &event);
  XFlush(display.get());
}

bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
    }
  }
  return true;
}

}  // namespace plorvane::e2e
