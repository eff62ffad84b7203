#pragma once
// A private Wayland desktop for one test program: Weston with XWayland, its runtime folder,
// configuration and log in a scratch folder, gone with the object. Programs started with
// environment() find a Wayland session that also offers X11; the X tools reach XWayland through
// DISPLAY, which is also put into this process's environment so commands inherit it.
//
// Weston shows its screen in a window on a private Xvfb rather than on its headless backend: the
// headless backend has no seat, and XWayland without a seat crashes when a client warps the
// pointer (xdotool mousemove).

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "e2e/child_process.h"
#include "e2e/virtual_display.h"
#include "graphics/canvas.h"
#include "scratch_folder.h"

namespace plorvane::e2e {

// An X window as the compositor shows it: its title and its own area on the screen, without the
// frame Weston draws around it.
struct ShownWindow {
  std::string title;
  Rect area;
};

class WestonDisplay {
 public:
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;

  WestonDisplay();
  [[nodiscard]] bool ready() const { return ready_; }
  // WAYLAND_DISPLAY and XDG_RUNTIME_DIR of the session, and DISPLAY: XWayland's ":N".
  [[nodiscard]] const std::map<std::string, std::string>& environment() const { return environment_; }
  // What Weston wrote about its start, for a failure message.
  [[nodiscard]] std::string Log() const;
  // The X windows the compositor shows now, from its scene graph. Weston keeps XWayland's window
  // places apart from the X server's, so this is the way to learn where a user sees them.
  [[nodiscard]] std::vector<ShownWindow> ShownWindows() const;

  // The user's mouse, at screen points of the session. X tools on XWayland move only XWayland's
  // own pointer, which the compositor never sees; these reach the compositor through its screen
  // window on the host display, as a real mouse does, so it knows a button is held.
  void MoveMouse(Point at) const;
  void PressButton(int button) const;
  void ReleaseButton(int button) const;

 private:
  // One try at starting the compositor; true once Wayland and X clients can connect.
  bool Start();
  void HostXdotool(const std::string& arguments) const;

  // Declared first: the compositor's runtime folder and its screen go only after it.
  test::ScratchFolder folder_;
  VirtualDisplay host_;
  std::map<std::string, std::string> environment_;
  std::unique_ptr<ChildProcess> server_;
  bool ready_ = false;
};

}  // namespace plorvane::e2e
