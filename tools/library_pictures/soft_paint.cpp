#include "soft_paint.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "editor_art/drawing.h"

namespace plorvane::art {

namespace {

double Length(Vec v) { return std::hypot(v.x, v.y); }
Vec Minus(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

Box Around(std::span<const Vec> points, double margin) {
  Box box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Vec p : points) {
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x);
    box.bottom = std::max(box.bottom, p.y);
  }
  return {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin};
}

Box Joined(const Box& a, const Box& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

double SmoothStep(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Hash of a lattice point to 0..1.
double Lattice(int x, int y, unsigned seed) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
}

}  // namespace

Layer::Layer(int width, int height, Colour fill, double alpha)
    : alpha_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), alpha) {
  (void)colour_.Resize(width, height, fill);
}

void Layer::Blend(int x, int y, Colour colour, double amount) {
  if (!colour_.Contains(x, y) || amount <= 0) return;
  double& alpha = alpha_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width()) + static_cast<std::size_t>(x)];
  amount = std::min(amount, 1.0);
  const double combined = amount + alpha * (1 - amount);
  colour_.SetPixel(x, y, Mix(colour_.GetPixel(x, y), colour, amount / combined));
  alpha = combined;
}

CursorFrame Layer::ToFrame(Point hot_spot) const {
  CursorFrame frame;
  frame.width = width();
  frame.height = height();
  frame.hot_spot = hot_spot;
  frame.bgra.reserve(alpha_.size() * 4);
  for (int y = 0; y < height(); ++y) {
    for (int x = 0; x < width(); ++x) {
      const Colour colour = colour_.GetPixel(x, y);
      const double alpha = alpha_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width()) + static_cast<std::size_t>(x)];
      frame.bgra.insert(frame.bgra.end(), {BlueOf(colour), GreenOf(colour), RedOf(colour),
                                           static_cast<std::uint8_t>(std::lround(alpha * 255))});
    }
  }
  return frame;
}

Shape Circle(Vec centre, double radius) {
  return {{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius},
          [=](Vec p) { return Length(Minus(p, centre)) - radius; }};
}

Shape Ellipse(Vec centre, double rx, double ry) {
  return {{centre.x - rx, centre.y - ry, centre.x + rx, centre.y + ry}, [=](Vec p) {
            // The usual first-order estimate: exact on the axes, close enough near the edge.
            const Vec q = Minus(p, centre);
            const double k0 = std::hypot(q.x / rx, q.y / ry);
            const double k1 = std::hypot(q.x / (rx * rx), q.y / (ry * ry));
            return k1 == 0 ? -std::min(rx, ry) : k0 * (k0 - 1) / k1;
          }};
}

Shape Segment(Vec from, Vec to, double width) {
  const Vec ends[] = {from, to};
  return {Around(ends, width / 2), [=](Vec p) {
            const Vec along = Minus(to, from);
            const Vec w = Minus(p, from);
            const double span = Dot(along, along);
            const double t = span == 0 ? 0 : std::clamp(Dot(w, along) / span, 0.0, 1.0);
            return Length(Minus(w, Vec{along.x * t, along.y * t})) - width / 2;
          }};
}

Shape RoundedBox(const Box& box, double radius) {
  const Vec centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  const Vec half{(box.right - box.left) / 2 - radius, (box.bottom - box.top) / 2 - radius};
  return {box, [=](Vec p) {
            const Vec q{std::abs(p.x - centre.x) - half.x, std::abs(p.y - centre.y) - half.y};
            return Length({std::max(q.x, 0.0), std::max(q.y, 0.0)}) + std::min(std::max(q.x, q.y), 0.0) - radius;
          }};
}

Shape PolygonShape(std::vector<Vec> corners) {
  const Box bounds = Around(corners, 0);
  return {bounds, [corners = std::move(corners)](Vec p) {
            // Distance to the nearest edge, negative where a ray crosses an odd number of edges.
            double nearest = Dot(Minus(p, corners[0]), Minus(p, corners[0]));
            bool inside = false;
            for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
              const Vec a = corners[i];
              const Vec edge = Minus(corners[j], a);
              const Vec w = Minus(p, a);
              const double t = std::clamp(Dot(w, edge) / std::max(Dot(edge, edge), 1e-12), 0.0, 1.0);
              const Vec off{w.x - edge.x * t, w.y - edge.y * t};
              nearest = std::min(nearest, Dot(off, off));
              if ((a.y > p.y) != (corners[j].y > p.y) && p.x < a.x + (p.y - a.y) * edge.x / edge.y) inside = !inside;
            }
            return inside ? -std::sqrt(nearest) : std::sqrt(nearest);
          }};
}

Shape StarShape(Vec centre, double outer, double inner, int points, double degrees) {
  std::vector<Vec> corners;
  for (int i = 0; i < points * 2; ++i) {
    const double radius = i % 2 == 0 ? outer : inner;
    const double angle = Radians(90 + degrees) + i * std::numbers::pi / points;
    corners.push_back({centre.x + radius * std::cos(angle), centre.y - radius * std::sin(angle)});
  }
  return PolygonShape(std::move(corners));
}

