#include "e2e/weston_display.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "e2e/display_start_lock.h"
#include "e2e/socket_probe.h"
#include "e2e/wait.h"

namespace plorvane::e2e {
namespace {

constexpr const char* kSocket = "wayland-plorvane";
// A plain desktop: no panel over the top of the screen, no lock screen after idle time, and no
// animations between a window's mapping and its final place and pixels.
constexpr const char* kConfig =
    "[shell]\n"
    "panel-position=none\n"
    "locking=false\n"
    "animation=none\n"
    "close-animation=none\n"
    "startup-animation=none\n"
    "focus-animation=none\n";
// What Weston logs once it has bound the X display's sockets; XWayland starts on the first client.
constexpr std::string_view kListening = "xserver listening on display :";

std::string TextOf(const std::string& path) {
  std::ifstream file(path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The X display number the log names; nothing before Weston has written it.
std::optional<std::string> XDisplayNumber(const std::string& log) {
  const auto at = log.find(kListening);
  if (at == std::string::npos) return std::nullopt;
  const auto begin = at + kListening.size();
  auto end = begin;
  while (end < log.size() && std::isdigit(static_cast<unsigned char>(log[end])) != 0) ++end;
  if (end == begin) return std::nullopt;
  return log.substr(begin, end - begin);
}

// True once XWayland answers an X client on `display` with the whole screen. Weston holds the
// display's sockets itself and starts XWayland for the first client, so this also starts it.
bool XAnswers(const std::string& display) {
  const auto size = RunCommand("DISPLAY=" + display + " xdotool getdisplaygeometry 2>/dev/null");
  return size == std::to_string(WestonDisplay::kWidth) + " " + std::to_string(WestonDisplay::kHeight) + "\n";
}

// The windows in Weston's scene graph, which lists every view as
//   View 0 (role ..., top-level window 'Title', 0x55d0c0e8a8f0):
//           position: (265, 137) -> (759, 631)
//           [opaque: (296, 168) -> (728, 600)]
// Weston's window manager marks an X window's own area opaque with one pixel to spare on every
// side; a window with an alpha channel has no opaque area and is left out.
std::vector<ShownWindow> ParseSceneGraph(const std::string& text) {
  constexpr std::string_view kTitleStart = "top-level window '";
  std::vector<ShownWindow> shown;
  std::optional<std::string> title;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("View ") != std::string::npos) {
      const auto start = line.find(kTitleStart);
      const auto end = line.rfind("', ");
      title.reset();
      if (start != std::string::npos && end != std::string::npos && end >= start + kTitleStart.size()) {
        title = line.substr(start + kTitleStart.size(), end - start - kTitleStart.size());
      }
      continue;
    }
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    if (title && std::sscanf(line.c_str(), " [opaque: (%d, %d) -> (%d, %d)]", &left, &top, &right, &bottom) == 4) {
      shown.push_back({*title, Rect{left + 1, top + 1, right - 1, bottom - 1}});
      title.reset();
    }
  }
  return shown;
}

// The folder of every X server's sockets, shared by all users: XWayland needs it sticky and
// world-writable, as X servers make it when they are first on the machine.
void EnsureXSocketFolder() {
  constexpr const char* kFolder = "/tmp/.X11-unix";
  if (::mkdir(kFolder, 01777) == 0) ::chmod(kFolder, 01777);  // past the umask
}

}  // namespace

WestonDisplay::WestonDisplay() {
  if (!host_.ready()) return;
  // As with Xvfb, a server someone else starts on the same number at the same moment can make
  // a start fail; the next one picks another number.
  constexpr int kAttempts = 5;
  for (int attempt = 0; attempt < kAttempts && !ready_; ++attempt) ready_ = Start();
  if (ready_) ::setenv("DISPLAY", environment_.at("DISPLAY").c_str(), 1);
}

std::string WestonDisplay::Log() const { return TextOf(folder_.File("weston.log")); }

std::vector<ShownWindow> WestonDisplay::ShownWindows() const {
  if (!ready_) return {};
  const auto graph = RunCommand("XDG_RUNTIME_DIR='" + environment_.at("XDG_RUNTIME_DIR") + "' WAYLAND_DISPLAY=" +
                                kSocket + " weston-debug scene-graph 2>/dev/null");
  return graph ? ParseSceneGraph(*graph) : std::vector<ShownWindow>{};
}

void WestonDisplay::HostXdotool(const std::string& arguments) const {
  static_cast<void>(RunCommand("DISPLAY=" + host_.name() + " xdotool " + arguments));
}

// Weston's screen window is the only window on the host display, at its origin, at scale 1.
// Weston gives a window the pointer only when the pointer comes onto it, not when the window
// appears under a resting pointer.
void WestonDisplay::MoveMouse(Point at) const {
  HostXdotool("mousemove " + std::to_string(at.x) + " " + std::to_string(at.y));
}
void WestonDisplay::PressButton(int button) const { HostXdotool("mousedown " + std::to_string(button)); }
void WestonDisplay::ReleaseButton(int button) const { HostXdotool("mouseup " + std::to_string(button)); }

bool WestonDisplay::Start() {
  // Weston takes the first free X display number while it starts. --debug lets ShownWindows
  // read the scene graph.
  const DisplayStartLock lock;
  server_.reset();
  environment_.clear();
  // Weston wants a runtime folder that only its user can enter; a fresh one for every try.
  const std::string runtime = folder_.File("runtime");
  std::error_code ignored;
  std::filesystem::remove_all(runtime, ignored);
  std::filesystem::remove(folder_.File("weston.log"), ignored);
  if (::mkdir(runtime.c_str(), 0700) != 0) return false;
  EnsureXSocketFolder();
  const std::string config = folder_.Write("weston.ini", kConfig);
  server_ = std::make_unique<ChildProcess>(
      "/usr/bin/weston",
      std::vector<std::string>{"--backend=x11-backend.so", "--use-pixman", "--shell=desktop-shell.so", "--xwayland", "--debug",
                               std::string("--socket=") + kSocket, "--width=" + std::to_string(kWidth),
                               "--height=" + std::to_string(kHeight), "--idle-time=0", "--config=" + config,
                               "--log=" + folder_.File("weston.log")},
      std::map<std::string, std::string>{{"XDG_RUNTIME_DIR", runtime}, {"DISPLAY", host_.name()}});
  if (!server_->started()) return false;

  std::optional<std::string> number;
  WaitUntil([&] {
    number = XDisplayNumber(Log());
    return number.has_value() || !server_->Running();
  });
  if (!number) return false;
  const std::string display = ":" + *number;
  const bool answers = WaitUntil([&] {
    return !server_->Running() || (AcceptsConnections(runtime + "/" + kSocket) && XAnswers(display));
  });
  if (!answers || !server_->Running()) return false;
  environment_ = {{"WAYLAND_DISPLAY", kSocket}, {"XDG_RUNTIME_DIR", runtime}, {"DISPLAY", display}};
  return true;
}

}  // namespace plorvane::e2e
