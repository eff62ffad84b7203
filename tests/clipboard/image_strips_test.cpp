// Image strips through the system clipboard: cutting a bitmap into frames, the frame count
// question, and the round trip of an animation's strip.
#include <string>
#include <vector>

#include "clipboard_fixture.h"
#include "support/messages.h"

namespace plorvane::test {
namespace {

using Op = ClipboardOperation;

struct Pasted {
  int frame_width = 0;
  int frames = 0;
  int interval = 0;
  TElementRec element;
};

class ImageStripTest : public ClipboardTest {
 protected:
  // The animation of the selected element, which a paste makes.
  Pasted Selected() {
    Pasted pasted;
    card_->Animations().GetSelectedElement(pasted.element);
    const TSAN* animation = nullptr;
    EXPECT_TRUE(card_->Animations().GetAnimation(pasted.element.pID, animation));
    pasted.frame_width = animation->pW();
    pasted.frames = animation->FrameCount();
    pasted.interval = pasted.element.pD;
    return pasted;
  }
};

TEST_F(ImageStripTest, StripAndStillImageFromTheClipboard) {
  platform_.clipboard().SetBitmap(NoisyStrip(300, 40));
  platform_.dialogs().ScriptInputAnswer("3");
  ASSERT_TRUE(clipboard_.Run(Op::kPasteFromImageStrip)) << clipboard_.LastError();
  Pasted strip = Selected();
  EXPECT_EQ(strip.frame_width, 100);
  EXPECT_EQ(strip.frames, 3);
  EXPECT_EQ(strip.interval, 500);
  EXPECT_TRUE(strip.element.pT);
  EXPECT_TRUE(strip.element.Shown);
  EXPECT_EQ(strip.element.pX, 0);
  EXPECT_EQ(strip.element.pY, 0);
  ASSERT_EQ(platform_.dialogs().input_boxes().size(), 1U);
  EXPECT_EQ(platform_.dialogs().input_boxes()[0],
            (InputBoxRecord{"Image Strip", "Type number of image strip cells/frames (1-32767)", "1"}));

  ASSERT_TRUE(clipboard_.Run(Op::kPasteFromStillImage)) << clipboard_.LastError();
  const Pasted still = Selected();
  EXPECT_EQ(still.frame_width, 300);
  EXPECT_EQ(still.frames, 1);
  EXPECT_EQ(still.interval, 0);
  EXPECT_EQ(card_->Animations().GetCounts().elements, 2);
  EXPECT_EQ(platform_.dialogs().input_boxes().size(), 1U);
}

TEST_F(ImageStripTest, TypedFrameCounts) {
  struct TypedCase {
    const char* typed;
    int width;
    int frame_width;
    int frames;
  };
  for (const TypedCase& c : {TypedCase{"abc", 300, 300, 1}, TypedCase{"0", 300, 300, 1}, TypedCase{"2.6", 300, 100, 3},
                             TypedCase{"-4", 300, 300, 1}, TypedCase{"3", 100, 33, 3}, TypedCase{"10", 10, 1, 10}}) {
    SCOPED_TRACE(c.typed);
    platform_.dialogs().ScriptInputAnswer(c.typed);
    ASSERT_TRUE(clipboard_.AddStrip(NoisyStrip(c.width, 8), -1, false)) << clipboard_.LastError();
    const Pasted pasted = Selected();
    EXPECT_EQ(pasted.frame_width, c.frame_width);
    EXPECT_EQ(pasted.frames, c.frames);
    EXPECT_FALSE(pasted.element.pT);
  }
}

// Cut finer than its pixel columns a strip would repeat columns as frames of nothing: refused,
// and the card is left as it was.
TEST_F(ImageStripTest, MoreFramesThanColumnsIsRefused) {
  card_->SetSaved(true);
  const auto before = CardStream(*card_);
  EXPECT_FALSE(clipboard_.AddStrip(NoisyStrip(10, 8), 20, true));
  EXPECT_EQ(clipboard_.LastError(), msg::kMoreFramesThanColumns);
  platform_.dialogs().ScriptInputAnswer("40000");
  EXPECT_FALSE(clipboard_.AddStrip(NoisyStrip(300, 8), -1, true));
  EXPECT_EQ(clipboard_.LastError(), msg::kMoreFramesThanColumns);
  EXPECT_TRUE(card_->Saved());
  EXPECT_EQ(CardStream(*card_), before);
}

TEST_F(ImageStripTest, CancelledQuestionAddsNothingAndSucceeds) {
  card_->SetSaved(true);
  platform_.clipboard().SetBitmap(NoisyStrip(30, 10));
  platform_.dialogs().ScriptInputAnswer(std::nullopt);
  EXPECT_TRUE(clipboard_.Run(Op::kPasteFromImageStrip));
  EXPECT_EQ(card_->Animations().GetCounts().elements, 0);
  EXPECT_TRUE(card_->Saved());
}

TEST_F(ImageStripTest, CopiedStripPastesBackToTheSameFrames) {
  PlaceAnimation(*card_, 24, 18, 4, 9);
  const TSAN* original = nullptr;
  ASSERT_TRUE(card_->Animations().GetAnimation(0, original));
  ASSERT_TRUE(clipboard_.Run(Op::kCopyAsImageStrip)) << clipboard_.LastError();
  EXPECT_EQ(platform_.clipboard().GetBitmap(), original->Strip());

  platform_.dialogs().ScriptInputAnswer("4");
  ASSERT_TRUE(clipboard_.Run(Op::kPasteFromImageStrip)) << clipboard_.LastError();
  const Pasted pasted = Selected();
  const TSAN* copy = nullptr;
  ASSERT_TRUE(card_->Animations().GetAnimation(pasted.element.pID, copy));
  EXPECT_NE(copy, original);
  EXPECT_EQ(copy->Strip(), original->Strip());
  EXPECT_EQ(copy->pW(), 24);
  EXPECT_EQ(copy->FrameCount(), 4);
  ASSERT_TRUE(card_->Undo());
  EXPECT_EQ(card_->Animations().GetCounts().elements, 1);
}

TEST_F(ImageStripTest, FailuresNameTheirStep) {
  EXPECT_FALSE(clipboard_.PasteFromClipboard(0, true));
  EXPECT_EQ(clipboard_.LastError(), msg::kEmpty);
  EXPECT_FALSE(clipboard_.AddStrip(Bitmap{}, 1, true));
  EXPECT_EQ(clipboard_.LastError(), msg::kUnknownFormat);

  PlaceAnimation(*card_, 10, 10, 2);
  platform_.clipboard().SetAvailable(false);
  EXPECT_FALSE(clipboard_.Run(Op::kCopyAsImageStrip));
  EXPECT_EQ(clipboard_.LastError(), msg::kTaskFailed);
  platform_.clipboard().SetAvailable(true);

  ASSERT_TRUE(clipboard_.SetLocked(true));
  EXPECT_FALSE(clipboard_.AddStrip(NoisyStrip(10, 10), 1, true));
  EXPECT_EQ(clipboard_.LastError(), msg::kLocked);
}

}  // namespace
}  // namespace plorvane::test
