#pragma once
// Every text the editor and the player pass through Translate, gathered from the tables they are
// built from: the menu trees, the tool bar, the dialog filters, the error texts, the tool windows,
// the player menu, the splash and about screen, and the few prompts and words written where they
// are used.

#include <string>
#include <string_view>
#include <vector>

namespace plorvane {

struct CatalogueText {
  std::string key;    // the form the language table looks it up in (LookupKey)
  std::string shown;  // the line as shown, with its shortcut "&" and without trailing dots
};

// Whether a looked-up form holds anything to translate: numbers and signs alone ("2", "1 fps"
// holds "fps") need no line in a table.
bool NeedsTranslation(std::string_view key);

// Each text once, by key, in the order first met; only those that need translation.
std::vector<CatalogueText> TextCatalogue();

// The template of a language table: a comment on the format, "@language = ", then one
// "text = " line per catalogue text.
std::string TemplateTable();

}  // namespace plorvane
