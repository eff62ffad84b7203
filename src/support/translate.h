#pragma once
// Every text the programs show passes through Translate.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plorvane {

class TLanguage;

// The shared translation table, loaded from the language file on first use.
TLanguage& Language();

// Lines split at CR LF, CR or LF; a break at the very end starts no further line.
std::vector<std::string_view> SplitAtLineBreaks(std::string_view text);

// One line as the table sees it: the core without its first "&", the trailing run of spaces,
// commas and full stops (a line made only of those is all core), and the letter after the "&".
struct CaptionParts {
  std::string core;
  std::string_view tail;
  std::optional<char> shortcut;
};
CaptionParts SplitCaption(std::string_view line);

// Translates line by line: a trailing run of spaces, commas and full stops is kept aside, the
// "&" of a shortcut is taken out for the lookup and put back before the same letter of the
// translation, unless the translation chose its own "&" (which a text without a shortcut drops).
// Lines without a translation come back exactly as they were.
std::string TranslateWith(const TLanguage& table, std::string_view text);
// With PLORVANE_TRANSLATE_LOG naming a file, each line asked for is appended to it, one a line.
std::string Translate(std::string_view text);

}  // namespace plorvane
