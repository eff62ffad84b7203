// The built editor on a virtual display, driven as a user drives it: the start-up, a frame preset
// by its shortcut, Save As and Open through the real file dialogs, the saved card playing in the
// player, Undo, the close flow's question, and Help through the shell.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>

#include "card/card.h"
#include "e2e/child_process.h"
#include "e2e/desktop_probe.h"
#include "e2e/editor_fixture.h"
#include "e2e/virtual_display.h"
#include "e2e/wait.h"
#include "platform/headless/headless_platform.h"
#include "scratch_folder.h"
// Last: its macros (None, Bool, Status) would rewrite the headers above.
#include <X11/Xlib.h>

namespace plorvane::e2e {
namespace {

using namespace std::chrono_literals;

constexpr int kToolBarHeight = 27;
constexpr int kButtonSide = 25;
constexpr int kButtonCount = 21;
constexpr int kNewCardSide = 430;
constexpr Colour kOuterRing = MakeColour(58, 98, 151);  // the new card's frame, outermost ring
// A card executable holds the player image and its filler before the card.
constexpr std::size_t kCardStreamOffset = 418000;

// Buttons 25 pixels wide from left 1, a gap of 10 before buttons 5, 7, 13, 16 and 20.
int ButtonLeft(int tag) {
  int left = 1;
  for (int next = 2; next <= tag; ++next) left += kButtonSide + (next == 5 || next == 7 || next == 13 || next == 16 || next == 20 ? 10 : 0);
  return left;
}

void Focus(WindowId window) { static_cast<void>(RunCommand("xdotool windowfocus --sync " + std::to_string(window))); }

// Text typed key by key into the focused widget.
void Type(const std::string& text) { static_cast<void>(RunCommand("xdotool type --delay 20 '" + text + "'")); }

// What a window manager's close button sends: the window is asked, not destroyed.
void RequestClose(WindowId window) {
  const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
  ASSERT_NE(display, nullptr);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display.get(), window, False, NoEventMask, &event);
  XFlush(display.get());
}

bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
    }
  }
  return true;
}

// The frame preset a card file holds; empty when it is no card.
std::string CollectionOf(const std::string& path) {
  HeadlessPlatform platform;
  TZarvickV2 card(platform, CardMode::kEditor);
  return card.LoadFromFile(path) ? std::string(card.CollectionName()) : std::string();
}

class EditorTest : public EditorFixture {
 protected:
  EditorTest() : EditorFixture({{"QT_QPA_PLATFORM", "xcb"}}) {}
  void SetUp() override {
    ASSERT_TRUE(display_.ready()) << "Xvfb did not start";
    EditorFixture::SetUp();
    std::filesystem::create_directories(folder_.File("cards"));
    // The shell's default action, recorded instead of opening a browser.
    const std::string opener = folder_.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + Opened() + "'\n");
    ::chmod(opener.c_str(), 0755);
    MoveMouse(VirtualDisplay::kWidth - 1, VirtualDisplay::kHeight - 1);  // away from hover effects
  }

  [[nodiscard]] std::string Opened() const { return folder_.File("opened.txt"); }
  [[nodiscard]] std::string CardPath(const std::string& name) const { return folder_.File("cards/" + name); }
  [[nodiscard]] std::string LibraryCard(const std::string& name) const {
    return folder_.File("home/data/Vumra Enterprises/Zarvicks/" + name);
  }

  bool WaitForCaption(const std::string& caption) {
    return WaitUntil([&] { return WindowName(strip_) == caption; });
  }

  // The card window's pixels once its frame has been painted.
  std::optional<Bitmap> CardPixels() {
    const auto area = Geometry(card_);
    if (!area) return std::nullopt;
    return Screenshot(*area);
  }
  // The first picture of the card window that `wanted` accepts.
  std::optional<Bitmap> WaitForCard(const std::function<bool(const Bitmap&)>& wanted) {
    return WaitFor([&]() -> std::optional<Bitmap> {
      auto shot = CardPixels();
      if (shot && wanted(*shot)) return shot;
      return std::nullopt;
    });
  }
  std::optional<Bitmap> WaitForChangedCard(const Bitmap& before) {
    return WaitForCard([&](const Bitmap& shot) { return !SamePixels(shot, before); });
  }
  bool WaitForCardShowing(const Bitmap& wanted) {
    return WaitForCard([&](const Bitmap& shot) { return SamePixels(shot, wanted); }).has_value();
  }

  // A keyboard command of the editor, pressed while the strip has the focus.
  void Command(const std::string& keys) {
    Focus(strip_);
    PressKey(keys);
  }

  // The dialog or message box the editor shows next: a window that is neither strip nor card.
  std::optional<WindowId> WaitForDialog() {
    return WaitFor([&]() -> std::optional<WindowId> {
      for (const WindowId window : VisibleWindows(editor_->pid())) {
        if (window != strip_ && window != card_) return window;
      }
      return std::nullopt;
    });
  }
  bool WaitForDialogGone(WindowId dialog) {
    return WaitUntil([&] {
      const auto windows = VisibleWindows(editor_->pid());
      return std::find(windows.begin(), windows.end(), dialog) == windows.end();
    });
  }

  // Types the path into the file dialog that the last command opened and accepts it.
  void ChooseFile(const std::string& path) {
    const auto dialog = WaitForDialog();
    ASSERT_TRUE(dialog.has_value()) << "no file dialog";
    Focus(*dialog);
    PressKey("ctrl+a");
    Type(path);
    PressKey("Return");
    ASSERT_TRUE(WaitForDialogGone(*dialog)) << "the file dialog stayed";
  }

  static bool IsCardFile(const std::vector<std::uint8_t>& bytes) { return bytes.size() > kCardStreamOffset; }

  // A change the card counts as unsaved: the "Traditional #2" preset.
  void ChangeTheCard() {
    const auto before = CardPixels();
    ASSERT_TRUE(before.has_value());
    Command("ctrl+F2");
    ASSERT_TRUE(WaitForChangedCard(*before).has_value()) << "the preset did not redraw the card";
    ASSERT_TRUE(WaitForCaption("*Untitled.exe - Plorvane")) << WindowName(strip_);
  }

  // Asks to close the strip and answers the save-changes question with `key`.
  void CloseAnswering(const std::string& key) {
    RequestClose(strip_);
    const auto question = WaitForDialog();
    ASSERT_TRUE(question.has_value()) << "no save-changes question";
    Focus(*question);
    PressKey(key);
    ASSERT_TRUE(WaitForDialogGone(*question));
  }

  // Made before the editor, gone after it.
  VirtualDisplay display_;
};

