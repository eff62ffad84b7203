#pragma once
// The commands the editor has, by the name of the menu item or refresh that runs them, and the
// menus built from the menu tables with each item wired to its command. An item whose command
// is not registered is shown disabled, so no item ever does nothing silently.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "editor/command_table.h"
#include "platform/popup_menu.h"

namespace plorvane {

class CommandSet {
 public:
  void Register(std::string_view name, std::function<void()> run);
  [[nodiscard]] bool Has(std::string_view name) const;
  // False when nothing of that name is registered.
  bool Run(std::string_view name) const;

 private:
  std::map<std::string, std::function<void()>, std::less<>> commands_;
};

class MenuIndex {
 public:
  // Adds the nodes to `menu`. Registering commands must be complete: items are enabled exactly
  // when their command exists. `commands` must outlive the menu.
  void Build(PopupMenu& menu, const std::vector<MenuNode>& nodes, const CommandSet& commands);

  // Every item of that name, in every menu built; an item without its command stays disabled.
  void SetEnabled(std::string_view name, bool enabled);
  void SetChecked(std::string_view name, bool checked);
  void SetCaption(std::string_view name, const std::string& caption);
  void SetHint(std::string_view name, const std::string& hint);
  [[nodiscard]] bool IsEnabled(std::string_view name) const;

 private:
  struct Place {
    PopupMenu* menu;
    int index;
    bool has_command;
  };
  template <typename Action>
  void ForEach(std::string_view name, Action action) const;

  std::multimap<std::string, Place, std::less<>> places_;
};

// Every caption except the separators through Translate, submenus included.
void TranslateMenu(PopupMenu& menu);

}  // namespace plorvane
