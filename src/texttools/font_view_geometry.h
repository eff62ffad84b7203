#pragma once
// The rules of the symbol window's font view, apart from any window: one character per row,
// codes 32 to 255, each glyph as high as its row and the row as high as the view is wide less
// the scroll bar and a column for the codes. The window grows or shrinks to give a chosen font
// rows of its own height.

#include <string>

#include "graphics/colour.h"
#include "platform/font.h"
#include "platform/pixel_size.h"

namespace plorvane {

inline constexpr int kFirstSymbolCode = 32;
inline constexpr int kLastSymbolCode = 255;
// Room right of the glyphs for the rows' codes.
inline constexpr int kCodeColumnWidth = 22;

// The code kept within kFirstSymbolCode..kLastSymbolCode.
int ClampSymbolCode(int code);

// A row's height, which is also the pixel height its glyph is drawn with. At least 1, so a view
// narrower than its scroll bar and code column still divides into rows.
int CellSize(int view_width, int scroll_bar_width);
// The view width at which CellSize equals `font_height` pixels (a negative height counts as its
// absolute value).
int ViewWidthForCell(int font_height, int scroll_bar_width);

struct RowRange {
  int first = kFirstSymbolCode;
  int last = kFirstSymbolCode;
  friend bool operator==(const RowRange&, const RowRange&) = default;
};
// The codes of the rows shown from `top_index` on in a view `client_height` pixels high; the last
// one may be cut off at the bottom.
RowRange VisibleRows(int top_index, int client_height, int cell_size);
// The code of the row under a press at `y`, clamped to the codes there are.
int ItemAt(int y, int top_index, int cell_size);

// Black behind light glyphs (a component above 192), white behind the others.
Colour BackgroundColour(Colour font_colour);
// Silver behind the selected row, unless the glyphs themselves are silvery (every component
// within 160..220): then grey.
Colour HighlightColour(Colour font_colour);

// A font's height in pixels at a screen of `pixels_per_inch`: its pixel height when it has one,
// else its point size converted, halves rounded away from zero.
int FontPixelHeight(const Font& font, int pixels_per_inch);
// The point size of `pixels` (its absolute value) at `pixels_per_inch`, halves rounded to even;
// 0 for a resolution that is not positive.
int PointsForPixels(int pixels, int pixels_per_inch);

// The status bar's size text: "74x86 [54]" for a 74 by 86 glyph image of a 54-point font.
std::string GlyphSizeStatus(PixelSize glyph_image, int points);

// The character of `code` as UTF-8, the code read as Windows-1252 (the code page the codes stem
// from), so 65 is "A" and 128 the euro sign.
std::string SymbolCharacter(int code);

}  // namespace plorvane
