// Journeys through the built editor that cross its borders: a frame copied in one editor and
// pasted in another running beside it and in a later one (the card clipboard is a folder they
// share), a frame colour taken off the screen by dragging its tool button and taken back by one
// Undo, and Print handing the card to the print companion's preview.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "card/card.h"
#include "e2e/card_maker.h"
#include "e2e/child_process.h"
#include "e2e/desktop_probe.h"
#include "e2e/editor_fixture.h"
#include "e2e/virtual_display.h"
#include "e2e/wait.h"
#include "e2e/xvfb_editor_fixture.h"

namespace plorvane::e2e {
namespace {

constexpr Colour kViolet = MakeColour(201, 37, 143);
constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kNewCardRing = MakeColour(58, 98, 151);  // the new card's frame, outermost ring
constexpr int kFrameColourButton = 17;
constexpr int kUndoButton = 5;
// A spot of the bare desktop, away from the strip and the centred card window.
constexpr Point kDesktopSpot{120, 700};

// Whether `colour` is in the frame: the rings cross the card's middle row within its first 75
// pixels, and the ring at the style's split has the full colour.
bool FrameShows(const Bitmap& card, Colour colour) {
  for (int x = 0; x < std::min(card.width(), TZarvickV2::kMaxFrameSize); ++x) {
    if (card.GetPixel(x, card.height() / 2) == colour) return true;
  }
  return false;
}

// The frame of a new card is painted.
bool IsNewCard(const Bitmap& card) { return card.GetPixel(0, card.height() / 2) == kNewCardRing; }

class EditorJourneyTest : public XvfbEditorFixture {
 protected:

  [[nodiscard]] std::string ClipboardFile(const std::string& kind) const {
    return folder_.File("home/data/Vumra Enterprises/Clipboard/clipboard-object-" + kind + "." + kind);
  }

