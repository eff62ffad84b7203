#pragma once
// The 21 buttons of the main window's tool bar: where each sits, its hint and glyph, and the
// menu command it runs.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "editor/main_form.h"

namespace plorvane {

inline constexpr int kToolBarTop = 1;
inline constexpr int kToolBarGap = 10;

// The command a button runs, by the menu item's name; "LinkButton" for button 18, whose link
// prompt has no menu item of its own.
std::string_view ToolButtonCommand(int tag);

// The button's translated hint; its lines joined by CR LF, "* " before the second and third.
std::string ToolButtonHint(int tag);
// The hint with one more "* " line after it (none when `line` is empty).
std::string HintWithLine(std::string hint, const std::string& line);
// Every line of every button's hint, as written before translation.
std::vector<std::string_view> ToolBarHintLines();

// The buttons in order with their place, translated hints, glyphs and cursors; all enabled and
// up.
std::array<ToolButtonState, TForm1::kToolButtonCount> BuildToolButtons();

// The tool bar's client height: the buttons' height plus 2.
constexpr int ToolBarClientHeight() { return TForm1::kToolButtonSide + 2; }

}  // namespace plorvane
