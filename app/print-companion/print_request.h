#pragma once
// What the print companion is asked to print: the card's title and the bitmap file the editor
// wrote for it.

#include <optional>
#include <span>
#include <string>

namespace plorvane {

struct PrintRequest {
  std::string title;
  std::string bitmap_path;

  friend bool operator==(const PrintRequest&, const PrintRequest&) = default;
};

// The request from the program's arguments (the program name not included). The editor hands
// over one parameter string, `"TITLE" "PATH"`; a launcher may pass it on whole, split at its
// blanks, or already unquoted as two arguments, and all of these are understood. Inside the
// string the path is the last quoted part, so a title may itself hold double quotes. A single
// unquoted argument is a path without a title. Nothing when no path can be made out, and for a
// quoted string of any other shape.
std::optional<PrintRequest> ReadPrintRequest(std::span<const std::string> arguments);

}  // namespace plorvane
