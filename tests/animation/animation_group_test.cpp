#include "animation/animation_group.h"

#include <gtest/gtest.h>

#include <vector>

#include "animation/animation_test_support.h"

namespace plorvane {
namespace {

class AnimationGroupTest : public ::testing::Test {
 protected:
  AnimationGroupTest() {
    group_.OnChange = [this] { ++changes_; };
  }

  // Adds an animation whose strip is `width` wide (one frame) and answers its element.
  int AddStrip(int width, int frame_width = 0) {
    int index = -1;
    EXPECT_TRUE(group_.AddFromBitmap(test::NoisyStrip(width, 10, static_cast<std::uint32_t>(width)),
                                     frame_width > 0 ? frame_width : width, index));
    return index;
  }
  TElementRec Element(int index) const {
    TElementRec record;
    group_.GetElement(index, record);
    return record;
  }
  int StripWidthOf(int animation) const {
    const TSAN* found = nullptr;
    group_.GetAnimation(animation, found);
    return found->Strip().width();
  }
  // The pX of every element, bottom first: marks where each one went.
  std::vector<int> Positions() const {
    std::vector<int> positions;
    for (int i = 0; i < group_.GetCounts().elements; ++i) positions.push_back(Element(i).pX);
    return positions;
  }
  void PlaceAt(int index, int x) {
    TElementRec record = Element(index);
    record.pX = x;
    group_.SetElement(index, record);
  }
  // The table and the elements agree: every pID names a slot whose animation knows its slot.
  void ExpectConsistent() const {
    const auto counts = group_.GetCounts();
    for (int i = 0; i < counts.animations; ++i) {
      const TSAN* animation = nullptr;
      ASSERT_TRUE(group_.GetAnimation(i, animation));
      EXPECT_EQ(animation->Index(), i);
      EXPECT_EQ(animation->Owner(), &group_);
    }
    for (int i = 0; i < counts.elements; ++i) {
      EXPECT_GE(Element(i).pID, 0);
      EXPECT_LT(Element(i).pID, counts.animations);
    }
  }

