#pragma once

#include <string_view>

namespace plorvane {

// File-name mask matching: "*" any run of characters, "?" exactly one; letters match in either
// case, as file masks always have for this program's own upper-case names.
bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace plorvane
