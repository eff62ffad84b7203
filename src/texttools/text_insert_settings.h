#pragma once
// What the text insert window keeps from one run to the next: its font, size, position,
// options, visibility and text, written as the window's own record ("TTextInsertWindow") to
// TTextInsertWindow.INI in the settings folder.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/font.h"
#include "streaming/published_properties.h"

namespace plorvane {

struct TextInsertSettings {
  static constexpr std::string_view kClassName = "TTextInsertWindow";
  static constexpr std::string_view kFileName = "TTextInsertWindow.INI";
  // In stream order: pFont (as sub-properties, texttools/font_properties.h), pWidth, pHeight,
  // pLeft, pTop, pOnTop, pWordWrap, pVisible, pText.
  static const PublishedProperties<TextInsertSettings>& Published();

  Font pFont;
  std::int32_t pWidth = 300;
  std::int32_t pHeight = 400;
  std::int32_t pLeft = 0;
  std::int32_t pTop = 0;
  bool pOnTop = false;
  bool pWordWrap = false;
  bool pVisible = false;
  std::string pText;

  friend bool operator==(const TextInsertSettings&, const TextInsertSettings&) = default;
};

// Through TComponentIO; `error` (and ComponentIO().LastError()) name the failing step.
bool SaveTextInsertSettings(const TextInsertSettings& settings, std::string& error);
// Applies the entries the file holds over `settings`; a damaged file, or a record another class
// wrote ("Unknown format"; the font clipboard's file shares the font's entry names), changes
// nothing.
bool LoadTextInsertSettings(TextInsertSettings& settings, std::string& error);

}  // namespace plorvane
