#include "platform/qt/qt_menus.h"

#include <QActionGroup>
#include <string>

namespace plorvane {
namespace {

QString QtText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void Visit(QWidget& target, PopupMenu& menu, bool reachable, std::vector<PopupMenu*>& path,
           const std::function<void(const MenuAction&)>& visit) {
  path.push_back(&menu);
  for (QAction* action : target.actions()) {
    const int index = PickedIndex(action);
    if (index < 0 || index >= menu.Count()) continue;
    visit(MenuAction{*action, MenuItemRef{&menu, index}, reachable, path});
    PopupMenu* submenu = menu.Submenu(index);
    QMenu* shown = action->menu();
    if (submenu != nullptr && shown != nullptr) {
      Visit(*shown, *submenu, reachable && menu.IsEnabled(index), path, visit);
    }
  }
  path.pop_back();
}

QAction* SubmenuAction(QWidget& target, PopupMenu& submenu, Qt::ShortcutContext shortcut_context) {
  auto* shown = new QMenu(&target);
  shown->setToolTipsVisible(true);  // items say why they are disabled
  FillMenu(*shown, submenu, shortcut_context);
  QObject::connect(shown, &QMenu::aboutToShow, shown, [shown, &submenu] {
    submenu.Opening();
    ApplyMenuStates(*shown, submenu);
  });
  return shown->menuAction();
}

}  // namespace

void FillMenu(QWidget& target, PopupMenu& menu, Qt::ShortcutContext shortcut_context) {
  QActionGroup* radio_group = nullptr;
  for (int index = 0; index < menu.Count(); ++index) {
    QAction* action = nullptr;
    if (menu.IsSeparator(index)) {
      action = new QAction(&target);
      action->setSeparator(true);
    } else if (PopupMenu* submenu = menu.Submenu(index)) {
      action = SubmenuAction(target, *submenu, shortcut_context);
    } else {
      action = new QAction(&target);
      action->setShortcut(QKeySequence::fromString(QtText(menu.Shortcut(index)), QKeySequence::PortableText));
      action->setShortcutContext(shortcut_context);
    }
    if (!menu.IsSeparator(index)) action->setData(index);
    if (menu.Mark(index) != MenuMark::kRadio) {
      radio_group = nullptr;
    } else {
      if (radio_group == nullptr) {
        radio_group = new QActionGroup(&target);
        // The core decides which item is checked, none included.
        radio_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
      }
      radio_group->addAction(action);
    }
    target.addAction(action);
  }
  ApplyMenuStates(target, menu);
}

int PickedIndex(const QAction* picked) {
  if (picked == nullptr || picked->isSeparator() || !picked->data().isValid()) return -1;
  return picked->data().toInt();
}

void VisitMenuActions(QWidget& target, PopupMenu& menu, const std::function<void(const MenuAction&)>& visit) {
  std::vector<PopupMenu*> path;
  Visit(target, menu, true, path, visit);
}

void ApplyMenuStates(QWidget& target, PopupMenu& menu) {
  VisitMenuActions(target, menu, [](const MenuAction& entry) {
    const PopupMenu& model = *entry.item.menu;
    const int index = entry.item.index;
    entry.action.setText(QtText(model.Caption(index)));
    entry.action.setEnabled(entry.reachable && model.IsEnabled(index));
    entry.action.setCheckable(model.Mark(index) != MenuMark::kNone);
    entry.action.setChecked(model.IsChecked(index));
    entry.action.setToolTip(QtText(model.Hint(index)));
  });
}

std::optional<MenuItemRef> FindMenuItem(QWidget& target, PopupMenu& menu, const QAction* action) {
  std::optional<MenuItemRef> found;
  VisitMenuActions(target, menu, [&](const MenuAction& entry) {
    if (&entry.action == action) found = entry.item;
  });
  return found;
}

}  // namespace plorvane
