#pragma once
// The editor's menus as data: every item with its caption, shortcut, mark and the name of the
// component it is, in the order the user sees them. The item's name is also the key of the
// command it runs ("New1" runs the command registered as "New1"); a submenu's name is the key of
// the refresh that runs when it opens ("File1" for the File menu).

#include <string_view>
#include <vector>

#include "platform/popup_menu.h"

namespace plorvane {

struct MenuNode {
  std::string_view caption;  // "-" for a separator
  std::string_view name;     // empty for a separator
  std::string_view shortcut = {};
  MenuMark mark = MenuMark::kNone;
  std::vector<MenuNode> items = {};  // non-empty for a submenu

  [[nodiscard]] bool IsSubmenu() const { return !items.empty(); }
};

// The menu bar: "&File" ... "&Help", each a submenu.
const std::vector<MenuNode>& MainMenuTree();
// The card window's menu of animation commands.
const std::vector<MenuNode>& PopupMenu1Tree();
// The frame-rate menu of the animation element window.
const std::vector<MenuNode>& PopupMenu2Tree();

}  // namespace plorvane
