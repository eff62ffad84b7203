#pragma once
// Words the tool windows show besides their menus and tool buttons (status texts, titles, file
// filters, the colour buttons' hint), as written before translation. The template of texts for
// language tables is made from these lists together with the windows' tables.

#include <array>
#include <string_view>

namespace plorvane::tool_window_texts {

inline constexpr std::array<std::string_view, 12> kAll = {
    "Error", "Ready", "Dragging", "Working...", "Color", "Click for Color Window",
    "Click and drag for Screen Color", "Drag Window", "Insert Text", "Text Documents", "All Files",
    "Word Wrap"};

}  // namespace plorvane::tool_window_texts
