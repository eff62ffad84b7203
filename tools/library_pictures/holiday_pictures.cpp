#include <cmath>
#include <numbers>
#include <vector>

#include "editor_art/drawing.h"
#include "pictures.h"
#include "scenery.h"

namespace plorvane::art {

namespace {

void Present(Layer& layer, const Box& box, Colour paper, Colour ribbon) {
  const Shape body = RoundedBox(box, 3);
  DropShadow(layer, body, 4, 4, 8, 0.3);
  Fill(layer, body, Linear({box.left, box.top}, Mix(paper, kWhite, 0.15), {box.right, box.bottom}, Mix(paper, kBlack, 0.2)));
  const double middle = (box.left + box.right) / 2;
  Fill(layer, RoundedBox({middle - 4, box.top, middle + 4, box.bottom}, 0), ribbon);
  Fill(layer, RoundedBox({box.left, box.top + 8, box.right, box.top + 15}, 0), ribbon);
  Fill(layer, Ellipse({middle - 9, box.top - 4}, 9, 5), ribbon);
  Fill(layer, Ellipse({middle + 9, box.top - 4}, 9, 5), ribbon);
}

void Firework(Layer& layer, Vec at, double radius, Colour colour, int rays) {
  Glow(layer, at, radius * 1.3, colour, 0.35);
  Glow(layer, at, radius * 0.35, Mix(colour, kWhite, 0.7), 0.8);
  for (int i = 0; i < rays; ++i) {
    const double angle = 2 * std::numbers::pi * i / rays;
    const Vec tip{at.x + std::cos(angle) * radius, at.y + std::sin(angle) * radius};
    const Vec start{at.x + std::cos(angle) * radius * 0.25, at.y + std::sin(angle) * radius * 0.25};
    Fill(layer, Segment(start, tip, 2), Mix(colour, kWhite, 0.3), 0.8);
    Fill(layer, Circle(tip, 2.6), Mix(colour, kWhite, 0.6));
    Glow(layer, tip, 8, colour, 0.5);
  }
}

// An egg with painted bands.
void Egg(Layer& layer, Vec at, double size, double degrees, Colour shell, Colour pattern, int style) {
  const Shape egg = Rotated(Union(Ellipse({at.x, at.y - size * 0.2}, size * 0.62, size), Ellipse({at.x, at.y}, size * 0.7, size * 0.8)),
                            at, degrees);
  DropShadow(layer, egg, 5, 6, 10, 0.25);
  Fill(layer, egg, Lit(at, size, shell));
  for (int band = -1; band <= 1; ++band) {
    const double y = at.y + band * size * 0.45;
    Shape decoration = style == 0 ? RoundedBox({at.x - size, y - 4, at.x + size, y + 4}, 0)
                                  : style == 1 ? Union(Circle({at.x - size * 0.3, y}, 5), Union(Circle({at.x, y}, 5), Circle({at.x + size * 0.3, y}, 5)))
                                               : PolygonShape({{at.x - size, y}, {at.x - size * 0.5, y - 7}, {at.x, y}, {at.x + size * 0.5, y - 7},
                                                               {at.x + size, y}, {at.x + size, y + 6}, {at.x + size * 0.5, y - 1},
                                                               {at.x, y + 6}, {at.x - size * 0.5, y - 1}, {at.x - size, y + 6}});
    Fill(layer, Intersect(Rotated(std::move(decoration), at, degrees), egg), pattern, 0.9);
  }
}

void Pumpkin(Layer& layer, Vec at, double size, bool face) {
  const Colour orange = Rgb(245, 130, 30);
  DropShadow(layer, Ellipse(at, size * 1.2, size * 0.9), 4, 6, 12, 0.4);
  Fill(layer, Segment({at.x, at.y - size * 0.8}, {at.x + size * 0.15, at.y - size * 1.15}, size * 0.16), Rgb(90, 110, 40));
  for (const double offset : {-0.6, 0.6, -0.3, 0.3, 0.0}) {
    const Vec lobe{at.x + offset * size, at.y};
    Fill(layer, Ellipse(lobe, size * 0.5, size * 0.88), Lit(lobe, size * 0.9, Mix(orange, kBlack, std::abs(offset) * 0.25)));
  }
  if (!face) return;
  const Colour light = Rgb(255, 220, 90);
  Glow(layer, at, size * 1.1, Rgb(255, 180, 60), 0.35);
  Fill(layer, PolygonShape({{at.x - size * 0.45, at.y - size * 0.1}, {at.x - size * 0.3, at.y - size * 0.4}, {at.x - size * 0.15, at.y - size * 0.1}}), light);
  Fill(layer, PolygonShape({{at.x + size * 0.15, at.y - size * 0.1}, {at.x + size * 0.3, at.y - size * 0.4}, {at.x + size * 0.45, at.y - size * 0.1}}), light);
  std::vector<Vec> mouth;
  for (int i = 0; i <= 6; ++i) mouth.push_back({at.x - size * 0.5 + i * size / 6, at.y + size * (i % 2 == 0 ? 0.15 : 0.28)});
  for (int i = 6; i >= 0; --i) mouth.push_back({at.x - size * 0.5 + i * size / 6, at.y + size * (0.45 - (i % 2) * 0.1)});
  Fill(layer, PolygonShape(std::move(mouth)), light);
}

void Bat(Layer& layer, Vec at, double size) {
  const Colour black = Rgb(30, 20, 40);
  std::vector<Vec> wings{{at.x, at.y - size * 0.1}};
  for (const double side : {1.0, -1.0}) {
    const double s = side;
    const std::vector<Vec> half{{at.x + s * size * 0.3, at.y - size * 0.3}, {at.x + s * size, at.y - size * 0.35},
                                {at.x + s * size * 0.8, at.y + size * 0.05}, {at.x + s * size * 0.55, at.y - size * 0.05},
                                {at.x + s * size * 0.4, at.y + size * 0.2}, {at.x + s * size * 0.15, at.y + size * 0.05}};
    if (side > 0) {
      wings.insert(wings.end(), half.begin(), half.end());
    } else {
      wings.insert(wings.end(), half.rbegin(), half.rend());
    }
  }
  Fill(layer, PolygonShape({wings[0], wings[1], wings[2], wings[3], wings[4], wings[5], wings[6], {at.x, at.y + size * 0.1},
                            wings[7], wings[8], wings[9], wings[10], wings[11], wings[12]}),
       black);
  Fill(layer, Circle({at.x, at.y - size * 0.05}, size * 0.17), black);
}

}  // namespace

Bitmap DrawChristmasTree() {
  Layer b(kPictureWidth, kPictureHeight, kWhite, 1);
  Fill(b, RoundedBox({0, 0, 480, 360}, 0), Radial({240, 150}, 330, Rgb(60, 90, 150), Rgb(10, 20, 55)));
  const Colour lights[] = {Rgb(255, 210, 120), Rgb(255, 160, 160), Rgb(160, 200, 255)};
  Bokeh(b, {0, 0, 480, 300}, 30, lights, 16, 3);
  Fill(b, RoundedBox({-5, 300, 485, 365}, 0), Linear({0, 300}, Rgb(235, 240, 250), {0, 360}, Rgb(190, 200, 225)));
  FirTree(b, {240, 318}, 270, Rgb(30, 120, 70), false);
  // Garlands of gold beads swinging across the tree.
  for (int row = 0; row < 3; ++row) {
    const double y = 140 + row * 55;
    const double half = 45 + row * 32;
    for (int bead = 0; bead <= 16; ++bead) {
      const double t = bead / 16.0;
      const Vec at{240 - half + 2 * half * t, y + std::sin(t * std::numbers::pi) * 16 - t * 14};
      Fill(b, Circle(at, 2.2), Rgb(255, 220, 120));
    }
  }
  const Colour baubles[] = {Rgb(220, 40, 50), Rgb(250, 200, 60), Rgb(70, 130, 230), Rgb(200, 70, 200)};
  const Vec places[] = {{240, 115}, {210, 150}, {268, 158}, {190, 200}, {240, 190}, {290, 205}, {160, 250},
                        {215, 245}, {265, 250}, {320, 255}, {140, 285}, {345, 288}, {240, 280}};
  for (std::size_t i = 0; i < std::size(places); ++i) {
    DropShadow(b, Circle(places[i], 8), 2, 3, 4, 0.3);
    Fill(b, Circle(places[i], 8), Lit(places[i], 8, baubles[i % 4]));
  }
  Glow(b, {240, 48}, 70, Rgb(255, 230, 140), 0.7);
  Fill(b, StarShape({240, 50}, 22, 9, 5), Radial({236, 46}, 22, Rgb(255, 250, 200), Rgb(245, 180, 40)));
  Present(b, {110, 285, 170, 330}, Rgb(210, 40, 60), Rgb(250, 210, 90));
  Present(b, {300, 292, 350, 334}, Rgb(60, 120, 210), Rgb(245, 245, 250));
  Present(b, {350, 305, 385, 336}, Rgb(250, 190, 60), Rgb(200, 40, 60));
  Snowfall(b, {0, 0, 480, 360}, 110, 8);
  Vignette(b, 0.3);
  return b.colour();
}

Bitmap DrawNewYearFireworks() {
  const Colour sky[] = {Rgb(5, 5, 30), Rgb(25, 20, 70), Rgb(70, 40, 110)};
  Layer b = NewPicture(sky);
  Starfield(b, {0, 0, 480, 260}, 60, 41);
  Firework(b, {120, 100}, 65, Rgb(255, 90, 120), 22);
  Firework(b, {330, 80}, 75, Rgb(255, 210, 80), 26);
  Firework(b, {230, 170}, 50, Rgb(100, 200, 255), 18);
  Firework(b, {410, 190}, 40, Rgb(150, 255, 150), 16);
  Firework(b, {50, 210}, 35, Rgb(220, 140, 255), 14);
  // A town skyline with lit windows.
  Random random(9);
  for (double x = -10; x < 480; x += random.Between(34, 56)) {
    const double top = random.Between(250, 310);
    const double width = random.Between(30, 50);
    Fill(b, RoundedBox({x, top, x + width, 365}, 1), Rgb(15, 12, 35));
    for (double wy = top + 8; wy < 350; wy += 12) {
      for (double wx = x + 6; wx < x + width - 8; wx += 10) {
        if (random.Next() < 0.45) Fill(b, RoundedBox({wx, wy, wx + 5, wy + 6}, 0.5), Rgb(255, 215, 130), 0.85);
      }
    }
  }
  Vignette(b, 0.2);
  return b.colour();
}

Bitmap DrawEasterEggs() {
  const Colour sky[] = {Rgb(160, 215, 250), Rgb(220, 240, 250), Rgb(250, 250, 235)};
  Layer b = NewPicture(sky);
  Cloud(b, {110, 90}, 120, 0.9);
  Cloud(b, {370, 70}, 100, 0.85);
  Hills(b, 215, 25, 2.5, Linear({0, 210}, Rgb(150, 215, 110), {0, 360}, Rgb(80, 160, 70)));
  Random random(6);
  for (int i = 0; i < 140; ++i) {
    const Vec at{random.Between(0, 480), random.Between(300, 365)};
    const double height = random.Between(10, 22);
    Fill(b, LeafShape(at, {at.x + random.Between(-5, 5), at.y - height}, 3), Mix(Rgb(70, 160, 60), Rgb(140, 210, 100), random.Next()));
  }
  Egg(b, {130, 265}, 48, -12, Rgb(250, 170, 200), Rgb(255, 255, 255), 0);
  Egg(b, {240, 248}, 58, 4, Rgb(140, 200, 250), Rgb(255, 230, 110), 2);
  Egg(b, {350, 268}, 46, 14, Rgb(250, 225, 110), Rgb(240, 110, 140), 1);
  Egg(b, {300, 318}, 32, -20, Rgb(180, 150, 235), Rgb(255, 255, 255), 1);
  Egg(b, {180, 322}, 30, 22, Rgb(150, 225, 160), Rgb(250, 150, 90), 0);
  for (int i = 0; i < 9; ++i) {
    const Vec at{random.Between(20, 460), random.Between(230, 350)};
    Flower(b, at, 9, 8, kWhite, Rgb(250, 200, 50), random.Between(0, 45));
  }
  Grain(b, 0.03, 12);
  return b.colour();
}

Bitmap DrawHalloweenPumpkins() {
  const Colour sky[] = {Rgb(40, 20, 70), Rgb(110, 50, 110), Rgb(240, 130, 70)};
  Layer b = NewPicture(sky);
  Starfield(b, {0, 0, 480, 150}, 40, 23);
  Glow(b, {340, 110}, 170, Rgb(255, 230, 170), 0.5);
  Fill(b, Circle({340, 110}, 62), Radial({325, 95}, 70, Rgb(255, 250, 220), Rgb(250, 215, 150)));
  Fill(b, Circle({320, 90}, 10), Rgb(235, 195, 140), 0.5, 4);
  Fill(b, Circle({360, 130}, 14), Rgb(235, 195, 140), 0.4, 5);
  Bat(b, {140, 80}, 34);
  Bat(b, {220, 50}, 22);
  Bat(b, {420, 190}, 26);
  Hills(b, 255, 25, 4.0, Solid(Rgb(35, 20, 45)));
  Pumpkin(b, {140, 300}, 56, true);
  Pumpkin(b, {300, 312}, 42, true);
  Pumpkin(b, {400, 325}, 28, false);
  Vignette(b, 0.35);
  return b.colour();
}

}  // namespace plorvane::art
