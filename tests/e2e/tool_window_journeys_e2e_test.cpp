// Journeys through the editor's three tool windows on a private Xvfb display: inserting while
// the animations are locked, stopping a long text's rendering, a font passed from the symbol
// window to the text window, and each window's settings file across restarts (damaged, foreign
// and read-only files too).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "animation/ui/animation_element_settings.h"
#include "e2e/desktop_probe.h"
#include "e2e/editor_fixture.h"
#include "e2e/virtual_display.h"
#include "e2e/wait.h"
#include "e2e/xvfb_editor_fixture.h"
#include "texttools/component_io.h"
#include "texttools/symbol_window_settings.h"
#include "texttools/text_insert_settings.h"

namespace plorvane::e2e {
namespace {

constexpr Colour kGreen = MakeColour(0, 128, 0);
constexpr int kButtonSide = 25;
// The tool windows' menu bars and tool panels lie within their top rows.
constexpr int kToolAreaHeight = 90;
constexpr int kStopButtonIndex = 5;  // the text window's sixth button
constexpr int kStatusBarHeight = 24;
const std::string kUntitledText = "Insert Text - Untitled.txt";

// The smallest rectangle holding the pixels that `wanted` accepts, within the columns from
// `left` to `right` (exclusive).
std::optional<Rect> AreaOf(const Bitmap& picture, int left, int right, const std::function<bool(Colour)>& wanted) {
  std::optional<Rect> area;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = std::max(left, 0); x < std::min(picture.width(), right); ++x) {
      if (!wanted(picture.GetPixel(x, y))) continue;
      if (!area) area = Rect{x, y, x + 1, y + 1};
      area = Rect{std::min(area->left, x), std::min(area->top, y), std::max(area->right, x + 1),
                  std::max(area->bottom, y + 1)};
    }
  }
  return area;
}

// The tool glyphs are coloured while their button is enabled and grey while it is not; menus,
// memo and status bar are black, white and grey. Stop's glyph is red.
bool Coloured(Colour c) {
  const int high = std::max({RedOf(c), GreenOf(c), BlueOf(c)});
  const int low = std::min({RedOf(c), GreenOf(c), BlueOf(c)});
  return high - low > 80;
}
bool Red(Colour c) { return RedOf(c) > 160 && GreenOf(c) < 100 && BlueOf(c) < 100; }

bool Dark(Colour c) { return RedOf(c) + GreenOf(c) + BlueOf(c) < 250; }

// The rightmost column of a status bar picture with text in it (dark pixels) before `limit`;
// -1 when there is none. Rows dark across most of the width are the memo's frame, not text.
int InkEnd(const Bitmap& status, int limit) {
  int end = -1;
  for (int y = 0; y < status.height(); ++y) {
    int dark = 0;
    int row_end = -1;
    for (int x = 0; x < std::min(status.width(), limit); ++x) {
      if (!Dark(status.GetPixel(x, y))) continue;
      ++dark;
      row_end = x;
    }
    if (dark < limit / 2) end = std::max(end, row_end);
  }
  return end;
}

bool Near(int a, int b) { return std::abs(a - b) <= 1; }

class ToolWindowJourneyTest : public XvfbEditorFixture {
 protected:
  void SetUp() override {
    XvfbEditorFixture::SetUp();
    std::filesystem::create_directories(SettingsFolder());
  }

  [[nodiscard]] std::string SettingsFolder() const { return folder_.File("home/config/Vumra Enterprises/Settings"); }
  [[nodiscard]] std::string SettingsFile(std::string_view name) const {
    return SettingsFolder() + "/" + std::string(name);
  }

  template <class Settings>
  void WriteSettings(std::string_view file, const Settings& settings) const {
    std::string error;
    ASSERT_TRUE(ComponentIO().SaveComponent(settings, SettingsFile(file), error)) << error;
  }
  // What the editor wrote, read as a record of `Settings`.
  template <class Settings>
  std::optional<Settings> ReadSettings(std::string_view file) const {
    Settings settings;
    std::string error;
    if (!ComponentIO().LoadComponent(settings, SettingsFile(file), error)) return std::nullopt;
    return settings;
  }

