#pragma once
// Anti-aliased painting for the library's pictures, icons and cursors. A shape is a signed
// distance (negative inside, in pixels) with the box it lives in; filling it blends a shader's
// colour by how much of each pixel the shape covers, so edges are smooth at any size and a wide
// softness turns the same shape into a shadow or a glow.

#include <functional>
#include <span>
#include <vector>

#include "graphics/bitmap.h"
#include "graphics/colour.h"
#include "graphics/cursor_image.h"

namespace plorvane::art {

struct Vec {
  double x = 0;
  double y = 0;
};

struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

using Distance = std::function<double(Vec)>;
using Shader = std::function<Colour(Vec)>;

struct Shape {
  Box bounds;
  Distance distance;
};

// Colour with coverage: a picture starts opaque, an icon clear. Blending is "paint over".
class Layer {
 public:
  Layer(int width, int height, Colour fill, double alpha);

  [[nodiscard]] int width() const { return colour_.width(); }
  [[nodiscard]] int height() const { return colour_.height(); }
  void Blend(int x, int y, Colour colour, double amount);
  [[nodiscard]] Colour ColourAt(int x, int y) const { return colour_.GetPixel(x, y); }
  [[nodiscard]] const Bitmap& colour() const { return colour_; }
  // Top-down BGRA rows with the layer's coverage as alpha.
  [[nodiscard]] CursorFrame ToFrame(Point hot_spot) const;

 private:
  Bitmap colour_;
  std::vector<double> alpha_;
};

Shape Circle(Vec centre, double radius);
Shape Ellipse(Vec centre, double rx, double ry);
// A stroke of `width` between two points, with round ends.
Shape Segment(Vec from, Vec to, double width);
Shape RoundedBox(const Box& box, double radius);
Shape PolygonShape(std::vector<Vec> corners);
// A star of `points` points, the first pointing `degrees` counter-clockwise from straight up.
Shape StarShape(Vec centre, double outer, double inner, int points, double degrees = 0);
// A heart whose width is about `size`.
Shape HeartShape(Vec centre, double size);
// A pointed leaf (two arcs) from base to tip, `width` across at its middle.
Shape LeafShape(Vec base, Vec tip, double width);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape from, Shape cut);
Shape Intersect(Shape a, Shape b);
Shape Moved(Shape shape, double dx, double dy);
// Turned `degrees` counter-clockwise about `pivot` (y grows downwards, as on screen).
Shape Rotated(Shape shape, Vec pivot, double degrees);
// A band `width` wide along the shape's edge.
Shape Outline(Shape shape, double width);
// The shape grown outwards by `amount` pixels all round.
Shape Grown(Shape shape, double amount);
// A six-armed snowflake with side branches, arms `width` thick.
Shape SnowflakeShape(Vec centre, double radius, double width, double degrees = 0);

// A fully saturated colour around the colour wheel: 0 red, 1/3 green, 2/3 blue.
Colour Hue(double turn);

Shader Solid(Colour colour);
Shader Linear(Vec from, Colour start, Vec to, Colour end);
Shader Radial(Vec centre, double radius, Colour inner, Colour outer);
// A round body lit from the upper left: a highlight fading into the colour, darker at the rim.
Shader Lit(Vec centre, double radius, Colour colour);

// Softness is the width in pixels over which the edge fades; 1 is a crisp anti-aliased edge.
void Fill(Layer& layer, const Shape& shape, const Shader& shader, double opacity = 1, double softness = 1);
void Fill(Layer& layer, const Shape& shape, Colour colour, double opacity = 1, double softness = 1);
// A blurred, darkened copy of the shape under where it will be painted.
void DropShadow(Layer& layer, const Shape& shape, double dx, double dy, double blur, double opacity);
// Light falling off from the centre, for suns, flames and sparkles.
void Glow(Layer& layer, Vec centre, double radius, Colour colour, double strength);
// The layer's whole height shaded from `top` to `bottom`, eased so the middle is smooth.
void SkyGradient(Layer& layer, std::span<const Colour> stops);
// Smooth deterministic noise in 0..1 at the given feature size, for textures and clouds.
double Noise(Vec at, double scale, unsigned seed);
// A fine paper grain over the whole layer, so large plain areas do not look flat.
void Grain(Layer& layer, double strength, unsigned seed);

// A repeatable sequence of numbers, so every build draws the same pictures.
class Random {
 public:
  explicit Random(unsigned seed) : state_(seed * 2654435761u + 1) {}
  double Next();  // 0..1
  double Between(double low, double high) { return low + (high - low) * Next(); }

 private:
  unsigned state_;
};

}  // namespace plorvane::art
