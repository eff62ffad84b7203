#pragma once
// Every text the programs show passes through Translate.

#include <string>
#include <string_view>

namespace plorvane {

class TLanguage;

// The shared translation table, loaded from the language file on first use.
TLanguage& Language();

// Translates line by line: a trailing run of spaces, commas and full stops is kept aside, the
// "&" of a shortcut is taken out for the lookup and put back before the same letter of the
// translation. Lines without a translation come back exactly as they were.
std::string TranslateWith(const TLanguage& table, std::string_view text);
std::string Translate(std::string_view text);

}  // namespace plorvane
