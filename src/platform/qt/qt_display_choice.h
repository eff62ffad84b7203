#pragma once
// Wayland compositors do not let a program place or move its own windows, and the editor's
// strip at the top of the screen, the centred card and the player's drag all need that. Where a
// Wayland session also offers XWayland, the programs therefore run as X11 clients, unless the
// user has chosen a Qt platform. Called before the QApplication is made.

#include <string>

namespace plorvane {

// The desktop session as the environment describes it; empty for unset variables.
struct DisplayEnvironment {
  std::string wayland_display;    // WAYLAND_DISPLAY
  std::string xdg_session_type;   // XDG_SESSION_TYPE
  std::string display;            // DISPLAY: the X server, XWayland in a Wayland session
  std::string qt_qpa_platform;    // QT_QPA_PLATFORM: the user's own choice
};

// The Qt platform to ask for ("xcb"), or empty to leave the choice to Qt.
std::string DisplayPlatformFor(const DisplayEnvironment& environment);

// Sets QT_QPA_PLATFORM from this process's environment when DisplayPlatformFor asks for one.
void ChooseDisplayPlatform();

}  // namespace plorvane
