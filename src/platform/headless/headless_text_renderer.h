#pragma once
// Text with a fixed, simple metric, so tests can compute where text lands: every character
// (UTF-8 code point) advances 6 pixels, a line is font size + 4 pixels high. A character other
// than a space is a filled box 5 pixels wide (6 when bold) and font size high, 2 pixels below the
// line's top; an underline is the line's last row under the whole text.

#include "platform/text_renderer.h"

namespace plorvane {

inline constexpr int kHeadlessGlyphAdvance = 6;

class HeadlessTextRenderer final : public TextRenderer {
 public:
  [[nodiscard]] PixelSize Measure(std::string_view text, const Font& font) const override;
  void Draw(Bitmap& target, Point origin, std::string_view text, const Font& font, const Rect& clip) const override;
};

}  // namespace plorvane
