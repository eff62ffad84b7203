#include "page_layout.h"

#include <algorithm>
#include <cmath>

namespace plorvane {

Rect PlaceOnPage(int width, int height, int area_width, int area_height, int device_pixels_per_inch) {
  if (width <= 0 || height <= 0 || area_width <= 0 || area_height <= 0 || device_pixels_per_inch <= 0) return {};
  const double scale = std::min({static_cast<double>(device_pixels_per_inch) / kCardPixelsPerInch,
                                 static_cast<double>(area_width) / width, static_cast<double>(area_height) / height});
  // Rounding may not push a side that fits exactly past the area.
  const int placed_width = std::clamp(static_cast<int>(std::lround(width * scale)), 1, area_width);
  const int placed_height = std::clamp(static_cast<int>(std::lround(height * scale)), 1, area_height);
  return Rect::FromSize((area_width - placed_width) / 2, (area_height - placed_height) / 2, placed_width,
                        placed_height);
}

}  // namespace plorvane
