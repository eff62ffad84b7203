#pragma once
// The desktop's application-menu entry that makes a card sent to the start button show up in
// the menu.

#include <string>

namespace plorvane {

// The entry's text: the card's name as the menu shows it and the card executable it starts.
std::string DesktopEntry(const std::string& name, const std::string& executable);
// A file name of its own for each card, made of characters every desktop accepts.
std::string DesktopEntryFileName(const std::string& name);

}  // namespace plorvane
