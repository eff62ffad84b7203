#include "graphics/canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <climits>
#include <string>

#include "graphics/test_bitmaps.h"

namespace plorvane {
namespace {

using test::PatternBitmap;

// Pixel-by-pixel statement of what a clipped, oriented, optionally transparent copy means.
Bitmap ReferenceCopy(const Bitmap& src, const Rect& from, Bitmap dst, Point to, Orientation orientation,
                     const Colour* transparent) {
  for (int j = 0; j < from.height(); ++j) {
    for (int i = 0; i < from.width(); ++i) {
      const int sx = orientation.mirror ? from.right - 1 - i : from.left + i;
      const int sy = orientation.flip ? from.bottom - 1 - j : from.top + j;
      if (!src.Contains(sx, sy) || !dst.Contains(to.x + i, to.y + j)) continue;
      if (transparent != nullptr && src.GetPixel(sx, sy) == *transparent) continue;
      dst.SetPixel(to.x + i, to.y + j, src.GetPixel(sx, sy));
    }
  }
  return dst;
}

struct CopyCase {
  const char* name;
  Rect from;
  Point to;
};

// Source 7x5, destination 6x4: every case crosses at least one edge of one of them.
const CopyCase kCopyCases[] = {
    {"inside", {1, 1, 4, 3}, {2, 1}},
    {"whole source", {0, 0, 7, 5}, {0, 0}},
    {"destination left and top", {0, 0, 4, 4}, {-2, -1}},
    {"destination right and bottom", {2, 1, 7, 5}, {3, 2}},
    {"source before its origin", {-3, -2, 3, 2}, {0, 0}},
    {"source past its end", {4, 3, 10, 8}, {1, 1}},
    {"nothing overlaps", {0, 0, 3, 3}, {6, 0}},
    {"empty rect", {3, 3, 3, 5}, {0, 0}},
    {"inverted rect", {4, 4, 1, 1}, {0, 0}},
};

class CanvasCopyTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CanvasCopyTest, MatchesPixelReferenceInEveryOrientation) {
  const CopyCase& c = GetParam();
  const Bitmap src = PatternBitmap(7, 5);
  Bitmap background;
  ASSERT_TRUE(background.Resize(6, 4, MakeColour(9, 9, 9)));
  const Colour transparent = src.GetPixel(2, 2);
  for (const Orientation orientation :
       {Orientation{false, false}, Orientation{true, false}, Orientation{false, true}, Orientation{true, true}}) {
    SCOPED_TRACE(testing::Message() << "mirror " << orientation.mirror << " flip " << orientation.flip);
    Bitmap dst = background;
    CopyRectMirrored(src, c.from, dst, c.to, orientation);
    EXPECT_EQ(dst, ReferenceCopy(src, c.from, background, c.to, orientation, nullptr));

    dst = background;
    CopyRectTransparent(src, c.from, dst, c.to, transparent, orientation);
    EXPECT_EQ(dst, ReferenceCopy(src, c.from, background, c.to, orientation, &transparent));
  }
  Bitmap dst = background;
  CopyRect(src, c.from, dst, c.to);
  EXPECT_EQ(dst, ReferenceCopy(src, c.from, background, c.to, {}, nullptr));
}

INSTANTIATE_TEST_SUITE_P(Clipping, CanvasCopyTest, ::testing::ValuesIn(kCopyCases),
                         [](const auto& case_info) {
                           std::string name = case_info.param.name;
                           for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return name;
                         });

TEST(CanvasCopy, MirrorAndFlipReverseCorners) {
  const Bitmap src = PatternBitmap(3, 2);
  Bitmap dst;
  ASSERT_TRUE(dst.Resize(3, 2));
  CopyRectMirrored(src, Rect::FromSize(0, 0, 3, 2), dst, {0, 0}, {true, true});
  EXPECT_EQ(dst.GetPixel(0, 0), src.GetPixel(2, 1));
  EXPECT_EQ(dst.GetPixel(2, 1), src.GetPixel(0, 0));
  EXPECT_EQ(dst.GetPixel(1, 0), src.GetPixel(1, 1));
}

TEST(CanvasCopy, TransparentPixelsKeepTheBackground) {
  Bitmap sprite;
  ASSERT_TRUE(sprite.Resize(3, 1, kWhite));
  sprite.SetPixel(1, 0, MakeColour(200, 0, 0));
  Bitmap dst;
  ASSERT_TRUE(dst.Resize(3, 1, MakeColour(0, 0, 50)));
  CopyRectTransparent(sprite, Rect::FromSize(0, 0, 3, 1), dst, {0, 0}, kWhite);
  EXPECT_EQ(dst.GetPixel(0, 0), MakeColour(0, 0, 50));
  EXPECT_EQ(dst.GetPixel(1, 0), MakeColour(200, 0, 0));
  EXPECT_EQ(dst.GetPixel(2, 0), MakeColour(0, 0, 50));
}

TEST(CanvasCopy, OverlappingCopyWithinOneBitmapReadsTheOriginal) {
  const Bitmap original = PatternBitmap(6, 6);
  Bitmap bitmap = original;
  CopyRect(bitmap, Rect::FromSize(0, 0, 5, 5), bitmap, {1, 1});
  for (int y = 1; y < 6; ++y)
    for (int x = 1; x < 6; ++x) ASSERT_EQ(bitmap.GetPixel(x, y), original.GetPixel(x - 1, y - 1)) << x << "," << y;
}

TEST(CanvasCopy, ExtremeCoordinatesAreClippedWithoutOverflow) {
  const Bitmap src = PatternBitmap(4, 4);
  Bitmap dst = PatternBitmap(4, 4);
  const Bitmap before = dst;
  CopyRect(src, Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, dst, {INT_MAX, INT_MAX});
  EXPECT_EQ(dst, before);
  CopyRectMirrored(src, Rect{INT_MIN, 0, INT_MAX, 4}, dst, {INT_MIN, 0}, {true, true});
  EXPECT_EQ(dst, before);
}

TEST(CanvasFill, FillIsClippedAndFrameDrawsOnlyTheBorder) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(5, 4, kBlack));
  FillRect(bitmap, Rect{-3, 2, 100, 100}, kWhite);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(bitmap.GetPixel(x, y), y >= 2 ? kWhite : kBlack) << x << "," << y;

  ASSERT_TRUE(bitmap.Resize(5, 4, kBlack));
  FrameRect(bitmap, Rect{0, 0, 5, 4}, kWhite);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      const bool border = x == 0 || y == 0 || x == 4 || y == 3;
      EXPECT_EQ(bitmap.GetPixel(x, y), border ? kWhite : kBlack) << x << "," << y;
    }
}

