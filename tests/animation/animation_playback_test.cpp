#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "animation/playback_fixture.h"
#include "streaming/memory_stream.h"

namespace plorvane {
namespace {

using test::PatternStrip;

class AnimationPlaybackTest : public test::PlaybackFixture {};

TEST_F(AnimationPlaybackTest, FramesAdvanceOnTheirIntervalAndWrap) {
  const int element = Place(PatternStrip(4, 4, 3), 4, [](TElementRec& e) { e.pD = 100; });
  group_.Tick();  // the placement's own repaint
  std::vector<int> frames;
  for (int step = 0; step < 4; ++step) {
    TickAfter(99);
    frames.push_back(Element(element).pI);
    TickAfter(1);
    frames.push_back(Element(element).pI);
  }
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 2, 3, 3, 1, 1, 2}));
  EXPECT_EQ(paints_, 1 + 4);
}

TEST_F(AnimationPlaybackTest, StillElementReturnsToFirstFrameWithoutFlashOrScroll) {
  const int element = Place(PatternStrip(4, 4, 3), 4, [](TElementRec& e) {
    e.pD = 100;
    e.pF = 1;
    e.pSH = 10;
  });
  TickAfter(100);
  ASSERT_EQ(Element(element).pI, 2);
  // While paused a timing change does not restart, so the element keeps its frame.
  group_.Paused = true;
  Update(element, [](TElementRec& e) { e.pD = 0; });
  group_.Paused = false;
  ASSERT_EQ(Element(element).pI, 2);

  TickAfter(1);
  EXPECT_EQ(Element(element).pI, 1);
  const int paints = paints_;
  Redraw();
  const Bitmap first_look = canvas_;
  for (int step = 0; step < 5; ++step) TickAfter(500);
  EXPECT_EQ(Element(element).pI, 1);
  EXPECT_EQ(paints_, paints);
  Redraw();
  EXPECT_EQ(canvas_, first_look);
  // Frame 1, unshifted and visible.
  EXPECT_EQ(canvas_.GetPixel(3, 2), PatternStrip(4, 4, 3).GetPixel(3, 2));
}

TEST_F(AnimationPlaybackTest, SingleFrameWithoutEffectsNeverAdvancesOrRepaints) {
  const int element = Place(PatternStrip(6, 6, 1), 6, [](TElementRec& e) { e.pD = 500; });
  group_.Tick();
  ASSERT_EQ(paints_, 1);
  ASSERT_FALSE(group_.Dirty());
  const std::uint32_t started = Element(element).LastAdvance;
  for (int step = 0; step < 10; ++step) TickAfter(500);
  EXPECT_EQ(paints_, 1);
  EXPECT_EQ(Element(element).pI, 1);
  EXPECT_EQ(Element(element).LastAdvance, started);
}

TEST_F(AnimationPlaybackTest, EvenFlashStartsHiddenAndTogglesKeepingItsOutline) {
  group_.SetEditable(true);
  const int element = Place(PatternStrip(6, 6, 1), 6, [](TElementRec& e) {
    e.pD = 500;
    e.pF = 1;
    e.pX = 10;
    e.pY = 10;
  });
  ASSERT_EQ(group_.Selected(), element);
  const Colour content = PatternStrip(6, 6, 1).GetPixel(2, 3);
  // The ring just outside the element: its top row.
  const auto ring = [this] {
    std::vector<Colour> pixels;
    for (int x = 9; x <= 16; ++x) pixels.push_back(canvas_.GetPixel(x, 9));
    return pixels;
  };

  struct Expected {
    std::uint32_t after;
    bool visible;
  };
  std::vector<Colour> first_ring;
  for (const Expected& step : {Expected{0, false}, Expected{499, false}, Expected{1, true}, Expected{499, true},
                               Expected{1, false}, Expected{500, true}}) {
    TickAfter(step.after);
    Redraw();
    EXPECT_EQ(canvas_.GetPixel(12, 13) == content, step.visible) << "after +" << step.after;
    if (first_ring.empty()) first_ring = ring();
    EXPECT_EQ(ring(), first_ring);
  }
  EXPECT_NE(first_ring, std::vector<Colour>(first_ring.size(), test::kBackground));
}

