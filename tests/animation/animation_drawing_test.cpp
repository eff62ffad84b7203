#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "animation/animation_test_support.h"
#include "animation/playback_fixture.h"

namespace plorvane {
namespace {

using test::kBackground;
using test::PatternStrip;

class AnimationDrawingTest : public test::PlaybackFixture {
 protected:
  // Ring pixels just outside the element's rectangle, clockwise from its top-left.
  std::vector<Colour> Ring(const TElementRec& e) const {
    std::vector<Colour> pixels;
    const int left = e.pX - 1;
    const int top = e.pY - 1;
    const int right = e.pX + e.Width;
    const int bottom = e.pY + e.Height;
    for (int x = left; x < right; ++x) pixels.push_back(canvas_.GetPixel(x, top));
    for (int y = top; y < bottom; ++y) pixels.push_back(canvas_.GetPixel(right, y));
    for (int x = right; x > left; --x) pixels.push_back(canvas_.GetPixel(x, bottom));
    for (int y = bottom; y > top; --y) pixels.push_back(canvas_.GetPixel(left, y));
    return pixels;
  }
  // A drawn outline is a white frame with a dotted inversion over it: only white and black.
  static bool IsOutline(const std::vector<Colour>& ring) {
    bool white = false;
    bool black = false;
    for (const Colour c : ring) {
      if (c != kWhite && c != kBlack) return false;
      white = white || c == kWhite;
      black = black || c == kBlack;
    }
    return white && black;
  }
  static bool IsUntouched(const std::vector<Colour>& ring) {
    return ring == std::vector<Colour>(ring.size(), kBackground);
  }
};

struct DrawCase {
  std::string name;
  bool mirror = false;
  bool flip = false;
  bool transparent = false;
  int scroll_h = 0;
  int scroll_v = 0;
  int advances = 1;
};

// The picture a case must give, built pixel by pixel the long way: the frame shifted inside
// a key-coloured frame-sized bitmap, that bitmap flipped, then laid over the background.
Bitmap ExpectedPicture(const Bitmap& strip, const TElementRec& e, int frame_width, int side) {
  Bitmap expected;
  if (!expected.Resize(side, side, kBackground)) std::abort();
  const int frame_left = (e.pI - 1) * frame_width;
  const int height = strip.height();
  const Colour key = strip.GetPixel(frame_left, 0);
  const int offset_x = e.pSH != 0 ? frame_width * (e.pFH ? -e.pSSH : e.pSSH) / 100 : 0;
  const int offset_y = e.pSV != 0 ? height * (e.pFV ? -e.pSSV : e.pSSV) / 100 : 0;
  for (int v = 0; v < height; ++v) {
    for (int u = 0; u < frame_width; ++u) {
      const int shifted_x = (e.pFH ? frame_width - 1 - u : u) - offset_x;
      const int shifted_y = (e.pFV ? height - 1 - v : v) - offset_y;
      const bool inside = shifted_x >= 0 && shifted_x < frame_width && shifted_y >= 0 && shifted_y < height;
      const Colour colour = inside ? strip.GetPixel(frame_left + shifted_x, shifted_y) : key;
      if (!(e.pT && colour == key)) expected.SetPixel(e.pX + u, e.pY + v, colour);
    }
  }
  return expected;
}

TEST_F(AnimationDrawingTest, FlipsTransparencyAndScrollMatchTheLongWay) {
  const std::vector<DrawCase> cases = {
      {.name = "plain"},
      {.name = "mirror", .mirror = true},
      {.name = "flip", .flip = true},
      {.name = "transparent", .transparent = true},
      {.name = "both flips, transparent", .mirror = true, .flip = true, .transparent = true},
      {.name = "scroll right", .scroll_h = 20, .advances = 2},
      {.name = "scroll right, mirrored, transparent", .mirror = true, .transparent = true, .scroll_h = 20,
       .advances = 2},
      {.name = "scroll up, flipped", .flip = true, .scroll_v = -30},
      {.name = "scroll both ways, both flips", .mirror = true, .flip = true, .scroll_h = -40, .scroll_v = 30,
       .advances = 2},
  };
  const Bitmap strip = PatternStrip(5, 4, 3);
  for (const DrawCase& c : cases) {
    SCOPED_TRACE(c.name);
    group_.Clear();
    const int element = Place(strip, 5, [&](TElementRec& e) {
      e.pX = 7;
      e.pY = 9;
      e.pD = 100;
      e.pFH = c.mirror;
      e.pFV = c.flip;
      e.pT = c.transparent;
      e.pSH = c.scroll_h;
      e.pSV = c.scroll_v;
    });
    for (int step = 0; step < c.advances; ++step) TickAfter(100);
    Redraw();
    EXPECT_EQ(canvas_, ExpectedPicture(strip, Element(element), 5, kCanvasSide));
  }
}

TEST_F(AnimationDrawingTest, OutlinesFollowEditingAndOutlineMode) {
  struct OutlineCase {
    bool editable;
    int mode;
    bool selected_outlined;
    bool other_outlined;
  };
  const Bitmap strip = PatternStrip(6, 6, 1);
  const int other = Place(strip, 6, [](TElementRec& e) { e.pX = e.pY = 22; });
  const int selected = Place(strip, 6, [](TElementRec& e) { e.pX = e.pY = 5; });
  for (const OutlineCase& c : {OutlineCase{true, 0, true, false}, OutlineCase{true, 1, true, true},
                               OutlineCase{true, 2, false, false}, OutlineCase{false, 0, false, false},
                               OutlineCase{false, 1, false, false}}) {
    SCOPED_TRACE("editable " + std::to_string(c.editable) + ", mode " + std::to_string(c.mode));
    group_.SetEditable(true);
    group_.Select(selected);
    group_.SetOutlineMode(c.mode);
    group_.SetEditable(c.editable);
    Redraw();
    EXPECT_EQ(IsOutline(Ring(Element(selected))), c.selected_outlined);
    EXPECT_EQ(IsUntouched(Ring(Element(selected))), !c.selected_outlined);
    EXPECT_EQ(IsOutline(Ring(Element(other))), c.other_outlined);
    EXPECT_EQ(IsUntouched(Ring(Element(other))), !c.other_outlined);
    // The outline lies around the picture, never on it.
    EXPECT_EQ(canvas_.GetPixel(5, 5), strip.GetPixel(0, 0));
    EXPECT_EQ(canvas_.GetPixel(10, 10), strip.GetPixel(5, 5));
  }
}

TEST_F(AnimationDrawingTest, LaterElementsCoverEarlierOnes) {
  const Bitmap bottom = PatternStrip(6, 6, 1);
  const Bitmap top = test::NoisyStrip(6, 6, 7);
  Place(bottom, 6);
  Place(top, 6, [](TElementRec& e) { e.pX = 3; });
  Redraw();
  EXPECT_EQ(canvas_.GetPixel(2, 2), bottom.GetPixel(2, 2));
  EXPECT_EQ(canvas_.GetPixel(4, 2), top.GetPixel(1, 2));
}

// The card repaints only the areas that changed: each must come out exactly as that part of a
// full drawing, outlines, transparency and overlaps included.
TEST_F(AnimationDrawingTest, AnAreaDrawsExactlyThatPartOfTheWholeDrawing) {
  group_.SetEditable(true);
  group_.SetOutlineMode(TSAG::kOutlineAll);
  Place(PatternStrip(12, 12, 1), 12, [](TElementRec& e) { e.pX = e.pY = 4; });
  Place(test::NoisyStrip(10, 8, 3), 10, [](TElementRec& e) {
    e.pX = 11;
    e.pY = 9;
    e.pT = true;
    e.pFH = true;
  });
  const int selected = Place(PatternStrip(8, 8, 2), 8, [](TElementRec& e) {
    e.pX = 24;
    e.pY = 20;
    e.pSH = 30;
    e.pD = 40;
  });
  group_.Select(selected);
  TickAfter(40);
  Redraw();
  for (const Rect& area : {Rect{0, 0, 40, 40}, Rect{2, 4, 20, 18}, Rect{10, 8, 14, 12}, Rect{22, 18, 34, 30},
                           Rect{30, 36, 40, 40}}) {
    Bitmap patch;
    ASSERT_TRUE(patch.Resize(area.width(), area.height(), kBackground));
    group_.DrawArea(area, patch);
    int differing = 0;
    for (int y = 0; y < patch.height(); ++y) {
      for (int x = 0; x < patch.width(); ++x) differing += patch.GetPixel(x, y) != canvas_.GetPixel(area.left + x, area.top + y);
    }
    EXPECT_EQ(differing, 0) << area.left << ", " << area.top << " to " << area.right << ", " << area.bottom;
  }
}

TEST_F(AnimationDrawingTest, ElementsOffThePictureComeBackWithTenPixelsOnIt) {
  struct ClampCase {
    int side;
    int x;
    int y;
    Point expected;
  };
  // Ten pixels stay on the 40 by 40 picture; a smaller element stays whole and may touch
  // any edge.
  for (const ClampCase& c : {ClampCase{20, 1000, 35, {30, 30}}, ClampCase{20, -1000, -11, {-10, -10}},
                             ClampCase{20, -10, 30, {-10, 30}}, ClampCase{6, 1000, 1000, {34, 34}},
                             ClampCase{6, -1000, 0, {0, 0}}, ClampCase{3, 0, 37, {0, 37}}}) {
    group_.Clear();
    const int element = Place(PatternStrip(c.side, c.side, 1), c.side, [&](TElementRec& e) {
      e.pX = c.x;
      e.pY = c.y;
    });
    Redraw();
    EXPECT_EQ((Point{Element(element).pX, Element(element).pY}), c.expected)
        << c.side << " wide at " << c.x << ", " << c.y;
  }
}

TEST_F(AnimationDrawingTest, NothingIsDrawnWithoutACanvasOrForUncommittedElements) {
  int index = -1;
  ASSERT_TRUE(group_.AddFromBitmap(PatternStrip(6, 6, 1), 6, index));
  Redraw();
  EXPECT_EQ(canvas_.GetPixel(2, 2), kBackground);
  Update(index, [](TElementRec& e) { e.Shown = true; });
  group_.SetCanvas(nullptr);
  Redraw();
  EXPECT_EQ(canvas_.GetPixel(2, 2), kBackground);
  EXPECT_EQ(group_.HitTest(2, 2), -1);
}

class HitTestTest : public AnimationDrawingTest {
 protected:
  // A 10 by 10 opaque element at (0, 0) under a 6 by 6 transparent one at (2, 2), whose key
  // colour is at its local (0, 0) and (1, 1).
  void PlaceBoth(bool bottom_transparent, bool top_mirrored) {
    bottom_ = Place(PatternStrip(10, 10, 1), 10, [&](TElementRec& e) {
      e.pT = bottom_transparent;
      e.pX = bottom_transparent ? 2 : 0;
      e.pY = bottom_transparent ? 2 : 0;
    });
    top_ = Place(PatternStrip(6, 6, 1), 6, [&](TElementRec& e) {
      e.pT = true;
      e.pFH = top_mirrored;
      e.pX = 2;
      e.pY = 2;
    });
  }
  int bottom_ = -1;
  int top_ = -1;
};

TEST_F(HitTestTest, TransparentPixelsLetTheOpaqueElementBelowWin) {
  PlaceBoth(false, false);
  EXPECT_EQ(group_.HitTest(2, 2), bottom_);
  EXPECT_EQ(group_.HitTest(3, 3), bottom_);
  EXPECT_EQ(group_.HitTest(4, 4), top_);
  EXPECT_EQ(group_.HitTest(7, 7), top_);
  EXPECT_EQ(group_.HitTest(1, 1), bottom_);
  EXPECT_EQ(group_.HitTest(9, 1), bottom_);
  EXPECT_EQ(group_.HitTest(20, 20), -1);
  EXPECT_EQ(group_.HitTest(-1, 3), -1);
  EXPECT_EQ(group_.HitTest(kCanvasSide, 3), -1);
}

TEST_F(HitTestTest, WithNothingOpaqueUnderThePointTheTopElementWins) {
  PlaceBoth(true, false);
  EXPECT_EQ(group_.HitTest(3, 3), top_);
  EXPECT_EQ(group_.HitTest(4, 4), top_);
}

TEST_F(HitTestTest, TransparencyIsLookedUpInTheMirroredFrame) {
  PlaceBoth(false, true);
  // Local (1, 1) now shows strip column 4, local (4, 1) the key colour of strip (1, 1).
  EXPECT_EQ(group_.HitTest(3, 3), top_);
  EXPECT_EQ(group_.HitTest(6, 3), bottom_);
  EXPECT_EQ(group_.HitTest(7, 2), bottom_);
}

TEST_F(HitTestTest, FlashHiddenElementsAreClickedThrough) {
  PlaceBoth(false, false);
  Update(top_, [](TElementRec& e) {
    e.pD = 500;
    e.pF = 1;
  });
  EXPECT_EQ(group_.HitTest(4, 4), bottom_);
  TickAfter(500);
  EXPECT_EQ(group_.HitTest(4, 4), top_);
}

}  // namespace
}  // namespace plorvane
