#pragma once
// The pictures of the main window's 21 tool buttons, drawn by the build and kept as text pictures
// (texttools/text_picture.h: decode with TextToBitmap). Each is 20 by 20 pixels; its white
// background (the colour of the bottom-left pixel, as button glyphs have it) stands for the
// button's face and is drawn transparent.

#include <string_view>

namespace plorvane {

inline constexpr int kToolGlyphCount = 21;
inline constexpr int kToolGlyphSide = 20;

// The glyph of tool button `tag` (1..21, the buttons' order); empty for any other tag.
std::string_view ToolGlyphText(int tag);

}  // namespace plorvane