TEST_F(AnimationPlaybackTest, ScrollCrossesTheElementAndWrapsAfterTwentyOneSteps) {
  const int element = Place(PatternStrip(10, 4, 1), 10, [](TElementRec& e) {
    e.pD = 50;
    e.pSH = 10;
  });
  EXPECT_EQ(Element(element).pSSH, -100);
  for (int advance = 1; advance <= 20; ++advance) {
    TickAfter(50);
    ASSERT_EQ(Element(element).pSSH, -100 + 10 * advance);
  }
  EXPECT_EQ(Element(element).pSSH, 100);
  TickAfter(50);
  EXPECT_EQ(Element(element).pSSH, -100);
}

TEST_F(AnimationPlaybackTest, UpwardScrollOvershootsOnceThenWraps) {
  const int element = Place(PatternStrip(4, 10, 1), 4, [](TElementRec& e) {
    e.pD = 50;
    e.pSV = -30;
  });
  std::vector<int> offsets{Element(element).pSSV};
  for (int advance = 0; advance < 9; ++advance) {
    TickAfter(50);
    offsets.push_back(Element(element).pSSV);
  }
  EXPECT_EQ(offsets, (std::vector<int>{100, 70, 40, 10, -20, -50, -80, -110, 100, 70}));
}

TEST_F(AnimationPlaybackTest, PauseFreezesFramesButChangesStillRepaint) {
  const int first = Place(PatternStrip(4, 4, 3), 4, [](TElementRec& e) { e.pD = 100; });
  const int second = Place(PatternStrip(4, 4, 2), 4, [](TElementRec& e) { e.pD = 100; });
  TickAfter(100);
  ASSERT_EQ(Element(first).pI, 2);
  group_.Paused = true;
  const int paints = paints_;
  for (int step = 0; step < 5; ++step) TickAfter(100);
  EXPECT_EQ(Element(first).pI, 2);
  EXPECT_EQ(Element(second).pI, 2);
  EXPECT_EQ(paints_, paints);

  Update(second, [](TElementRec& e) { e.pX = 7; });
  TickAfter(100);
  EXPECT_EQ(paints_, paints + 1);
  EXPECT_FALSE(group_.Dirty());
  EXPECT_EQ(Element(first).pI, 2);
}

TEST_F(AnimationPlaybackTest, SuspendedGroupNeitherAdvancesNorRepaints) {
  const int element = Place(PatternStrip(4, 4, 3), 4, [](TElementRec& e) { e.pD = 100; });
  group_.Suspended = true;
  TickAfter(300);
  EXPECT_EQ(Element(element).pI, 1);
  EXPECT_EQ(paints_, 0);
  EXPECT_TRUE(group_.Dirty());
  group_.Suspended = false;
  group_.Tick();
  EXPECT_EQ(Element(element).pI, 2);
  EXPECT_EQ(paints_, 1);
}

TEST_F(AnimationPlaybackTest, NoTickRunsWhileAStreamIsRead) {
  Place(PatternStrip(4, 4, 3), 4, [](TElementRec& e) { e.pD = 100; });
  MemoryStream stream;
  ASSERT_TRUE(group_.SaveToStream(stream));
  ASSERT_TRUE(stream.Seek(0));
  clock_.Advance(1000);
  int ticks_while_busy = 0;
  group_.OnChange = [&] {
    if (group_.BusyCount() == 0) return;
    ++ticks_while_busy;
    group_.Tick();
  };
  ASSERT_TRUE(group_.LoadFromStream(stream, false));
  EXPECT_GT(ticks_while_busy, 0);
  EXPECT_EQ(paints_, 0);
}

TEST_F(AnimationPlaybackTest, TickFromInsideItsRepaintDoesNothingAndLaterChangesStayOwed) {
  const int element = Place(PatternStrip(4, 4, 3), 4, [](TElementRec& e) { e.pD = 100; });
  group_.OnPaint = [&] {
    ++paints_;
    if (paints_ > 1) return;
    Update(element, [](TElementRec& e) { e.pY = 3; });
    clock_.Advance(100);
    group_.Tick();
  };
  group_.Tick();
  EXPECT_EQ(paints_, 1);
  EXPECT_EQ(Element(element).pI, 1);
  EXPECT_TRUE(group_.Dirty());
  group_.Tick();
  EXPECT_EQ(paints_, 2);
}

