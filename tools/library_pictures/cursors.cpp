#include "cursors.h"

#include <cmath>
#include <functional>
#include <numbers>

#include "editor_art/drawing.h"
#include "soft_paint.h"

namespace plorvane::art {

namespace {

constexpr int kSide = 32;
const Colour kInk = Rgb(50, 30, 40);
const Point kCentre{16, 16};

void Inked(Layer& layer, const Shape& shape, const Shader& shader) {
  Fill(layer, Grown(shape, 1.1), kInk, 0.9);
  Fill(layer, shape, shader);
}

std::vector<CursorFrame> Frames(int count, Point hot_spot, const std::function<void(Layer&, int)>& draw) {
  std::vector<CursorFrame> frames;
  for (int i = 0; i < count; ++i) {
    Layer layer(kSide, kSide, kWhite, 0);
    draw(layer, i);
    frames.push_back(layer.ToFrame(hot_spot));
  }
  return frames;
}

// Each frame once, in order, at one rate.
std::vector<AniStep> Loop(std::uint32_t frames, std::uint32_t jiffies) {
  std::vector<AniStep> steps;
  for (std::uint32_t i = 0; i < frames; ++i) steps.push_back({i, jiffies});
  return steps;
}

// Forwards then back again, without repeating the two ends.
std::vector<AniStep> PingPong(std::uint32_t frames, std::uint32_t jiffies) {
  std::vector<AniStep> steps = Loop(frames, jiffies);
  for (std::uint32_t i = frames - 2; i >= 1; --i) steps.push_back({i, jiffies});
  return steps;
}

AnimatedCursorArt SpinningStar() {
  // A five-pointed star looks the same every 72 degrees, so six frames make a smooth turn.
  return {"Spinning Star", Frames(6, kCentre, [](Layer& l, int i) {
            Glow(l, {16, 16}, 16, Rgb(255, 230, 120), 0.35);
            Inked(l, StarShape({16, 16.5}, 14, 6, 5, i * 12.0), Radial({13, 13}, 15, Rgb(255, 250, 190), Rgb(245, 165, 20)));
          }),
          Loop(6, 5)};
}

AnimatedCursorArt BeatingHeart() {
  const double sizes[] = {27, 24.5, 22, 23.5};
  AnimatedCursorArt cursor{"Beating Heart", Frames(4, kCentre, [&](Layer& l, int i) {
                             const double size = sizes[i];
                             Inked(l, HeartShape({16, 16.5}, size), Lit({16, 14}, size / 2, Rgb(230, 30, 60)));
                             Fill(l, Rotated(Ellipse({16 - size * 0.22, 16 - size * 0.22}, 2, 3.2), {16 - size * 0.22, 16 - size * 0.22}, 40),
                                  kWhite, 0.6);
                           }),
                           {}};
  // A double beat, then a rest on the full heart.
  cursor.steps = {{0, 4}, {1, 3}, {2, 3}, {0, 4}, {3, 3}, {2, 4}, {1, 4}, {0, 20}};
  return cursor;
}

AnimatedCursorArt TwinklingWand() {
  const Vec tip{7, 7};
  return {"Twinkling Wand", Frames(6, {3, 3}, [&](Layer& l, int i) {
            Inked(l, Segment({10, 10}, {29, 29}, 3), Linear({10, 10}, Rgb(120, 80, 200), {29, 29}, Rgb(60, 30, 120)));
            Fill(l, Segment({24, 24}, {28.5, 28.5}, 3), kWhite);
            const double twinkle = 0.5 + 0.5 * std::cos(i * std::numbers::pi / 3);
            Glow(l, tip, 9 + twinkle * 4, Rgb(255, 240, 150), 0.6);
            Inked(l, StarShape(tip, 6 + twinkle * 1.5, 2.6, 5, i * 12.0), Solid(Rgb(255, 220, 60)));
            const Vec sparks[] = {{19, 4}, {4, 19}, {15, 14}};
            for (int s = 0; s < 3; ++s) {
              const double size = 2.5 * (0.5 + 0.5 * std::sin((i + s * 2) * std::numbers::pi / 3));
              if (size > 0.4) Fill(l, StarShape(sparks[s], size * 1.4, size * 0.35, 4), Rgb(255, 250, 200));
            }
          }),
          Loop(6, 6)};
}

AnimatedCursorArt BouncingBall() {
  // Heights of a bounce, easing at the top; the last frame squashes on the ground.
  const double heights[] = {9, 11, 15, 20, 24.5, 26};
  // The ball bounces on a little floor, whose middle is the point that clicks.
  return {"Bouncing Ball", Frames(6, {16, 30}, [&](Layer& l, int i) {
            Fill(l, Segment({9, 30}, {23, 30}, 2.4), kInk);
            Fill(l, Ellipse({16, 28.6}, 4 + i * 0.8, 1), kInk, 0.2 + i * 0.05, 2);
            const double squash = i == 5 ? 1.25 : 1;
            const Vec at{16, heights[i]};
            const Shape ball = Ellipse(at, 6 * squash, 6 / squash);
            Inked(l, ball, Lit(at, 6.5, Hue(0.58)));
            Fill(l, Intersect(ball, Outline(Circle({at.x - 9, at.y}, 10), 2)), kWhite, 0.8);
          }),
          PingPong(6, 3)};
}

AnimatedCursorArt SpinningSnowflake() {
  return {"Spinning Snowflake", Frames(6, kCentre, [](Layer& l, int i) {
            Inked(l, SnowflakeShape({16, 16}, 13.5, 2.4, 90 + i * 10.0), Radial({16, 16}, 14, kWhite, Rgb(130, 190, 250)));
          }),
          Loop(6, 8)};
}

AnimatedCursorArt BloomingFlower() {
  return {"Blooming Flower", Frames(5, {16, 13}, [](Layer& l, int i) {
            Fill(l, Segment({16, 18}, {16, 31}, 2.4), Rgb(60, 140, 60));
            Fill(l, LeafShape({16, 27}, {23, 22}, 4), Rgb(80, 170, 70));
            const double open = 0.35 + i * 0.16;
            for (int p = 0; p < 6; ++p) {
              const Shape petal = Rotated(Ellipse({16, 13 - 5.5 * open}, 3.6 * open + 0.6, 5.2 * open), {16, 13}, p * 60 + i * 6.0);
              Inked(l, petal, Radial({16, 13}, 11, Rgb(255, 240, 250), Hue(0.88)));
            }
            Inked(l, Circle({16, 13}, 2 + open * 1.6), Lit({16, 13}, 3.6, Rgb(255, 200, 40)));
          }),
          PingPong(5, 7)};
}

AnimatedCursorArt TickingClock() {
  return {"Ticking Clock", Frames(8, kCentre, [](Layer& l, int i) {
            Inked(l, Circle({16, 16}, 14), Radial({12, 12}, 18, kWhite, Rgb(210, 220, 240)));
            Fill(l, Outline(Circle({16, 16}, 12.8), 1.2), Rgb(200, 60, 60));
            for (int h = 0; h < 12; ++h) {
              const double a = h * std::numbers::pi / 6;
              Fill(l, Circle({16 + std::sin(a) * 10.5, 16 - std::cos(a) * 10.5}, h % 3 == 0 ? 1.1 : 0.6), kInk);
            }
            const double minute = i * std::numbers::pi / 4;
            const double hour = minute / 12 + std::numbers::pi / 3;
            Fill(l, Segment({16, 16}, {16 + std::sin(hour) * 6, 16 - std::cos(hour) * 6}, 2.2), kInk);
            Fill(l, Segment({16, 16}, {16 + std::sin(minute) * 9.5, 16 - std::cos(minute) * 9.5}, 1.4), kInk);
            Fill(l, Circle({16, 16}, 1.6), Rgb(200, 60, 60));
          }),
          Loop(8, 15)};
}

AnimatedCursorArt RainbowArrow() {
  const std::vector<Vec> arrow{{1.5, 1.5}, {1.5, 24}, {7, 18.5}, {11, 27.5}, {15, 25.5}, {11, 17}, {19, 17}};
  return {"Rainbow Arrow", Frames(8, {1, 1}, [&](Layer& l, int i) {
            const Shape shape = PolygonShape(arrow);
            Fill(l, Grown(shape, 1.2), kInk);
            const double shift = i / 8.0;
            Fill(l, shape, [shift](Vec p) { return Mix(Hue((p.x + p.y) / 40 + shift), kWhite, 0.15); });
            Fill(l, Outline(shape, 0.9), kWhite, 0.5);
          }),
          Loop(8, 5)};
}

}  // namespace

std::vector<AnimatedCursorArt> AnimatedCursors() {
  return {SpinningStar(), BeatingHeart(),      TwinklingWand(),  BouncingBall(),
          SpinningSnowflake(), BloomingFlower(), TickingClock(), RainbowArrow()};
}

}  // namespace plorvane::art
