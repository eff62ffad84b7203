// The built editor on a virtual display, driven as a user drives it: the start-up, a frame preset
// by its shortcut, Save As and Open through the real file dialogs, the saved card playing in the
// player, Undo, the close flow's question, and the help pages through the shell.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
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

namespace plorvane::e2e {
namespace {

using namespace std::chrono_literals;

constexpr int kNewCardSide = 430;
constexpr Colour kOuterRing = MakeColour(58, 98, 151);  // the new card's frame, outermost ring
// A card executable holds the player image and its filler before the card.
constexpr std::size_t kCardStreamOffset = 418000;

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

  // Waits until the shell was asked to open `count` things, the last of them the help page
  // `page`, and checks that the page's file exists.
  void ExpectOpenedPage(std::size_t count, const std::string& page) {
    const auto opened = WaitForFile(Opened(), [&](const std::vector<std::uint8_t>& bytes) {
      return !bytes.empty() && bytes.back() == '\n' &&
             static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) >= count;
    });
    ASSERT_TRUE(opened.has_value()) << "the shell was not asked to open " << page;
    std::string last(opened->begin(), opened->end() - 1);
    last.erase(0, last.rfind('\n') + 1);
    EXPECT_TRUE(last.ends_with("/" + page)) << last;
    if (last.starts_with("file://")) last.erase(0, 7);
    EXPECT_TRUE(std::filesystem::exists(last)) << last;
  }
  [[nodiscard]] std::string CardPath(const std::string& name) const { return folder_.File("cards/" + name); }
  [[nodiscard]] std::string LibraryCard(const std::string& name) const {
    return folder_.File("home/data/Vumra Enterprises/Zarvicks/" + name);
  }

  void ChooseFile(const std::string& path) const { editor_->ChooseFile(path); }

  static bool IsCardFile(const std::vector<std::uint8_t>& bytes) { return bytes.size() > kCardStreamOffset; }

  // A change the card counts as unsaved: the "Traditional #2" preset.
  void ChangeTheCard() {
    const auto before = editor_->CardPixels();
    ASSERT_TRUE(before.has_value());
    editor_->Command("ctrl+F2");
    ASSERT_TRUE(editor_->WaitForChangedCard(*before).has_value()) << "the preset did not redraw the card";
    ASSERT_TRUE(editor_->WaitForCaption("*Untitled.exe - Plorvane")) << WindowName(strip_);
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
  EXPECT_TRUE(editor_->WaitForCard([](const Bitmap& shot) { return shot.GetPixel(0, kNewCardSide / 2) == kOuterRing; }))
      << "the card's frame is not painted";

  // The tool bar row: every button shows its glyph inside its own square, and the face between
  // and after the buttons is plain.
  const int row_top = strip->height() - kToolBarHeight + 1;
  const auto row = Screenshot(Rect::FromSize(0, row_top, kStripWidth, kToolButtonSide));
  ASSERT_TRUE(row.has_value());
  const Colour face = row->GetPixel(kStripWidth - 10, kToolButtonSide / 2);
  std::vector<int> owner(kStripWidth, 0);
  for (int tag = 1; tag <= kToolButtonCount; ++tag) {
    for (int x = ToolButtonLeft(tag); x < ToolButtonLeft(tag) + kToolButtonSide; ++x) owner[static_cast<std::size_t>(x)] = tag;
  }
  std::vector<bool> drawn(kToolButtonCount + 1, false);
  for (int x = 1; x < kStripWidth - 2; ++x) {
    for (int y = 2; y < kToolButtonSide - 2; ++y) {
      if (row->GetPixel(x, y) == face) continue;
      const int tag = owner[static_cast<std::size_t>(x)];
      EXPECT_NE(tag, 0) << "glyph pixels outside every button at x " << x;
      drawn[static_cast<std::size_t>(tag)] = true;
    }
  }
  for (int tag = 1; tag <= kToolButtonCount; ++tag) EXPECT_TRUE(drawn[static_cast<std::size_t>(tag)]) << "button " << tag;
}

TEST_F(EditorTest, PresetSaveAsPlayOpenAndUndoTwice) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  const auto fresh = editor_->WaitForCard([](const Bitmap& shot) { return shot.GetPixel(0, shot.height() / 2) == kOuterRing; });
  ASSERT_TRUE(fresh.has_value());
  ChangeTheCard();
  ASSERT_FALSE(HasFatalFailure());
  const auto preset = editor_->CardPixels();
  ASSERT_TRUE(preset.has_value());

