#pragma once
// Measuring and drawing text. The labels and text pictures draw into bitmaps, never straight onto
// a window, so this is all the text support the core needs.

#include <string_view>

#include "graphics/bitmap.h"
#include "graphics/canvas.h"
#include "platform/font.h"
#include "platform/pixel_size.h"

namespace plorvane {

class TextRenderer {
 public:
  virtual ~TextRenderer() = default;

  // The extent of `text` (UTF-8) in `font`; an empty text is 0 wide and one line high.
  [[nodiscard]] virtual PixelSize Measure(std::string_view text, const Font& font) const = 0;
  // Draws `text` in the font's colour with its top-left at `origin`, on a transparent
  // background, touching no pixel outside `clip` (nor outside the bitmap).
  virtual void Draw(Bitmap& target, Point origin, std::string_view text, const Font& font, const Rect& clip) const = 0;
};

}  // namespace plorvane
