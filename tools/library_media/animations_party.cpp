// Balloons, confetti, candles, presents and fireworks.
#include <cmath>
#include <numbers>

#include "animation_arts.h"
#include "shapes.h"

namespace plorvane::library {

using art::Mix;
using art::Rgb;

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

Point At(double x, double y) { return Point{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))}; }

}  // namespace

AnimationArt Balloon(std::string name, Colour colour) {
  return {std::move(name), 64, 120, 10, 120, [colour](Bitmap& frame, double phase) {
            const double bob = 5 * std::sin(kTwoPi * phase);
            const double sway = 3 * std::sin(kTwoPi * phase + 1);
            const double cx = 32 + sway;
            const double cy = 34 + bob;
            // The string waves from the knot down to the bottom of the frame.
            Point last = At(cx, cy + 30);
            for (int step = 1; step <= 12; ++step) {
              const double y = cy + 30 + step * (frame.height() - 3 - cy - 30) / 12;
              const double x = cx - sway * step / 12 + 3 * std::sin(kTwoPi * (phase + step / 8.0));
              art::Line(frame, last, At(x, y), Rgb(110, 110, 110));
              last = At(x, y);
            }
            const Point knot[] = {At(cx, cy + 25), At(cx + 5, cy + 32), At(cx - 5, cy + 32)};
            art::Polygon(frame, knot, Mix(colour, kBlack, 0.3));
            Ellipse(frame, cx, cy, 24, 28, Mix(colour, kBlack, 0.25));
            Ellipse(frame, cx, cy - 1, 22, 26, colour);
            Ellipse(frame, cx - 9, cy - 11, 5, 8, Mix(colour, kWhite, 0.6), 25);
          }};
}

AnimationArt FallingConfetti() {
  return {"Falling Confetti", 130, 130, 12, 80, [](Bitmap& frame, double phase) {
            const Colour colours[] = {Rgb(240, 60, 90), Rgb(255, 200, 40), Rgb(60, 160, 240),
                                      Rgb(80, 200, 120), Rgb(180, 90, 220), Rgb(255, 130, 40)};
            std::uint32_t seed = 5;
            const auto next = [&seed] {
              seed = seed * 1103515245u + 12345u;
              return static_cast<double>((seed >> 8) % 10000) / 10000.0;
            };
            for (int piece = 0; piece < 32; ++piece) {
              const double x0 = 6 + next() * (frame.width() - 12);
              const double y0 = next();
              const int passes = 1 + piece % 2;
              const double spin = (next() < 0.5 ? -1 : 1) * 360 * passes;
              const double y = std::fmod(y0 + phase * passes, 1.0) * (frame.height() + 12) - 6;
              const double x = x0 + 4 * std::sin(kTwoPi * (phase * passes + y0));
              // A spinning strip seen from the side gets narrower and wider again.
              const double turn = spin * phase + y0 * 360;
              const double width = 3 + 5 * std::abs(std::cos(kTwoPi * (phase * passes + x0 / 50)));
              TurnedRect(frame, x, y, width, 4, colours[piece % 6], turn);
            }
          }};
}

AnimationArt BirthdayCandle() {
  return {"Birthday Candle", 40, 100, 6, 90, [](Bitmap& frame, double phase) {
            // The candle with its spiral stripes.
            FillRect(frame, Rect{13, 42, 27, 96}, Rgb(120, 190, 250));
            for (int stripe = 0; stripe < 5; ++stripe) {
              const int top = 40 + stripe * 11;
              const Point band[] = {{13, top + 6}, {27, top}, {27, top + 4}, {13, top + 10}};
              art::Polygon(frame, band, kWhite);
            }
            art::Line(frame, {20, 42}, {20, 34}, Rgb(60, 50, 40), 2);
            // The flame flickers: its height and lean change from frame to frame.
            const double flicker[] = {0.0, 0.6, 0.2, 1.0, 0.4, 0.8};
            const double f = flicker[static_cast<int>(phase * 6) % 6];
            const double lean = (f - 0.5) * 4;
            const double height = 20 + 6 * f;
            const PointF outer[] = {{0, 0}, {6, -6}, {4, -height * 0.6}, {lean, -height}, {-4, -height * 0.6}, {-6, -6}};
            const PointF inner[] = {{0, 0}, {3, -4}, {2, -height * 0.4}, {lean * 0.6, -height * 0.65}, {-2, -height * 0.4}, {-3, -4}};
            art::Disc(frame, 20, 29, 9 + f * 2, Rgb(255, 240, 170));
            art::Polygon(frame, Placed(outer, 20, 36), Rgb(255, 150, 30));
            art::Polygon(frame, Placed(inner, 20, 35), Rgb(255, 240, 120));
          }};
}