  // Opens a tool window from the strip's Edit menu and answers it once it shows.
  WindowId OpenToolWindow(const std::string& item_key, const std::string& title) const {
    editor_->PickFromMenu("e", item_key);
    const auto window = editor_->WaitForToolWindow(title);
    EXPECT_TRUE(window.has_value()) << title << " did not show";
    return window.value_or(0);
  }

  // The card window once two pictures of it in a row agree.
  [[nodiscard]] std::optional<Bitmap> SettledCard() const {
    std::optional<Bitmap> last;
    return editor_->WaitForCard([&](const Bitmap& shot) {
      const bool settled = last && SamePixels(*last, shot);
      last = shot;
      return settled;
    });
  }

  [[nodiscard]] static std::optional<Bitmap> ToolArea(WindowId window) {
    const auto place = Geometry(window);
    if (!place) return std::nullopt;
    return Screenshot(Rect::FromSize(place->left, place->top, place->width(), kToolAreaHeight));
  }
  [[nodiscard]] static std::optional<Bitmap> StatusBar(WindowId window) {
    const auto place = Geometry(window);
    if (!place) return std::nullopt;
    return Screenshot(Rect::FromSize(place->left, place->bottom - kStatusBarHeight, place->width(), kStatusBarHeight));
  }
  // Clicks the middle of `area`, given within the window's tool area.
  static void ClickIn(WindowId window, const Rect& area) {
    const auto place = Geometry(window);
    ASSERT_TRUE(place.has_value());
    MoveMouse(place->left + (area.left + area.right) / 2, place->top + (area.top + area.bottom) / 2);
    Click(1);
    MoveMouse(VirtualDisplay::kWidth - 1, VirtualDisplay::kHeight - 1);
  }

  // No error box of the editor is showing.
  [[nodiscard]] bool NoErrorBox() const {
    const auto windows = VisibleWindows(editor_->pid());
    return std::none_of(windows.begin(), windows.end(), [](WindowId w) { return WindowName(w) == "Error"; });
  }
  [[nodiscard]] bool ToolWindowShowing() const {
    const auto windows = VisibleWindows(editor_->pid());
    return std::any_of(windows.begin(), windows.end(), [](WindowId w) { return IsToolWindowName(WindowName(w)); });
  }
  // Closes the editor without saving the card; the tool windows write their settings on the way.
  void Exit() const { ASSERT_TRUE(editor_->CloseDiscardingChanges()) << "the editor did not end cleanly"; }
};

