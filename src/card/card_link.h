#pragma once
// What the card's link may hand to the shell. A card can come from a stranger, so only web and
// mail addresses are opened (the scheme compared without regard to case), and a mail address
// keeps only the fields a greeting needs: some mail programs honour "attach=" and would send a
// local file along.

#include <optional>
#include <string>
#include <string_view>

namespace plorvane {

// The address to open for the link, or nothing when it must not be opened. A "mailto:" address
// keeps its recipients and its "subject", "body" and "cc" fields; every other field goes.
std::optional<std::string> LinkToOpen(std::string_view link);

}  // namespace plorvane
