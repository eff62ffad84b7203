#pragma once
// The pages that the Help menu's last four entries and "A&dditional Resources..." open. They are
// pages of the help set, shown through THelp like every other help page.

#include <array>
#include <string_view>

namespace plorvane {

struct WebPage {
  std::string_view item;     // the menu item's name
  std::string_view caption;  // empty for the File menu's item, whose caption is in the tree
  std::string_view page;     // a page of the help set
};

inline constexpr int kHelpWebPageCount = 4;
// The four entries at the end of the Help menu.
const std::array<WebPage, kHelpWebPageCount>& HelpWebPages();
// "A&dditional Resources..." of the File menu.
const WebPage& AdditionalResourcesPage();

}  // namespace plorvane
