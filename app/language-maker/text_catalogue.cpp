#include "text_catalogue.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "animation/ui/element_window_texts.h"
#include "card/player_menu_texts.h"
#include "editor/command_table.h"
#include "editor/dialog_specs.h"
#include "editor/editor_texts.h"
#include "editor/tool_bar.h"
#include "media/mci_error.h"
#include "media/splash_texts.h"
#include "support/language_table.h"
#include "support/messages.h"
#include "support/scramble.h"
#include "support/translate.h"
#include "texttools/ui/symbol_window_texts.h"
#include "texttools/ui/text_insert_commands.h"
#include "texttools/ui/tool_window_texts.h"

namespace plorvane {
namespace {

class Catalogue {
 public:
  // Each line of the text by itself, as Translate looks them up.
  void Add(std::string_view text) {
    for (const std::string_view line : SplitAtLineBreaks(text)) {
      CaptionParts parts = SplitCaption(line);
      if (!NeedsTranslation(parts.core)) continue;
      if (!keys_.insert(parts.core).second) continue;
      texts_.push_back({std::move(parts.core), std::string(line.substr(0, line.size() - parts.tail.size()))});
    }
  }
  template <typename Texts>
  void AddAll(const Texts& texts) {
    for (const auto& text : texts) Add(text);
  }
  void AddMenu(const std::vector<MenuNode>& nodes) {
    for (const MenuNode& node : nodes) {
      Add(node.caption);
      AddMenu(node.items);
    }
  }

  std::vector<CatalogueText> Take() { return std::move(texts_); }

 private:
  std::set<std::string> keys_;
  std::vector<CatalogueText> texts_;
};

void AddTextInsertWindow(Catalogue& catalogue) {
  for (const text_insert::Menu& menu : text_insert::Menus()) {
    catalogue.Add(menu.caption);
    for (const text_insert::MenuItem& item : menu.items) catalogue.Add(item.caption);
  }
  for (const text_insert::ToolButton& button : text_insert::ToolButtons()) catalogue.AddAll(button.hint);
}

}  // namespace

bool NeedsTranslation(std::string_view key) {
  return std::any_of(key.begin(), key.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
  });
}

std::vector<CatalogueText> TextCatalogue() {
  Catalogue catalogue;
  catalogue.AddMenu(MainMenuTree());
  catalogue.AddMenu(PopupMenu1Tree());
  catalogue.AddMenu(PopupMenu2Tree());
  catalogue.AddAll(ToolBarHintLines());
  catalogue.AddAll(DialogFilterLabels());
  catalogue.AddAll(editor_texts::kAll);
  catalogue.AddAll(editor_texts::kCardInformation);
  catalogue.AddAll(msg::kAllMessages);
  catalogue.AddAll(std::array{msg::kNoMciDeviceOpen, msg::kUnknownErrorCode});
  catalogue.AddAll(player_texts::kAll);
  for (const std::string_view scrambled : {splash_texts::kAboutPrefix, splash_texts::kVersionLabel,
                                           splash_texts::kNoticeStart, splash_texts::kNoticeEnd,
                                           splash_texts::kLinkLabel}) {
    catalogue.Add(ScrambleText(scrambled, false));
  }
  catalogue.AddAll(tool_window_texts::kAll);
  AddTextInsertWindow(catalogue);
  catalogue.AddAll(symbol_window_texts::kAll);
  catalogue.AddAll(element_window_texts::kAll);
  return catalogue.Take();
}

std::string TemplateTable() {
  std::string table =
      "# Language table of Plorvane: write each translation after its \"=\".\n"
      "# A text left without one stays in English. \"&\" marks the shortcut letter;\n"
      "# without one in the translation, the original's letter is marked where it occurs.\n"
      "# A text in double quotes keeps the blanks at its ends.\n"
      "# Make the language file with: plorvane-language make THIS-FILE.txt\n"
      "@language = \n\n";
  for (const CatalogueText& text : TextCatalogue()) {
    const bool quoted = text.shown.front() == ' ' || text.shown.back() == ' ' || text.shown.front() == '"';
    table += (quoted ? "\"" + text.shown + "\"" : text.shown) + " = \n";
  }
  return table;
}

}  // namespace plorvane
