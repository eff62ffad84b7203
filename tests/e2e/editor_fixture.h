#pragma once
// What the editor's end-to-end tests share, whatever display they run on: the built editor
// started with a home of its own in a scratch folder, and its two windows once start-up has shown
// them. Several editors of one test share that home, so they share the card clipboard too.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
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
inline constexpr int kToolBarHeight = 27;
inline constexpr int kToolButtonSide = 25;
inline constexpr int kToolButtonCount = 21;

inline std::string WindowName(WindowId window) {
  std::string name = RunCommand("xdotool getwindowname " + std::to_string(window) + " 2>/dev/null").value_or("");
  while (!name.empty() && name.back() == '\n') name.pop_back();
  return name;
}

// The editor's three tool windows by their titles, which tell them from the strip, the card and
// the dialogs.
inline bool IsToolWindowName(const std::string& name) {
  return name == "Animation" || name == "Insert Symbol" || name.starts_with("Insert Text - ");
}

// A tool button's left edge in the tool bar: 25 pixels wide from left 1, a gap of 10 before
// buttons 5, 7, 13, 16 and 20.
inline int ToolButtonLeft(int tag) {
  int left = 1;
  for (int next = 2; next <= tag; ++next) {
    left += kToolButtonSide + (next == 5 || next == 7 || next == 13 || next == 16 || next == 20 ? 10 : 0);
  }
  return left;
}

// One editor the test started, and its strip and card window once start-up has shown them.
class RunningEditor : public ChildProcess {
 public:
  RunningEditor(const std::vector<std::string>& arguments, const std::map<std::string, std::string>& environment)
      : ChildProcess(PLORVANE_EDITOR_FILE, arguments, environment) {}

  // False when the strip (strip() stays 0) or the card window did not come in time.
  bool WaitForWindows() {
    const auto strip = WaitFor([&]() -> std::optional<WindowId> {
      for (const WindowId window : VisibleWindows(pid())) {
        if (WindowName(window).ends_with(" - Plorvane")) return window;
      }
      return std::nullopt;
    });
    if (!strip) return false;
    strip_ = *strip;
    // Tool windows that their settings show at start may come before the card or after it.
    const auto card = WaitFor([&]() -> std::optional<WindowId> {
      std::vector<WindowId> others;
      for (const WindowId window : VisibleWindows(pid())) {
        if (window != strip_ && !IsToolWindowName(WindowName(window))) others.push_back(window);
      }
      return others.size() == 1 ? std::optional(others[0]) : std::nullopt;
    });
    if (!card) return false;
    card_ = *card;
    return true;
  }
  [[nodiscard]] WindowId strip() const { return strip_; }
  [[nodiscard]] WindowId card() const { return card_; }

  bool WaitForCaption(const std::string& caption) const {
    return WaitUntil([&] { return WindowName(strip_) == caption; });
  }

  // The card window's pixels as the screen shows them now.
  [[nodiscard]] std::optional<Bitmap> CardPixels() const {
    const auto area = Geometry(card_);
    if (!area) return std::nullopt;
    return Screenshot(*area);
  }
  // The first picture of the card window that `wanted` accepts.
  std::optional<Bitmap> WaitForCard(const std::function<bool(const Bitmap&)>& wanted) const {
    return WaitFor([&]() -> std::optional<Bitmap> {
      auto shot = CardPixels();
      if (shot && wanted(*shot)) return shot;
      return std::nullopt;
    });
  }
  std::optional<Bitmap> WaitForChangedCard(const Bitmap& before) const {
    return WaitForCard([&](const Bitmap& shot) { return !SamePixels(shot, before); });
  }
  bool WaitForCardShowing(const Bitmap& wanted) const {
    return WaitForCard([&](const Bitmap& shot) { return SamePixels(shot, wanted); }).has_value();
  }

  // A keyboard command of the editor, pressed while the strip has the focus: a shortcut
  // ("ctrl+F2"), or a menu by its mnemonic and then an item by its own ("alt+r c").
  void Command(const std::string& keys) const {
    Focus(strip_);
    PressKey(keys);
  }

  // Opens a menu of `window`, one of this editor's, by its mnemonic, waits for its popup and
  // picks the item by its own.
  void PickFromMenu(WindowId window, const std::string& menu_key, const std::string& item_key) const {
    const auto before = VisibleWindows(pid());
    Focus(window);
    PressKey("alt+" + menu_key);
    const auto popup = WaitForNewWindow(before);
    ASSERT_TRUE(popup.has_value()) << "the menu did not open";
    PressKey(item_key);
    ASSERT_TRUE(WaitForDialogGone(*popup)) << "the menu stayed open";
  }
  // The same in the strip's menu bar.
  void PickFromMenu(const std::string& menu_key, const std::string& item_key) const {
    PickFromMenu(strip_, menu_key, item_key);
  }
  // A window of this editor that is not among `before`, once it shows.
  [[nodiscard]] std::optional<WindowId> WaitForNewWindow(const std::vector<WindowId>& before) const {
    return WaitFor([&]() -> std::optional<WindowId> {
      for (const WindowId window : VisibleWindows(pid())) {
        if (std::find(before.begin(), before.end(), window) == before.end()) return window;
      }
      return std::nullopt;
    });
  }
  // The visible tool window whose title is `name`, once it shows.
  [[nodiscard]] std::optional<WindowId> WaitForToolWindow(const std::string& name) const {
    return WaitFor([&]() -> std::optional<WindowId> {
      for (const WindowId window : VisibleWindows(pid())) {
        if (WindowName(window) == name) return window;
      }
      return std::nullopt;
    });
  }