// While locked, the 500 ms timer disables the text window's insert command: the button shows
// disabled, and neither it nor the menu item changes the card. Unlocked, the same click inserts.
TEST_F(ToolWindowJourneyTest, WhileTheAnimationsAreLockedTheTextWindowsInsertIsDisabledAndChangesNothing) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  const WindowId text = OpenToolWindow("x", kUntitledText);
  ASSERT_NE(text, 0U);
  // Right of the strip's menus, whose popups would cover its tool buttons.
  MoveWindow(text, 700, 250);
  ASSERT_TRUE(WaitUntil([&] {
    const auto place = Geometry(text);
    return place && place->left == 700 && place->top == 250;
  }));
  Focus(text);
  Type("Locked out");
  Focus(strip_);
  const auto idle = ToolArea(text);
  ASSERT_TRUE(idle.has_value());
  const auto insert_glyph = AreaOf(*idle, 0, kButtonSide, Coloured);
  ASSERT_TRUE(insert_glyph.has_value()) << "the insert button does not show enabled";

  editor_->PickFromMenu("a", "k");  // &Animation > Loc&k All
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(WaitUntil([&] {
    const auto now = ToolArea(text);
    return now && !AreaOf(*now, 0, kButtonSide, Coloured);
  })) << "the insert button never showed disabled";
  const auto before = SettledCard();  // the locked card
  ASSERT_TRUE(before.has_value());
  const std::string caption = WindowName(strip_);
  ClickIn(text, *insert_glyph);
  ASSERT_FALSE(HasFatalFailure());
  const auto windows = VisibleWindows(editor_->pid());
  Focus(text);
  PressKey("alt+e");
  const auto menu = editor_->WaitForNewWindow(windows);
  ASSERT_TRUE(menu.has_value()) << "the Edit menu did not open";
  PressKey("i");  // the disabled &Insert Text
  PressKey("Escape");
  ASSERT_TRUE(editor_->WaitForDialogGone(*menu));
  // The click and the key came before the menu, so whatever they did is done by now.
  const auto after = editor_->CardPixels();
  ASSERT_TRUE(after.has_value());
  EXPECT_TRUE(SamePixels(*after, *before)) << "the card changed while locked";
  EXPECT_EQ(WindowName(strip_), caption);
  EXPECT_TRUE(NoErrorBox());

  editor_->PickFromMenu("a", "k");  // unlocked again
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(WaitUntil([&] {
    const auto now = ToolArea(text);
    return now && SamePixels(*now, *idle);
  })) << "the insert button did not come back enabled";
  const auto unlocked = SettledCard();
  ASSERT_TRUE(unlocked.has_value());
  ClickIn(text, *insert_glyph);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(editor_->WaitForChangedCard(*unlocked).has_value()) << "the same click inserted nothing once unlocked";
  EXPECT_TRUE(editor_->WaitForCaption("*" + caption));
}

// Stop during a long text's rendering: the rendering ends, the status bar says "Task cancelled"
// (wider than "Ready" and "Working..." before it) and the card is as it was.
TEST_F(ToolWindowJourneyTest, StopDuringTheRenderingOfALongTextEndsItAndLeavesTheCardAsItWas) {
  std::string lines;
  for (int i = 0; i < 10000; ++i) lines += "line " + std::to_string(i) + "\n";
  const std::string long_text = folder_.Write("long.txt", lines);
  Start();
  ASSERT_FALSE(HasFatalFailure());
  const std::string caption = WindowName(strip_);
  const WindowId text = OpenToolWindow("x", kUntitledText);
  ASSERT_NE(text, 0U);
  editor_->PickFromMenu(text, "f", "o");  // &File > &Open...
  ASSERT_FALSE(HasFatalFailure());
  editor_->ChooseFile(long_text);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(WaitUntil([&] { return WindowName(text) == "Insert Text - long.txt"; })) << WindowName(text);

  // The card is centred under the text window: each is raised to be looked at.
  Raise(editor_->card());
  const auto before = SettledCard();
  ASSERT_TRUE(before.has_value());
  Raise(text);
  Focus(text);
  const auto ready = StatusBar(text);
  ASSERT_TRUE(ready.has_value());
  const int text_limit = ready->width() * 2 / 3;  // left of the progress bar
  const int stop_left = kStopButtonIndex * kButtonSide;

  editor_->PickFromMenu(text, "e", "i");  // &Edit > &Insert Text
  ASSERT_FALSE(HasFatalFailure());
  std::optional<Rect> stop;
  std::optional<Bitmap> working;
  ASSERT_TRUE(WaitUntil([&] {
    const auto now = ToolArea(text);
    stop = now ? AreaOf(*now, stop_left, stop_left + kButtonSide, Red) : std::nullopt;
    if (stop) working = StatusBar(text);
    return stop.has_value();
  })) << "the Stop button never showed enabled";
  ClickIn(text, *stop);
  ASSERT_FALSE(HasFatalFailure());

  // Idle again: Stop grey once more, the other buttons coloured.
  ASSERT_TRUE(WaitUntil([&] {
    const auto now = ToolArea(text);
    return now && !AreaOf(*now, stop_left, stop_left + kButtonSide, Red) && AreaOf(*now, 0, kButtonSide, Coloured);
  })) << "the rendering did not end";
  const auto cancelled = StatusBar(text);
  ASSERT_TRUE(cancelled && working);
  const int ready_end = InkEnd(*ready, text_limit);
  const int working_end = InkEnd(*working, text_limit);
  const int cancelled_end = InkEnd(*cancelled, text_limit);
  EXPECT_GT(working_end, ready_end);
  EXPECT_GT(cancelled_end, working_end + 5) << "the status does not show the longer \"Task cancelled\"";

  Raise(editor_->card());
  const auto after = SettledCard();
  ASSERT_TRUE(after.has_value());
  EXPECT_TRUE(SamePixels(*after, *before)) << "a stopped rendering changed the card";
  EXPECT_EQ(WindowName(strip_), caption);
  EXPECT_TRUE(NoErrorBox());
}

