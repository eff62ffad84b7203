#include "platform/popup_menu.h"

#include <utility>

namespace plorvane {

int PopupMenu::AddItem(std::string caption, std::function<void()> on_click) {
  Item item;
  item.caption = std::move(caption);
  item.on_click = std::move(on_click);
  items_.push_back(std::move(item));
  return Count() - 1;
}

int PopupMenu::AddSeparator() {
  Item item;
  item.caption = std::string(kSeparatorCaption);
  item.separator = true;
  items_.push_back(std::move(item));
  return Count() - 1;
}

int PopupMenu::AddSubmenu(std::string caption) {
  Item item;
  item.caption = std::move(caption);
  item.submenu = std::make_unique<PopupMenu>();
  items_.push_back(std::move(item));
  return Count() - 1;
}

const PopupMenu::Item* PopupMenu::Find(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &items_[static_cast<std::size_t>(index)];
}

PopupMenu::Item* PopupMenu::Find(int index) {
  return const_cast<Item*>(std::as_const(*this).Find(index));
}

std::string_view PopupMenu::Caption(int index) const {
  const Item* item = Find(index);
  return item ? std::string_view(item->caption) : std::string_view();
}

bool PopupMenu::IsEnabled(int index) const {
  const Item* item = Find(index);
  return item && item->enabled;
}

bool PopupMenu::IsSeparator(int index) const {
  const Item* item = Find(index);
  return item && item->separator;
}

MenuMark PopupMenu::Mark(int index) const {
  const Item* item = Find(index);
  return item ? item->mark : MenuMark::kNone;
}

bool PopupMenu::IsChecked(int index) const {
  const Item* item = Find(index);
  return item && item->checked;
}

std::string_view PopupMenu::Shortcut(int index) const {
  const Item* item = Find(index);
  return item ? std::string_view(item->shortcut) : std::string_view();
}

std::string_view PopupMenu::Hint(int index) const {
  const Item* item = Find(index);
  return item ? std::string_view(item->hint) : std::string_view();
}

PopupMenu* PopupMenu::Submenu(int index) {
  Item* item = Find(index);
  return item ? item->submenu.get() : nullptr;
}

const PopupMenu* PopupMenu::Submenu(int index) const {
  const Item* item = Find(index);
  return item ? item->submenu.get() : nullptr;
}

int PopupMenu::IndexOf(std::string_view caption) const {
  for (int i = 0; i < Count(); ++i) {
    if (items_[static_cast<std::size_t>(i)].caption == caption) return i;
  }
  return -1;
}

bool PopupMenu::SetCaption(int index, std::string caption) { return SetField(index, &Item::caption, std::move(caption)); }

bool PopupMenu::SetEnabled(int index, bool enabled) { return SetField(index, &Item::enabled, enabled); }

bool PopupMenu::SetMark(int index, MenuMark mark) { return SetField(index, &Item::mark, mark); }

bool PopupMenu::SetChecked(int index, bool checked) { return SetField(index, &Item::checked, checked); }

bool PopupMenu::SetHint(int index, std::string hint) { return SetField(index, &Item::hint, std::move(hint)); }

bool PopupMenu::SetShortcut(int index, std::string shortcut) {
  Item* item = Find(index);
  if (!item) return false;
  item->shortcut = std::move(shortcut);
  return true;
}

bool PopupMenu::Activate(int index) {
  const Item* item = Find(index);
  if (!item || item->separator || item->submenu || !item->enabled || !item->on_click) return false;
  // A copy, because "Exit" and "Edit" destroy the card that owns this menu while running.
  const std::function<void()> handler = item->on_click;
  handler();
  return true;
}

}  // namespace plorvane
