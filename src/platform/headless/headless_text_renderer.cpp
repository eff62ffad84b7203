#include "platform/headless/headless_text_renderer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "graphics/canvas.h"

namespace plorvane {
namespace {

// Font sizes below 1 (or absurdly large ones) still give a usable line. A pixel height is the
// whole line: glyph and its 4 pixels of leading.
int LineHeight(const Font& font) {
  return font.pixel_height > 0 ? std::clamp(font.pixel_height, 5, 1004) : std::clamp(font.size, 1, 1000) + 4;
}
int GlyphHeight(const Font& font) { return LineHeight(font) - 4; }

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::int64_t CodePointCount(std::string_view text) {
  return std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); });
}

int Saturated(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

Rect Intersection(const Rect& a, const Rect& b) {
  return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

// A box given in 64-bit coordinates, cut to `limit` before narrowing.
void FillClipped(Bitmap& target, std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                 const Rect& limit, Colour colour) {
  const Rect box{Saturated(std::max<std::int64_t>(left, limit.left)),
                 Saturated(std::max<std::int64_t>(top, limit.top)),
                 Saturated(std::min<std::int64_t>(left + width, limit.right)),
                 Saturated(std::min<std::int64_t>(top + height, limit.bottom))};
  if (!box.empty()) FillRect(target, box, colour);
}

}  // namespace

PixelSize HeadlessTextRenderer::Measure(std::string_view text, const Font& font) const {
  return PixelSize{Saturated(CodePointCount(text) * kHeadlessGlyphAdvance), LineHeight(font)};
}

void HeadlessTextRenderer::Draw(Bitmap& target, Point origin, std::string_view text, const Font& font,
                                const Rect& clip) const {
  const Rect limit = Intersection(clip, Rect::FromSize(0, 0, target.width(), target.height()));
  if (limit.empty()) return;
  const int glyph_width = font.bold ? kHeadlessGlyphAdvance : kHeadlessGlyphAdvance - 1;
  std::int64_t x = origin.x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsContinuationByte(text[i])) continue;
    if (x >= limit.right) break;
    if (text[i] != ' ') FillClipped(target, x, std::int64_t{origin.y} + 2, glyph_width, GlyphHeight(font), limit, font.colour);
    x += kHeadlessGlyphAdvance;
  }
  if (font.underline) {
    const std::int64_t width = CodePointCount(text) * kHeadlessGlyphAdvance;
    FillClipped(target, origin.x, std::int64_t{origin.y} + LineHeight(font) - 1, width, 1, limit, font.colour);
  }
}

}  // namespace plorvane
