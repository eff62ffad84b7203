#pragma once
// The maker's web pages that the Help menu and "A&dditional Resources..." open. The addresses
// are kept in the scrambled form of ScrambleText so they do not stand readable in the program.

#include <array>
#include <string_view>

namespace plorvane {

struct WebPage {
  std::string_view item;     // the menu item's name
  std::string_view caption;  // empty for the File menu's item, whose caption is in the tree
  std::string_view scrambled_address;
};

inline constexpr int kHelpWebPageCount = 4;
// The four entries at the end of the Help menu.
const std::array<WebPage, kHelpWebPageCount>& HelpWebPages();
// "A&dditional Resources..." of the File menu.
const WebPage& AdditionalResourcesPage();

}  // namespace plorvane