Shape HeartShape(Vec centre, double size) {
  // The classic heart curve, 32 units wide, about 29 high; the point sits a little lower.
  const double unit = size / 32;
  std::vector<Vec> corners;
  for (int i = 0; i < 96; ++i) {
    const double t = 2 * std::numbers::pi * i / 96;
    const double x = 16 * std::pow(std::sin(t), 3);
    const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
    corners.push_back({centre.x + x * unit, centre.y - (y + 2.5) * unit});
  }
  return PolygonShape(std::move(corners));
}

Shape LeafShape(Vec base, Vec tip, double width) {
  // Two circles through base and tip whose overlap is `width` across.
  const double half_length = Length(Minus(tip, base)) / 2;
  const double half_width = width / 2;
  const double radius = (half_length * half_length + half_width * half_width) / (2 * half_width);
  const Vec middle{(base.x + tip.x) / 2, (base.y + tip.y) / 2};
  const Vec normal{-(tip.y - base.y) / (2 * half_length), (tip.x - base.x) / (2 * half_length)};
  const double offset = radius - half_width;
  return Intersect(Circle({middle.x + normal.x * offset, middle.y + normal.y * offset}, radius),
                   Circle({middle.x - normal.x * offset, middle.y - normal.y * offset}, radius));
}

Shape Union(Shape a, Shape b) {
  return {Joined(a.bounds, b.bounds),
          [a = std::move(a.distance), b = std::move(b.distance)](Vec p) { return std::min(a(p), b(p)); }};
}

Shape Subtract(Shape from, Shape cut) {
  return {from.bounds, [a = std::move(from.distance), b = std::move(cut.distance)](Vec p) {
            return std::max(a(p), -b(p));
          }};
}

Shape Intersect(Shape a, Shape b) {
  const Box bounds{std::max(a.bounds.left, b.bounds.left), std::max(a.bounds.top, b.bounds.top),
                   std::min(a.bounds.right, b.bounds.right), std::min(a.bounds.bottom, b.bounds.bottom)};
  return {bounds, [a = std::move(a.distance), b = std::move(b.distance)](Vec p) { return std::max(a(p), b(p)); }};
}

Shape Moved(Shape shape, double dx, double dy) {
  return {{shape.bounds.left + dx, shape.bounds.top + dy, shape.bounds.right + dx, shape.bounds.bottom + dy},
          [d = std::move(shape.distance), dx, dy](Vec p) { return d({p.x - dx, p.y - dy}); }};
}

Shape Rotated(Shape shape, Vec pivot, double degrees) {
  const double c = std::cos(Radians(degrees));
  const double s = std::sin(Radians(degrees));
  // Counter-clockwise on screen, where y points down.
  const auto turn = [=](Vec p, double sine) {
    const Vec q = Minus(p, pivot);
    return Vec{pivot.x + q.x * c + q.y * sine, pivot.y - q.x * sine + q.y * c};
  };
  const Box& b = shape.bounds;
  const Vec corners[] = {turn({b.left, b.top}, s), turn({b.right, b.top}, s), turn({b.left, b.bottom}, s),
                         turn({b.right, b.bottom}, s)};
  return {Around(corners, 0), [d = std::move(shape.distance), turn, s](Vec p) { return d(turn(p, -s)); }};
}

Shape Outline(Shape shape, double width) {
  const Box& b = shape.bounds;
  return {{b.left - width, b.top - width, b.right + width, b.bottom + width},
          [d = std::move(shape.distance), width](Vec p) { return std::abs(d(p)) - width / 2; }};
}

Shape Grown(Shape shape, double amount) {
  const Box& b = shape.bounds;
  return {{b.left - amount, b.top - amount, b.right + amount, b.bottom + amount},
          [d = std::move(shape.distance), amount](Vec p) { return d(p) - amount; }};
}

Shape SnowflakeShape(Vec centre, double radius, double width, double degrees) {
  Shape flake = Circle(centre, width);
  for (int arm = 0; arm < 6; ++arm) {
    const double angle = Radians(degrees + arm * 60);
    const auto at = [&](double along, double side) {
      return Vec{centre.x + std::cos(angle) * along - std::sin(angle) * side,
                 centre.y - std::sin(angle) * along - std::cos(angle) * side};
    };
    flake = Union(std::move(flake), Segment(centre, at(radius, 0), width));
    const double fork = radius * 0.55;
    flake = Union(std::move(flake), Segment(at(fork, 0), at(fork + radius * 0.28, radius * 0.26), width * 0.8));
    flake = Union(std::move(flake), Segment(at(fork, 0), at(fork + radius * 0.28, -radius * 0.26), width * 0.8));
  }
  return flake;
}

Colour Hue(double turn) {
  const auto channel = [&](double offset) {
    const double t = std::fmod(turn + offset + 1, 1.0) * 6;
    const double level = std::clamp(std::min(std::abs(t - 3) - 1, 1.0), 0.0, 1.0);
    return static_cast<int>(std::lround(level * 255));
  };
  return Rgb(channel(0), channel(2.0 / 3), channel(1.0 / 3));
}

