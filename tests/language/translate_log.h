#pragma once
// The log of texts asked of Translate, read back as the forms the language table looks up.

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "support/language_table.h"
#include "text_catalogue.h"

namespace plorvane::test {

inline constexpr const char* kTranslateLogVariable = "PLORVANE_TRANSLATE_LOG";

// Every looked-up form in the log so far that needs translation.
inline std::set<std::string> LoggedKeys() {
  std::set<std::string> keys;
  std::ifstream log(std::getenv(kTranslateLogVariable));
  for (std::string line; std::getline(log, line);) {
    std::string key = LookupKey(line);
    if (NeedsTranslation(key)) keys.insert(std::move(key));
  }
  return keys;
}

inline std::set<std::string> CatalogueKeys() {
  std::set<std::string> keys;
  for (const CatalogueText& text : TextCatalogue()) keys.insert(text.key);
  return keys;
}

}  // namespace plorvane::test
