#pragma once
// PopupMenu trees as Qt actions, shared by popup menus and the menu bar. Each item becomes one
// QAction carrying its item's index (separators carry none); a submenu item is the menu action
// of a QMenu made from its submenu. The tree's structure (items, submenus, marks, shortcuts) is
// read once when it is built; captions and states are shown again by ApplyMenuStates.

#include <QMenu>
#include <functional>
#include <optional>
#include <vector>

#include "platform/popup_menu.h"

namespace plorvane {

// Adds the items of `menu` to `target` (a QMenu or a QMenuBar, which owns what is made). Runs
// of consecutive radio items form one radio group. Each submenu runs its model's OnOpen and
// shows its states again just before it opens. Shortcuts act in `shortcut_context`.
void FillMenu(QWidget& target, PopupMenu& menu, Qt::ShortcutContext shortcut_context = Qt::WidgetShortcut);

// The item index the picked action stands for, or -1 (no pick, or a separator).
int PickedIndex(const QAction* picked);

struct MenuItemRef {
  PopupMenu* menu = nullptr;  // the menu holding the item
  int index = -1;
};

struct MenuAction {
  QAction& action;
  MenuItemRef item;
  // False below a disabled submenu item: the item cannot be reached.
  bool reachable = true;
  // The menus from the root to item.menu, both included.
  const std::vector<PopupMenu*>& path;
};

// Every item action of the tree FillMenu built from `menu` in `target`, parents before the
// items of their submenus.
void VisitMenuActions(QWidget& target, PopupMenu& menu, const std::function<void(const MenuAction&)>& visit);

// Copies captions, enabled and checked states from the model to the actions. An item below a
// disabled submenu is disabled too, so its shortcut does nothing.
void ApplyMenuStates(QWidget& target, PopupMenu& menu);

// The model item `action` stands for, or nothing.
std::optional<MenuItemRef> FindMenuItem(QWidget& target, PopupMenu& menu, const QAction* action);

}  // namespace plorvane
