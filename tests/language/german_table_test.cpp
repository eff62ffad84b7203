// The German table: a line for every text of the template, and menus whose shortcuts stay
// distinct in German.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "editor/command_table.h"
#include "language/translate_log.h"
#include "support/text_case.h"
#include "support/translate.h"
#include "texttools/ui/text_insert_commands.h"

namespace plorvane {
namespace {

TLanguage German() {
  std::ifstream in(PLORVANE_GERMAN_TABLE, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  TLanguage table;
  const LanguageTableResult result = ReadLanguageTable(text, table);
  for (const std::string& error : result.errors) ADD_FAILURE() << error;
  EXPECT_EQ(result.untranslated, 0);
  return table;
}

// The shortcut letter of a shown caption, upper case; 0 for none.
char Shortcut(std::string_view caption) {
  const auto amp = caption.find('&');
  return amp == std::string_view::npos || amp + 1 >= caption.size() ? 0 : ToUpperAscii(caption[amp + 1]);
}

// The captions of one menu in German: each English shortcut kept, and none twice.
void ExpectDistinctShortcuts(const TLanguage& german, const std::string& menu,
                             const std::vector<std::string_view>& captions) {
  std::map<char, std::string> taken;
  for (const std::string_view caption : captions) {
    if (Shortcut(caption) == 0) continue;
    const std::string shown = TranslateWith(german, caption);
    const char letter = Shortcut(shown);
    EXPECT_NE(letter, 0) << menu << ": \"" << shown << "\" lost the shortcut of \"" << caption << "\"";
    if (letter == 0) continue;
    const auto [other, fresh] = taken.emplace(letter, shown);
    EXPECT_TRUE(fresh) << menu << ": \"" << shown << "\" and \"" << other->second << "\" share &" << letter;
  }
}

void ExpectDistinctShortcuts(const TLanguage& german, const std::string& menu, const std::vector<MenuNode>& nodes) {
  std::vector<std::string_view> captions;
  for (const MenuNode& node : nodes) {
    captions.push_back(node.caption);
    if (node.IsSubmenu()) ExpectDistinctShortcuts(german, menu + " > " + std::string(node.caption), node.items);
  }
  ExpectDistinctShortcuts(german, menu, captions);
}

TEST(GermanTableTest, EveryTextOfTheTemplateHasAGermanLine) {
  const TLanguage german = German();
  EXPECT_EQ(german.pC, "Deutsch");
  for (const CatalogueText& text : TextCatalogue()) {
    EXPECT_GE(german.IndexOf(text.key), 0) << "no German line for \"" << text.key << "\"";
  }
}

TEST(GermanTableTest, ShortcutsStayDistinctWithinEachMenu) {
  const TLanguage german = German();
  ExpectDistinctShortcuts(german, "menu bar", MainMenuTree());
  ExpectDistinctShortcuts(german, "card menu", PopupMenu1Tree());
  std::vector<std::string_view> bar;
  for (const text_insert::Menu& menu : text_insert::Menus()) {
    bar.push_back(menu.caption);
    std::vector<std::string_view> items;
    for (const text_insert::MenuItem& item : menu.items) items.push_back(item.caption);
    ExpectDistinctShortcuts(german, "insert text > " + std::string(menu.caption), items);
  }
  ExpectDistinctShortcuts(german, "insert text", bar);
}

}  // namespace
}  // namespace plorvane