  ManualClock clock_;
  TSAG group_{clock_};
  int changes_ = 0;
};

TEST_F(AnimationGroupTest, NewGroupIsEmptyAndLookupsAnswerABlankAnimation) {
  EXPECT_EQ(group_.GetCounts().elements, 0);
  EXPECT_EQ(group_.GetCounts().animations, 0);
  EXPECT_EQ(group_.Selected(), -1);
  EXPECT_FALSE(group_.Editable());
  EXPECT_FALSE(group_.Dirty());
  const TSAN* animation = nullptr;
  EXPECT_FALSE(group_.GetAnimation(0, animation));
  ASSERT_NE(animation, nullptr);
  EXPECT_EQ(animation->pW(), 50);
  EXPECT_EQ(animation->Owner(), nullptr);

  TElementRec record = DefaultElement();
  record.pID = 5;
  group_.GetElement(0, record);
  EXPECT_EQ(record.pID, -1);
}

TEST_F(AnimationGroupTest, AddFromBitmapPlacesOneUnshownSelectedElement) {
  clock_.Set(777);
  int index = -1;
  ASSERT_TRUE(group_.AddFromBitmap(test::NoisyStrip(130, 20), 50, index));
  EXPECT_EQ(index, 0);
  EXPECT_EQ(group_.Selected(), 0);
  EXPECT_TRUE(group_.Dirty());
  const TElementRec element = Element(0);
  EXPECT_EQ(element.pID, 0);
  EXPECT_EQ(element.pX, 0);
  EXPECT_EQ(element.pY, 0);
  EXPECT_EQ(element.Width, 50);
  EXPECT_EQ(element.Height, 20);
  EXPECT_EQ(element.FrameCount, 2);
  EXPECT_EQ(element.pD, 500);
  EXPECT_EQ(element.LastAdvance, 777U);
  EXPECT_FALSE(element.Shown);
}

TEST_F(AnimationGroupTest, FailedAddLeavesNothingBehind) {
  int index = 5;
  EXPECT_FALSE(group_.AddFromBitmap(Bitmap(), 10, index));
  EXPECT_EQ(group_.LastError(), "Unknown format");
  EXPECT_EQ(index, -1);
  EXPECT_FALSE(group_.AddFromFile("/nonexistent/folder/x.SAN", index));
  EXPECT_EQ(group_.LastError(), "File not found");
  EXPECT_EQ(group_.GetCounts().animations, 0);
  EXPECT_EQ(group_.GetCounts().elements, 0);
}

TEST_F(AnimationGroupTest, TheTwoHundredFirstAnimationIsRefused) {
  for (int i = 0; i < TSAG::kMaxAnimations; ++i) ASSERT_EQ(AddStrip(4), i);
  int index = -1;
  EXPECT_FALSE(group_.AddFromBitmap(test::NoisyStrip(4, 4), 4, index));
  EXPECT_EQ(group_.LastError(), "Capacity reached");
  EXPECT_EQ(group_.GetCounts().animations, TSAG::kMaxAnimations);
  EXPECT_EQ(group_.GetCounts().elements, TSAG::kMaxAnimations);
  EXPECT_EQ(group_.RegisterAnimation(std::make_unique<TSAN>()), -1);
}

TEST_F(AnimationGroupTest, TheThousandFirstElementIsRefused) {
  AddStrip(8);
  const TElementRec record = Element(0);
  for (int i = 1; i < TSAG::kMaxElements; ++i) ASSERT_EQ(group_.AddElement(record), i);
  EXPECT_EQ(group_.AddElement(record), -1);
  EXPECT_EQ(group_.GetCounts().elements, TSAG::kMaxElements);

  // A full list makes an add fail with nothing left of the new animation.
  int index = -1;
  EXPECT_FALSE(group_.AddFromBitmap(test::NoisyStrip(4, 4), 4, index));
  EXPECT_EQ(group_.LastError(), "Out of memory");
  EXPECT_EQ(group_.GetCounts().animations, 1);
}

TEST_F(AnimationGroupTest, AddElementNeedsAValidAnimationAndTakesItsSize) {
  AddStrip(30);
  TElementRec record = DefaultElement();
  record.pID = 1;
  EXPECT_EQ(group_.AddElement(record), -1);
  record.pID = -1;
  EXPECT_EQ(group_.AddElement(record), -1);
  record.pID = 0;
  record.Width = 999;
  record.FrameCount = 999;
  record.Shown = true;
  const int index = group_.AddElement(record);
  ASSERT_EQ(index, 1);
  EXPECT_EQ(Element(index).Width, 30);
  EXPECT_EQ(Element(index).FrameCount, 1);
  EXPECT_FALSE(Element(index).Shown);
}

TEST_F(AnimationGroupTest, RemovingAnAnimationRenumbersLaterOnes) {
  AddStrip(10);
  AddStrip(20);
  AddStrip(30);
  TElementRec second = Element(1);
  second.pX = 99;
  ASSERT_EQ(group_.AddElement(second), 3);  // elements: 10, 20, 30, 20
  ASSERT_TRUE(group_.RemoveAnimation(1));

  ASSERT_EQ(group_.GetCounts().animations, 2);
  ASSERT_EQ(group_.GetCounts().elements, 2);
  EXPECT_EQ(Element(0).pID, 0);
  EXPECT_EQ(Element(1).pID, 1);
  EXPECT_EQ(StripWidthOf(Element(1).pID), 30);
  ExpectConsistent();
  EXPECT_FALSE(group_.RemoveAnimation(2));
}

TEST_F(AnimationGroupTest, PurgeKeepsWhatTheModeAsksFor) {
  struct Case {
    int mode;
    int animations_left;
  };
  // Animation 0 has a Shown element, 1 only a hidden one, 2 none at all.
  for (const Case c : {Case{TSAG::kPurgeUnused, 2}, Case{TSAG::kPurgeUnshown, 1}, Case{TSAG::kPurgeAll, 0}}) {
    SCOPED_TRACE(c.mode);
    ManualClock clock;
    TSAG group(clock);
    for (int width : {10, 20, 30}) {
      auto animation = std::make_unique<TSAN>();
      ASSERT_TRUE(animation->AssignStrip(test::NoisyStrip(width, 5), width));
      group.RegisterAnimation(std::move(animation));
    }
    TElementRec record = DefaultElement();
    record.pID = 0;
    const int shown = group.AddElement(record);
    record.Shown = true;
    group.SetElement(shown, record);
    record.pID = 1;
    group.AddElement(record);
    group.PurgeAnimations(c.mode);
    EXPECT_EQ(group.GetCounts().animations, c.animations_left);
    if (c.animations_left > 0) {
      const TSAN* first = nullptr;
      group.GetAnimation(0, first);
      EXPECT_EQ(first->Strip().width(), 10);
    }
  }
}

TEST_F(AnimationGroupTest, SetElementClamps) {
  struct Case {
    const char* what;
    void (*change)(TElementRec&);
    void (*expect)(const TElementRec&);
  };
  const Case cases[] = {
      {"pSH 120", [](TElementRec& r) { r.pSH = 120; }, [](const TElementRec& r) { EXPECT_EQ(r.pSH, 99); }},
      {"pSV -500", [](TElementRec& r) { r.pSV = -500; }, [](const TElementRec& r) { EXPECT_EQ(r.pSV, -99); }},
      {"pD 7000", [](TElementRec& r) { r.pD = 7000; }, [](const TElementRec& r) { EXPECT_EQ(r.pD, 5000); }},
      {"pD -1", [](TElementRec& r) { r.pD = -1; }, [](const TElementRec& r) { EXPECT_EQ(r.pD, 0); }},
      {"pF 5", [](TElementRec& r) { r.pF = 5; }, [](const TElementRec& r) { EXPECT_EQ(r.pF, 2); }},
      {"pSH 0, pSSH 40", [](TElementRec& r) { r.pSH = 0, r.pSSH = 40; },
       [](const TElementRec& r) { EXPECT_EQ(r.pSSH, 0); }},
      {"pSV 5, pSSV 40", [](TElementRec& r) { r.pSV = 5, r.pSSV = 40; },
       [](const TElementRec& r) { EXPECT_EQ(r.pSSV, 40); }},
      {"pSV 5, pSSV 130", [](TElementRec& r) { r.pSV = 5, r.pSSV = 130; },
       [](const TElementRec& r) { EXPECT_EQ(r.pSSV, 100); }},
      {"pSH -5, pSSH -130", [](TElementRec& r) { r.pSH = -5, r.pSSH = -130; },
       [](const TElementRec& r) { EXPECT_EQ(r.pSSH, -100); }},
  };
  AddStrip(10);
  group_.Paused = true;  // keeps RestartAll from resetting the offsets under test
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TElementRec record = Element(0);
    c.change(record);
    group_.SetElement(0, record);
    c.expect(Element(0));
  }
}

TEST_F(AnimationGroupTest, SetElementReportsChangesAndRestartsOnlyOnTimingChanges) {
  AddStrip(100, 50);
  AddStrip(10);
  clock_.Set(1000);
  group_.RestartAll();
  clock_.Set(2000);
  changes_ = 0;

  // An invalid index or pID does nothing.
  TElementRec record = Element(0);
  group_.SetElement(7, record);
  record.pID = 9;
  group_.SetElement(0, record);
  EXPECT_EQ(changes_, 0);

  // The same record again is no change.
  group_.SetElement(0, Element(0));
  EXPECT_EQ(changes_, 0);
  // Playback state alone is no change either.
  record = Element(0);
  record.LastAdvance = 5;
  group_.SetElement(0, record);
  EXPECT_EQ(changes_, 0);

  // Moving is a change but no timing change: nobody restarts.
  record = Element(0);
  record.pX = 40;
  group_.SetElement(0, record);
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(Element(1).LastAdvance, 1000U);

  // A new interval restarts every element.
  record = Element(0);
  record.pD = 250;
  record.pI = 2;
  group_.SetElement(0, record);
  EXPECT_EQ(changes_, 2);
  EXPECT_EQ(Element(1).LastAdvance, 2000U);
  EXPECT_EQ(Element(0).pI, 1);
}

TEST_F(AnimationGroupTest, RestartAllSetsFlashAndScrollStartsUnlessPaused) {
  AddStrip(10);
  TElementRec record = Element(0);
  record.pF = 2;
  record.pSH = 10;
  record.pSV = -10;
  record.pI = 3;
  group_.SetElement(0, record);
  clock_.Set(50);
  group_.RestartAll();
  EXPECT_TRUE(Element(0).pFS);
  EXPECT_EQ(Element(0).pSSH, -100);
  EXPECT_EQ(Element(0).pSSV, 100);
  EXPECT_EQ(Element(0).pI, 1);
  EXPECT_EQ(Element(0).LastAdvance, 50U);

  group_.Paused = true;
  clock_.Set(90);
  group_.RestartAll();
  EXPECT_EQ(Element(0).LastAdvance, 50U);
  EXPECT_TRUE(group_.Dirty());
}

TEST_F(AnimationGroupTest, SelectionChangesFireOnlyWhenTheyChange) {
  for (int i = 0; i < 3; ++i) AddStrip(10 + i);
  group_.Select(1);
  changes_ = 0;
  group_.Select(1);
  EXPECT_EQ(changes_, 0);
  group_.Select(7);  // invalid: nothing selected
  EXPECT_EQ(group_.Selected(), -1);
  EXPECT_EQ(changes_, 1);
  EXPECT_FALSE(group_.HasSelection());
  group_.Select(2);
  EXPECT_FALSE(group_.HasSelection());  // not editable
  group_.SetEditable(true);
  EXPECT_TRUE(group_.HasSelection());
}

TEST_F(AnimationGroupTest, SelectRelativeWrapsAtBothEnds) {
  struct Case {
    int from;
    int step;
    int to;
  };
  const Case cases[] = {{2, +1, 0}, {0, -1, 2}, {1, +1, 2}, {1, -1, 0}, {-1, +1, 0}, {-1, -1, 2}};
  for (int i = 0; i < 3; ++i) AddStrip(10 + i);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " " << c.step);
    group_.Select(c.from);
    group_.SelectRelative(c.step);
    EXPECT_EQ(group_.Selected(), c.to);
  }
}

