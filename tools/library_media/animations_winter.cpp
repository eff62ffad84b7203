// Snow and bells.
#include <cmath>
#include <numbers>

#include "animation_arts.h"
#include "shapes.h"

namespace plorvane::library {

using art::Mix;
using art::Rgb;

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// One arm of a snowflake pointing up from its centre, with two pairs of branches.
void SnowflakeArm(Bitmap& frame, double cx, double cy, double length, double degrees, Colour colour) {
  const auto at = [&](double distance, double turn) { return OnCircle(cx, cy, distance, degrees + turn); };
  const auto point = [](PointF p) { return Point{static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))}; };
  const Point centre{static_cast<int>(std::lround(cx)), static_cast<int>(std::lround(cy))};
  art::Line(frame, centre, point(at(length, 0)), colour, 3);
  for (const double along : {0.45, 0.72}) {
    const PointF base = at(length * along, 0);
    const double branch = length * (along < 0.5 ? 0.38 : 0.26);
    for (const double side : {-45.0, 45.0}) {
      const PointF tip = OnCircle(base.x, base.y, branch, degrees + side);
      art::Line(frame, point(base), point(tip), colour, 2);
    }
  }
}

}  // namespace

AnimationArt FallingSnow() {
  return {"Falling Snow", 130, 130, 12, 120, [](Bitmap& frame, double phase) {
            std::uint32_t seed = 17;
            const auto next = [&seed] {
              seed = seed * 1103515245u + 12345u;
              return static_cast<double>((seed >> 8) % 10000) / 10000.0;
            };
            for (int flake = 0; flake < 34; ++flake) {
              const double x0 = 4 + next() * (frame.width() - 8);
              const double y0 = next();
              // Whole numbers of passes per loop keep the fall seamless; the near flakes fall faster.
              const int passes = flake % 3 == 0 ? 2 : 1;
              const double radius = passes == 2 ? 3.2 : 1.6 + next() * 1.2;
              const double y = std::fmod(y0 + phase * passes, 1.0) * (frame.height() + 10) - 5;
              const double x = x0 + 3 * std::sin(kTwoPi * (phase * passes + y0));
              art::Disc(frame, x, y, radius + 0.8, Rgb(190, 210, 235));
              art::Disc(frame, x, y, radius, kWhite);
            }
          }};
}

AnimationArt SpinningSnowflake() {
  return {"Spinning Snowflake", 76, 76, 12, 100, [](Bitmap& frame, double phase) {
            // Six arms: a turn of 60 degrees looks the same again.
            const double turn = phase * 60;
            for (int arm = 0; arm < 6; ++arm) SnowflakeArm(frame, 38, 38, 31, turn + arm * 60, Rgb(120, 170, 230));
            for (int arm = 0; arm < 6; ++arm) SnowflakeArm(frame, 38, 38, 29, turn + arm * 60, Rgb(225, 240, 255));
            art::Disc(frame, 38, 38, 5, Rgb(200, 225, 255));
          }};
}

AnimationArt SwingingBell() {
  return {"Swinging Bell", 90, 90, 12, 90, [](Bitmap& frame, double phase) {
            const double swing = 22 * std::sin(kTwoPi * phase);
            constexpr double kPivotX = 45, kPivotY = 10;
            // The bell's outline hanging from its pivot, pointing down.
            const PointF bell[] = {{-6, 4},   {6, 4},    {14, 14},  {17, 30}, {20, 44}, {28, 54},
                                   {-28, 54}, {-20, 44}, {-17, 30}, {-14, 14}};
            const PointF rim[] = {{-29, 51}, {29, 51}, {29, 58}, {-29, 58}};
            const PointF shine[] = {{-10, 14}, {-6, 14}, {-10, 44}, {-15, 44}};
            const PointF clapper_at = {0 - swing * 0.25, 60};
            const auto clapper = Placed(std::span<const PointF>(&clapper_at, 1), kPivotX, kPivotY, swing)[0];
            art::Disc(frame, clapper.x, clapper.y, 6, Rgb(150, 100, 30));
            art::Polygon(frame, Placed(bell, kPivotX, kPivotY, swing), Rgb(235, 180, 40));
            art::Polygon(frame, Placed(rim, kPivotX, kPivotY, swing), Rgb(200, 140, 20));
            art::Polygon(frame, Placed(shine, kPivotX, kPivotY, swing), Rgb(255, 235, 150));
            art::Disc(frame, kPivotX, kPivotY, 5, Rgb(200, 30, 40));
            // A red bow at the top.
            Ellipse(frame, kPivotX - 9, kPivotY, 9, 5, Rgb(210, 30, 40), -20);
            Ellipse(frame, kPivotX + 9, kPivotY, 9, 5, Rgb(210, 30, 40), 20);
          }};
}

}  // namespace plorvane::library
