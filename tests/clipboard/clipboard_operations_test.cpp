// Which operations the menus may start in which state of the card, and the text an operation
// leaves when it is started anyway.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clipboard_fixture.h"
#include "support/messages.h"

namespace plorvane::test {
namespace {

using Op = ClipboardOperation;

struct OperationCase {
  Op operation;
  const char* name;
  std::string_view refused;
};

const std::vector<OperationCase>& AllOperations() {
  static const std::vector<OperationCase> cases{
      {Op::kCopyAnimation, "CopyAnimation", msg::kEmpty},
      {Op::kCutAnimation, "CutAnimation", msg::kEmpty},
      {Op::kPasteAnimation, "PasteAnimation", msg::kEmpty},
      {Op::kCopyAllAnimations, "CopyAllAnimations", msg::kEmpty},
      {Op::kPasteAllAnimations, "PasteAllAnimations", msg::kEmpty},
      {Op::kDuplicate, "Duplicate", msg::kIndexOutOfRange},
      {Op::kDelete, "Delete", msg::kIndexOutOfRange},
      {Op::kDeleteAll, "DeleteAll", msg::kIndexOutOfRange},
      {Op::kBringToTop, "BringToTop", msg::kIndexOutOfRange},
      {Op::kSendToBottom, "SendToBottom", msg::kIndexOutOfRange},
      {Op::kCopyAsImageStrip, "CopyAsImageStrip", msg::kEmpty},
      {Op::kPasteFromStillImage, "PasteFromStillImage", msg::kEmpty},
      {Op::kPasteFromImageStrip, "PasteFromImageStrip", msg::kEmpty},
      {Op::kCopyCursor, "CopyCursor", msg::kEmpty},
      {Op::kCutCursor, "CutCursor", msg::kEmpty},
      {Op::kPasteCursor, "PasteCursor", msg::kEmpty},
      {Op::kPasteFromIcon, "PasteFromIcon", msg::kEmpty},
      {Op::kDefaultCursor, "DefaultCursor", msg::kEmpty},
      {Op::kCopySound, "CopySound", msg::kEmpty},
      {Op::kCutSound, "CutSound", msg::kEmpty},
      {Op::kPasteSound, "PasteSound", msg::kEmpty},
      {Op::kClearSound, "ClearSound", msg::kEmpty},
      {Op::kCopyFrame, "CopyFrame", msg::kEmpty},
      {Op::kCutFrame, "CutFrame", msg::kEmpty},
      {Op::kPasteFrame, "PasteFrame", msg::kEmpty},
      {Op::kClearFrame, "ClearFrame", msg::kEmpty},
      {Op::kCopyLink, "CopyLink", msg::kEmpty},
      {Op::kCutLink, "CutLink", msg::kEmpty},
      {Op::kPasteLink, "PasteLink", msg::kEmpty},
      {Op::kClearLink, "ClearLink", msg::kEmpty},
  };
  return cases;
}

TEST(ClipboardWithoutCard, EveryOperationFailsWithUnexpectedError) {
  testing::TempHome home;
  HeadlessPlatform platform;
  TZarvickClipboard clipboard;
  clipboard.SetPlatform(&platform);
  for (const OperationCase& c : AllOperations()) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(clipboard.Allowed(c.operation));
    EXPECT_FALSE(clipboard.Run(c.operation));
    EXPECT_EQ(clipboard.LastError(), msg::kUnexpectedError);
  }
  const std::vector<std::pair<const char*, std::function<bool()>>> named{
      {"SetTransparent", [&] { return clipboard.SetTransparent(true); }},
      {"SetFlip", [&] { return clipboard.SetFlip(true); }},
      {"SetMirror", [&] { return clipboard.SetMirror(true); }},
      {"SetLocked", [&] { return clipboard.SetLocked(true); }},
      {"SetOutlineMode", [&] { return clipboard.SetOutlineMode(1); }},
      {"PasteFromClipboard", [&] { return clipboard.PasteFromClipboard(0, true); }},
      {"AddStrip", [&] { return clipboard.AddStrip(NoisyStrip(10, 10), 1, true); }},
      {"Print", [&] { return clipboard.Print("t", "/bin/true"); }},
      {"PrintToClipboard", [&] { return clipboard.PrintToClipboard(); }},
      {"PrintToFile",
       [&] {
         TDialogSpec spec;
         return clipboard.PrintToFile(spec);
       }},
  };
  for (const auto& [name, run] : named) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(run());
    EXPECT_EQ(clipboard.LastError(), msg::kUnexpectedError);
  }
  EXPECT_FALSE(clipboard.Locked());
  EXPECT_EQ(clipboard.Interval(), 0);
  EXPECT_FALSE(clipboard.Transparent());
}

