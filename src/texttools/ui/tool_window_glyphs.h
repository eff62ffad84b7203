#pragma once
// The pictures on the tool windows' buttons, drawn by the build and kept as text pictures
// (texttools/text_picture.h: decode with TextToBitmap), 20 by 20 pixels on a white face like
// the main tool bar's. A button that means the same in several windows shows the same picture.

#include <string_view>

namespace plorvane {

enum class ToolWindowGlyph {
  kInsert,
  kColour,
  kFont,
  kCopyAsImage,
  kDragWindow,
  kStop,
  kDuplicate,
  kBringToTop,
  kSendToBottom,
  kCopy,
  kPaste,
};
inline constexpr int kToolWindowGlyphCount = 11;

std::string_view ToolWindowGlyphText(ToolWindowGlyph glyph);

}  // namespace plorvane
