#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plorvane::library {

namespace {
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
}  // namespace

std::vector<Point> Placed(std::span<const PointF> outline, double cx, double cy, double degrees, double scale) {
  const double cosine = std::cos(degrees * kRadiansPerDegree);
  const double sine = std::sin(degrees * kRadiansPerDegree);
  std::vector<Point> corners;
  corners.reserve(outline.size());
  for (const PointF& point : outline) {
    const double x = (point.x * cosine - point.y * sine) * scale + cx;
    const double y = (point.x * sine + point.y * cosine) * scale + cy;
    corners.push_back(Point{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))});
  }
  return corners;
}

void Ellipse(Bitmap& bitmap, double cx, double cy, double rx, double ry, Colour colour, double degrees) {
  constexpr int kSides = 32;
  std::vector<PointF> outline;
  for (int i = 0; i < kSides; ++i) {
    const double angle = 2 * std::numbers::pi * i / kSides;
    outline.push_back({rx * std::cos(angle), ry * std::sin(angle)});
  }
  art::Polygon(bitmap, Placed(outline, cx, cy, degrees), colour);
}

void Twinkle(Bitmap& bitmap, double cx, double cy, double size, Colour colour) {
  if (size < 1) return;
  const double half = size / 2;
  const double waist = std::max(1.0, size / 9);
  const PointF outline[] = {{0, -half}, {waist, -waist}, {half, 0}, {waist, waist},
                            {0, half},  {-waist, waist}, {-half, 0}, {-waist, -waist}};
  art::Polygon(bitmap, Placed(outline, cx, cy), colour);
}

void TurnedRect(Bitmap& bitmap, double cx, double cy, double width, double height, Colour colour, double degrees) {
  const PointF outline[] = {{-width / 2, -height / 2}, {width / 2, -height / 2}, {width / 2, height / 2}, {-width / 2, height / 2}};
  art::Polygon(bitmap, Placed(outline, cx, cy, degrees), colour);
}

PointF OnCircle(double cx, double cy, double radius, double degrees) {
  return {cx + radius * std::cos(degrees * kRadiansPerDegree), cy + radius * std::sin(degrees * kRadiansPerDegree)};
}

double Pulse(double phase) { return 0.5 - 0.5 * std::cos(2 * std::numbers::pi * phase); }

}  // namespace plorvane::library