TEST_F(ClipboardTest, WithoutPlatformNothingRuns) {
  clipboard_.SetPlatform(nullptr);
  EXPECT_FALSE(clipboard_.Allowed(Op::kCopyLink));
  EXPECT_FALSE(clipboard_.Run(Op::kCopyLink));
  EXPECT_EQ(clipboard_.LastError(), msg::kUnexpectedError);
  EXPECT_FALSE(Exists("LK"));
}

// A new card without frame, animations, cursor, sound or link, and an empty clipboard folder:
// only the link may be copied (an empty link is a link too). Every refused operation names why
// and leaves the card as it was.
TEST_F(ClipboardTest, OnABareCardOnlyCopyLinkIsAllowed) {
  card_->SetSize(0);
  card_->Redraw(true);
  card_->SetSaved(true);
  const std::vector<std::uint8_t> before = CardStream(*card_);
  for (const OperationCase& c : AllOperations()) {
    SCOPED_TRACE(c.name);
    if (c.operation == Op::kCopyLink) continue;
    EXPECT_FALSE(clipboard_.Allowed(c.operation));
    EXPECT_FALSE(clipboard_.Run(c.operation));
    EXPECT_EQ(clipboard_.LastError(), c.refused);
    EXPECT_TRUE(card_->Saved());
  }
  EXPECT_EQ(CardStream(*card_), before);
  EXPECT_TRUE(clipboard_.Allowed(Op::kCopyLink));
  EXPECT_TRUE(clipboard_.Run(Op::kCopyLink)) << clipboard_.LastError();
}

// Every part present, two elements with the first selected, every clipboard file written and a
// bitmap on the system clipboard: everything is allowed, and the lock takes away exactly what
// changes the animations.
TEST_F(ClipboardTest, AllowedStatesFollowTheCardAndTheLock) {
  ASSERT_GE(PlaceAnimation(*card_, 20, 10, 2, 1), 0);
  ASSERT_GE(PlaceAnimation(*card_, 20, 10, 2, 2), 0);
  GiveCursor(*card_);
  GiveSound(*card_, WaveFile(), "s.wav");
  card_->SetLink("http://example.org/");
  for (Op copy :
       {Op::kCopyAnimation, Op::kCopyAllAnimations, Op::kCopyCursor, Op::kCopySound, Op::kCopyFrame, Op::kCopyLink}) {
    ASSERT_TRUE(clipboard_.Run(copy)) << clipboard_.LastError();
  }
  WriteBytes(File("ICO"), IconFile(kIcoType, {SolidImage(32, 8, {1, 2, 3, 255})}));
  platform_.clipboard().SetBitmap(NoisyStrip(30, 10));
  card_->Animations().Select(0);

  for (const OperationCase& c : AllOperations()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(clipboard_.Allowed(c.operation), c.operation != Op::kSendToBottom);
  }

  ASSERT_TRUE(clipboard_.SetLocked(true));
  EXPECT_TRUE(clipboard_.Locked());
  const std::vector<Op> barred_while_locked{
      Op::kCopyAnimation, Op::kCutAnimation,     Op::kPasteAnimation,      Op::kPasteAllAnimations,
      Op::kDuplicate,     Op::kDelete,           Op::kDeleteAll,           Op::kBringToTop,
      Op::kSendToBottom,  Op::kCopyAsImageStrip, Op::kPasteFromStillImage, Op::kPasteFromImageStrip};
  for (const OperationCase& c : AllOperations()) {
    SCOPED_TRACE(c.name);
    const bool barred =
        std::find(barred_while_locked.begin(), barred_while_locked.end(), c.operation) != barred_while_locked.end();
    EXPECT_EQ(clipboard_.Allowed(c.operation), !barred);
    if (barred) {
      EXPECT_FALSE(clipboard_.Run(c.operation));
      EXPECT_EQ(clipboard_.LastError(), c.refused);
    }
  }
  EXPECT_EQ(card_->Animations().GetCounts().elements, 2);
  ASSERT_TRUE(clipboard_.SetLocked(false));
  EXPECT_FALSE(clipboard_.Locked());
}

