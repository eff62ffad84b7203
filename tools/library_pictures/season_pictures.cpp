#include <cmath>
#include <numbers>
#include <vector>

#include "editor_art/drawing.h"
#include "pictures.h"
#include "scenery.h"

namespace plorvane::art {

namespace {

// A branch that bends as it grows, tapering from `width` to a twig; answers its points.
std::vector<Vec> Branch(Layer& layer, Vec from, double degrees, double length, double bend, double width, Colour bark) {
  std::vector<Vec> points{from};
  for (int i = 1; i <= 12; ++i) {
    const double angle = (degrees + bend * i / 12) * std::numbers::pi / 180;
    const Vec last = points.back();
    points.push_back({last.x + std::cos(angle) * length / 12, last.y - std::sin(angle) * length / 12});
  }
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double w = width * (1 - 0.75 * i / 12.0);
    Fill(layer, Segment(points[i], points[i + 1], w), Mix(bark, kBlack, 0.1 * (i % 2)));
  }
  return points;
}

void Leaf(Layer& layer, Vec at, double size, double degrees, Colour colour) {
  const Shape leaf = Rotated(LeafShape({at.x, at.y + size / 2}, {at.x, at.y - size / 2}, size * 0.5), at, degrees);
  DropShadow(layer, leaf, 3, 4, 6, 0.2);
  Fill(layer, leaf, Linear({at.x - size / 2, at.y}, Mix(colour, kWhite, 0.2), {at.x + size / 2, at.y}, Mix(colour, kBlack, 0.2)));
  Fill(layer, Rotated(Segment({at.x, at.y + size / 2}, {at.x, at.y - size * 0.35}, 1.2), at, degrees), Mix(colour, kBlack, 0.35), 0.7);
}

void MapleLeaf(Layer& layer, Vec at, double size, double degrees, Colour colour) {
  const Shape leaf = Union(StarShape(at, size / 2, size * 0.26, 5, degrees), Circle(at, size * 0.24));
  DropShadow(layer, leaf, 3, 4, 6, 0.2);
  Fill(layer, leaf, Radial(at, size / 2, Mix(colour, kWhite, 0.25), Mix(colour, kBlack, 0.15)));
  const double stem = (degrees + 180) * std::numbers::pi / 180;
  Fill(layer, Segment(at, {at.x - std::sin(stem) * size * 0.55, at.y - std::cos(stem) * size * 0.55}, 1.5),
       Mix(colour, kBlack, 0.4));
}

}  // namespace

Bitmap DrawSpringBlossoms() {
  const Colour sky[] = {Rgb(150, 200, 245), Rgb(205, 228, 250), Rgb(255, 232, 240)};
  Layer b = NewPicture(sky);
  Glow(b, {380, 70}, 160, Rgb(255, 250, 220), 0.5);
  Cloud(b, {330, 110}, 120, 0.8);
  Cloud(b, {120, 160}, 90, 0.6);
  Hills(b, 250, 22, 1.0, Linear({0, 240}, Rgb(170, 215, 140), {0, 360}, Rgb(120, 180, 100)));
  Hills(b, 285, 18, 3.1, Linear({0, 280}, Rgb(130, 195, 105), {0, 360}, Rgb(80, 150, 75)));
  const Colour bark = Rgb(95, 60, 50);
  const std::vector<Vec> main = Branch(b, {-10, 40}, -10, 360, -25, 16, bark);
  const std::vector<Vec> twig1 = Branch(b, main[4], 20, 130, 30, 7, bark);
  const std::vector<Vec> twig2 = Branch(b, main[8], -55, 110, -20, 6, bark);
  const std::vector<Vec> right = Branch(b, {490, 175}, 165, 170, -25, 11, bark);
  const Colour pinks[] = {Rgb(255, 170, 200), Rgb(250, 140, 180), Rgb(255, 205, 222)};
  Random random(5);
  const auto blossoms = [&](const std::vector<Vec>& along, double size) {
    for (std::size_t i = 1; i < along.size(); i += 2) {
      const Vec at{along[i].x + random.Between(-10, 10), along[i].y + random.Between(-12, 12)};
      Flower(b, at, size * random.Between(0.8, 1.2), 5, pinks[i % 3], Rgb(230, 80, 120), random.Between(0, 72));
    }
  };
  blossoms(main, 24);
  blossoms(twig1, 20);
  blossoms(twig2, 18);
  blossoms(right, 21);
  for (int i = 0; i < 26; ++i) {
    const Vec at{random.Between(20, 470), random.Between(120, 340)};
    Fill(b, Rotated(Ellipse(at, 4, 2.5), at, random.Between(0, 180)), pinks[i % 3], 0.9);
  }
  Grain(b, 0.04, 3);
  Vignette(b, 0.18);
  return b.colour();
}

