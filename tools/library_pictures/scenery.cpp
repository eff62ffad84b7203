#include "scenery.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "editor_art/drawing.h"

namespace plorvane::art {

Layer NewPicture(std::span<const Colour> sky) {
  Layer layer(kPictureWidth, kPictureHeight, kWhite, 1);
  SkyGradient(layer, sky);
  return layer;
}

void Cloud(Layer& layer, Vec at, double width, double opacity) {
  const double r = width / 4;
  Shape puff = Union(Union(Circle({at.x - r * 1.1, at.y - r * 0.55}, r * 0.75), Circle({at.x, at.y - r * 0.95}, r)),
                     Union(Circle({at.x + r * 1.05, at.y - r * 0.6}, r * 0.8),
                           RoundedBox({at.x - width / 2, at.y - r * 0.9, at.x + width / 2, at.y}, r * 0.45)));
  Fill(layer, puff, Linear({at.x, at.y - r * 2}, kWhite, {at.x, at.y}, Rgb(214, 226, 242)), opacity, 1.5);
}

void Sparkle(Layer& layer, Vec at, double size, Colour colour) {
  Glow(layer, at, size * 1.4, colour, 0.45);
  Fill(layer, StarShape(at, size, size * 0.18, 4), Mix(colour, kWhite, 0.6));
}

void Bokeh(Layer& layer, const Box& area, int count, std::span<const Colour> colours, double radius, unsigned seed) {
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    const Vec at{random.Between(area.left, area.right), random.Between(area.top, area.bottom)};
    const double r = radius * random.Between(0.5, 1.2);
    const Colour colour = colours[static_cast<std::size_t>(i) % colours.size()];
    Fill(layer, Circle(at, r), Radial(at, r, Mix(colour, kWhite, 0.3), colour), random.Between(0.12, 0.3), 3);
  }
}

void Confetti(Layer& layer, const Box& area, int count, std::span<const Colour> colours, unsigned seed) {
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    const Vec at{random.Between(area.left, area.right), random.Between(area.top, area.bottom)};
    const Colour colour = colours[static_cast<std::size_t>(i) % colours.size()];
    const double size = random.Between(4, 8);
    const Shape piece = i % 3 == 0 ? Circle(at, size * 0.45)
                                   : Rotated(RoundedBox({at.x - size, at.y - size * 0.3, at.x + size, at.y + size * 0.3}, 1),
                                             at, random.Between(0, 180));
    Fill(layer, piece, colour, 0.95);
  }
}

void Snowfall(Layer& layer, const Box& area, int count, unsigned seed) {
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    const Vec at{random.Between(area.left, area.right), random.Between(area.top, area.bottom)};
    const double r = random.Between(0.8, 3.2);
    Fill(layer, Circle(at, r), kWhite, random.Between(0.55, 0.95), r > 2.4 ? 2 : 1);
  }
}

void Hills(Layer& layer, double top, double amplitude, double phase, const Shader& shader) {
  std::vector<Vec> ground;
  const double w = layer.width();
  for (int i = 0; i <= 48; ++i) {
    const double x = w * i / 48;
    const double wave = std::sin(x / w * 2 * std::numbers::pi + phase) * 0.7 + std::sin(x / w * 5.3 + phase * 2) * 0.3;
    ground.push_back({x, top + amplitude * (1 - wave)});
  }
  ground.push_back({w + 2, layer.height() + 2.0});
  ground.push_back({-2, layer.height() + 2.0});
  ground.front().x = -2;
  Fill(layer, PolygonShape(std::move(ground)), shader);
}

void Bunting(Layer& layer, double top, double sag, std::span<const Colour> colours) {
  const double w = layer.width();
  const auto string_y = [&](double x) { return top + sag * (1 - std::pow(2 * x / w - 1, 2)); };
  std::vector<Vec> string;
  for (int i = 0; i <= 40; ++i) string.push_back({w * i / 40, string_y(w * i / 40)});
  for (std::size_t i = 0; i + 1 < string.size(); ++i) Fill(layer, Segment(string[i], string[i + 1], 1.6), Rgb(120, 90, 70));
  const int flags = 13;
  for (int i = 0; i < flags; ++i) {
    const double x = w * (i + 0.5) / flags;
    const double half = w / flags * 0.38;
    const double y = string_y(x);
    const Colour colour = colours[static_cast<std::size_t>(i) % colours.size()];
    const Shape flag = PolygonShape({{x - half, string_y(x - half)}, {x + half, string_y(x + half)}, {x, y + half * 2.2}});
    DropShadow(layer, flag, 1.5, 2.5, 4, 0.25);
    Fill(layer, flag, Linear({x, y}, colour, {x, y + half * 2.2}, Mix(colour, kBlack, 0.2)));
  }
}

