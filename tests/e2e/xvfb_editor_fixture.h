#pragma once
// Editors on a private Xvfb display of the test's own, through Qt's X11 platform, with the
// pointer parked in the far corner so no hover effect shows in a screenshot.

#include <gtest/gtest.h>

#include "e2e/desktop_probe.h"
#include "e2e/editor_fixture.h"
#include "e2e/virtual_display.h"

namespace plorvane::e2e {

class XvfbEditorFixture : public EditorFixture {
 protected:
  XvfbEditorFixture() : EditorFixture({{"QT_QPA_PLATFORM", "xcb"}}) {}
  void SetUp() override {
    ASSERT_TRUE(display_.ready()) << "Xvfb did not start";
    EditorFixture::SetUp();
    MoveMouse(VirtualDisplay::kWidth - 1, VirtualDisplay::kHeight - 1);
  }

  // Made before the editors, gone after them.
  VirtualDisplay display_;
};

}  // namespace plorvane::e2e
