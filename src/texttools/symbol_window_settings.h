#pragma once
// What the symbol window keeps in its settings file "TInsertSymbolWindow.INI": the window's
// record holds its size, place and options and, as one string, the font view's own record (its
// font, first row and selected code). Both are plain values, so a settings file that fails to
// read changes nothing; the windows apply them once they are read whole.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/font.h"
#include "streaming/published_properties.h"
#include "texttools/font_view_geometry.h"

namespace plorvane {

struct FontViewSettings {
  static constexpr std::string_view kClassName = "TFontView";
  // pFont (as pFont.Name, pFont.Size, ...), pTopIndex, pItemIndex.
  static const PublishedProperties<FontViewSettings>& Published();

  Font pFont;
  std::int32_t pTopIndex = kFirstSymbolCode;
  std::int32_t pItemIndex = kFirstSymbolCode;
};

struct SymbolWindowSettings {
  static constexpr std::string_view kClassName = "TInsertSymbolWindow";
  static constexpr std::string_view kFileName = "TInsertSymbolWindow.INI";
  // pFontView, pWidth, pHeight, pOnTop, pLeft, pTop, pVisible.
  static const PublishedProperties<SymbolWindowSettings>& Published();

  std::string pFontView;  // a FontViewSettings record
  std::int32_t pWidth = 0;
  std::int32_t pHeight = 0;
  bool pOnTop = false;
  std::int32_t pLeft = 0;
  std::int32_t pTop = 0;
  bool pVisible = false;
};

}  // namespace plorvane
