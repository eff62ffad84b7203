#include <cmath>
#include <numbers>
#include <vector>

#include "editor_art/drawing.h"
#include "pictures.h"
#include "scenery.h"

namespace plorvane::art {

namespace {

const Colour kParty[] = {Rgb(240, 70, 90), Rgb(255, 200, 50), Rgb(70, 150, 235), Rgb(80, 200, 120), Rgb(200, 100, 220)};

// A candle flame: a drop pointing up, glowing.
void Flame(Layer& layer, Vec base, double size) {
  Glow(layer, {base.x, base.y - size}, size * 3, Rgb(255, 210, 120), 0.5);
  const Shape drop = Union(Circle({base.x, base.y - size * 0.55}, size * 0.5),
                           PolygonShape({{base.x - size * 0.48, base.y - size * 0.7}, {base.x, base.y - size * 2},
                                         {base.x + size * 0.48, base.y - size * 0.7}}));
  Fill(layer, drop, Linear({base.x, base.y - size * 2}, Rgb(255, 250, 210), {base.x, base.y}, Rgb(255, 150, 40)));
}

// A wavy paper streamer curling from `from` in the given direction.
void Streamer(Layer& layer, Vec from, double degrees, double length, Colour colour) {
  const double angle = degrees * std::numbers::pi / 180;
  Vec last = from;
  for (int i = 1; i <= 30; ++i) {
    const double t = length * i / 30;
    const double wave = std::sin(i * 0.7) * 8;
    const Vec next{from.x + std::cos(angle) * t - std::sin(angle) * wave, from.y - std::sin(angle) * t - std::cos(angle) * wave};
    Fill(layer, Segment(last, next, 4), Mix(colour, i % 4 < 2 ? kWhite : kBlack, 0.12));
    last = next;
  }
}

}  // namespace

Bitmap DrawBirthdayBalloons() {
  const Colour sky[] = {Rgb(110, 185, 250), Rgb(180, 220, 255), Rgb(240, 248, 255)};
  Layer b = NewPicture(sky);
  Cloud(b, {90, 300}, 130, 0.9);
  Cloud(b, {400, 320}, 150, 0.9);
  Cloud(b, {380, 150}, 80, 0.6);
  Bunting(b, -4, 34, kParty);
  const struct {
    double x, y, r;
    std::size_t colour;
  } balloons[] = {{150, 150, 40, 0}, {238, 118, 46, 1}, {326, 160, 40, 2}, {192, 210, 36, 3}, {288, 222, 36, 4},
                  {90, 215, 30, 1}, {388, 225, 30, 0}};
  for (const auto& balloon : balloons) Balloon(b, {balloon.x, balloon.y}, balloon.r, kParty[balloon.colour], {240, 345});
  Fill(b, Circle({240, 345}, 5), Rgb(240, 70, 90));
  Confetti(b, {0, 60, 480, 360}, 45, kParty, 3);
  Grain(b, 0.03, 2);
  return b.colour();
}

Bitmap DrawBirthdayCake() {
  const Colour wall[] = {Rgb(255, 220, 232), Rgb(255, 200, 220), Rgb(245, 170, 200)};
  Layer b = NewPicture(wall);
  for (int row = 0; row < 10; ++row) {
    for (int column = 0; column < 14; ++column) {
      Fill(b, Circle({column * 36.0 + (row % 2) * 18, row * 30.0 + 10}, 4), kWhite, 0.35);
    }
  }
  Bunting(b, -6, 28, kParty);
  // The table.
  Fill(b, RoundedBox({-5, 300, 485, 365}, 0), Linear({0, 300}, Rgb(200, 140, 100), {0, 360}, Rgb(150, 95, 65)));
  Fill(b, Ellipse({240, 305}, 150, 20), Rgb(250, 250, 255));
  Fill(b, Ellipse({240, 300}, 140, 16), Rgb(235, 235, 245));
  // Two tiers of sponge with pink icing dripping over their tops.
  const struct {
    Box box;
    Colour sponge;
  } tiers[] = {{{130, 220, 350, 300}, Rgb(250, 235, 205)}, {{165, 160, 315, 222}, Rgb(250, 240, 215)}};
  for (const auto& tier : tiers) {
    const Shape body = RoundedBox(tier.box, 8);
    DropShadow(b, body, 6, 6, 12, 0.25);
    Fill(b, body, Linear({tier.box.left, 0}, tier.sponge, {tier.box.right, 0}, Mix(tier.sponge, Rgb(150, 100, 70), 0.35)));
    Shape icing = RoundedBox({tier.box.left, tier.box.top, tier.box.right, tier.box.top + 16}, 8);
    for (double x = tier.box.left + 14; x < tier.box.right - 8; x += 22) {
      icing = Union(std::move(icing), Segment({x, tier.box.top + 10}, {x, tier.box.top + 18 + std::fmod(x * 7, 17)}, 11));
    }
    Fill(b, icing, Linear({tier.box.left, 0}, Rgb(255, 150, 190), {tier.box.right, 0}, Rgb(225, 90, 150)));
    for (double x = tier.box.left + 18; x < tier.box.right - 8; x += 26)
      Fill(b, Circle({x, tier.box.bottom - 18}, 4), kParty[static_cast<std::size_t>(x) % 5]);
  }
  for (int i = 0; i < 5; ++i) {
    const double x = 185 + i * 27.5;
    const Box candle{x - 4, 122, x + 4, 162};
    Fill(b, RoundedBox(candle, 2), Linear({x - 4, 0}, kParty[i], {x + 4, 0}, Mix(kParty[i], kBlack, 0.25)));
    for (double y = 128; y < 160; y += 10) Fill(b, Segment({x - 4, y + 4}, {x + 4, y}, 2), kWhite, 0.7);
    Fill(b, Segment({x, 122}, {x, 116}, 1.2), Rgb(60, 50, 40));
    Flame(b, {x, 118}, 8);
  }
  Sparkle(b, {90, 150}, 14, Rgb(255, 230, 150));
  Sparkle(b, {400, 130}, 18, Rgb(255, 230, 150));
  Sparkle(b, {60, 250}, 10, Rgb(255, 255, 255));
  Grain(b, 0.03, 6);
  Vignette(b, 0.2);
  return b.colour();
}

Bitmap DrawCongratulations() {
  const Colour sky[] = {Rgb(40, 20, 90), Rgb(110, 40, 140), Rgb(200, 70, 140)};
  Layer b = NewPicture(sky);
  Glow(b, {240, 170}, 230, Rgb(255, 200, 120), 0.45);
  for (int i = 0; i < 16; ++i) {
    const double angle = i * 22.5;
    Fill(b, Rotated(PolygonShape({{240, 170}, {232, -200}, {248, -200}}), {240, 170}, angle), Rgb(255, 230, 170), 0.08);
  }
  const double angles[] = {20, 60, 110, 160, 200, 250, 300, 340};
  for (std::size_t i = 0; i < 8; ++i) {
    const double a = angles[i] * std::numbers::pi / 180;
    Streamer(b, {240 + std::cos(a) * 90, 170 - std::sin(a) * 90}, angles[i], 170, kParty[i % 5]);
  }
  const Shape star = StarShape({240, 172}, 82, 36, 5);
  DropShadow(b, star, 6, 8, 14, 0.35);
  Fill(b, star, Radial({225, 150}, 100, Rgb(255, 245, 170), Rgb(235, 160, 30)));
  Fill(b, Outline(StarShape({240, 172}, 70, 30, 5), 2), Rgb(255, 250, 220), 0.6);
  Confetti(b, {0, 0, 480, 360}, 80, kParty, 19);
  const Vec sparkles[] = {{80, 70}, {410, 60}, {60, 290}, {420, 300}, {340, 110}, {130, 230}};
  for (const Vec at : sparkles) Sparkle(b, at, 12, Rgb(255, 240, 180));
  Vignette(b, 0.3);
  return b.colour();
}

Bitmap DrawWeddingRings() {
  const Colour wall[] = {Rgb(255, 250, 240), Rgb(250, 235, 225), Rgb(235, 205, 200)};
  Layer b = NewPicture(wall);
  const Colour golden[] = {Rgb(255, 220, 150), Rgb(250, 200, 180), Rgb(255, 240, 200)};
  Bokeh(b, {0, 0, 480, 360}, 40, golden, 26, 44);
  Random random(12);
  for (int i = 0; i < 14; ++i) {
    const Vec at{random.Between(20, 460), random.Between(20, 340)};
    Fill(b, HeartShape(at, random.Between(10, 22)), Rgb(240, 160, 175), random.Between(0.25, 0.5), 1.5);
  }
  const Shape left = Outline(Circle({205, 185}, 62), 15);
  const Shape right = Outline(Circle({285, 185}, 62), 15);
  const Shader gold = Linear({140, 120}, Rgb(255, 240, 170), {350, 250}, Rgb(190, 130, 40));
  DropShadow(b, left, 6, 9, 14, 0.3);
  DropShadow(b, right, 6, 9, 14, 0.3);
  Fill(b, left, gold);
  Fill(b, right, Linear({220, 120}, Rgb(255, 235, 160), {350, 250}, Rgb(185, 125, 35)));
  // The left ring passes over the right one at the top, so the two link.
  Fill(b, Intersect(left, RoundedBox({230, 100, 280, 180}, 0)), gold);
  Fill(b, Outline(Circle({205, 185}, 55), 1.5), Rgb(255, 250, 220), 0.5);
  Fill(b, Outline(Circle({285, 185}, 69), 1.5), Rgb(255, 250, 220), 0.4);
  // A diamond set on the right ring.
  const Vec stone{285, 112};
  Glow(b, stone, 40, kWhite, 0.6);
  Fill(b, PolygonShape({{stone.x - 16, stone.y - 6}, {stone.x - 8, stone.y - 16}, {stone.x + 8, stone.y - 16},
                        {stone.x + 16, stone.y - 6}, {stone.x, stone.y + 12}}),
       Linear({stone.x - 16, stone.y - 16}, Rgb(240, 250, 255), {stone.x + 16, stone.y + 12}, Rgb(150, 190, 230)));
  Fill(b, PolygonShape({{stone.x - 8, stone.y - 6}, {stone.x + 8, stone.y - 6}, {stone.x, stone.y + 12}}), kWhite, 0.5);
  Sparkle(b, {stone.x + 14, stone.y - 20}, 12, kWhite);
  Sparkle(b, {150, 130}, 9, Rgb(255, 245, 200));
  Grain(b, 0.025, 8);
  Vignette(b, 0.2);
  return b.colour();
}

}  // namespace plorvane::art
