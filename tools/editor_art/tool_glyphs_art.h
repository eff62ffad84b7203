#pragma once
// The 21 tool-button pictures and the tool windows' ones, drawn on white (the face colour the buttons make transparent).

#include "graphics/bitmap.h"
#include "texttools/ui/tool_window_glyphs.h"

namespace plorvane::art {

// Tag 1..21 in the tool bar's order; an empty bitmap for any other tag.
Bitmap DrawToolGlyph(int tag);
// The tool windows' button pictures, in the same style.
Bitmap DrawToolWindowGlyph(ToolWindowGlyph glyph);

}  // namespace plorvane::art
