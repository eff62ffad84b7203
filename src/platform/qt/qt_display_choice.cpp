#include "platform/qt/qt_display_choice.h"

#include <cstdlib>

namespace plorvane {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

std::string DisplayPlatformFor(const DisplayEnvironment& environment) {
  if (!environment.qt_qpa_platform.empty() || environment.display.empty()) return {};
  const bool wayland = !environment.wayland_display.empty() || environment.xdg_session_type == "wayland";
  return wayland ? "xcb" : std::string();
}

void ChooseDisplayPlatform() {
  const std::string platform = DisplayPlatformFor(DisplayEnvironment{
      Variable("WAYLAND_DISPLAY"), Variable("XDG_SESSION_TYPE"), Variable("DISPLAY"), Variable("QT_QPA_PLATFORM")});
  if (!platform.empty()) ::setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
}

}  // namespace plorvane
