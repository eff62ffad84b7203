#include <cmath>
#include <numbers>
#include <vector>

#include "editor_art/drawing.h"
#include "pictures.h"
#include "scenery.h"

namespace plorvane::art {

namespace {

// The upper half of a ring of `width` about `centre`.
Shape Arch(Vec centre, double radius, double width) {
  return Intersect(Outline(Circle(centre, radius), width),
                   RoundedBox({centre.x - radius - width, centre.y - radius - width, centre.x + radius + width, centre.y}, 0));
}

void Stem(Layer& layer, Vec from, Vec to, double bow) {
  Vec last = from;
  for (int i = 1; i <= 10; ++i) {
    const double t = i / 10.0;
    const Vec next{from.x + (to.x - from.x) * t + std::sin(t * std::numbers::pi) * bow, from.y + (to.y - from.y) * t};
    Fill(layer, Segment(last, next, 3.5), Rgb(70, 140, 70));
    last = next;
  }
}

}  // namespace

Bitmap DrawLoveHearts() {
  Layer b(kPictureWidth, kPictureHeight, kWhite, 1);
  Fill(b, RoundedBox({0, 0, 480, 360}, 0), Radial({240, 170}, 320, Rgb(255, 170, 190), Rgb(170, 20, 60)));
  const Colour pinks[] = {Rgb(255, 120, 160), Rgb(255, 200, 215), Rgb(230, 60, 100)};
  Bokeh(b, {0, 0, 480, 360}, 36, pinks, 24, 7);
  Random random(31);
  for (int i = 0; i < 22; ++i) {
    const Vec at{random.Between(15, 465), random.Between(15, 345)};
    if (std::hypot(at.x - 240, at.y - 180) < 120) continue;
    const double size = random.Between(18, 42);
    const Shape heart = Rotated(HeartShape(at, size), at, random.Between(-25, 25));
    Fill(b, heart, Lit(at, size / 2, pinks[static_cast<std::size_t>(i) % 3]), random.Between(0.6, 0.95));
  }
  const Shape big = HeartShape({240, 185}, 200);
  Glow(b, {240, 180}, 190, Rgb(255, 200, 210), 0.5);
  DropShadow(b, big, 8, 12, 22, 0.4);
  Fill(b, big, Lit({240, 170}, 110, Rgb(225, 25, 60)));
  Fill(b, Rotated(Ellipse({190, 125}, 14, 26), {190, 125}, 40), kWhite, 0.45, 6);
  Sparkle(b, {315, 110}, 14, kWhite);
  Sparkle(b, {160, 250}, 9, Rgb(255, 230, 240));
  Vignette(b, 0.25);
  return b.colour();
}

Bitmap DrawThankYouFlowers() {
  const Colour wall[] = {Rgb(245, 245, 230), Rgb(225, 238, 220), Rgb(200, 225, 205)};
  Layer b = NewPicture(wall);
  Grain(b, 0.05, 14);
  const Vec tie{240, 292};
  // Stems and leaves first, then the heads over them.
  const struct {
    Vec head;
    double radius;
    int petals;
    Colour petal, middle;
  } heads[] = {{{240, 95}, 42, 8, Rgb(250, 120, 140), Rgb(255, 210, 90)}, {{160, 130}, 36, 6, Rgb(255, 200, 70), Rgb(200, 110, 40)},
               {{320, 128}, 36, 12, Rgb(190, 140, 230), Rgb(255, 230, 120)}, {{195, 185}, 32, 5, Rgb(255, 160, 100), Rgb(250, 230, 140)},
               {{290, 190}, 32, 8, Rgb(255, 255, 255), Rgb(250, 200, 60)}, {{110, 200}, 26, 10, Rgb(250, 120, 170), Rgb(255, 220, 100)},
               {{372, 198}, 26, 6, Rgb(120, 170, 240), Rgb(255, 240, 160)}};
  for (const auto& head : heads) Stem(b, head.head, tie, (head.head.x - tie.x) * 0.15);
  Stem(b, tie, {230, 350}, 2);
  Stem(b, tie, {250, 350}, -2);
  const Vec leaves[][2] = {{{225, 250}, {160, 235}}, {{255, 250}, {325, 232}}, {{235, 220}, {190, 150}}, {{248, 225}, {300, 155}}};
  for (const auto& leaf : leaves) {
    const Shape shape = LeafShape(leaf[0], leaf[1], 22);
    Fill(b, shape, Linear(leaf[0], Rgb(90, 170, 80), leaf[1], Rgb(50, 120, 60)));
  }
  for (const auto& head : heads) {
    DropShadow(b, Circle(head.head, head.radius * 0.9), 3, 5, 10, 0.2);
    Flower(b, head.head, head.radius, head.petals, head.petal, head.middle, head.head.x);
  }
  // A ribbon bow where the stems are tied.
  const Colour ribbon = Rgb(200, 60, 90);
  Fill(b, PolygonShape({{tie.x, tie.y}, {tie.x - 34, tie.y - 18}, {tie.x - 34, tie.y + 16}}), ribbon);
  Fill(b, PolygonShape({{tie.x, tie.y}, {tie.x + 34, tie.y - 18}, {tie.x + 34, tie.y + 16}}), ribbon);
  Fill(b, PolygonShape({{tie.x - 4, tie.y}, {tie.x - 22, tie.y + 45}, {tie.x - 10, tie.y + 42}}), Mix(ribbon, kBlack, 0.2));
  Fill(b, PolygonShape({{tie.x + 4, tie.y}, {tie.x + 22, tie.y + 45}, {tie.x + 10, tie.y + 42}}), Mix(ribbon, kBlack, 0.2));
  Fill(b, Circle(tie, 8), Lit(tie, 8, ribbon));
  Vignette(b, 0.2);
  return b.colour();
}

Bitmap DrawNewBabyStars() {
  const Colour sky[] = {Rgb(170, 200, 245), Rgb(210, 205, 245), Rgb(250, 220, 235)};
  Layer b = NewPicture(sky);
  Starfield(b, {0, 0, 480, 250}, 40, 4);
  Crescent(b, {330, 150}, 55, Rgb(255, 240, 170));
  // A mobile of stars and a heart hanging on threads.
  const struct {
    double x, length;
    bool heart;
  } charms[] = {{70, 90, false}, {140, 140, true}, {210, 70, false}, {420, 110, false}};
  for (const auto& charm : charms) {
    Fill(b, Segment({charm.x, -2}, {charm.x, charm.length}, 1), kWhite, 0.8);
    const Vec at{charm.x, charm.length + 16};
    const Shape shape = charm.heart ? HeartShape(at, 34) : StarShape(at, 20, 9, 5);
    DropShadow(b, shape, 3, 4, 8, 0.2);
    Fill(b, shape, Lit(at, 20, charm.heart ? Rgb(255, 150, 180) : Rgb(255, 220, 110)));
  }
  Cloud(b, {80, 345}, 190, 1);
  Cloud(b, {240, 360}, 220, 1);
  Cloud(b, {410, 350}, 200, 1);
  Cloud(b, {430, 250}, 70, 0.7);
  Sparkle(b, {270, 80}, 10, kWhite);
  Sparkle(b, {380, 60}, 7, kWhite);
  Grain(b, 0.02, 5);
  return b.colour();
}

Bitmap DrawGetWellRainbow() {
  const Colour sky[] = {Rgb(120, 195, 250), Rgb(185, 225, 250), Rgb(235, 248, 255)};
  Layer b = NewPicture(sky);
  Glow(b, {70, 60}, 150, Rgb(255, 240, 170), 0.8);
  Fill(b, Circle({70, 60}, 34), Radial({62, 52}, 38, Rgb(255, 255, 220), Rgb(255, 205, 70)));
  const Colour bands[] = {Rgb(235, 70, 70), Rgb(250, 150, 50), Rgb(250, 220, 70), Rgb(90, 190, 90), Rgb(70, 140, 230), Rgb(140, 90, 200)};
  for (std::size_t i = 0; i < 6; ++i) Fill(b, Arch({250, 290}, 180 - i * 14.0, 14.5), bands[i], 0.85);
  Hills(b, 255, 20, 0.5, Linear({0, 250}, Rgb(140, 210, 110), {0, 360}, Rgb(80, 160, 70)));
  Cloud(b, {90, 300}, 150, 1);
  Cloud(b, {420, 300}, 150, 1);
  Random random(27);
  const Colour petals[] = {Rgb(255, 255, 255), Rgb(255, 200, 80), Rgb(255, 140, 170)};
  for (int i = 0; i < 14; ++i) {
    const Vec at{random.Between(20, 460), random.Between(310, 350)};
    Fill(b, Segment(at, {at.x, at.y + 14}, 2), Rgb(60, 130, 60));
    Flower(b, at, random.Between(8, 12), 6, petals[static_cast<std::size_t>(i) % 3], Rgb(250, 190, 50), random.Between(0, 60));
  }
  Grain(b, 0.03, 10);
  return b.colour();
}

}  // namespace plorvane::art