AnimationArt GiftBox() {
  return {"Gift Box", 96, 100, 8, 110, [](Bitmap& frame, double phase) {
            // The lid hops up and lands again, tilting a little.
            const double hop = std::max(0.0, std::sin(kTwoPi * phase));
            const double lid_y = 40 - 14 * hop;
            const double tilt = 8 * hop * std::sin(kTwoPi * phase * 2);
            const Colour box = Rgb(60, 150, 230);
            const Colour ribbon = Rgb(250, 210, 60);
            FillRect(frame, Rect{14, 50, 82, 96}, box);
            FillRect(frame, Rect{14, 50, 82, 54}, Mix(box, kBlack, 0.3));
            FillRect(frame, Rect{43, 50, 53, 96}, ribbon);
            TurnedRect(frame, 48, lid_y, 76, 14, Mix(box, kWhite, 0.15), tilt);
            TurnedRect(frame, 48, lid_y, 10, 14, ribbon, tilt);
            const PointF left_loop = OnCircle(48, lid_y - 7, 11, 180 + 20 + tilt);
            const PointF right_loop = OnCircle(48, lid_y - 7, 11, -20 + tilt);
            Ellipse(frame, left_loop.x, left_loop.y, 12, 6, ribbon, -25 + tilt);
            Ellipse(frame, right_loop.x, right_loop.y, 12, 6, ribbon, 25 + tilt);
            art::Disc(frame, 48, lid_y - 7, 5, Mix(ribbon, Rgb(200, 120, 0), 0.5));
          }};
}

AnimationArt FireworkBurst(std::string name, Colour colour) {
  return {std::move(name), 120, 140, 14, 80, [colour](Bitmap& frame, double phase) {
            constexpr double kCx = 60, kCy = 56;
            constexpr int kRockets = 4;  // frames of the rocket going up
            const int index = static_cast<int>(std::lround(phase * 14));
            if (index < kRockets) {
              const double y = 136 - (136 - kCy) * (index + 1) / kRockets;
              art::Line(frame, At(kCx, y), At(kCx, y + 16), Rgb(255, 200, 120), 2);
              art::Disc(frame, kCx, y, 3, Rgb(255, 250, 220));
              return;
            }
            // The burst: rays of sparks flying out and slowing down, shrinking as they go.
            const double t = static_cast<double>(index - kRockets) / (14 - kRockets - 1);
            const double reach = 52 * (1 - (1 - t) * (1 - t));
            const double size = 4.5 * (1 - t) + 1.4;
            for (int ray = 0; ray < 16; ++ray) {
              const double degrees = ray * 22.5;
              const double droop = 10 * t * t;  // the sparks fall as they fade
              const PointF tip = OnCircle(kCx, kCy + droop, reach, degrees);
              const PointF tail = OnCircle(kCx, kCy + droop * 0.6, reach * 0.55, degrees);
              if (t < 0.75) art::Line(frame, At(tail.x, tail.y), At(tip.x, tip.y), Mix(colour, kWhite, 0.4));
              art::Disc(frame, tip.x, tip.y, size, colour);
              if (ray % 2 == 0) {
                const PointF inner = OnCircle(kCx, kCy + droop, reach * 0.6, degrees + 11.25);
                art::Disc(frame, inner.x, inner.y, size * 0.7, Mix(colour, kWhite, 0.6));
              }
            }
            if (t < 0.2) art::Disc(frame, kCx, kCy, 9 * (1 - t * 4), Rgb(255, 255, 230));
          }};
}

}  // namespace plorvane::library
