#pragma once
// Shapes the animations are drawn from, on top of the shared drawing helpers: ellipses (also
// turned), shapes given as outlines turned and scaled into place, and twinkles.

#include <span>
#include <vector>

#include "drawing.h"

namespace plorvane::library {

struct PointF {
  double x = 0;
  double y = 0;
};

// The outline turned by `degrees` (clockwise on the screen) around its origin, scaled and moved
// to (cx, cy).
std::vector<Point> Placed(std::span<const PointF> outline, double cx, double cy, double degrees = 0, double scale = 1);
// A filled ellipse with radii rx and ry, turned by `degrees`.
void Ellipse(Bitmap& bitmap, double cx, double cy, double rx, double ry, Colour colour, double degrees = 0);
// A four-pointed twinkle `size` pixels from point to point.
void Twinkle(Bitmap& bitmap, double cx, double cy, double size, Colour colour);
// A filled rectangle `width` by `height` centred on (cx, cy), turned by `degrees`.
void TurnedRect(Bitmap& bitmap, double cx, double cy, double width, double height, Colour colour, double degrees);
// Where a point on a circle of `radius` around (cx, cy) lies at `degrees` (clockwise from the right).
PointF OnCircle(double cx, double cy, double radius, double degrees);
// A smooth pulse between 0 and 1 with a period of 1: 0 at phase 0, 1 at phase 0.5.
double Pulse(double phase);

}  // namespace plorvane::library
