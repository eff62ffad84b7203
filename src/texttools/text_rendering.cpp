#include "texttools/text_rendering.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "support/general.h"
#include "support/limits.h"
#include "support/messages.h"
#include "texttools/text_lines.h"

namespace plorvane {
namespace {

struct Extent {
  std::int64_t width = 1;
  std::int64_t height = 1;  // the margin row above the first line
  // Of each line measured, so drawing need not shape the text a second time to learn it.
  std::vector<int> line_heights;
};

bool Cancelled(const RenderTextHooks& hooks) { return hooks.cancelled && hooks.cancelled(); }

bool Fits(const Extent& extent) {
  return extent.height <= limits::kMaxBitmapSide && extent.width <= limits::kMaxBitmapSide &&
         extent.width * extent.height <= limits::kMaxBitmapPixels;
}

// The extent of the lines as the picture shows them. Measuring ends at an empty last line, so a
// final line break adds no height; an empty line inside the text is measured as a space.
bool Measure(const TextRenderer& renderer, const std::vector<std::string>& lines, const Font& font,
             const RenderTextHooks& hooks, Extent& extent, std::string& error) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (Cancelled(hooks)) {
      error = msg::kTaskCancelled;
      return false;
    }
    const bool last = i + 1 == lines.size();
    if (lines[i].empty() && last) break;
    const PixelSize size = renderer.Measure(lines[i].empty() ? std::string_view(" ") : lines[i], font);
    extent.width = std::max<std::int64_t>(extent.width, size.width);
    extent.height += std::max(size.height, 0);
    extent.line_heights.push_back(std::max(size.height, 0));
    // Stop adding up once the picture could not be made anyway.
    if (!Fits(extent)) return false;
  }
  return true;
}

bool Draw(const TextRenderer& renderer, const std::vector<std::string>& lines, const Font& font,
          const RenderTextHooks& hooks, const Extent& extent, Colour background, Bitmap& bitmap, std::string& error) {
  const std::size_t count = lines.size();
  int y = 1;
  for (std::size_t i = 0; i < count; ++i) {
    if (Cancelled(hooks)) {
      error = msg::kTaskCancelled;
      return false;
    }
    // Only an empty last line was not measured.
    const int h = i < extent.line_heights.size() ? extent.line_heights[i]
                                                 : std::max(renderer.Measure(lines[i], font).height, 0);
    if (y >= bitmap.height()) {
      // Room for three more lines at a time, but never beyond what the measured lines (or this
      // one, an empty last line) need, so a picture that fits is never refused for the margin.
      const std::int64_t wanted = std::min<std::int64_t>(std::int64_t{bitmap.height()} + 3 * std::int64_t{h},
                                                         std::max<std::int64_t>(extent.height, std::int64_t{y} + h));
      if (wanted > limits::kMaxBitmapSide || !bitmap.SetHeight(static_cast<int>(wanted), background)) return false;
    }
    renderer.Draw(bitmap, Point{0, y}, lines[i], font, Rect::FromSize(0, y, bitmap.width(), h));
    if (hooks.progress) hooks.progress(static_cast<int>((i + 1) * 100 / count));
    y += h;
  }
  return true;
}

}  // namespace

bool RenderText(const TextRenderer& renderer, std::string_view text, const Font& font, Bitmap& bitmap,
                const RenderTextHooks& hooks, std::string& error) {
  error = msg::kOutOfMemory;
  try {
    const std::vector<std::string> lines = SplitLines(text);
    Extent extent;
    if (!Measure(renderer, lines, font, hooks, extent, error)) return false;
    const Colour background = TGeneral::ContrastColour(font.colour);
    if (!bitmap.Resize(static_cast<int>(extent.width), 1, background)) return false;
    if (!Draw(renderer, lines, font, hooks, extent, background, bitmap, error)) return false;
    return bitmap.SetHeight(static_cast<int>(extent.height), background);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane
