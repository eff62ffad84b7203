#include "texttools/font_view_picture.h"

#include <algorithm>
#include <string>

#include "graphics/canvas.h"

namespace plorvane {

Font GlyphFont(const Font& font, int cell_size) {
  Font glyph = font;
  glyph.pixel_height = std::max(cell_size, 1);
  return glyph;
}

bool DrawFontView(const FontViewScene& scene, const TextRenderer& text, Bitmap& view) {
  const int width = scene.cell_size + kCodeColumnWidth;
  const Colour background = BackgroundColour(scene.font.colour);
  if (!view.Resize(width, std::max(scene.height, 0), background)) return false;
  const Rect whole = Rect::FromSize(0, 0, width, view.height());
  const RowRange rows = VisibleRows(scene.top_index, scene.height, scene.cell_size);
  const auto row_top = [&](int code) { return (code - rows.first) * scene.cell_size; };

  const Font glyph_font = GlyphFont(scene.font, scene.cell_size);
  for (int code = rows.first; code <= rows.last; ++code) {
    const int top = row_top(code);
    if (code == scene.item_index) {
      FillRect(view, Rect{0, top + 1, width, top + scene.cell_size}, HighlightColour(scene.font.colour));
    }
    text.Draw(view, Point{0, top}, SymbolCharacter(code), glyph_font, whole);
  }

  // The codes and lines after all the glyphs, so a glyph reaching into the next row never
  // covers them.
  Font code_font;
  code_font.bold = true;
  code_font.colour = scene.font.colour;
  for (int code = rows.first; code <= rows.last; ++code) {
    const int top = row_top(code);
    const std::string label = std::to_string(code);
    text.Draw(view, Point{width - text.Measure(label, code_font).width, top}, label, code_font, whole);
    FillRect(view, Rect{0, top, width, top + 1}, scene.font.colour);
  }
  const int bottom = row_top(rows.last) + scene.cell_size;
  FillRect(view, Rect{0, bottom, width, bottom + 1}, scene.font.colour);
  return true;
}

PixelSize GlyphImageSize(const Font& glyph_font, int code, int margin, const TextRenderer& text) {
  const PixelSize glyph = text.Measure(SymbolCharacter(code), glyph_font);
  return PixelSize{glyph.width + 2 * margin, glyph.height + 2 * margin};
}

bool DrawGlyphImage(const Font& glyph_font, int code, int margin, const TextRenderer& text, Bitmap& image) {
  const PixelSize size = GlyphImageSize(glyph_font, code, margin, text);
  const Colour background = BackgroundColour(glyph_font.colour);
  if (!image.Resize(size.width, size.height, background)) return false;
  text.Draw(image, Point{margin, margin}, SymbolCharacter(code), glyph_font,
            Rect::FromSize(0, 0, size.width, size.height));
  return true;
}

}  // namespace plorvane
