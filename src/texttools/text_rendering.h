#pragma once
// The text window's picture of its text: the lines one below the other, left-aligned, in the
// font's colour on a solid background of its contrast colour (white or black), with one row of
// background above the first line so the top-left pixel is always background. The card shows
// such a picture with that colour transparent, so only the text itself appears.

#include <functional>
#include <string>
#include <string_view>

#include "graphics/bitmap.h"
#include "platform/font.h"
#include "platform/text_renderer.h"

namespace plorvane {

struct RenderTextHooks {
  // Asked before each line, while measuring and while drawing; true stops the rendering with
  // "Task cancelled". It may run the program's pending events, so a Stop button can answer.
  std::function<bool()> cancelled;
  // After each drawn line: (line index + 1) * 100 / line count.
  std::function<void(int percent)> progress;
};

// Draws `text` (lines end at CR LF, CR or LF) into `bitmap`. An empty line inside the text keeps
// a line's height; an empty last line (a text ending with a line break) adds none, and an empty
// text gives a 1 by 1 picture of background. `error` holds the text of the failing step: "Out of
// memory" for a picture too large to make, "Task cancelled" when stopped; a failed rendering
// leaves the bitmap as far as it got.
bool RenderText(const TextRenderer& renderer, std::string_view text, const Font& font, Bitmap& bitmap,
                const RenderTextHooks& hooks, std::string& error);

}  // namespace plorvane
