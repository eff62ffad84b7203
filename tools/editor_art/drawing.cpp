#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace plorvane::art {

namespace {

int Channel(Colour colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

}  // namespace

Colour Mix(Colour from, Colour to, double amount) {
  const auto blend = [&](int shift) {
    return static_cast<int>(std::lround(Channel(from, shift) + (Channel(to, shift) - Channel(from, shift)) * amount));
  };
  return Rgb(blend(0), blend(8), blend(16));
}

void Line(Bitmap& bitmap, Point from, Point to, Colour colour, int thickness) {
  const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
  for (int step = 0; step <= steps; ++step) {
    const double t = steps == 0 ? 0.0 : static_cast<double>(step) / steps;
    const int x = static_cast<int>(std::lround(from.x + (to.x - from.x) * t));
    const int y = static_cast<int>(std::lround(from.y + (to.y - from.y) * t));
    FillRect(bitmap, Rect{x - thickness / 2, y - thickness / 2, x - thickness / 2 + thickness, y - thickness / 2 + thickness},
             colour);
  }
}

void Disc(Bitmap& bitmap, double cx, double cy, double radius, Colour colour) { Ring(bitmap, cx, cy, -1, radius, colour); }

void Ring(Bitmap& bitmap, double cx, double cy, double inner, double outer, Colour colour, double from_degrees,
          double to_degrees) {
  const int top = static_cast<int>(std::floor(cy - outer));
  const int bottom = static_cast<int>(std::ceil(cy + outer));
  const int left = static_cast<int>(std::floor(cx - outer));
  const int right = static_cast<int>(std::ceil(cx + outer));
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const double dx = x + 0.5 - cx;
      const double dy = cy - (y + 0.5);
      const double distance = std::hypot(dx, dy);
      if (distance > outer || distance < inner) continue;
      double angle = std::atan2(dy, dx) * 180 / std::numbers::pi;
      if (angle < 0) angle += 360;
      const bool inside = from_degrees <= to_degrees ? angle >= from_degrees && angle <= to_degrees
                                                     : angle >= from_degrees || angle <= to_degrees;
      if (inside) bitmap.SetPixel(x, y, colour);
    }
  }
}

void Polygon(Bitmap& bitmap, std::span<const Point> corners, Colour colour) {
  if (corners.size() < 3) return;
  const auto [low, high] = std::minmax_element(corners.begin(), corners.end(),
                                               [](const Point& a, const Point& b) { return a.y < b.y; });
  for (int y = low->y; y <= high->y; ++y) {
    const double scan = y + 0.5;
    std::vector<double> crossings;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Point a = corners[i];
      const Point b = corners[(i + 1) % corners.size()];
      if ((a.y <= scan) == (b.y <= scan)) continue;
      crossings.push_back(a.x + (scan - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      for (int x = static_cast<int>(std::lround(crossings[i])); x < std::lround(crossings[i + 1]); ++x) {
        bitmap.SetPixel(x, y, colour);
      }
    }
  }
}

void VerticalGradient(Bitmap& bitmap, const Rect& rect, Colour top, Colour bottom) {
  const int height = std::max(1, rect.bottom - rect.top - 1);
  for (int y = rect.top; y < rect.bottom; ++y) {
    FillRect(bitmap, Rect{rect.left, y, rect.right, y + 1}, Mix(top, bottom, static_cast<double>(y - rect.top) / height));
  }
}

void Star(Bitmap& bitmap, double cx, double cy, double outer, Colour colour) {
  std::vector<Point> corners;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? outer : outer * 0.42;
    const double angle = std::numbers::pi / 2 + i * std::numbers::pi / 5;
    corners.push_back(Point{static_cast<int>(std::lround(cx + radius * std::cos(angle))),
                            static_cast<int>(std::lround(cy - radius * std::sin(angle)))});
  }
  Polygon(bitmap, corners, colour);
}

void Heart(Bitmap& bitmap, double cx, double cy, double size, Colour colour) {
  const double lobe = size / 4;
  Disc(bitmap, cx - lobe, cy - lobe * 0.6, lobe * 1.05, colour);
  Disc(bitmap, cx + lobe, cy - lobe * 0.6, lobe * 1.05, colour);
  const Point corners[] = {
      {static_cast<int>(std::lround(cx - 2 * lobe)), static_cast<int>(std::lround(cy - lobe * 0.3))},
      {static_cast<int>(std::lround(cx + 2 * lobe)), static_cast<int>(std::lround(cy - lobe * 0.3))},
      {static_cast<int>(std::lround(cx)), static_cast<int>(std::lround(cy + 2.2 * lobe))}};
  Polygon(bitmap, corners, colour);
}

}  // namespace plorvane::art