TEST_F(EditorTest, StartUpShowsTheSplashThenTheStripAtTheTopAndTheNewCardCentred) {
  Launch();
  const auto first = WaitForWindows(editor_->pid());
  ASSERT_EQ(first.size(), 1U) << "the splash comes alone";
  const WindowId splash = first[0];
  const auto shown_at = std::chrono::steady_clock::now();
  WaitForEditorWindows();
  ASSERT_FALSE(HasFatalFailure());
  // The splash stays about a second after start-up's work, then makes way for the windows.
  EXPECT_GE(std::chrono::steady_clock::now() - shown_at, 900ms);
  const auto visible = VisibleWindows(editor_->pid());
  EXPECT_EQ(std::find(visible.begin(), visible.end(), splash), visible.end()) << "the splash is still up";

  EXPECT_EQ(WindowName(strip_), "Untitled.exe - Plorvane");
  const auto strip = Geometry(strip_);
  ASSERT_TRUE(strip.has_value());
  EXPECT_EQ(strip->left, 0);
  EXPECT_EQ(strip->top, 0);
  EXPECT_EQ(strip->width(), kStripWidth);
  EXPECT_GT(strip->height(), kToolBarHeight);

  const auto card = Geometry(card_);
  ASSERT_TRUE(card.has_value());
  EXPECT_EQ(*card, Rect::FromSize((VirtualDisplay::kWidth - kNewCardSide) / 2,
                                  (VirtualDisplay::kHeight - kNewCardSide) / 2, kNewCardSide, kNewCardSide));
  EXPECT_TRUE(WaitForCard([](const Bitmap& shot) { return shot.GetPixel(0, kNewCardSide / 2) == kOuterRing; }))
      << "the card's frame is not painted";

  // The tool bar row: every button shows its glyph inside its own square, and the face between
  // and after the buttons is plain.
  const int row_top = strip->height() - kToolBarHeight + 1;
  const auto row = Screenshot(Rect::FromSize(0, row_top, kStripWidth, kButtonSide));
  ASSERT_TRUE(row.has_value());
  const Colour face = row->GetPixel(kStripWidth - 10, kButtonSide / 2);
  std::vector<int> owner(kStripWidth, 0);
  for (int tag = 1; tag <= kButtonCount; ++tag) {
    for (int x = ButtonLeft(tag); x < ButtonLeft(tag) + kButtonSide; ++x) owner[static_cast<std::size_t>(x)] = tag;
  }
  std::vector<bool> drawn(kButtonCount + 1, false);
  for (int x = 1; x < kStripWidth - 2; ++x) {
    for (int y = 2; y < kButtonSide - 2; ++y) {
      if (row->GetPixel(x, y) == face) continue;
      const int tag = owner[static_cast<std::size_t>(x)];
      EXPECT_NE(tag, 0) << "glyph pixels outside every button at x " << x;
      drawn[static_cast<std::size_t>(tag)] = true;
    }
  }
  for (int tag = 1; tag <= kButtonCount; ++tag) EXPECT_TRUE(drawn[static_cast<std::size_t>(tag)]) << "button " << tag;
}