TEST_F(AnimationGroupTest, EditingNeedsASelection) {
  AddStrip(10);
  AddStrip(20);
  group_.Select(0);  // not editable: no selection to work on
  EXPECT_EQ(group_.DuplicateSelected(), -1);
  group_.DeleteSelected();
  group_.BringToTop();
  EXPECT_FALSE(group_.CanBringToTop());
  EXPECT_EQ(group_.GetCounts().elements, 2);
  EXPECT_EQ(Element(0).Width, 10);
}

TEST_F(AnimationGroupTest, DuplicateAddsAnOffsetCopyOfTheSameAnimation) {
  AddStrip(10);
  group_.SetEditable(true);
  PlaceAt(0, 5);
  const int copy = group_.DuplicateSelected();
  ASSERT_EQ(copy, 1);
  EXPECT_EQ(group_.Selected(), 1);
  EXPECT_EQ(Element(1).pX, 25);
  EXPECT_EQ(Element(1).pY, 20);
  EXPECT_EQ(Element(1).pID, 0);
  EXPECT_FALSE(Element(1).Shown);
  EXPECT_EQ(group_.GetCounts().animations, 1);
}

TEST_F(AnimationGroupTest, BringToTopAndSendToBottomReorder) {
  AddStrip(10);
  for (int i = 1; i < 4; ++i) group_.AddElement(Element(0));
  for (int i = 0; i < 4; ++i) PlaceAt(i, i);
  group_.SetEditable(true);

  group_.Select(1);
  EXPECT_TRUE(group_.CanBringToTop());
  EXPECT_TRUE(group_.CanSendToBottom());
  group_.BringToTop();
  EXPECT_EQ(Positions(), (std::vector<int>{0, 2, 3, 1}));
  EXPECT_EQ(group_.Selected(), 3);
  EXPECT_FALSE(group_.CanBringToTop());

  group_.Select(2);
  group_.SendToBottom();
  EXPECT_EQ(Positions(), (std::vector<int>{3, 0, 2, 1}));
  EXPECT_EQ(group_.Selected(), 0);
  EXPECT_FALSE(group_.CanSendToBottom());
}

TEST_F(AnimationGroupTest, DeleteReleasesTheAnimationOnlyWhenUnused) {
  AddStrip(10);
  AddStrip(20);
  group_.AddElement(Element(1));  // elements: 10, 20, 20
  group_.SetEditable(true);

  group_.Select(1);
  group_.DeleteSelected();
  EXPECT_EQ(group_.GetCounts().animations, 2);
  EXPECT_EQ(group_.Selected(), 1);  // now names the next element

  group_.DeleteSelected();
  EXPECT_EQ(group_.GetCounts().animations, 1);
  EXPECT_EQ(group_.GetCounts().elements, 1);
  EXPECT_EQ(group_.Selected(), 1);
  EXPECT_FALSE(group_.HasSelection());  // the last one was deleted
  ExpectConsistent();

  group_.Select(0);
  changes_ = 0;
  group_.DeleteSelected();
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(group_.GetCounts().animations, 0);
}

}  // namespace
}  // namespace plorvane
