#pragma once
// Capital letters for the banners, drawn from a 5 by 7 grid with a round dot in each cell so
// the strokes come out smooth. Letters other than A..Z, space and '!' are left out.

#include <string_view>

#include "drawing.h"

namespace plorvane::library {

// How wide the text is drawn with `cell`-pixel grid cells.
int BlockTextWidth(std::string_view text, int cell);
// How tall a line of text is.
int BlockTextHeight(int cell);
// Draws the text with its top-left corner at (x, y).
void DrawBlockText(Bitmap& bitmap, std::string_view text, int x, int y, int cell, Colour colour);

}  // namespace plorvane::library
