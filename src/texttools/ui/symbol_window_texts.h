#pragma once
// The insert-symbol window's menu captions and tool-button hints, as written before translation.

#include <array>
#include <string_view>

namespace plorvane::symbol_window_texts {

inline constexpr std::array<std::string_view, 15> kAll = {
    "&Edit", "&Insert Symbol", "Copy as I&mage", "&Copy as Text", "&OnTop", "&Font", "&Define...",
    "C&olor...", "&Copy", "&Paste", "&Help", "Insert Symbol", "Font...", "Copy as Image", "Wingdings"};

}  // namespace plorvane::symbol_window_texts