Shader Solid(Colour colour) {
  return [colour](Vec) { return colour; };
}

Shader Linear(Vec from, Colour start, Vec to, Colour end) {
  const Vec along = Minus(to, from);
  const double span = std::max(Dot(along, along), 1e-12);
  return [=](Vec p) { return Mix(start, end, std::clamp(Dot(Minus(p, from), along) / span, 0.0, 1.0)); };
}

Shader Radial(Vec centre, double radius, Colour inner, Colour outer) {
  return [=](Vec p) { return Mix(inner, outer, std::min(Length(Minus(p, centre)) / radius, 1.0)); };
}

Shader Lit(Vec centre, double radius, Colour colour) {
  const Vec light{centre.x - radius * 0.35, centre.y - radius * 0.4};
  const Colour highlight = Mix(colour, kWhite, 0.55);
  const Colour rim = Mix(colour, kBlack, 0.35);
  return [=](Vec p) {
    const double lit = std::min(Length(Minus(p, light)) / (radius * 1.3), 1.0);
    const double edge = std::min(Length(Minus(p, centre)) / radius, 1.0);
    const Colour body = Mix(highlight, colour, SmoothStep(lit * 1.6));
    return Mix(body, rim, SmoothStep((edge - 0.6) / 0.4) * 0.8);
  };
}

void Fill(Layer& layer, const Shape& shape, const Shader& shader, double opacity, double softness) {
  const double reach = softness / 2 + 1;
  const int left = std::max(0, static_cast<int>(std::floor(shape.bounds.left - reach)));
  const int top = std::max(0, static_cast<int>(std::floor(shape.bounds.top - reach)));
  const int right = std::min(layer.width(), static_cast<int>(std::ceil(shape.bounds.right + reach)));
  const int bottom = std::min(layer.height(), static_cast<int>(std::ceil(shape.bounds.bottom + reach)));
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const Vec p{x + 0.5, y + 0.5};
      const double cover = std::clamp(0.5 - shape.distance(p) / softness, 0.0, 1.0);
      if (cover > 0) layer.Blend(x, y, shader(p), cover * opacity);
    }
  }
}

void Fill(Layer& layer, const Shape& shape, Colour colour, double opacity, double softness) {
  Fill(layer, shape, Solid(colour), opacity, softness);
}

void DropShadow(Layer& layer, const Shape& shape, double dx, double dy, double blur, double opacity) {
  Fill(layer, Moved(shape, dx, dy), Rgb(20, 10, 30), opacity, blur);
}

void Glow(Layer& layer, Vec centre, double radius, Colour colour, double strength) {
  const int left = std::max(0, static_cast<int>(centre.x - radius));
  const int top = std::max(0, static_cast<int>(centre.y - radius));
  const int right = std::min(layer.width(), static_cast<int>(centre.x + radius) + 1);
  const int bottom = std::min(layer.height(), static_cast<int>(centre.y + radius) + 1);
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const double falloff = 1 - Length(Minus({x + 0.5, y + 0.5}, centre)) / radius;
      if (falloff > 0) layer.Blend(x, y, colour, strength * falloff * falloff);
    }
  }
}

void SkyGradient(Layer& layer, std::span<const Colour> stops) {
  const int bands = static_cast<int>(stops.size()) - 1;
  for (int y = 0; y < layer.height(); ++y) {
    const double t = static_cast<double>(y) / std::max(1, layer.height() - 1) * bands;
    const int band = std::min(static_cast<int>(t), bands - 1);
    const Colour colour = Mix(stops[static_cast<std::size_t>(band)], stops[static_cast<std::size_t>(band) + 1],
                              SmoothStep(t - band));
    for (int x = 0; x < layer.width(); ++x) layer.Blend(x, y, colour, 1);
  }
}

double Noise(Vec at, double scale, unsigned seed) {
  const double x = at.x / scale;
  const double y = at.y / scale;
  const int ix = static_cast<int>(std::floor(x));
  const int iy = static_cast<int>(std::floor(y));
  const double fx = SmoothStep(x - ix);
  const double fy = SmoothStep(y - iy);
  const double top = Lattice(ix, iy, seed) + (Lattice(ix + 1, iy, seed) - Lattice(ix, iy, seed)) * fx;
  const double bottom = Lattice(ix, iy + 1, seed) + (Lattice(ix + 1, iy + 1, seed) - Lattice(ix, iy + 1, seed)) * fx;
  return top + (bottom - top) * fy;
}

void Grain(Layer& layer, double strength, unsigned seed) {
  for (int y = 0; y < layer.height(); ++y) {
    for (int x = 0; x < layer.width(); ++x) {
      const double n = Lattice(x, y, seed) * 0.5 + Noise({double(x), double(y)}, 6, seed + 1) * 0.5 - 0.5;
      layer.Blend(x, y, n > 0 ? kWhite : kBlack, std::abs(n) * strength);
    }
  }
}

double Random::Next() {
  state_ = state_ * 1664525u + 1013904223u;
  return (state_ >> 8) / static_cast<double>(1u << 24);
}

}  // namespace plorvane::art
