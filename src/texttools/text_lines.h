#pragma once
// Text as lines, as the text window's memo and the text files it loads and saves hold it.

#include <string>
#include <string_view>
#include <vector>

namespace plorvane {

// CR LF, a lone CR and a lone LF each end a line. A text that ends with a line break ends with
// an empty line, and an empty text is one empty line, so every break is kept.
std::vector<std::string> SplitLines(std::string_view text);

// The lines with `separator` between them (none after the last).
std::string JoinLines(const std::vector<std::string>& lines, std::string_view separator);

}  // namespace plorvane