// Font > Copy in the symbol window and Font > Paste in the text window: the text window takes
// the face, style and colour, and the symbol window's row height as the glyphs' pixel height.
TEST_F(ToolWindowJourneyTest, AFontCopiedInTheSymbolWindowPastesIntoTheTextWindowWithItsRowHeight) {
  constexpr int kRowHeight = 90;  // a window wider than its five tool buttons
  FontViewSettings view;
  view.pFont = Font{"DejaVu Serif", 20, true, true, false, kGreen};
  view.pTopIndex = 65;
  view.pItemIndex = 66;
  SymbolWindowSettings symbol;
  std::string error;
  ASSERT_TRUE(ComponentIO().ComponentToString(view, symbol.pFontView, error)) << error;
  // Rows are the view's width less the 32-pixel scroll bar and 22 pixels for the codes.
  symbol.pWidth = kRowHeight + 32 + 22;
  symbol.pHeight = 350;
  symbol.pLeft = 700;
  symbol.pTop = 100;
  WriteSettings(SymbolWindowSettings::kFileName, symbol);
  ASSERT_FALSE(HasFatalFailure());

  Start();
  ASSERT_FALSE(HasFatalFailure());
  const WindowId symbols = OpenToolWindow("s", "Insert Symbol");
  ASSERT_NE(symbols, 0U);
  editor_->PickFromMenu(symbols, "f", "c");  // &Font > &Copy
  ASSERT_FALSE(HasFatalFailure());
  const WindowId text = OpenToolWindow("x", kUntitledText);
  ASSERT_NE(text, 0U);
  editor_->PickFromMenu(text, "n", "p");  // Fo&nt > &Paste
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(NoErrorBox());
  Exit();
  ASSERT_FALSE(HasFatalFailure());

  const auto saved = ReadSettings<TextInsertSettings>(TextInsertSettings::kFileName);
  ASSERT_TRUE(saved.has_value()) << "the text window wrote no settings";
  EXPECT_EQ(saved->pFont.name, "DejaVu Serif");
  EXPECT_TRUE(saved->pFont.bold);
  EXPECT_TRUE(saved->pFont.italic);
  EXPECT_FALSE(saved->pFont.underline);
  EXPECT_EQ(saved->pFont.colour, kGreen);
  EXPECT_EQ(saved->pFont.pixel_height, kRowHeight);
}

