#pragma once
// Language tables as people write them: UTF-8 text of "original = translation" lines, read into
// a translation table and written as a language file.
//
//   # a comment; blank lines are skipped
//   @language = Deutsch          the table's language name (pC)
//   @note = free text            the table's note
//   Save &As... = Speichern &unter...
//   " Vumra Enterprises" = " Vumra Enterprises"   quoted: blanks at either end are kept
//
// An original is kept in the form the table looks it up in: without its first "&" and its
// trailing run of spaces, commas and full stops, which Translate puts back from the text it is
// asked for. A translation loses the same trailing run; an "&" in it chooses the shortcut. A line
// with an empty translation leaves its text untranslated.

#include <string>
#include <string_view>
#include <vector>

#include "support/language.h"

namespace plorvane {

// The form in which the table holds a one-line text (see SplitCaption).
std::string LookupKey(std::string_view line);

struct LanguageTableResult {
  std::vector<std::string> errors;  // "line 12: ...", in line order; the table is unusable when any
  int untranslated = 0;             // lines left with an empty translation
};

// Reads the table text into `table` (reset first).
LanguageTableResult ReadLanguageTable(std::string_view text, TLanguage& table);

// Writes the table as a language file: beside the target first, then renamed over it, so a
// failed write leaves what was there. False with the reason in `error`.
bool WriteLanguageFile(const TLanguage& table, const std::string& path, std::string& error);

}  // namespace plorvane
