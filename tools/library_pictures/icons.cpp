#include "icons.h"

#include <cmath>
#include <numbers>

#include "editor_art/drawing.h"

namespace plorvane::art {

namespace {

const Colour kInk = Rgb(60, 35, 45);

// A shape with a dark rim, so it reads on light and dark desktops alike.
void Inked(Layer& icon, const Shape& shape, const Shader& shader) {
  Fill(icon, Grown(shape, 1.1), kInk, 0.85);
  Fill(icon, shape, shader);
}

void DrawHeart(Layer& icon) {
  Inked(icon, HeartShape({16, 16.5}, 27), Lit({16, 14}, 13, Rgb(230, 30, 60)));
  Fill(icon, Rotated(Ellipse({10, 10}, 2.2, 3.6), {10, 10}, 40), kWhite, 0.6);
}

void DrawStar(Layer& icon) {
  Inked(icon, StarShape({16, 17}, 14.5, 6.5, 5), Radial({13, 13}, 15, Rgb(255, 250, 180), Rgb(245, 170, 20)));
}

void DrawGift(Layer& icon) {
  const Colour ribbon = Rgb(250, 210, 60);
  Inked(icon, RoundedBox({5, 13, 27, 29}, 1.5), Linear({5, 13}, Rgb(240, 70, 90), {27, 29}, Rgb(170, 30, 60)));
  Inked(icon, RoundedBox({3.5, 9, 28.5, 14}, 1.5), Solid(Rgb(250, 90, 110)));
  Fill(icon, RoundedBox({14, 9, 18, 29}, 0), ribbon);
  Inked(icon, Ellipse({11.5, 7}, 4.5, 2.6), Solid(ribbon));
  Inked(icon, Ellipse({20.5, 7}, 4.5, 2.6), Solid(ribbon));
  Fill(icon, Circle({16, 8.5}, 2.2), Mix(ribbon, kBlack, 0.2));
}

void DrawBalloon(Layer& icon) {
  Fill(icon, Segment({16, 25}, {14, 31}, 1), kInk);
  Fill(icon, PolygonShape({{16, 22.5}, {18.2, 26}, {13.8, 26}}), Rgb(180, 30, 60));
  Inked(icon, Ellipse({16, 13}, 10, 11.5), Lit({16, 13}, 11, Rgb(240, 50, 80)));
  Fill(icon, Rotated(Ellipse({11.5, 8.5}, 1.8, 3.2), {11.5, 8.5}, 35), kWhite, 0.65);
}

void DrawCake(Layer& icon) {
  Inked(icon, RoundedBox({5, 16, 27, 29}, 2), Linear({5, 0}, Rgb(250, 235, 205), {27, 0}, Rgb(215, 180, 140)));
  Shape icing = RoundedBox({5, 15, 27, 20}, 2);
  for (double x = 8; x < 26; x += 5) icing = Union(std::move(icing), Segment({x, 19}, {x, 21 + std::fmod(x, 3)}, 2.8));
  Fill(icon, icing, Rgb(255, 130, 175));
  for (double x = 9; x < 25; x += 5) Fill(icon, Circle({x, 25.5}, 1.1), Rgb(90, 170, 240));
  Inked(icon, RoundedBox({14.5, 7, 17.5, 15}, 0.8), Solid(Rgb(120, 180, 250)));
  Glow(icon, {16, 4}, 5, Rgb(255, 200, 80), 0.6);
  Fill(icon, Union(Circle({16, 5}, 1.6), PolygonShape({{14.5, 4.5}, {16, 1}, {17.5, 4.5}})), Rgb(255, 170, 40));
}

void DrawFlower(Layer& icon) {
  Fill(icon, Segment({16, 18}, {16, 31}, 2.4), Rgb(60, 140, 60));
  Fill(icon, LeafShape({16, 27}, {23, 22}, 4), Rgb(80, 170, 70));
  for (int i = 0; i < 6; ++i) {
    Inked(icon, Rotated(Ellipse({16, 7.5}, 3.6, 5.2), {16, 13}, i * 60), Radial({16, 13}, 11, Rgb(255, 235, 245), Rgb(240, 100, 160)));
  }
  Inked(icon, Circle({16, 13}, 3.6), Lit({16, 13}, 3.6, Rgb(255, 200, 40)));
}

void DrawSnowflake(Layer& icon) {
  Inked(icon, SnowflakeShape({16, 16}, 13.5, 2.4, 90), Radial({16, 16}, 14, kWhite, Rgb(140, 200, 250)));
}

void DrawSun(Layer& icon) {
  const Colour rays = Rgb(255, 170, 30);
  for (int i = 0; i < 12; ++i) {
    const double a = i * std::numbers::pi / 6;
    Fill(icon, Segment({16 + std::cos(a) * 10, 16 + std::sin(a) * 10}, {16 + std::cos(a) * 14.5, 16 + std::sin(a) * 14.5}, 2.4), rays);
  }
  Inked(icon, Circle({16, 16}, 8.5), Radial({13.5, 13.5}, 11, Rgb(255, 250, 190), Rgb(255, 190, 30)));
}

void DrawMoon(Layer& icon) {
  Inked(icon, Subtract(Circle({15, 16}, 13), Circle({21, 12}, 11)), Radial({9, 16}, 16, Rgb(255, 250, 210), Rgb(245, 200, 70)));
  Fill(icon, StarShape({25, 24}, 4, 1.6, 4), Rgb(255, 240, 150));
}

void DrawBell(Layer& icon) {
  const std::vector<Vec> body{{16, 3.5}, {21, 5.5}, {23, 11}, {24, 20}, {28, 25}, {4, 25}, {8, 20}, {9, 11}, {11, 5.5}};
  Inked(icon, Circle({16, 27}, 3), Solid(Rgb(200, 140, 40)));
  Inked(icon, PolygonShape(body), Linear({6, 0}, Rgb(255, 235, 140), {26, 0}, Rgb(200, 140, 30)));
  Fill(icon, Segment({11.5, 9}, {10.5, 19}, 1.6), kWhite, 0.6);
  Fill(icon, RoundedBox({13, 1.5, 19, 4.5}, 1.5), Rgb(200, 60, 60));
}

void DrawCandle(Layer& icon) {
  Glow(icon, {16, 7}, 9, Rgb(255, 210, 90), 0.55);
  Inked(icon, RoundedBox({11, 12, 21, 30}, 1.5), Linear({11, 0}, Rgb(255, 250, 240), {21, 0}, Rgb(225, 200, 180)));
  Fill(icon, Union(Ellipse({15, 15}, 2, 3.5), Ellipse({19, 13.5}, 1.4, 2.5)), Rgb(255, 255, 250));
  Fill(icon, Segment({16, 12}, {16, 9.5}, 1), kInk);
  Fill(icon, Union(Circle({16, 7.6}, 2.2), PolygonShape({{13.9, 7}, {16, 1.5}, {18.1, 7}})),
       Linear({16, 1.5}, Rgb(255, 250, 200), {16, 10}, Rgb(255, 140, 30)));
}

void DrawMusicNote(Layer& icon) {
  const Shader blue = Linear({4, 4}, Rgb(120, 170, 250), {28, 28}, Rgb(40, 70, 190));
  const Shape notes = Union(Union(Rotated(Ellipse({9, 25}, 4.6, 3.4), {9, 25}, 25), Rotated(Ellipse({23, 22}, 4.6, 3.4), {23, 22}, 25)),
                            Union(Union(Segment({12.8, 24.5}, {12.8, 7}, 2.2), Segment({26.8, 21.5}, {26.8, 4}, 2.2)),
                                  PolygonShape({{11.7, 6}, {27.9, 2.5}, {27.9, 7.5}, {11.7, 11}})));
  Inked(icon, notes, blue);
}

void DrawEnvelope(Layer& icon) {
  const Box paper{3, 8, 29, 26};
  Inked(icon, RoundedBox(paper, 1.5), Linear({3, 8}, kWhite, {29, 26}, Rgb(220, 215, 235)));
  Fill(icon, Outline(PolygonShape({{3, 8}, {29, 8}, {16, 18}}), 1.4), kInk, 0.8);
  Fill(icon, Segment({4, 25}, {13, 16}, 1.2), kInk, 0.5);
  Fill(icon, Segment({28, 25}, {19, 16}, 1.2), kInk, 0.5);
  Inked(icon, HeartShape({16, 17.5}, 8), Solid(Rgb(230, 40, 70)));
}

void DrawSmile(Layer& icon) {
  Inked(icon, Circle({16, 16}, 14), Lit({16, 16}, 14, Rgb(255, 215, 50)));
  Fill(icon, Ellipse({11.5, 12.5}, 1.8, 2.6), kInk);
  Fill(icon, Ellipse({20.5, 12.5}, 1.8, 2.6), kInk);
  Fill(icon, Intersect(Outline(Circle({16, 15}, 8), 2), RoundedBox({6, 18, 26, 26}, 0)), kInk);
  Fill(icon, Circle({8.5, 19}, 2.4), Rgb(255, 120, 110), 0.5, 2);
  Fill(icon, Circle({23.5, 19}, 2.4), Rgb(255, 120, 110), 0.5, 2);
}

void DrawTree(Layer& icon) {
  Inked(icon, RoundedBox({14, 25, 18, 31}, 0.5), Solid(Rgb(120, 80, 50)));
  const Shape tree = Union(PolygonShape({{16, 3}, {24, 14}, {8, 14}}),
                           Union(PolygonShape({{16, 8}, {26, 20}, {6, 20}}), PolygonShape({{16, 13}, {29, 26}, {3, 26}})));
  Inked(icon, tree, Linear({6, 4}, Rgb(90, 190, 90), {26, 26}, Rgb(20, 110, 50)));
  const Colour baubles[] = {Rgb(240, 50, 60), Rgb(255, 210, 50), Rgb(80, 150, 250)};
  const Vec spots[] = {{13, 12}, {19, 17}, {11, 22}, {21, 23}, {16, 20}};
  for (std::size_t i = 0; i < std::size(spots); ++i) Fill(icon, Circle(spots[i], 1.5), baubles[i % 3]);
  Fill(icon, StarShape({16, 3.5}, 3.5, 1.5, 5), Rgb(255, 220, 60));
}

void DrawButterfly(Layer& icon) {
  const Shader wings = Radial({16, 16}, 15, Rgb(255, 180, 60), Rgb(200, 60, 170));
  for (const double side : {-1.0, 1.0}) {
    Inked(icon, Rotated(Ellipse({16 + side * 7.5, 10.5}, 6.5, 7.5), {16, 16}, side * -10), wings);
    Inked(icon, Rotated(Ellipse({16 + side * 6.5, 22}, 4.5, 5.5), {16, 16}, side * 15), wings);
    Fill(icon, Circle({16 + side * 8, 10}, 2), kWhite, 0.7);
    Fill(icon, Segment({16, 8}, {16 + side * 4, 2.5}, 1), kInk);
  }
  Fill(icon, Ellipse({16, 16.5}, 2, 9), kInk);
}

}  // namespace

const std::vector<IconArt>& Icons() {
  static const std::vector<IconArt> icons{
      {"Heart", DrawHeart},   {"Star", DrawStar},         {"Gift", DrawGift},         {"Balloon", DrawBalloon},
      {"Cake", DrawCake},     {"Flower", DrawFlower},     {"Snowflake", DrawSnowflake}, {"Sun", DrawSun},
      {"Moon", DrawMoon},     {"Bell", DrawBell},         {"Candle", DrawCandle},     {"Music Note", DrawMusicNote},
      {"Envelope", DrawEnvelope}, {"Smile", DrawSmile}, {"Tree", DrawTree},           {"Butterfly", DrawButterfly}};
  return icons;
}

CursorFrame HalfSize(const CursorFrame& frame) {
  CursorFrame half;
  half.width = frame.width / 2;
  half.height = frame.height / 2;
  half.hot_spot = {frame.hot_spot.x / 2, frame.hot_spot.y / 2};
  half.bgra.resize(static_cast<std::size_t>(half.width) * static_cast<std::size_t>(half.height) * 4);
  const auto at = [&](int x, int y) { return frame.bgra.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) + static_cast<std::size_t>(x)) * 4; };
  for (int y = 0; y < half.height; ++y) {
    for (int x = 0; x < half.width; ++x) {
      double sums[3] = {};
      double alpha = 0;
      for (int dy = 0; dy < 2; ++dy) {
        for (int dx = 0; dx < 2; ++dx) {
          const std::uint8_t* pixel = at(2 * x + dx, 2 * y + dy);
          for (int channel = 0; channel < 3; ++channel) sums[channel] += pixel[channel] * pixel[3];
          alpha += pixel[3];
        }
      }
      std::uint8_t* out = half.bgra.data() + (static_cast<std::size_t>(y) * static_cast<std::size_t>(half.width) + static_cast<std::size_t>(x)) * 4;
      for (int channel = 0; channel < 3; ++channel) out[channel] = alpha == 0 ? 0 : static_cast<std::uint8_t>(std::lround(sums[channel] / alpha));
      out[3] = static_cast<std::uint8_t>(std::lround(alpha / 4));
    }
  }
  return half;
}

}  // namespace plorvane::art