TEST(CanvasFill, ResizeFillsEveryRowAndTakesEmptySizes) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(3, 4, MakeColour(1, 2, 3)));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(bitmap.GetPixel(x, y), MakeColour(1, 2, 3)) << x << "," << y;
  // Rows without pixels, and no rows at all: nothing to fill.
  ASSERT_TRUE(bitmap.Resize(0, 5, kWhite));
  EXPECT_EQ(bitmap.height(), 5);
  ASSERT_TRUE(bitmap.Resize(5, 0, kWhite));
  EXPECT_EQ(bitmap.width(), 5);
}

int CountDifferences(const Bitmap& a, const Bitmap& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) count += a.GetPixel(x, y) != b.GetPixel(x, y) ? 1 : 0;
  return count;
}

TEST(CanvasFocus, FocusRectInvertsHalfTheBorderAndTwiceRestores) {
  const Bitmap original = PatternBitmap(8, 6);
  for (const Rect rect : {Rect{1, 1, 7, 5}, Rect{-2, -2, 4, 3}, Rect{2, 2, 3, 6}, Rect{0, 0, 1, 1}}) {
    SCOPED_TRACE(testing::Message() << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom);
    Bitmap bitmap = original;
    DrawFocusRect(bitmap, rect);
    for (int y = 0; y < original.height(); ++y)
      for (int x = 0; x < original.width(); ++x) {
        const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
        const bool on_border = inside && (x == rect.left || x == rect.right - 1 || y == rect.top || y == rect.bottom - 1);
        const Colour expected = on_border && (x + y) % 2 == 0 ? original.GetPixel(x, y) ^ 0xFFFFFF
                                                               : original.GetPixel(x, y);
        EXPECT_EQ(bitmap.GetPixel(x, y), expected) << x << "," << y;
      }
    DrawFocusRect(bitmap, rect);
    EXPECT_EQ(bitmap, original);
  }
}

