#pragma once
// Small drawing helpers for the pictures the build makes: lines, discs, rings, polygons and
// gradients on a Bitmap, all clipped to it.

#include <span>

#include "graphics/bitmap.h"
#include "graphics/canvas.h"
#include "graphics/colour.h"

namespace plorvane::art {

constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>(red | (green << 8) | (blue << 16));
}
Colour Mix(Colour from, Colour to, double amount);

void Line(Bitmap& bitmap, Point from, Point to, Colour colour, int thickness = 1);
void Disc(Bitmap& bitmap, double cx, double cy, double radius, Colour colour);
// The band between two radii, limited to the angles from..to (degrees, counter-clockwise from
// the right; from > to wraps around).
void Ring(Bitmap& bitmap, double cx, double cy, double inner, double outer, Colour colour,
          double from_degrees = 0, double to_degrees = 360);
// A filled polygon (even-odd rule).
void Polygon(Bitmap& bitmap, std::span<const Point> corners, Colour colour);
void VerticalGradient(Bitmap& bitmap, const Rect& rect, Colour top, Colour bottom);
// A five-pointed star.
void Star(Bitmap& bitmap, double cx, double cy, double outer, Colour colour);
// A heart whose widest part is `size` pixels.
void Heart(Bitmap& bitmap, double cx, double cy, double size, Colour colour);

}  // namespace plorvane::art
