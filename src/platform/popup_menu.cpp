#include "platform/popup_menu.h"

#include <utility>

namespace plorvane {

int PopupMenu::AddItem(std::string caption, std::function<void()> on_click) {
  items_.push_back(Item{std::move(caption), true, false, std::move(on_click)});
  return Count() - 1;
}

int PopupMenu::AddSeparator() {
  items_.push_back(Item{std::string(kSeparatorCaption), true, true, {}});
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

int PopupMenu::IndexOf(std::string_view caption) const {
  for (int i = 0; i < Count(); ++i) {
    if (items_[static_cast<std::size_t>(i)].caption == caption) return i;
  }
  return -1;
}

bool PopupMenu::SetCaption(int index, std::string caption) {
  Item* item = Find(index);
  if (!item) return false;
  item->caption = std::move(caption);
  return true;
}

bool PopupMenu::SetEnabled(int index, bool enabled) {
  Item* item = Find(index);
  if (!item) return false;
  item->enabled = enabled;
  return true;
}

bool PopupMenu::Activate(int index) {
  const Item* item = Find(index);
  if (!item || item->separator || !item->enabled || !item->on_click) return false;
  // A copy, because "Exit" and "Edit" destroy the card that owns this menu while running.
  const std::function<void()> handler = item->on_click;
  handler();
  return true;
}

}  // namespace plorvane
