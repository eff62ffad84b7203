#include "platform/qt/qt_display_choice.h"

#include <gtest/gtest.h>

namespace plorvane {
namespace {

TEST(DisplayChoiceTest, WaylandSessionsWithXWaylandRunAsX11ClientsUnlessTheUserChose) {
  struct Case {
    DisplayEnvironment environment;
    std::string expected;
  };
  const Case cases[] = {
      {{"wayland-0", "wayland", ":0", ""}, "xcb"},
      {{"wayland-0", "", ":1", ""}, "xcb"},
      {{"", "wayland", ":0", ""}, "xcb"},
      {{"wayland-0", "wayland", "", ""}, ""},            // no XWayland: stay on Wayland
      {{"wayland-0", "wayland", ":0", "wayland"}, ""},   // the user's choice stands
      {{"wayland-0", "wayland", ":0", "offscreen"}, ""},
      {{"", "x11", ":0", ""}, ""},                       // plain X11 needs nothing
      {{"", "", "", ""}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DisplayPlatformFor(c.environment), c.expected)
        << c.environment.wayland_display << "|" << c.environment.xdg_session_type << "|" << c.environment.display
        << "|" << c.environment.qt_qpa_platform;
  }
}

}  // namespace
}  // namespace plorvane
