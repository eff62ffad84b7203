// Hearts, stars and sparkles.
#include <cmath>
#include <numbers>

#include "animation_arts.h"
#include "shapes.h"

namespace plorvane::library {

using art::Mix;
using art::Rgb;

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
}  // namespace

AnimationArt FloatingHearts() {
  return {"Floating Hearts", 90, 130, 12, 100, [](Bitmap& frame, double phase) {
            const struct {
              double x, offset, size;
              Colour colour;
            } hearts[] = {{28, 0.0, 34, Rgb(230, 40, 80)}, {62, 0.35, 26, Rgb(255, 110, 160)},
                          {42, 0.7, 22, Rgb(200, 20, 60)}};
            for (const auto& heart : hearts) {
              // Each rises once over the loop, from below the frame to above it.
              const double rise = std::fmod(phase + heart.offset, 1.0);
              const double y = frame.height() + heart.size - rise * (frame.height() + 2 * heart.size);
              const double x = heart.x + 6 * std::sin(kTwoPi * (rise * 2 + heart.offset));
              art::Heart(frame, x, y, heart.size, heart.colour);
              art::Disc(frame, x - heart.size * 0.22, y - heart.size * 0.2, heart.size * 0.09, Mix(heart.colour, kWhite, 0.7));
            }
          }};
}

AnimationArt BeatingHeart(Colour colour) {
  return {"Beating Heart", 80, 80, 8, 90, [colour](Bitmap& frame, double phase) {
            // Two quick beats, then a rest.
            const double beat = std::max(0.0, std::sin(kTwoPi * phase * 2)) * (phase < 0.5 ? 1.0 : 0.5);
            const double size = 50 + 14 * beat;
            art::Heart(frame, 40, 40, size + 6, Mix(colour, Rgb(90, 0, 20), 0.45));
            art::Heart(frame, 40, 40, size, colour);
            art::Disc(frame, 40 - size * 0.24, 40 - size * 0.2, size * 0.1, Mix(colour, kWhite, 0.75));
          }};
}

AnimationArt TwinklingStar(Colour colour) {
  return {"Twinkling Star", 70, 70, 8, 120, [colour](Bitmap& frame, double phase) {
            const double glow = Pulse(phase);
            for (int ray = 0; ray < 8; ++ray) {
              const double length = ray % 2 == 0 ? 30 + 3 * glow : 20 + 6 * (1 - glow);
              const PointF end = OnCircle(35, 35, length, ray * 45 + 22.5 * glow);
              art::Line(frame, {35, 35}, {static_cast<int>(end.x), static_cast<int>(end.y)}, Mix(colour, kWhite, 0.5));
            }
            const double outer = 20 + 5 * glow;
            art::Star(frame, 35, 36, outer + 2, Mix(colour, Rgb(150, 90, 0), 0.5));
            art::Star(frame, 35, 35, outer, colour);
            art::Star(frame, 35, 35, outer * 0.45, Mix(colour, kWhite, 0.6));
          }};
}

AnimationArt ShootingStar() {
  return {"Shooting Star", 170, 90, 12, 70, [](Bitmap& frame, double phase) {
            const double x = 14 + phase * 170;
            const double y = 70 - phase * 44;
            // The tail: a trail of dots getting smaller and paler behind the star.
            for (int dot = 12; dot >= 1; --dot) {
              const double behind = dot * 6.0;
              art::Disc(frame, x - behind, y + behind * 44 / 170, 5.5 - dot * 0.4,
                        Mix(Rgb(255, 220, 80), Rgb(255, 250, 225), dot / 12.0));
            }
            art::Star(frame, x, y, 13, Rgb(255, 200, 40));
            art::Star(frame, x, y, 6, Rgb(255, 250, 210));
          }};
}

AnimationArt Sparkles() {
  return {"Sparkles", 100, 100, 10, 90, [](Bitmap& frame, double phase) {
            const struct {
              double x, y, size, offset;
              Colour colour;
            } sparkles[] = {{22, 24, 36, 0.0, Rgb(255, 230, 120)}, {72, 20, 28, 0.3, Rgb(255, 255, 255)},
                            {50, 52, 44, 0.55, Rgb(255, 215, 70)},  {22, 78, 26, 0.8, Rgb(190, 230, 255)},
                            {78, 76, 34, 0.15, Rgb(255, 190, 230)}, {86, 46, 18, 0.65, Rgb(255, 255, 255)}};
            for (const auto& sparkle : sparkles) {
              const double size = sparkle.size * Pulse(phase + sparkle.offset);
              Twinkle(frame, sparkle.x, sparkle.y, size, sparkle.colour);
              Twinkle(frame, sparkle.x, sparkle.y, size * 0.45, kWhite);
            }
          }};
}

}  // namespace plorvane::library
