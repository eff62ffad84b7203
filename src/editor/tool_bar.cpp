#include "editor/tool_bar.h"

#include <string>

#include "editor/resources/tool_glyphs.h"
#include "support/translate.h"
#include "texttools/text_picture.h"

namespace plorvane {
namespace {

struct ToolButtonRow {
  std::array<std::string_view, 3> hint;  // one line, or three joined by CR LF ("* " before 2, 3)
  std::string_view command;
  bool gap_before = false;
  bool drag_cursor = false;
};

constexpr std::array<ToolButtonRow, TForm1::kToolButtonCount> kRows = {{
    {{"New"}, "New1"},
    {{"Open..."}, "Open1"},
    {{"Save As..."}, "SaveAs1"},
    {{"Print..."}, "Print1"},
    {{"Undo"}, "Undo1", true},
    {{"Center"}, "CentreCard1"},
    {{"Select Picture from file..."}, "Select1", true},
    {{"Select Animation from file..."}, "SelectfromFile2"},
    {{"Pause All Animations"}, "Paused1"},
    {{"Toggle Animations Lock"}, "Lock1"},
    {{"Select Cursor from file..."}, "SelectfromFile1"},
    {{"Select Sound from file..."}, "Select2"},
    {{"Stop"}, "Stop1", true},
    {{"Play"}, "Play1"},
    {{"Volume Control"}, "ShowVolumeControl1"},
    {{"Frame Size", "Click for Size Dialog Window", "Click and drag up/down for Size Adjust"}, "Define1", true, true},
    {{"Frame Color", "Click for Color Window", "Click and drag for Screen Color"}, "Color1", false, true},
    {{"Link..."}, "LinkButton"},
    {{"Menu/Link Color", "Click for Color Window", "Click and drag for Screen Color"}, "Color2", false, true},
    {{"Information..."}, "Information1", true},
    {{"Help"}, "OnlineHelp1"},
}};

}  // namespace

std::vector<std::string_view> ToolBarHintLines() {
  std::vector<std::string_view> lines;
  for (const ToolButtonRow& row : kRows) {
    for (const std::string_view line : row.hint) {
      if (!line.empty()) lines.push_back(line);
    }
  }
  return lines;
}

namespace {

std::string Hint(const ToolButtonRow& row) {
  std::string hint = Translate(row.hint[0]);
  for (std::size_t line = 1; line < row.hint.size(); ++line) {
    if (!row.hint[line].empty()) hint = HintWithLine(std::move(hint), Translate(row.hint[line]));
  }
  return hint;
}

}  // namespace

std::string ToolButtonHint(int tag) {
  if (tag < 1 || tag > TForm1::kToolButtonCount) return {};
  return Hint(kRows[static_cast<std::size_t>(tag - 1)]);
}

std::string HintWithLine(std::string hint, const std::string& line) {
  if (!line.empty()) hint += "\r\n* " + line;
  return hint;
}

std::string_view ToolButtonCommand(int tag) {
  if (tag < 1 || tag > TForm1::kToolButtonCount) return {};
  return kRows[static_cast<std::size_t>(tag - 1)].command;
}

std::array<ToolButtonState, TForm1::kToolButtonCount> BuildToolButtons() {
  std::array<ToolButtonState, TForm1::kToolButtonCount> buttons;
  int left = kToolBarTop;
  for (int tag = 1; tag <= TForm1::kToolButtonCount; ++tag) {
    const ToolButtonRow& row = kRows[static_cast<std::size_t>(tag - 1)];
    ToolButtonState& button = buttons[static_cast<std::size_t>(tag - 1)];
    if (tag > 1) left += TForm1::kToolButtonSide + (row.gap_before ? kToolBarGap : 0);
    button.tag = tag;
    button.position = {left, kToolBarTop};
    button.hint = Hint(row);
    button.drag_cursor = row.drag_cursor;
    // A glyph that does not decode is an empty bitmap: the button shows its face only.
    button.glyph = TextToBitmap(ToolGlyphText(tag));
  }
  return buttons;
}

}  // namespace plorvane