void Vignette(Layer& layer, double strength) {
  const double cx = layer.width() / 2.0;
  const double cy = layer.height() / 2.0;
  for (int y = 0; y < layer.height(); ++y) {
    for (int x = 0; x < layer.width(); ++x) {
      const double d = std::hypot((x - cx) / cx, (y - cy) / cy) / std::numbers::sqrt2;
      layer.Blend(x, y, Rgb(20, 10, 30), strength * std::pow(d, 3));
    }
  }
}

void Balloon(Layer& layer, Vec centre, double radius, Colour colour, Vec string_end) {
  const Vec knot{centre.x, centre.y + radius * 1.18};
  std::vector<Vec> string;
  for (int i = 0; i <= 16; ++i) {
    const double t = i / 16.0;
    string.push_back({knot.x + (string_end.x - knot.x) * t + std::sin(t * 9) * 4 * (1 - t),
                      knot.y + (string_end.y - knot.y) * t});
  }
  for (std::size_t i = 0; i + 1 < string.size(); ++i) Fill(layer, Segment(string[i], string[i + 1], 1.3), Rgb(110, 110, 120));
  const Shape body = Ellipse(centre, radius, radius * 1.16);
  DropShadow(layer, body, 5, 7, 12, 0.22);
  Fill(layer, PolygonShape({{knot.x, knot.y - 3}, {knot.x + 5, knot.y + 5}, {knot.x - 5, knot.y + 5}}),
       Mix(colour, kBlack, 0.25));
  Fill(layer, body, Lit(centre, radius * 1.1, colour));
  Fill(layer, Rotated(Ellipse({centre.x - radius * 0.42, centre.y - radius * 0.5}, radius * 0.16, radius * 0.3),
                      {centre.x - radius * 0.42, centre.y - radius * 0.5}, 35),
       kWhite, 0.55, 3);
}

void Flower(Layer& layer, Vec centre, double radius, int petals, Colour petal, Colour middle, double degrees) {
  for (int i = 0; i < petals; ++i) {
    const double angle = degrees + 360.0 * i / petals;
    const Shape leaf = Rotated(Ellipse({centre.x, centre.y - radius * 0.55}, radius * 0.34, radius * 0.5), centre, angle);
    Fill(layer, leaf, Radial(centre, radius, Mix(petal, kWhite, 0.45), petal));
    Fill(layer, Outline(leaf, 0.8), Mix(petal, kBlack, 0.25), 0.35);
  }
  Fill(layer, Circle(centre, radius * 0.26), Lit(centre, radius * 0.26, middle));
}

void FirTree(Layer& layer, Vec base, double height, Colour colour, bool snowy) {
  const double w = height * 0.42;
  Fill(layer, RoundedBox({base.x - w * 0.08, base.y - height * 0.12, base.x + w * 0.08, base.y}, 1), Rgb(90, 60, 40));
  for (int tier = 0; tier < 3; ++tier) {
    const double top = base.y - height + tier * height * 0.24;
    const double bottom = base.y - height * 0.1 - (2 - tier) * height * 0.2;
    const double half = w * (0.55 + tier * 0.22);
    const Shape branch = PolygonShape({{base.x, top}, {base.x + half, bottom}, {base.x - half, bottom}});
    Fill(layer, branch, Linear({base.x - half, top}, Mix(colour, kWhite, 0.15), {base.x + half, bottom}, Mix(colour, kBlack, 0.3)));
    if (snowy) {
      Fill(layer, Intersect(branch, Ellipse({base.x - half * 0.2, bottom}, half * 1.1, height * 0.05)), kWhite, 0.9);
    }
  }
}

void Crescent(Layer& layer, Vec centre, double radius, Colour colour) {
  Glow(layer, centre, radius * 2.6, colour, 0.22);
  const Shape moon = Subtract(Circle(centre, radius), Circle({centre.x + radius * 0.45, centre.y - radius * 0.2}, radius * 0.85));
  Fill(layer, moon, Radial({centre.x - radius * 0.4, centre.y}, radius * 1.4, Mix(colour, kWhite, 0.5), colour));
}

void Starfield(Layer& layer, const Box& area, int count, unsigned seed) {
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    const Vec at{random.Between(area.left, area.right), random.Between(area.top, area.bottom)};
    const double size = random.Between(0.6, 1.6);
    Fill(layer, Circle(at, size), Rgb(255, 250, 225), random.Between(0.4, 1));
    if (i % 9 == 0) Sparkle(layer, at, size * 4, Rgb(255, 245, 200));
  }
}

}  // namespace plorvane::art