  // The editor's card once its frame shows `colour`, raised above other editors' cards first.
  static std::optional<Bitmap> WaitForFrame(const RunningEditor& editor, Colour colour) {
    Raise(editor.card());
    return editor.WaitForCard([&](const Bitmap& shot) { return FrameShows(shot, colour); });
  }
};

TEST_F(EditorJourneyTest, AFrameCopiedInOneEditorPastesInAnotherRunningBesideItAndInALaterOne) {
  const std::string violet = folder_.File("violet.exe");
  std::string error;
  ASSERT_TRUE(MakeCard(
      violet,
      [](TZarvickV2& card) {
        card.SetSize(35);
        card.SetColor(kViolet);
        card.SetSwapColor(false);
        return true;
      },
      error))
      << error;

  Start({violet});
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(WaitForFrame(*editor_, kViolet)) << "the opened card does not show its violet frame";
  std::unique_ptr<RunningEditor> beside;
  StartEditor(beside);
  ASSERT_FALSE(HasFatalFailure());
  Raise(beside->card());
  ASSERT_TRUE(beside->WaitForCard(IsNewCard)) << "the second editor's new card is not painted";

  editor_->PickFromMenu("r", "c");  // F&rame > &Copy
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(WaitForFile(ClipboardFile("FRA"), [](const auto& bytes) { return !bytes.empty(); }))
      << "the copy wrote no frame to the clipboard";

  beside->PickFromMenu("r", "p");  // F&rame > &Paste
  ASSERT_FALSE(HasFatalFailure());
  const auto pasted = WaitForFrame(*beside, kViolet);
  ASSERT_TRUE(pasted.has_value()) << "the running editor did not paste the copied frame";
  EXPECT_TRUE(beside->WaitForCaption("*Untitled.exe - Plorvane")) << WindowName(beside->strip());

  // The copy left the first card as it was; the paste changed the second, which is not saved.
  EXPECT_TRUE(editor_->CloseDiscardingChanges());
  EXPECT_TRUE(beside->CloseDiscardingChanges());

  std::unique_ptr<RunningEditor> later;
  StartEditor(later);
  ASSERT_FALSE(HasFatalFailure());
  const auto fresh = later->WaitForCard(IsNewCard);
  ASSERT_TRUE(fresh.has_value()) << "the later editor's new card is not painted";
  ASSERT_FALSE(FrameShows(*fresh, kViolet));
  later->PickFromMenu("r", "p");
  ASSERT_FALSE(HasFatalFailure());
  const auto pasted_later = WaitForFrame(*later, kViolet);
  ASSERT_TRUE(pasted_later.has_value()) << "an editor started afterwards did not paste the frame";
  // The frame's size came along too: both cards are as wide as the violet one.
  EXPECT_EQ(pasted_later->width(), pasted->width());
  EXPECT_TRUE(later->CloseDiscardingChanges());
}

TEST_F(EditorJourneyTest, DraggingTheFrameColourButtonOntoRedMakesTheFrameRedAndOneUndoTakesItBack) {
  ASSERT_TRUE(RunCommand("xsetroot -solid red")) << "xsetroot is missing (x11-xserver-utils)";
  ASSERT_TRUE(WaitForScreenshot(Rect::FromSize(kDesktopSpot.x - 5, kDesktopSpot.y - 5, 10, 10), [](const Bitmap& shot) {
    return shot.GetPixel(0, 0) == kRed && shot.GetPixel(9, 9) == kRed;
  })) << "the desktop did not turn red";
  Start();
  ASSERT_FALSE(HasFatalFailure());
  const auto before = editor_->WaitForCard(IsNewCard);
  ASSERT_TRUE(before.has_value());
  ASSERT_FALSE(FrameShows(*before, kRed));

  const auto button = editor_->ToolButtonCentre(kFrameColourButton);
  ASSERT_TRUE(button.has_value());
  MoveMouse(button->x, button->y);
  PressButton(1);
  // In steps, as a hand moves: over the strip, across the card and onto the red desktop.
  constexpr int kSteps = 12;
  for (int step = 1; step <= kSteps; ++step) {
    MoveMouse(button->x + (kDesktopSpot.x - button->x) * step / kSteps, button->y + (kDesktopSpot.y - button->y) * step / kSteps);
  }
  const auto red = editor_->WaitForCard([](const Bitmap& shot) { return FrameShows(shot, kRed); });
  ReleaseButton(1);
  ASSERT_TRUE(red.has_value()) << "the frame did not take the red under the pointer";
  EXPECT_TRUE(editor_->WaitForCaption("*Untitled.exe - Plorvane")) << WindowName(strip_);

  // A modal colour dialog after the drag would swallow this click.
  const auto undo = editor_->ToolButtonCentre(kUndoButton);
  ASSERT_TRUE(undo.has_value());
  MoveMouse(undo->x, undo->y);
  Click(1);
  EXPECT_TRUE(editor_->WaitForCardShowing(*before)) << "one Undo did not bring the frame back as it was before the drag";
}

TEST_F(EditorJourneyTest, PrintFromTheFileMenuShowsTheCardInThePrintCompanionsPreview) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(editor_->WaitForCard(IsNewCard));
  editor_->PickFromMenu("f", "p");  // &File > &Print...
  ASSERT_FALSE(HasFatalFailure());
  const auto previews = WaitForTitledWindows(TitlePattern("Untitled.exe (Zarvick) - Print Preview"));
  ASSERT_EQ(previews.size(), 1U) << "no print preview";
  const auto companion = WindowPid(previews[0]);
  ASSERT_TRUE(companion.has_value());
  EXPECT_NE(*companion, editor_->pid()) << "the preview is not the companion's";
  Focus(previews[0]);
  PressKey("Escape");
  const bool closed = WaitUntil([&] { return VisibleWindows(*companion).empty(); });
  // The companion is the editor's child and would outlive the test.
  if (!closed) ::kill(*companion, SIGKILL);
  EXPECT_TRUE(closed) << "the preview did not close";
  EXPECT_TRUE(editor_->CloseDiscardingChanges());
}

// The insert-text window: typed text goes onto the card as a picture whose background is
// transparent, and one Undo takes it away.
TEST_F(EditorJourneyTest, TextTypedInTheInsertTextWindowGoesOntoTheCardAndOneUndoTakesItBack) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  const auto before = editor_->WaitForCard(IsNewCard);
  ASSERT_TRUE(before.has_value());
  editor_->PickFromMenu("e", "x");  // &Edit > Insert Te&xt...
  ASSERT_FALSE(HasFatalFailure());
  const auto text_windows = WaitForTitledWindows(TitlePattern("Insert Text - Untitled.txt"));
  ASSERT_EQ(text_windows.size(), 1U) << "the insert-text window did not show";
  const WindowId text_window = text_windows[0];
  Focus(text_window);
  Type("Hello card");
  editor_->PickFromMenu(text_window, "e", "i");  // &Edit > &Insert Text
  ASSERT_FALSE(HasFatalFailure());
  Raise(editor_->card());
  const auto with_text = editor_->WaitForCard([&](const Bitmap& shot) { return !SamePixels(shot, *before); });
  ASSERT_TRUE(with_text.has_value()) << "the text did not reach the card";
  // Only the glyphs show: the frame and most of the picture are as they were.
  int changed = 0;
  for (int y = 0; y < before->height(); ++y) {
    for (int x = 0; x < before->width(); ++x) changed += with_text->GetPixel(x, y) != before->GetPixel(x, y) ? 1 : 0;
  }
  EXPECT_LT(changed, before->width() * before->height() / 20) << "more than the glyphs changed";

  editor_->PickFromMenu("e", "u");  // &Edit > &Undo
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(editor_->WaitForCardShowing(*before)) << "Undo did not take the text away";

  Focus(text_window);
  PressKey("alt+f");
  PressKey("c");  // &File > &Close
  ASSERT_TRUE(editor_->WaitForDialogGone(text_window));
  EXPECT_TRUE(editor_->CloseDiscardingChanges());
}

}  // namespace
}  // namespace plorvane::e2e