TEST_F(EditorTest, PresetSaveAsPlayOpenAndUndoTwice) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  const auto fresh = WaitForCard([](const Bitmap& shot) { return shot.GetPixel(0, shot.height() / 2) == kOuterRing; });
  ASSERT_TRUE(fresh.has_value());
  ChangeTheCard();
  ASSERT_FALSE(HasFatalFailure());
  const auto preset = CardPixels();
  ASSERT_TRUE(preset.has_value());

  const std::string saved = CardPath("saved.exe");
  Command("ctrl+a");
  ChooseFile(saved);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(WaitForFile(saved, IsCardFile)) << "nothing saved at " << saved;
  EXPECT_TRUE(WaitForCaption("saved.exe - Plorvane")) << WindowName(strip_);
  EXPECT_EQ(CollectionOf(saved), "Traditional2");

  {
    // The saved file is a program that plays the card with the same frame.
    ChildProcess player(saved, {}, {{"HOME", folder_.File("home")}, {"QT_QPA_PLATFORM", "xcb"}, {"SDL_AUDIODRIVER", "dummy"}});
    const auto windows = WaitForWindows(player.pid());
    ASSERT_EQ(windows.size(), 1U) << "the saved card does not play";
    const auto area = Geometry(windows[0]);
    ASSERT_TRUE(area.has_value());
    EXPECT_EQ(area->width(), preset->width());
    const Rect corner = Rect::FromSize(area->left, area->top, 40, 40);
    Bitmap editor_corner;
    ASSERT_TRUE(editor_corner.Resize(40, 40));
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) editor_corner.SetPixel(x, y, preset->GetPixel(x, y));
    }
    EXPECT_TRUE(WaitForScreenshot(corner, [&](const Bitmap& shot) { return SamePixels(shot, editor_corner); }))
        << "the player's frame differs from the editor's";
  }

  Command("ctrl+n");
  ASSERT_TRUE(WaitForCardShowing(*fresh)) << "New did not bring the new card";
  EXPECT_TRUE(WaitForCaption("Untitled.exe - Plorvane")) << WindowName(strip_);

  Command("ctrl+o");
  ChooseFile(saved);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(WaitForCardShowing(*preset)) << "Open did not bring the saved card back";
  EXPECT_TRUE(WaitForCaption("saved.exe - Plorvane")) << WindowName(strip_);

  Command("ctrl+F3");
  const auto old_world = WaitForChangedCard(*preset);
  ASSERT_TRUE(old_world.has_value());
  Command("F10");
  EXPECT_TRUE(WaitForCardShowing(*preset)) << "Undo did not return to the opened card";
  Command("F10");
  EXPECT_TRUE(WaitForCardShowing(*old_world)) << "a second Undo did not return to the change";
}

TEST_F(EditorTest, CloseWithUnsavedChangesAndCancelKeepsTheEditor) {
  Start();
  ChangeTheCard();
  ASSERT_FALSE(HasFatalFailure());
  CloseAnswering("Escape");
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(editor_->Running());
  const auto visible = VisibleWindows(editor_->pid());
  EXPECT_NE(std::find(visible.begin(), visible.end(), strip_), visible.end());
  EXPECT_EQ(WindowName(strip_), "*Untitled.exe - Plorvane");
}

TEST_F(EditorTest, CloseWithUnsavedChangesAndNoEndsWithoutWritingTheCard) {
  Start();
  ChangeTheCard();
  ASSERT_FALSE(HasFatalFailure());
  CloseAnswering("n");
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(editor_->WaitForExit(kPatience), 0);
  EXPECT_FALSE(std::filesystem::exists(LibraryCard("Untitled.exe")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.File("cards")), std::filesystem::directory_iterator()), 0);
}

TEST_F(EditorTest, CloseWithUnsavedChangesAndYesSavesFirst) {
  Start();
  ChangeTheCard();
  ASSERT_FALSE(HasFatalFailure());
  CloseAnswering("y");
  ASSERT_FALSE(HasFatalFailure());
  const std::string saved = CardPath("kept.exe");
  ChooseFile(saved);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(editor_->WaitForExit(kPatience), 0);
  EXPECT_EQ(CollectionOf(saved), "Traditional2");
}

TEST_F(EditorTest, HelpOpensTheIndexPageThroughTheShell) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  Command("F1");
  const auto opened = WaitForFile(Opened(), [](const std::vector<std::uint8_t>& bytes) { return !bytes.empty() && bytes.back() == '\n'; });
  ASSERT_TRUE(opened.has_value()) << "the shell was not asked to open anything";
  std::string page(opened->begin(), opened->end() - 1);
  EXPECT_TRUE(page.ends_with("index.html")) << page;
  if (page.starts_with("file://")) page.erase(0, 7);
  EXPECT_TRUE(std::filesystem::exists(page)) << page;
}

}  // namespace
}  // namespace plorvane::e2e
