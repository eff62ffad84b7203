#pragma once
// The text insert window's commands: every menu item and tool button carries one of these tags,
// and one handler runs the command of a tag. The menus and buttons are laid out from the tables
// below, captions as written here (the window passes them through Translate).

#include <span>
#include <string_view>

#include "texttools/ui/tool_window_glyphs.h"

namespace plorvane::text_insert {

enum Tag : int {
  kSeparator = -1,
  kDragWindow = 0,
  kFileMenu = 1,
  kNew = 2,
  kOpen = 3,
  kOpenFromStartButton = 4,
  kSaveAs = 5,
  kSaveToStartButton = 6,
  kClose = 7,
  kEditMenu = 8,
  kInsertText = 9,
  kUndo = 10,
  kCut = 11,
  kCopy = 12,
  kCopyAsImage = 13,
  kPaste = 14,
  kDelete = 15,
  kSelectAll = 16,
  kWordWrap = 17,
  kSynchronise = 18,  // its caption comes from the host; without one it is hidden
  kOnTop = 19,
  kFontMenu = 20,
  kFontDefine = 21,
  kFontColour = 22,
  kFontCopy = 23,
  kFontPaste = 24,
  kHelpMenu = 25,
  kHelp = 26,
  kStop = 27,
  kClear = 28,
};

struct MenuItem {
  int tag;
  std::string_view caption;
  bool checkable = false;
};

struct Menu {
  int tag;
  std::string_view caption;
  std::span<const MenuItem> items;
};

// File, Edit, Font and Help, in menu bar order.
std::span<const Menu> Menus();

struct ToolButton {
  int tag;
  ToolWindowGlyph glyph;
  bool drag_cursor;  // the buttons that start a drag show the drag cursor, the others a hand
  // The hint's first line, then lines shown as points ("* "); each is translated on its own.
  std::span<const std::string_view> hint;
};

// Left to right: insert, colour, font, copy as image, drag window, stop.
std::span<const ToolButton> ToolButtons();

}  // namespace plorvane::text_insert
