#pragma once
// A window's menu bar built from a PopupMenu whose items are the top menus: each submenu item
// is one top menu with its caption ("&File"), the submenu's items are that menu's items. A top
// item without a submenu is a command on the bar itself.
//
//   PopupMenu bar_model;
//   PopupMenu& file = *bar_model.Submenu(bar_model.AddSubmenu("&File"));
//   file.OnOpen = [&] { file.SetEnabled(save, CardFileExists()); };
//   QtMenuBar bar(*window.menuBar(), bar_model);
//
// Before a top menu or a submenu opens, its OnOpen runs and its actions show the model again.
// Shortcuts act application-wide, so they also work while the card window has the focus; before
// one is matched, the OnOpen of the menus holding its item run and the bar is refreshed, so an
// item disabled by its menu's OnOpen (or lying in a disabled menu) ignores its shortcut. An
// item is activated through PopupMenu::Activate once the Qt menus have closed, and the bar is
// refreshed after it, because Qt toggles check marks on its own when an item is clicked.
//
// The model must outlive the bar and keep its structure (items, submenus, marks, shortcuts);
// captions and states follow on every Refresh.

#include <QMenuBar>
#include <QObject>

#include "platform/popup_menu.h"

namespace plorvane {

class QtMenuBar final : public QObject {
 public:
  QtMenuBar(QMenuBar& bar, PopupMenu& model);
  QtMenuBar(const QtMenuBar&) = delete;
  QtMenuBar& operator=(const QtMenuBar&) = delete;
  ~QtMenuBar() override;

  // Copies captions, enabled and checked states from the model to the actions.
  void Refresh();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Activate(const QAction* action);
  // Runs the OnOpen of the menus holding the items whose shortcut is `key`; false when none has it.
  bool OpenMenusOfShortcut(const QKeySequence& key);

  QMenuBar& bar_;
  PopupMenu& model_;
};

}  // namespace plorvane
