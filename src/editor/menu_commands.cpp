#include "editor/menu_commands.h"

#include "support/translate.h"

namespace plorvane {

void CommandSet::Register(std::string_view name, std::function<void()> run) {
  commands_[std::string(name)] = std::move(run);
}

bool CommandSet::Has(std::string_view name) const { return commands_.find(name) != commands_.end(); }

bool CommandSet::Run(std::string_view name) const {
  const auto found = commands_.find(name);
  if (found == commands_.end() || !found->second) return false;
  // A copy: the command may replace the set's entries while it runs.
  const std::function<void()> run = found->second;
  run();
  return true;
}

void MenuIndex::Build(PopupMenu& menu, const std::vector<MenuNode>& nodes, const CommandSet& commands) {
  for (const MenuNode& node : nodes) {
    if (node.caption == PopupMenu::kSeparatorCaption) {
      menu.AddSeparator();
      continue;
    }
    const std::string name(node.name);
    const bool has_command = commands.Has(name);
    int index = 0;
    if (node.IsSubmenu()) {
      index = menu.AddSubmenu(std::string(node.caption));
      PopupMenu& submenu = *menu.Submenu(index);
      if (has_command) submenu.OnOpen = [&commands, name] { commands.Run(name); };
      Build(submenu, node.items, commands);
    } else {
      index = menu.AddItem(std::string(node.caption), [&commands, name] { commands.Run(name); });
      menu.SetEnabled(index, has_command);
    }
    menu.SetShortcut(index, std::string(node.shortcut));
    menu.SetMark(index, node.mark);
    // A submenu opens whether or not it has a refresh of its own.
    places_.emplace(name, Place{&menu, index, has_command || node.IsSubmenu()});
  }
}

template <typename Action>
void MenuIndex::ForEach(std::string_view name, Action action) const {
  const auto [first, last] = places_.equal_range(name);
  for (auto it = first; it != last; ++it) action(it->second);
}

void MenuIndex::SetEnabled(std::string_view name, bool enabled) {
  ForEach(name, [enabled](const Place& place) { place.menu->SetEnabled(place.index, enabled && place.has_command); });
}

void MenuIndex::SetChecked(std::string_view name, bool checked) {
  ForEach(name, [checked](const Place& place) { place.menu->SetChecked(place.index, checked); });
}

void MenuIndex::SetCaption(std::string_view name, const std::string& caption) {
  ForEach(name, [&caption](const Place& place) { place.menu->SetCaption(place.index, caption); });
}

void MenuIndex::SetHint(std::string_view name, const std::string& hint) {
  ForEach(name, [&hint](const Place& place) { place.menu->SetHint(place.index, hint); });
}

bool MenuIndex::IsEnabled(std::string_view name) const {
  bool enabled = false;
  ForEach(name, [&enabled](const Place& place) { enabled = enabled || place.menu->IsEnabled(place.index); });
  return enabled;
}

void TranslateMenu(PopupMenu& menu) {
  for (int i = 0; i < menu.Count(); ++i) {
    if (menu.IsSeparator(i)) continue;
    menu.SetCaption(i, Translate(menu.Caption(i)));
    if (PopupMenu* submenu = menu.Submenu(i)) TranslateMenu(*submenu);
  }
}

}  // namespace plorvane
