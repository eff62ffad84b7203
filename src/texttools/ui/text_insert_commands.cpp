#include "texttools/ui/text_insert_commands.h"

#include <array>

namespace plorvane::text_insert {
namespace {

constexpr MenuItem kLine{kSeparator, "-"};

constexpr std::array kFileItems{
    MenuItem{kNew, "&New"},
    MenuItem{kOpen, "&Open..."},
    MenuItem{kOpenFromStartButton, "Open from Start &Button..."},
    MenuItem{kSaveAs, "Save &As..."},
    MenuItem{kSaveToStartButton, "Save to Start Bu&tton..."},
    kLine,
    MenuItem{kClose, "&Close"},
};

constexpr std::array kEditItems{
    MenuItem{kInsertText, "&Insert Text"},
    kLine,
    MenuItem{kUndo, "&Undo"},
    MenuItem{kCut, "Cu&t"},
    MenuItem{kCopy, "&Copy"},
    MenuItem{kCopyAsImage, "Copy as I&mage"},
    MenuItem{kPaste, "&Paste"},
    MenuItem{kDelete, "&Delete"},
    MenuItem{kClear, "C&lear"},
    kLine,
    MenuItem{kSelectAll, "Select &All"},
    MenuItem{kWordWrap, "&Word Wrap", true},
    kLine,
    MenuItem{kSynchronise, ""},
    MenuItem{kOnTop, "&OnTop", true},
};

constexpr std::array kFontItems{
    MenuItem{kFontDefine, "&Define..."},
    MenuItem{kFontColour, "C&olor..."},
    kLine,
    MenuItem{kFontCopy, "&Copy"},
    MenuItem{kFontPaste, "&Paste"},
};

constexpr std::array kHelpItems{
    MenuItem{kHelp, "&Help"},
};

constexpr std::array kMenus{
    Menu{kFileMenu, "&File", kFileItems},
    Menu{kEditMenu, "&Edit", kEditItems},
    Menu{kFontMenu, "Fo&nt", kFontItems},
    Menu{kHelpMenu, "&Help", kHelpItems},
};

constexpr std::array<std::string_view, 1> kInsertHint{"Insert Text"};  // the window's title
constexpr std::array<std::string_view, 3> kColourHint{"Color", "Click for Color Window",
                                                      "Click and drag for Screen Color"};
constexpr std::array<std::string_view, 1> kFontHint{"Font..."};
constexpr std::array<std::string_view, 1> kCopyAsImageHint{"Copy as Image"};
constexpr std::array<std::string_view, 1> kDragWindowHint{"Drag Window"};
constexpr std::array<std::string_view, 1> kStopHint{"Stop"};

constexpr std::array kToolButtons{
    ToolButton{kInsertText, ToolWindowGlyph::kInsert, false, kInsertHint},
    ToolButton{kFontColour, ToolWindowGlyph::kColour, true, kColourHint},
    ToolButton{kFontDefine, ToolWindowGlyph::kFont, false, kFontHint},
    ToolButton{kCopyAsImage, ToolWindowGlyph::kCopyAsImage, false, kCopyAsImageHint},
    ToolButton{kDragWindow, ToolWindowGlyph::kDragWindow, true, kDragWindowHint},
    ToolButton{kStop, ToolWindowGlyph::kStop, false, kStopHint},
};

}  // namespace

std::span<const Menu> Menus() { return kMenus; }
std::span<const ToolButton> ToolButtons() { return kToolButtons; }

}  // namespace plorvane::text_insert