  // The centre of a tool button on the screen.
  [[nodiscard]] std::optional<Point> ToolButtonCentre(int tag) const {
    const auto strip = Geometry(strip_);
    if (!strip) return std::nullopt;
    return Point{strip->left + ToolButtonLeft(tag) + kToolButtonSide / 2,
                 strip->bottom - kToolBarHeight + 1 + kToolButtonSide / 2};
  }

  // The dialog or message box the editor shows next: a window that is neither strip, card nor
  // tool window.
  [[nodiscard]] std::optional<WindowId> WaitForDialog() const {
    return WaitFor([&] { return OtherWindow(); });
  }
  bool WaitForDialogGone(WindowId dialog) const {
    return WaitUntil([&] {
      const auto windows = VisibleWindows(pid());
      return std::find(windows.begin(), windows.end(), dialog) == windows.end();
    });
  }

  // Types the path into the file dialog that the last command opened and accepts it.
  void ChooseFile(const std::string& path) const {
    const auto dialog = WaitForDialog();
    ASSERT_TRUE(dialog.has_value()) << "no file dialog";
    Focus(*dialog);
    PressKey("ctrl+a");
    Type(path);
    PressKey("Return");
    ASSERT_TRUE(WaitForDialogGone(*dialog)) << "the file dialog stayed";
  }

  // Asks to close the strip and answers the save-changes question with `key`.
  void CloseAnswering(const std::string& key) const {
    RequestClose(strip_);
    const auto question = WaitForDialog();
    ASSERT_TRUE(question.has_value()) << "no save-changes question";
    Focus(*question);
    PressKey(key);
    ASSERT_TRUE(WaitForDialogGone(*question));
  }
  // Asks to close the strip, answers No when the editor asks whether to save the changes, and
  // answers whether the editor then ended well in time.
  bool CloseDiscardingChanges() {
    RequestClose(strip_);
    std::optional<WindowId> question;
    if (!WaitUntil([&] {
          question = OtherWindow();
          return question.has_value() || !Running();
        })) {
      return false;
    }
    if (question) {
      Focus(*question);
      PressKey("n");
    }
    return WaitForExit(kPatience) == 0;
  }

 private:
  [[nodiscard]] std::optional<WindowId> OtherWindow() const {
    for (const WindowId window : VisibleWindows(pid())) {
      if (window != strip_ && window != card_ && !IsToolWindowName(WindowName(window))) return window;
    }
    return std::nullopt;
  }

  WindowId strip_ = 0;
  WindowId card_ = 0;
};

// Opens a menu of one of the editor's windows by its mnemonic, waits for its popup and picks the
// item by its own.
inline void PickFromMenuOf(const RunningEditor& editor, WindowId window, const std::string& menu_key,
                           const std::string& item_key) {
  const auto before = VisibleWindows(editor.pid());
  Focus(window);
  PressKey("alt+" + menu_key);
  const auto popup = WaitFor([&]() -> std::optional<WindowId> {
    for (const WindowId shown : VisibleWindows(editor.pid())) {
      if (std::find(before.begin(), before.end(), shown) == before.end()) return shown;
    }
    return std::nullopt;
  });
  ASSERT_TRUE(popup.has_value()) << "the menu did not open";
  PressKey(item_key);
  ASSERT_TRUE(editor.WaitForDialogGone(*popup)) << "the menu stayed open";
}
// The same for a menu of the strip.
inline void PickFromMenu(const RunningEditor& editor, const std::string& menu_key, const std::string& item_key) {
  PickFromMenuOf(editor, editor.strip(), menu_key, item_key);
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

  // Another editor with the same home and display as every editor of this test.
  [[nodiscard]] std::unique_ptr<RunningEditor> LaunchEditor(const std::vector<std::string>& arguments = {}) const {
    const char* path = std::getenv("PATH");
    std::map<std::string, std::string> environment{
        {"HOME", folder_.File("home")},
        {"XDG_CONFIG_HOME", folder_.File("home/config")},
        {"XDG_DATA_HOME", folder_.File("home/data")},
        {"PATH", folder_.File("bin") + ":" + (path != nullptr ? path : "/usr/bin:/bin")},
        {"SDL_AUDIODRIVER", "dummy"}};
    environment.insert(display_environment_.begin(), display_environment_.end());
    return std::make_unique<RunningEditor>(arguments, environment);
  }
  // Launches into `editor` and waits for its two windows.
  void StartEditor(std::unique_ptr<RunningEditor>& editor, const std::vector<std::string>& arguments = {}) const {
    editor = LaunchEditor(arguments);
    ASSERT_TRUE(editor->started()) << PLORVANE_EDITOR_FILE;
    ASSERT_TRUE(editor->WaitForWindows()) << (editor->strip() == 0 ? "no strip" : "no card window");
  }

  // The test's first editor.
  void Launch(const std::vector<std::string>& arguments = {}) {
    editor_ = LaunchEditor(arguments);
    ASSERT_TRUE(editor_->started()) << PLORVANE_EDITOR_FILE;
  }
  void WaitForEditorWindows() {
    ASSERT_TRUE(editor_->WaitForWindows()) << (editor_->strip() == 0 ? "no strip" : "no card window");
    strip_ = editor_->strip();
    card_ = editor_->card();
  }
  void Start(const std::vector<std::string>& arguments = {}) {
    Launch(arguments);
    if (HasFatalFailure()) return;
    WaitForEditorWindows();
  }

  test::ScratchFolder folder_;
  std::unique_ptr<RunningEditor> editor_;
  // The first editor's windows.
  WindowId strip_ = 0;
  WindowId card_ = 0;

 private:
  std::map<std::string, std::string> display_environment_;
};

}  // namespace plorvane::e2e