Bitmap DrawSummerBeach() {
  const Colour sky[] = {Rgb(40, 120, 210), Rgb(110, 190, 240), Rgb(200, 235, 250)};
  Layer b = NewPicture(sky);
  Glow(b, {370, 80}, 150, Rgb(255, 240, 170), 0.7);
  Fill(b, Circle({370, 80}, 36), Radial({360, 70}, 40, Rgb(255, 255, 220), Rgb(255, 210, 80)));
  Cloud(b, {120, 90}, 110, 0.9);
  Cloud(b, {250, 130}, 70, 0.7);
  // The sea, with a few bright wave lines.
  Fill(b, RoundedBox({-5, 200, 485, 300}, 0), Linear({0, 200}, Rgb(40, 140, 190), {0, 290}, Rgb(60, 190, 200)));
  Random random(8);
  for (int i = 0; i < 22; ++i) {
    const Vec at{random.Between(0, 480), random.Between(210, 270)};
    const double length = random.Between(12, 40);
    Fill(b, Segment(at, {at.x + length, at.y}, 1.5), kWhite, random.Between(0.3, 0.7));
  }
  Hills(b, 262, 10, 0.3, Linear({0, 260}, Rgb(250, 230, 180), {0, 360}, Rgb(230, 195, 140)));
  // A striped sun shade.
  const Vec top{150, 205};
  Fill(b, Segment(top, {165, 330}, 4), Rgb(240, 240, 235));
  const Shape canopy = Intersect(Ellipse(top, 90, 48), RoundedBox({50, 150, 250, top.y + 8}, 0));
  Fill(b, Ellipse({185, 320}, 85, 14), Rgb(150, 110, 70), 0.3, 14);
  for (int stripe = 0; stripe < 6; ++stripe) {
    const double a = 180.0 * stripe / 6;
    const double c = 180.0 * (stripe + 1) / 6;
    const auto edge = [&](double degrees) {
      return Vec{top.x + std::cos(degrees * std::numbers::pi / 180) * 120, top.y + 8 - std::sin(degrees * std::numbers::pi / 180) * 120};
    };
    const Shape wedge = Intersect(canopy, PolygonShape({{top.x, top.y + 8}, edge(a), edge(c)}));
    Fill(b, wedge, Linear({top.x, top.y - 48}, stripe % 2 == 0 ? Rgb(240, 70, 70) : kWhite, {top.x, top.y + 8},
                          stripe % 2 == 0 ? Rgb(200, 40, 50) : Rgb(225, 225, 230)));
  }
  const Shape starfish = StarShape({360, 320}, 22, 9, 5, 12);
  DropShadow(b, starfish, 2, 3, 5, 0.25);
  Fill(b, starfish, Radial({360, 318}, 22, Rgb(255, 170, 90), Rgb(235, 100, 60)));
  for (int i = 0; i < 3; ++i) {
    const Vec at{230.0 + i * 40, 60.0 + i * 18};
    Fill(b, Segment({at.x - 9, at.y - 4}, at, 2), Rgb(60, 70, 90));
    Fill(b, Segment(at, {at.x + 9, at.y - 4}, 2), Rgb(60, 70, 90));
  }
  Grain(b, 0.03, 4);
  return b.colour();
}

Bitmap DrawAutumnLeaves() {
  const Colour sky[] = {Rgb(255, 235, 195), Rgb(250, 200, 140), Rgb(205, 110, 60)};
  Layer b = NewPicture(sky);
  const Colour warm[] = {Rgb(255, 220, 120), Rgb(255, 170, 80), Rgb(230, 120, 60)};
  Bokeh(b, {0, 0, 480, 360}, 30, warm, 30, 21);
  const Colour leaves[] = {Rgb(235, 70, 35), Rgb(250, 145, 30), Rgb(255, 200, 50), Rgb(200, 50, 40), Rgb(225, 115, 30)};
  Random random(33);
  for (int i = 0; i < 26; ++i) {
    const Vec at{random.Between(0, 480), random.Between(0, 360)};
    const double size = random.Between(40, 84);
    const Colour colour = leaves[static_cast<std::size_t>(i) % 5];
    if (i % 2 == 0) {
      MapleLeaf(b, at, size, random.Between(-40, 40), colour);
    } else {
      Leaf(b, at, size, random.Between(0, 360), colour);
    }
  }
  Grain(b, 0.05, 9);
  Vignette(b, 0.35);
  return b.colour();
}

Bitmap DrawWinterNight() {
  const Colour sky[] = {Rgb(8, 16, 50), Rgb(30, 50, 110), Rgb(70, 100, 160)};
  Layer b = NewPicture(sky);
  Starfield(b, {0, 0, 480, 220}, 90, 12);
  Crescent(b, {380, 70}, 30, Rgb(255, 248, 215));
  Hills(b, 235, 25, 2.0, Linear({0, 230}, Rgb(200, 215, 240), {0, 360}, Rgb(150, 170, 210)));
  for (int i = 0; i < 5; ++i) FirTree(b, {40.0 + i * 95, 262.0 + (i % 2) * 14}, 80 + (i % 3) * 14, Rgb(25, 90, 70), true);
  Hills(b, 290, 14, 4.2, Linear({0, 285}, Rgb(245, 248, 255), {0, 360}, Rgb(195, 210, 240)));
  // A cottage with warm windows.
  const Box wall{300, 250, 370, 305};
  Fill(b, RoundedBox(wall, 1), Linear({300, 250}, Rgb(150, 80, 60), {370, 305}, Rgb(110, 55, 45)));
  Fill(b, PolygonShape({{292, 254}, {335, 218}, {378, 254}}), Rgb(245, 248, 255));
  Glow(b, {335, 275}, 40, Rgb(255, 200, 110), 0.5);
  Fill(b, RoundedBox({322, 265, 348, 288}, 2), Rgb(255, 215, 130));
  Fill(b, Segment({335, 265}, {335, 288}, 2), Rgb(110, 55, 45));
  Fill(b, Segment({322, 276.5}, {348, 276.5}, 2), Rgb(110, 55, 45));
  Snowfall(b, {0, 0, 480, 360}, 140, 17);
  Vignette(b, 0.3);
  return b.colour();
}

}  // namespace plorvane::art
