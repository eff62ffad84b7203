#pragma once
// The contents of a menu: a popup menu, or one top menu of a menu bar with its submenus. The
// core builds the tree and sets captions, enabled, checked states and shortcuts; the platform
// only shows it (Windowing::ShowPopupMenu, or a window's menu bar) and activates the item the
// user picks.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plorvane {

// How an item shows its checked state: not at all, as a check mark, or as a radio mark. Items
// of one radio group are exclusive only because the core checks one of them at a time.
enum class MenuMark { kNone, kCheck, kRadio };

class PopupMenu {
 public:
  // Separators carry the caption "-", as menu translation expects.
  static constexpr std::string_view kSeparatorCaption = "-";

  PopupMenu() = default;
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;
  PopupMenu(PopupMenu&&) noexcept = default;
  PopupMenu& operator=(PopupMenu&&) noexcept = default;
  ~PopupMenu() = default;

  // Each answers the new item's index.
  int AddItem(std::string caption, std::function<void()> on_click);
  int AddSeparator();
  // An item that opens a submenu, owned by this menu.
  int AddSubmenu(std::string caption);

  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  // Out-of-range indexes answer an empty caption or shortcut, false, MenuMark::kNone or nullptr.
  [[nodiscard]] std::string_view Caption(int index) const;
  [[nodiscard]] bool IsEnabled(int index) const;
  [[nodiscard]] bool IsSeparator(int index) const;
  [[nodiscard]] MenuMark Mark(int index) const;
  [[nodiscard]] bool IsChecked(int index) const;
  // A key sequence in the portable form "Ctrl+N", "Shift+F1", "F10"; empty for none.
  [[nodiscard]] std::string_view Shortcut(int index) const;
  // Why the item is as it is (shown as its tooltip); empty for none.
  [[nodiscard]] std::string_view Hint(int index) const;
  [[nodiscard]] PopupMenu* Submenu(int index);
  [[nodiscard]] const PopupMenu* Submenu(int index) const;
  // The first item with exactly this caption, or -1.
  [[nodiscard]] int IndexOf(std::string_view caption) const;

  // False for an index out of range.
  bool SetCaption(int index, std::string caption);
  bool SetEnabled(int index, bool enabled);
  bool SetMark(int index, MenuMark mark);
  bool SetChecked(int index, bool checked);
  bool SetShortcut(int index, std::string shortcut);
  bool SetHint(int index, std::string hint);

  // Runs just before the menu (or this submenu) opens, so the core can refresh the items'
  // states. Also run before a shortcut of one of its items is matched.
  std::function<void()> OnOpen;
  void Opening() const {
    if (OnOpen) OnOpen();
  }

  // Runs the item's click handler; false (and nothing run) for a separator, a submenu, a
  // disabled item or an index out of range. The handler may destroy the menu.
  bool Activate(int index);
  bool ActivateByCaption(std::string_view caption) { return Activate(IndexOf(caption)); }

 private:
  struct Item {
    std::string caption;
    bool enabled = true;
    bool separator = false;
    MenuMark mark = MenuMark::kNone;
    bool checked = false;
    std::string shortcut;
    std::string hint;
    std::function<void()> on_click;
    std::unique_ptr<PopupMenu> submenu;
  };

  [[nodiscard]] const Item* Find(int index) const;
  [[nodiscard]] Item* Find(int index);
  // Sets one field of the item at `index`; false when there is none.
  template <typename Field, typename Value>
  bool SetField(int index, Field Item::*field, Value&& value) {
    Item* item = Find(index);
    if (!item) return false;
    item->*field = std::forward<Value>(value);
    return true;
  }

  std::vector<Item> items_;
};

}  // namespace plorvane