TEST_F(ClipboardTest, ElementSettingsNeedASelectionAndMarkTheCardChanged) {
  EXPECT_FALSE(clipboard_.SetTransparent(true));
  EXPECT_EQ(clipboard_.LastError(), msg::kIndexOutOfRange);

  const int index = PlaceAnimation(*card_, 20, 10, 3);
  card_->SetSaved(true);
  ASSERT_TRUE(clipboard_.SetTransparent(true));
  ASSERT_TRUE(clipboard_.SetFlip(true));
  ASSERT_TRUE(clipboard_.SetMirror(false));
  EXPECT_FALSE(card_->Saved());
  TElementRec element;
  card_->Animations().GetElement(index, element);
  EXPECT_TRUE(element.pT);
  EXPECT_TRUE(element.pFV);
  EXPECT_FALSE(element.pFH);
  EXPECT_TRUE(clipboard_.Transparent());
  EXPECT_TRUE(clipboard_.Flip());
  EXPECT_FALSE(clipboard_.Mirror());
  EXPECT_EQ(clipboard_.Interval(), 500);

  ASSERT_TRUE(clipboard_.SetOutlineMode(7));
  EXPECT_EQ(clipboard_.OutlineMode(), 2);
  ASSERT_TRUE(clipboard_.SetOutlineMode(-1));
  EXPECT_EQ(clipboard_.OutlineMode(), 0);
}

TEST_F(ClipboardTest, DuplicateDeleteAndOrderWorkOnTheSelection) {
  PlaceAnimation(*card_, 20, 10, 2, 1);
  PlaceAnimation(*card_, 20, 10, 2, 2);
  card_->Animations().Select(0);
  card_->SetSaved(true);

  ASSERT_TRUE(clipboard_.Run(Op::kDuplicate)) << clipboard_.LastError();
  EXPECT_FALSE(card_->Saved());
  EXPECT_EQ(card_->Animations().Selected(), 2);
  TElementRec copy;
  card_->Animations().GetElement(2, copy);
  EXPECT_TRUE(copy.Shown);
  EXPECT_EQ(card_->Animations().GetCounts().animations, 2);

  ASSERT_TRUE(clipboard_.Run(Op::kSendToBottom));
  EXPECT_EQ(card_->Animations().Selected(), 0);
  ASSERT_TRUE(clipboard_.Run(Op::kBringToTop));
  EXPECT_EQ(card_->Animations().Selected(), 2);

  ASSERT_TRUE(clipboard_.Run(Op::kDelete));
  EXPECT_EQ(card_->Animations().GetCounts().elements, 2);
  ASSERT_TRUE(card_->Undo());
  EXPECT_EQ(card_->Animations().GetCounts().elements, 3);

  ASSERT_TRUE(clipboard_.Run(Op::kDeleteAll));
  EXPECT_EQ(card_->Animations().GetCounts().elements, 0);
  EXPECT_EQ(card_->Animations().GetCounts().animations, 0);
}

TEST_F(ClipboardTest, ErrorBoxShowsTheTranslatedLastError) {
  clipboard_.Run(Op::kPasteFrame);
  clipboard_.ShowError();
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1U);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0], (ErrorBoxRecord{"Error", "Empty"}));
}

TEST(ClipboardInstance, OneSharedInstance) { EXPECT_EQ(&ZarvickClipboard(), &ZarvickClipboard()); }

}  // namespace
}  // namespace plorvane::test
