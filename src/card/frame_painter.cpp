#include "card/frame_painter.h"

#include <algorithm>
#include <utility>

#include "graphics/canvas.h"
#include "support/general.h"

namespace plorvane {

void DrawFrame(Bitmap& bitmap, const FrameStyle& style) {
  if (style.size <= 0) return;
  const int width = bitmap.width();
  const int height = bitmap.height();
  Colour full = style.colour;
  Colour dark = TGeneral::Shade(style.colour, style.shade);
  if (style.swap) std::swap(full, dark);

  const int split = std::clamp(style.size * style.split / 100, 0, style.size - 1);
  const auto ring = [&](int i, Colour colour) { FrameRect(bitmap, Rect{i, i, width - i, height - i}, colour); };
  // Outer run: dark at the edge to full at the split ring.
  for (int i = 0; i <= split; ++i) ring(i, TGeneral::Blend(split == 0 ? 0 : i * 100 / split, full, dark));
  // Inner run: full at the split ring back to dark next to the picture.
  const int inner = style.size - 1 - split;
  for (int j = 0; j <= inner; ++j) ring(split + j, TGeneral::Blend(inner == 0 ? 0 : j * 100 / inner, dark, full));
}

}  // namespace plorvane
