#pragma once
// The font view's pictures, drawn into core bitmaps with the platform's text renderer so they
// come out the same wherever the renderer draws alike: the column of rows the view shows, and
// the image of one glyph that goes onto the card or the clipboard.

#include "graphics/bitmap.h"
#include "platform/font.h"
#include "platform/pixel_size.h"
#include "platform/text_renderer.h"
#include "texttools/font_view_geometry.h"

namespace plorvane {

struct FontViewScene {
  Font font;  // face, style and colour of the glyphs; its size gives way to the cell size
  int cell_size = 1;
  int top_index = kFirstSymbolCode;
  int item_index = kFirstSymbolCode;
  int height = 0;  // the view's client height
};

// The font at which a glyph fills a row: `font` with the cell size as its pixel height.
Font GlyphFont(const Font& font, int cell_size);

// CellSize + 22 pixels wide and the scene's height high, on the background colour: from the top
// row on, each glyph at its row's left edge (the selected row's inside in the highlight colour),
// its code right-aligned in the default face in bold, and a line in the glyphs' colour above
// each row and below the last. False (the bitmap unchanged) when it cannot be that large.
bool DrawFontView(const FontViewScene& scene, const TextRenderer& text, Bitmap& view);

// The glyph of `code` with `margin` pixels of background around it on every side.
PixelSize GlyphImageSize(const Font& glyph_font, int code, int margin, const TextRenderer& text);
bool DrawGlyphImage(const Font& glyph_font, int code, int margin, const TextRenderer& text, Bitmap& image);

}  // namespace plorvane