TEST(CanvasDotted, ClosedPolylineInvertsEveryCornerOnceAndTwiceRestores) {
  const Bitmap original = PatternBitmap(9, 9);
  Bitmap bitmap = original;
  const std::array<Point, 5> corners = {Point{1, 1}, Point{7, 1}, Point{7, 7}, Point{1, 7}, Point{1, 1}};
  InvertDottedPolyline(bitmap, corners);
  // 24 border pixels walked, every other one inverted, corners not revisited.
  EXPECT_EQ(CountDifferences(bitmap, original), 12);
  EXPECT_EQ(bitmap.GetPixel(1, 1), original.GetPixel(1, 1) ^ 0xFFFFFF);
  EXPECT_EQ(bitmap.GetPixel(4, 4), original.GetPixel(4, 4));
  InvertDottedPolyline(bitmap, corners);
  EXPECT_EQ(bitmap, original);
}

TEST(CanvasDotted, LineLeavesOutItsEndPointAndSurvivesHugeCoordinates) {
  const Bitmap original = PatternBitmap(5, 3);
  Bitmap bitmap = original;
  InvertDottedLine(bitmap, {4, 1}, {0, 1});
  EXPECT_EQ(bitmap.GetPixel(4, 1), original.GetPixel(4, 1) ^ 0xFFFFFF);
  EXPECT_EQ(bitmap.GetPixel(3, 1), original.GetPixel(3, 1));
  EXPECT_EQ(bitmap.GetPixel(2, 1), original.GetPixel(2, 1) ^ 0xFFFFFF);
  EXPECT_EQ(bitmap.GetPixel(0, 1), original.GetPixel(0, 1));

  bitmap = original;
  // Only the 5 pixels on the bitmap may be visited; x = 0 lies 2^31 steps on, so it is a dot.
  InvertDottedLine(bitmap, {INT_MIN, 0}, {INT_MAX, 0});
  EXPECT_EQ(CountDifferences(bitmap, original), 3);
  EXPECT_EQ(bitmap.GetPixel(0, 0), original.GetPixel(0, 0) ^ 0xFFFFFF);
}

TEST(CanvasStretch, NearestNeighbourScalesUpAndDown) {
  const Bitmap small = PatternBitmap(2, 2);
  Bitmap big;
  ASSERT_TRUE(big.Resize(4, 4));
  StretchCopy(small, Rect{0, 0, 2, 2}, big, Rect{0, 0, 4, 4});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(big.GetPixel(x, y), small.GetPixel(x / 2, y / 2)) << x << "," << y;

  const Bitmap source = PatternBitmap(6, 6);
  Bitmap shrunk;
  ASSERT_TRUE(shrunk.Resize(3, 3));
  StretchCopy(source, Rect{0, 0, 6, 6}, shrunk, Rect{0, 0, 3, 3});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(shrunk.GetPixel(x, y), source.GetPixel(x * 2, y * 2));
}

TEST(CanvasStretch, TargetPartlyOffTheBitmapDrawsTheVisiblePart) {
  const Bitmap small = PatternBitmap(2, 2);
  Bitmap dst;
  ASSERT_TRUE(dst.Resize(3, 3, kBlack));
  StretchCopy(small, Rect{0, 0, 2, 2}, dst, Rect{-2, -2, 2, 2});  // 4x4 target, only its last quarter shows
  EXPECT_EQ(dst.GetPixel(0, 0), small.GetPixel(1, 1));
  EXPECT_EQ(dst.GetPixel(1, 1), small.GetPixel(1, 1));
  EXPECT_EQ(dst.GetPixel(2, 2), kBlack);
}

}  // namespace
}  // namespace plorvane
