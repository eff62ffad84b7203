#pragma once
// Where the card's bitmap goes on the printed page.

#include "graphics/canvas.h"

namespace plorvane {

// The card prints no larger than it shows on a usual screen, one of its pixels to a 96th of an
// inch; a card that does not fit the printable area at that size is made smaller until it fits,
// keeping its proportions. It is centred in the printable area.
inline constexpr int kCardPixelsPerInch = 96;

// The rectangle for a `width` by `height` bitmap in a printable area of `area_width` by
// `area_height` device pixels, measured from the area's top-left, on a device of
// `device_pixels_per_inch`. Empty when the bitmap or the area is.
Rect PlaceOnPage(int width, int height, int area_width, int area_height, int device_pixels_per_inch);

}  // namespace plorvane