// What the user left: places, sizes, text, word wrap and which windows were open, written at
// exit and shown at the next start. Without a window manager a window stays where the program
// puts it, so xdotool reads the places back.
TEST_F(ToolWindowJourneyTest, PlacesSizesTextOptionsAndVisibilityOfTheToolWindowsComeBackAfterARestart) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  const WindowId element = OpenToolWindow("m", "Animation");
  const WindowId text = OpenToolWindow("x", kUntitledText);
  const WindowId symbols = OpenToolWindow("s", "Insert Symbol");
  ASSERT_TRUE(element != 0 && text != 0 && symbols != 0);
  MoveWindow(element, 30, 420);
  MoveWindow(text, 520, 140);
  ResizeWindow(text, 360, 300);
  MoveWindow(symbols, 840, 300);
  ResizeWindow(symbols, 160, 330);
  const Rect text_place = Rect::FromSize(520, 140, 360, 300);
  const Rect symbol_place = Rect::FromSize(840, 300, 160, 330);
  ASSERT_TRUE(WaitUntil([&] {
    const auto e = Geometry(element);
    return e && e->left == 30 && e->top == 420 && Geometry(text) == text_place && Geometry(symbols) == symbol_place;
  })) << "the windows did not take their places";
  Focus(text);
  Type("Kept across runs");
  editor_->PickFromMenu(text, "e", "w");  // &Edit > &Word Wrap
  ASSERT_FALSE(HasFatalFailure());
  RequestClose(symbols);  // closing only hides it
  ASSERT_TRUE(editor_->WaitForDialogGone(symbols));
  Exit();
  ASSERT_FALSE(HasFatalFailure());

  const auto text_first = ReadSettings<TextInsertSettings>(TextInsertSettings::kFileName);
  const auto symbol_first = ReadSettings<SymbolWindowSettings>(SymbolWindowSettings::kFileName);
  const auto element_first = ReadSettings<AnimationElementSettings>("TAnimationElementWindow.INI");
  ASSERT_TRUE(text_first && symbol_first && element_first);
  EXPECT_EQ(text_first->pText, "Kept across runs");
  EXPECT_TRUE(text_first->pWordWrap);
  EXPECT_TRUE(text_first->pVisible);
  EXPECT_EQ(Rect::FromSize(text_first->pLeft, text_first->pTop, text_first->pWidth, text_first->pHeight), text_place);
  EXPECT_FALSE(symbol_first->pVisible);
  EXPECT_EQ(Rect::FromSize(symbol_first->pLeft, symbol_first->pTop, symbol_first->pWidth, symbol_first->pHeight),
            symbol_place);
  EXPECT_TRUE(element_first->visible);
  EXPECT_EQ(element_first->left, 30);
  EXPECT_EQ(element_first->top, 420);

  Start();
  ASSERT_FALSE(HasFatalFailure());
  const auto element_again = editor_->WaitForToolWindow("Animation");
  const auto text_again = editor_->WaitForToolWindow(kUntitledText);
  ASSERT_TRUE(element_again && text_again) << "the windows open at exit did not show at start";
  const auto element_place = Geometry(*element_again);
  ASSERT_TRUE(element_place.has_value());
  EXPECT_EQ(element_place->left, 30);
  EXPECT_EQ(element_place->top, 420);
  EXPECT_EQ(Geometry(*text_again), text_place);
  const auto visible = VisibleWindows(editor_->pid());
  EXPECT_TRUE(std::none_of(visible.begin(), visible.end(), [](WindowId w) { return WindowName(w) == "Insert Symbol"; }))
      << "the symbol window was closed at exit but shows";
  const WindowId symbols_again = OpenToolWindow("s", "Insert Symbol");
  ASSERT_NE(symbols_again, 0U);
  EXPECT_EQ(Geometry(symbols_again), symbol_place);
  Exit();
  ASSERT_FALSE(HasFatalFailure());

  // The second run changed nothing but the symbol window's visibility.
  const auto text_second = ReadSettings<TextInsertSettings>(TextInsertSettings::kFileName);
  const auto symbol_second = ReadSettings<SymbolWindowSettings>(SymbolWindowSettings::kFileName);
  ASSERT_TRUE(text_second && symbol_second);
  EXPECT_EQ(*text_second, *text_first);
  EXPECT_EQ(symbol_second->pFontView, symbol_first->pFontView);
  EXPECT_TRUE(symbol_second->pVisible);
}

