// Flowers and butterflies.
#include <cmath>
#include <numbers>

#include "animation_arts.h"
#include "shapes.h"

namespace plorvane::library {

using art::Mix;
using art::Rgb;

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr Colour kStem = Rgb(60, 150, 60);

void Petals(Bitmap& frame, double cx, double cy, int count, double length, double width, double turn, Colour colour) {
  for (int petal = 0; petal < count; ++petal) {
    const double degrees = turn + petal * 360.0 / count;
    const PointF middle = OnCircle(cx, cy, length / 2, degrees);
    Ellipse(frame, middle.x, middle.y, length / 2, width / 2, colour, degrees);
  }
}

}  // namespace

AnimationArt BloomingFlower(std::string name, Colour petals) {
  return {std::move(name), 80, 110, 10, 150, [petals](Bitmap& frame, double phase) {
            // Opens and closes again, swaying on its stem.
            const double open = Pulse(phase);
            const double sway = 4 * std::sin(kTwoPi * phase);
            const double cx = 40 + sway;
            constexpr double kCy = 36;
            art::Line(frame, {40, 106}, {static_cast<int>(std::lround(cx)), static_cast<int>(kCy)}, kStem, 4);
            Ellipse(frame, 29, 80, 12, 5, kStem, -30);
            Ellipse(frame, 52, 70, 12, 5, kStem, 30);
            const double length = 10 + 16 * open;
            Petals(frame, cx, kCy, 8, length + 2, 11 + 2 * open, 90 + 20 * open, Mix(petals, kBlack, 0.25));
            Petals(frame, cx, kCy, 8, length, 9 + 2 * open, 90 + 20 * open, petals);
            art::Disc(frame, cx, kCy, 5 + 3 * open, Rgb(250, 200, 40));
            art::Disc(frame, cx - 1, kCy - 1, 2 + open, Rgb(255, 240, 150));
          }};
}

AnimationArt SpinningDaisy() {
  return {"Spinning Daisy", 72, 72, 8, 100, [](Bitmap& frame, double phase) {
            // Twelve petals: a turn of 30 degrees looks the same again.
            const double turn = phase * 30;
            Petals(frame, 36, 36, 12, 31, 10, turn, Rgb(200, 200, 215));
            Petals(frame, 36, 36, 12, 29, 8, turn, kWhite);
            art::Disc(frame, 36, 36, 9, Rgb(240, 170, 20));
            for (int seed = 0; seed < 6; ++seed) {
              const PointF dot = OnCircle(36, 36, 5, seed * 60 - turn * 2);
              art::Disc(frame, dot.x, dot.y, 1.3, Rgb(180, 110, 10));
            }
          }};
}

AnimationArt Butterfly(std::string name, Colour wings, Colour spots) {
  return {std::move(name), 84, 76, 8, 80, [wings, spots](Bitmap& frame, double phase) {
            // The wings beat: seen from above they look narrower as they rise.
            const double open = 0.25 + 0.75 * std::abs(std::cos(kTwoPi * phase));
            const double bob = 3 * std::sin(kTwoPi * phase);
            constexpr double kCx = 42;
            const double cy = 38 + bob;
            const Colour edge = Mix(wings, kBlack, 0.45);
            for (const double side : {-1.0, 1.0}) {
              const double upper_x = kCx + side * 17 * open;
              const double lower_x = kCx + side * 13 * open;
              Ellipse(frame, upper_x, cy - 10, 18 * open + 2, 15, edge, side * -25);
              Ellipse(frame, upper_x, cy - 10, 16 * open + 1, 13, wings, side * -25);
              Ellipse(frame, lower_x, cy + 12, 13 * open + 2, 11, edge, side * 30);
              Ellipse(frame, lower_x, cy + 12, 11 * open + 1, 9, Mix(wings, kWhite, 0.2), side * 30);
              art::Disc(frame, kCx + side * 20 * open, cy - 12, 4 * open + 1, spots);
              art::Disc(frame, kCx + side * 14 * open, cy + 13, 3 * open + 1, spots);
            }
            Ellipse(frame, kCx, cy + 2, 3, 17, Rgb(60, 40, 30));
            art::Disc(frame, kCx, cy - 16, 4, Rgb(60, 40, 30));
            for (const double side : {-1.0, 1.0}) {
              const Point tip{static_cast<int>(std::lround(kCx + side * 10)), static_cast<int>(std::lround(cy - 30))};
              art::Line(frame, {static_cast<int>(kCx), static_cast<int>(std::lround(cy - 18))}, tip, Rgb(60, 40, 30));
              art::Disc(frame, tip.x, tip.y, 2, Rgb(60, 40, 30));
            }
          }};
}

}  // namespace plorvane::library