  const std::string saved = CardPath("saved.exe");
  editor_->Command("ctrl+a");
  ChooseFile(saved);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(WaitForFile(saved, IsCardFile)) << "nothing saved at " << saved;
  EXPECT_TRUE(editor_->WaitForCaption("saved.exe - Plorvane")) << WindowName(strip_);
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

  editor_->Command("ctrl+n");
  ASSERT_TRUE(editor_->WaitForCardShowing(*fresh)) << "New did not bring the new card";
  EXPECT_TRUE(editor_->WaitForCaption("Untitled.exe - Plorvane")) << WindowName(strip_);

  editor_->Command("ctrl+o");
  ChooseFile(saved);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(editor_->WaitForCardShowing(*preset)) << "Open did not bring the saved card back";
  EXPECT_TRUE(editor_->WaitForCaption("saved.exe - Plorvane")) << WindowName(strip_);

  editor_->Command("ctrl+F3");
  const auto old_world = editor_->WaitForChangedCard(*preset);
  ASSERT_TRUE(old_world.has_value());
  editor_->Command("F10");
  EXPECT_TRUE(editor_->WaitForCardShowing(*preset)) << "Undo did not return to the opened card";
  editor_->Command("F10");
  EXPECT_TRUE(editor_->WaitForCardShowing(*old_world)) << "a second Undo did not return to the change";
}

TEST_F(EditorTest, CloseWithUnsavedChangesAndCancelKeepsTheEditor) {
  Start();
  ChangeTheCard();
  ASSERT_FALSE(HasFatalFailure());
  editor_->CloseAnswering("Escape");
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
  editor_->CloseAnswering("n");
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(editor_->WaitForExit(kPatience), 0);
  EXPECT_FALSE(std::filesystem::exists(LibraryCard("Untitled.exe")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.File("cards")), std::filesystem::directory_iterator()), 0);
}

TEST_F(EditorTest, CloseWithUnsavedChangesAndYesSavesFirst) {
  Start();
  ChangeTheCard();
  ASSERT_FALSE(HasFatalFailure());
  editor_->CloseAnswering("y");
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
  editor_->Command("F1");
  ExpectOpenedPage(1, "index.html");
}

// Each tool window's Help menu opens its own page, and an entry at the end of the strip's Help
// menu opens its page of the set.
TEST_F(EditorTest, ToolWindowsAndHelpMenuEntriesOpenTheirPagesThroughTheShell) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  struct ToolWindowHelp {
    std::string edit_item_key;
    std::string title;
    std::string page;
  };
  const ToolWindowHelp windows[] = {{"x", "Insert Text - Untitled.txt", "text.html"},
                                    {"s", "Insert Symbol", "symbol.html"},
                                    {"m", "Animation", "animation.html"}};
  std::size_t opened = 0;
  for (const ToolWindowHelp& window : windows) {
    SCOPED_TRACE(window.title);
    PickFromMenu(*editor_, "e", window.edit_item_key);  // &Edit > the window's item
    ASSERT_FALSE(HasFatalFailure());
    const auto shown = WaitForTitledWindows(TitlePattern(window.title));
    ASSERT_EQ(shown.size(), 1U) << "the window did not show";
    PickFromMenuOf(*editor_, shown[0], "h", "h");  // &Help > &Help
    ASSERT_FALSE(HasFatalFailure());
    ExpectOpenedPage(++opened, window.page);
  }
  PickFromMenu(*editor_, "h", "s");  // &Help > &Support
  ASSERT_FALSE(HasFatalFailure());
  ExpectOpenedPage(++opened, "troubleshooting.html");
}

}  // namespace
}  // namespace plorvane::e2e
