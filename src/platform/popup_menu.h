#pragma once
// The contents of a popup menu. The core builds and enables the items; the platform only shows
// them (Windowing::ShowPopupMenu) and activates the one the user picks.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace plorvane {

class PopupMenu {
 public:
  // Separators carry the caption "-", as menu translation expects.
  static constexpr std::string_view kSeparatorCaption = "-";

  // Each answers the new item's index.
  int AddItem(std::string caption, std::function<void()> on_click);
  int AddSeparator();

  [[nodiscard]] int Count() const { return static_cast<int>(items_.size()); }
  // Out-of-range indexes answer an empty caption and false.
  [[nodiscard]] std::string_view Caption(int index) const;
  [[nodiscard]] bool IsEnabled(int index) const;
  [[nodiscard]] bool IsSeparator(int index) const;
  // The first item with exactly this caption, or -1.
  [[nodiscard]] int IndexOf(std::string_view caption) const;

  // False for an index out of range.
  bool SetCaption(int index, std::string caption);
  bool SetEnabled(int index, bool enabled);

  // Runs the item's click handler; false (and nothing run) for a separator, a disabled item or
  // an index out of range. The handler may destroy the menu.
  bool Activate(int index);
  bool ActivateByCaption(std::string_view caption) { return Activate(IndexOf(caption)); }

 private:
  struct Item {
    std::string caption;
    bool enabled = true;
    bool separator = false;
    std::function<void()> on_click;
  };

  [[nodiscard]] const Item* Find(int index) const;
  [[nodiscard]] Item* Find(int index);

  std::vector<Item> items_;
};

}  // namespace plorvane
