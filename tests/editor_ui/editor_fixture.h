#pragma once
// The real strip after the whole start-up, on Qt's offscreen platform with silent sound and
// scripted dialogs: a modal Qt dialog would wait for a user the test does not have.

#include <gtest/gtest.h>

#include <memory>

#include "editor/main_form.h"
#include "editor/ui/main_window.h"
#include "editor_ui/test_carriers.h"
#include "platform/headless/call_log.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_sound.h"
#include "platform/qt/qt_platform.h"
#include "scratch_folder.h"

namespace plorvane::test {

// The Qt platform with the headless dialogs in place of Qt's.
class QtPlatformWithScriptedDialogs final : public Platform {
 public:
  Windowing& windowing() override { return qt_.windowing(); }
  HeadlessDialogs& dialogs() override { return dialogs_; }
  Clipboard& clipboard() override { return qt_.clipboard(); }
  Cursors& cursors() override { return qt_.cursors(); }
  SoundDevices& sound_devices() override { return qt_.sound_devices(); }
  Shell& shell() override { return qt_.shell(); }
  Screen& screen() override { return qt_.screen(); }
  Application& application() override { return qt_.application(); }
  TextRenderer& text_renderer() override { return qt_.text_renderer(); }
  MetafileRenderer& metafiles() override { return qt_.metafiles(); }
  Clock& clock() override { return qt_.clock(); }

  [[nodiscard]] CallLog& log() { return log_; }

 private:
  CallLog log_;
  HeadlessDialogs dialogs_{log_};
  QtPlatform qt_{std::make_unique<HeadlessSoundDevices>(log_)};
};

class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm1>(platform_, window_, TestCarriers(),
                                     EditorStart{folder_.Write("plorvane", "editor"), ""});
    window_.Attach(*form_);
    ASSERT_TRUE(form_->FormCreate());
  }

  QtPlatformWithScriptedDialogs platform_;
  ScratchFolder folder_;
  MainWindow window_;
  std::unique_ptr<TForm1> form_;
};

}  // namespace plorvane::test
