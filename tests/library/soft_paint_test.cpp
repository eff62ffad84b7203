// The anti-aliased painter: coverage, shape arithmetic and compositing.

#include "soft_paint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "editor_art/drawing.h"

namespace plorvane::art {
namespace {

// The summed alpha of a layer, in pixels.
double Coverage(const Layer& layer) {
  const CursorFrame frame = layer.ToFrame({});
  double total = 0;
  for (std::size_t i = 3; i < frame.bgra.size(); i += 4) total += frame.bgra[i] / 255.0;
  return total;
}

double Painted(const Shape& shape) {
  Layer layer(64, 64, kWhite, 0);
  Fill(layer, shape, kBlack);
  return Coverage(layer);
}

TEST(SoftPaint, ShapesCoverTheirTrueArea) {
  EXPECT_NEAR(Painted(Circle({32, 32}, 20)), std::numbers::pi * 400, 8);
  EXPECT_NEAR(Painted(Ellipse({32, 32}, 24, 10)), std::numbers::pi * 240, 8);
  EXPECT_NEAR(Painted(RoundedBox({10, 10, 50, 30}, 0)), 800, 2);
  EXPECT_NEAR(Painted(PolygonShape({{8, 8}, {56, 8}, {8, 56}})), 48 * 48 / 2.0, 4);
  EXPECT_NEAR(Painted(Segment({10, 32}, {50, 32}, 4)), 40 * 4 + std::numbers::pi * 4, 4);
  // An edge pixel is partly covered, not all or nothing.
  Layer layer(8, 8, kWhite, 0);
  Fill(layer, RoundedBox({0, 0, 8, 3.5}, 0), kBlack);
  EXPECT_EQ(layer.ToFrame({}).bgra[(3 * 8) * 4 + 3], 128);
}

TEST(SoftPaint, CombinedShapesFollowSetArithmetic) {
  const Shape a = Circle({24, 32}, 14);
  const Shape b = Circle({40, 32}, 14);
  const double one = Painted(a);
  const double both = Painted(Intersect(a, b));
  EXPECT_GT(both, 50);
  EXPECT_NEAR(Painted(Union(a, b)), 2 * one - both, 6);
  EXPECT_NEAR(Painted(Subtract(a, b)), one - both, 6);
}

TEST(SoftPaint, MovingAndTurningKeepAShapeWhole) {
  const Shape bar = RoundedBox({20, 28, 44, 36}, 0);
  EXPECT_NEAR(Painted(Moved(bar, 5, -9)), 192, 3);
  // A quarter turn about its middle stands the bar upright: its top and bottom are now painted.
  Layer layer(64, 64, kWhite, 0);
  Fill(layer, Rotated(bar, {32, 32}, 90), kBlack);
  const CursorFrame frame = layer.ToFrame({});
  const auto alpha = [&](int x, int y) { return frame.bgra[static_cast<std::size_t>(y * 64 + x) * 4 + 3]; };
  EXPECT_EQ(alpha(32, 22), 255);
  EXPECT_EQ(alpha(22, 32), 0);
  EXPECT_NEAR(Coverage(layer), 192, 3);
}

// The painted extent of a shape on a clear 96 x 96 layer: columns and rows holding any pixel
// at least half covered.
Box Extent(const Shape& shape) {
  Layer layer(96, 96, kWhite, 0);
  Fill(layer, shape, kBlack);
  const CursorFrame frame = layer.ToFrame({});
  Box box{96, 96, 0, 0};
  for (int y = 0; y < 96; ++y) {
    for (int x = 0; x < 96; ++x) {
      if (frame.bgra[static_cast<std::size_t>(y * 96 + x) * 4 + 3] < 128) continue;
      box = {std::min<double>(box.left, x), std::min<double>(box.top, y), std::max<double>(box.right, x + 1),
             std::max<double>(box.bottom, y + 1)};
    }
  }
  return box;
}

TEST(SoftPaint, DrawnMotifsHaveTheSizesAskedFor) {
  const Box heart = Extent(HeartShape({48, 48}, 60));
  EXPECT_NEAR(heart.right - heart.left, 60, 2);
  EXPECT_LT(heart.bottom - heart.top, 60);  // wider than tall
  const Box leaf = Extent(LeafShape({48, 80}, {48, 16}, 20));
  EXPECT_NEAR(leaf.bottom - leaf.top, 64, 2);
  EXPECT_NEAR(leaf.right - leaf.left, 20, 2);
  const Box star = Extent(StarShape({48, 48}, 30, 12, 5));
  EXPECT_NEAR(star.top, 18, 1);  // the first point straight up
  EXPECT_NEAR(star.right - star.left, 2 * 30 * std::sin(72 * std::numbers::pi / 180), 2);
  const Box grown = Extent(Grown(RoundedBox({30, 30, 60, 50}, 0), 5));
  EXPECT_NEAR(grown.left, 25, 0.5);
  EXPECT_NEAR(grown.bottom, 55, 0.5);
}

TEST(SoftPaint, SnowflakeLooksTheSameEverySixthOfATurn) {
  Layer flake(64, 64, kWhite, 0);
  Fill(flake, SnowflakeShape({32, 32}, 26, 3), kBlack);
  Layer turned(64, 64, kWhite, 0);
  Fill(turned, SnowflakeShape({32, 32}, 26, 3, 60), kBlack);
  Layer skewed(64, 64, kWhite, 0);
  Fill(skewed, SnowflakeShape({32, 32}, 26, 3, 30), kBlack);
  const auto difference = [](const Layer& a, const Layer& b) {
    const CursorFrame fa = a.ToFrame({});
    const CursorFrame fb = b.ToFrame({});
    double total = 0;
    for (std::size_t i = 3; i < fa.bgra.size(); i += 4) total += std::abs(fa.bgra[i] - fb.bgra[i]) / 255.0;
    return total;
  };
  EXPECT_LT(difference(flake, turned), 10);
  EXPECT_GT(difference(flake, skewed), 200);
}

TEST(SoftPaint, NoiseIsSmoothRepeatableAndInRange) {
  double low = 1;
  double high = 0;
  for (int i = 0; i < 400; ++i) {
    const Vec at{i * 1.7, i * 0.9};
    const double n = Noise(at, 8, 3);
    low = std::min(low, n);
    high = std::max(high, n);
    EXPECT_EQ(n, Noise(at, 8, 3));
    EXPECT_LT(std::abs(Noise({at.x + 0.1, at.y}, 8, 3) - n), 0.05);  // no jumps between neighbours
  }
  EXPECT_GE(low, 0);
  EXPECT_LE(high, 1);
  EXPECT_GT(high - low, 0.5);  // it does vary
  EXPECT_NE(Noise({5.5, 5.5}, 8, 3), Noise({5.5, 5.5}, 8, 4));
}

TEST(SoftPaint, PaintingOverBlendsColourAndCoverage) {
  Layer layer(1, 1, kWhite, 0);
  layer.Blend(0, 0, Rgb(200, 0, 0), 0.5);
  EXPECT_EQ(layer.ColourAt(0, 0), Rgb(200, 0, 0));  // nothing below to mix with
  layer.Blend(0, 0, Rgb(0, 0, 200), 0.5);
  const CursorFrame frame = layer.ToFrame({});
  EXPECT_EQ(frame.bgra[3], 191);  // 0.5 over 0.5 covers three quarters
  EXPECT_NEAR(RedOf(layer.ColourAt(0, 0)), 67, 1);   // a third red below
  EXPECT_NEAR(BlueOf(layer.ColourAt(0, 0)), 133, 1);  // two thirds blue on top
}

TEST(SoftPaint, HueRunsRoundTheColourWheel) {
  EXPECT_EQ(Hue(0), Rgb(255, 0, 0));
  EXPECT_EQ(Hue(1.0 / 3), Rgb(0, 255, 0));
  EXPECT_EQ(Hue(2.0 / 3), Rgb(0, 0, 255));
  EXPECT_EQ(Hue(1.0 / 6), Rgb(255, 255, 0));
  EXPECT_EQ(Hue(1), Hue(0));
}

}  // namespace
}  // namespace plorvane::art
