#pragma once
// The real strip after the whole start-up, on Qt's offscreen platform with silent sound.

#include <gtest/gtest.h>

#include <memory>

#include "editor/main_form.h"
#include "editor/ui/main_window.h"
#include "editor_ui/test_carriers.h"
#include "platform/headless/call_log.h"
#include "platform/headless/headless_sound.h"
#include "platform/qt/qt_platform.h"
#include "scratch_folder.h"

namespace plorvane::test {

class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm1>(platform_, window_, TestCarriers(),
                                     EditorStart{folder_.Write("plorvane", "editor"), ""});
    window_.Attach(*form_);
    ASSERT_TRUE(form_->FormCreate());
  }

  CallLog sound_log_;
  QtPlatform platform_{std::make_unique<HeadlessSoundDevices>(sound_log_)};
  ScratchFolder folder_;
  MainWindow window_;
  std::unique_ptr<TForm1> form_;
};

}  // namespace plorvane::test
