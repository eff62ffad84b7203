#pragma once
// The animation element window's captions, labels, list entries and hints, and the words of
// its speed label, as written before translation.

#include <array>
#include <string_view>

namespace plorvane::element_window_texts {

inline constexpr std::array<std::string_view, 39> kAll = {
    "Animation", "&File", "&Close", "&Edit", "Dup&licate", "&Bring to Top", "&Send to Bottom", "Cu&t",
    "&Copy", "&Paste", "&Delete", "&OnTop", "&Help", "Duplicate", "Bring to Top", "Send to Bottom",
    "Copy", "Paste", "Drag Window", "Options", "Transparent", "Flip", "Mirror", "Speed", "Still",
    "fps", "ms", "Flash", "None", "Even", "Odd", "Scroll Horizontally", "Scroll Vertically", "Left",
    "Right", "Up", "Down", "Ready", "Dragging"};

}  // namespace plorvane::element_window_texts
