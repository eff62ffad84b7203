#pragma once
// What the editor's end-to-end tests share, whatever display they run on: the built editor
// started with a home of its own in a scratch folder, and its two windows once start-up has shown
// them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "e2e/child_process.h"
#include "e2e/desktop_probe.h"
#include "e2e/wait.h"
#include "scratch_folder.h"

namespace plorvane::e2e {

inline constexpr int kStripWidth = 640;

inline std::string WindowName(WindowId window) {
  std::string name = RunCommand("xdotool getwindowname " + std::to_string(window) + " 2>/dev/null").value_or("");
  while (!name.empty() && name.back() == '\n') name.pop_back();
  return name;
}

class EditorFixture : public ::testing::Test {
 protected:
  // `display` is what the editor needs to find the display under test.
  explicit EditorFixture(std::map<std::string, std::string> display) : display_environment_(std::move(display)) {}

  // Programs put into bin/ come first on the editor's PATH.
  void SetUp() override {
    for (const char* sub : {"home/config", "home/data", "bin"}) std::filesystem::create_directories(folder_.File(sub));
  }
  // The editor ends before the display, which the derived fixture holds, goes.
  void TearDown() override { editor_.reset(); }

  void Launch(const std::vector<std::string>& arguments = {}) {
    const char* path = std::getenv("PATH");
    std::map<std::string, std::string> environment{
        {"HOME", folder_.File("home")},
        {"XDG_CONFIG_HOME", folder_.File("home/config")},
        {"XDG_DATA_HOME", folder_.File("home/data")},
        {"PATH", folder_.File("bin") + ":" + (path != nullptr ? path : "/usr/bin:/bin")},
        {"SDL_AUDIODRIVER", "dummy"}};
    environment.insert(display_environment_.begin(), display_environment_.end());
    editor_ = std::make_unique<ChildProcess>(PLORVANE_EDITOR_FILE, arguments, environment);
    ASSERT_TRUE(editor_->started()) << PLORVANE_EDITOR_FILE;
  }

  // The strip and the card window, once start-up has shown both.
  void WaitForEditorWindows() {
    const auto strip = WaitFor([&]() -> std::optional<WindowId> {
      for (const WindowId window : VisibleWindows(editor_->pid())) {
        if (WindowName(window).ends_with(" - Plorvane")) return window;
      }
      return std::nullopt;
    });
    ASSERT_TRUE(strip.has_value()) << "no strip";
    strip_ = *strip;
    const auto card = WaitFor([&]() -> std::optional<WindowId> {
      const auto windows = VisibleWindows(editor_->pid());
      for (const WindowId window : windows) {
        if (window != strip_ && windows.size() == 2) return window;
      }
      return std::nullopt;
    });
    ASSERT_TRUE(card.has_value()) << "no card window";
    card_ = *card;
  }

  void Start(const std::vector<std::string>& arguments = {}) {
    Launch(arguments);
    if (HasFatalFailure()) return;
    WaitForEditorWindows();
  }

  test::ScratchFolder folder_;
  std::unique_ptr<ChildProcess> editor_;
  WindowId strip_ = 0;
  WindowId card_ = 0;

 private:
  std::map<std::string, std::string> display_environment_;
};

}  // namespace plorvane::e2e