// Ticks rarely come exactly when an element is due; the lateness of one frame must not delay
// the next, or an element set to 40 ms runs at 40 ms plus a tick.
TEST_F(AnimationPlaybackTest, LateTicksDoNotSlowTheElementDown) {
  const struct {
    std::uint32_t tick_step;
    int ticks;
    int advances;
  } cases[] = {{1, 1000, 25}, {7, 142, 24}, {9, 111, 24}, {16, 62, 24}, {39, 25, 24}};
  for (const auto& test : cases) {
    group_.Clear();
    const int element = Place(PatternStrip(4, 4, 2), 4, [](TElementRec& e) { e.pD = 40; });
    const std::uint32_t started = Element(element).LastAdvance;
    int advances = 0;
    for (int tick = 0; tick < test.ticks; ++tick) {
      const int before = Element(element).pI;
      TickAfter(test.tick_step);
      if (Element(element).pI != before) ++advances;
    }
    EXPECT_EQ(advances, test.advances) << "ticks every " << test.tick_step << " ms";
    EXPECT_EQ(Element(element).LastAdvance, started + 40U * static_cast<std::uint32_t>(advances))
        << "ticks every " << test.tick_step << " ms";
  }
}

TEST_F(AnimationPlaybackTest, AnElementAWholeIntervalBehindStartsAgainFromNow) {
  const int element = Place(PatternStrip(4, 4, 3), 4, [](TElementRec& e) { e.pD = 40; });
  // 39 ms late: still on its beat, so the next frame is due 1 ms later.
  TickAfter(79);
  EXPECT_EQ(Element(element).pI, 2);
  TickAfter(1);
  EXPECT_EQ(Element(element).pI, 3);
  // After a pause it does not race through the frames it missed.
  group_.Paused = true;
  TickAfter(500);
  group_.Paused = false;
  TickAfter(1);
  EXPECT_EQ(Element(element).pI, 1);
  EXPECT_EQ(Element(element).LastAdvance, clock_.Milliseconds());
  TickAfter(39);
  EXPECT_EQ(Element(element).pI, 1);
  TickAfter(1);
  EXPECT_EQ(Element(element).pI, 2);
}

TEST_F(AnimationPlaybackTest, NextAdvanceIsTheSoonestDueElement) {
  EXPECT_EQ(group_.NextAdvance(), std::nullopt) << "no elements";
  Place(PatternStrip(6, 6, 1), 6, [](TElementRec& e) { e.pD = 30; });
  EXPECT_EQ(group_.NextAdvance(), std::nullopt) << "a single frame never changes";
  const int slow = Place(PatternStrip(4, 4, 2), 4, [](TElementRec& e) { e.pD = 70; });
  Place(PatternStrip(4, 4, 2), 4, [](TElementRec& e) { e.pD = 50; });
  clock_.Advance(20);
  EXPECT_EQ(group_.NextAdvance(), 50U);
  clock_.Advance(40);
  EXPECT_EQ(group_.NextAdvance(), 60U) << "already due";
  group_.Tick();
  EXPECT_EQ(group_.NextAdvance(), 70U);
  // A still element on another frame is due at once.
  group_.Paused = true;
  Update(slow, [](TElementRec& e) { e.pI = 2; e.pD = 0; });
  group_.Paused = false;
  EXPECT_EQ(group_.NextAdvance(), clock_.Milliseconds());
}

TEST_F(AnimationPlaybackTest, ChangesListTheAdvancedElementsUntilTaken) {
  const int fast = Place(PatternStrip(4, 4, 2), 4, [](TElementRec& e) {
    e.pD = 40;
    e.pX = 3;
    e.pY = 5;
  });
  Place(PatternStrip(6, 6, 2), 6, [](TElementRec& e) { e.pD = 100; });
  EXPECT_TRUE(group_.TakeChanges().everything) << "placing elements changes the group";
  group_.Tick();
  EXPECT_TRUE(group_.TakeChanges().everything) << "the placement's repaint is owed";

  // Two ticks before the owner takes them: both advances are listed.
  TickAfter(40);
  TickAfter(40);
  const TSAG::CanvasChanges changes = group_.TakeChanges();
  EXPECT_FALSE(changes.everything);
  EXPECT_EQ(changes.areas, (std::vector<Rect>{Rect{3, 5, 7, 9}, Rect{3, 5, 7, 9}}));
  EXPECT_EQ(group_.TakeChanges().areas.size(), 0U);

  Update(fast, [](TElementRec& e) { e.pX = 9; });
  EXPECT_TRUE(group_.TakeChanges().everything) << "a change outside a tick";
}

}  // namespace
}  // namespace plorvane