// Garbage, and records another window wrote (their entries partly fit), give every window its
// defaults: hidden until opened, then at its first size in the middle of the screen.
TEST_F(ToolWindowJourneyTest, DamagedOrForeignSettingsFilesGiveTheDefaultsAndTheEditorGoesOn) {
  folder_.Write("garbage", std::string("TPF0\x11TTextInsertWindow\x00\xff\xfe broken", 30));
  std::filesystem::copy_file(folder_.File("garbage"), SettingsFile(TextInsertSettings::kFileName));
  AnimationElementSettings foreign_element;
  foreign_element.left = 10;
  foreign_element.top = 10;
  foreign_element.visible = true;
  WriteSettings(SymbolWindowSettings::kFileName, foreign_element);
  TextInsertSettings foreign_text;
  foreign_text.pLeft = 10;
  foreign_text.pTop = 10;
  foreign_text.pVisible = true;
  WriteSettings("TAnimationElementWindow.INI", foreign_text);
  ASSERT_FALSE(HasFatalFailure());

  Start();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_FALSE(ToolWindowShowing()) << "a window took its visibility from a file not its own";
  const auto text = Geometry(OpenToolWindow("x", kUntitledText));
  const auto symbols = Geometry(OpenToolWindow("s", "Insert Symbol"));
  const auto element = Geometry(OpenToolWindow("m", "Animation"));
  ASSERT_TRUE(text && symbols && element);
  for (const Rect& place : {*text, *symbols, *element}) {
    EXPECT_TRUE(Near(place.left + place.width() / 2, VirtualDisplay::kWidth / 2)) << place.left;
    EXPECT_TRUE(Near(place.top + place.height() / 2, VirtualDisplay::kHeight / 2)) << place.top;
  }
  EXPECT_EQ(text->width(), 300);
  EXPECT_EQ(text->height(), 400);
  EXPECT_EQ(symbols->width(), 133);
  EXPECT_EQ(symbols->height(), 350);
  Exit();
  ASSERT_FALSE(HasFatalFailure());
  // Each file now holds its own window's record.
  const auto text_saved = ReadSettings<TextInsertSettings>(TextInsertSettings::kFileName);
  ASSERT_TRUE(text_saved.has_value());
  EXPECT_TRUE(text_saved->pVisible);
  EXPECT_EQ(text_saved->pWidth, 300);
}

// A read-only settings file is read at start and replaced by a writable one at exit.
TEST_F(ToolWindowJourneyTest, AReadOnlySettingsFileIsReadThenReplaced) {
  TextInsertSettings settings;
  settings.pFont = Font{"DejaVu Sans", 14, false, false, false, kGreen};
  settings.pLeft = 40;
  settings.pTop = 60;
  settings.pVisible = true;
  settings.pText = "From a read-only file";
  WriteSettings(TextInsertSettings::kFileName, settings);
  ASSERT_FALSE(HasFatalFailure());
  const std::string path = SettingsFile(TextInsertSettings::kFileName);
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);

  Start();
  ASSERT_FALSE(HasFatalFailure());
  const auto text = editor_->WaitForToolWindow(kUntitledText);
  ASSERT_TRUE(text.has_value()) << "the read-only file was not read";
  EXPECT_EQ(Geometry(*text), Rect::FromSize(40, 60, 300, 400));
  MoveWindow(*text, 200, 220);
  ASSERT_TRUE(WaitUntil([&] {
    const auto place = Geometry(*text);
    return place && place->left == 200 && place->top == 220;
  }));
  Exit();
  ASSERT_FALSE(HasFatalFailure());

  const auto saved = ReadSettings<TextInsertSettings>(TextInsertSettings::kFileName);
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->pLeft, 200);
  EXPECT_EQ(saved->pTop, 220);
  EXPECT_EQ(saved->pText, settings.pText);
  EXPECT_EQ(saved->pFont, settings.pFont);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_NE(info.st_mode & 0200, 0U) << "the file was not replaced";
}

}  // namespace
}  // namespace plorvane::e2e
