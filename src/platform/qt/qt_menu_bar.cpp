#include "platform/qt/qt_menu_bar.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include "platform/qt/qt_menus.h"

namespace plorvane {

QtMenuBar::QtMenuBar(QMenuBar& bar, PopupMenu& model) : bar_(bar), model_(model) {
  FillMenu(bar_, model_, Qt::ApplicationShortcut);
  VisitMenuActions(bar_, model_, [this](const MenuAction& entry) {
    QAction* action = &entry.action;
    // Queued: the Qt menus close first, and a command may destroy this bar or its window.
    QObject::connect(action, &QAction::triggered, this, [this, action] { Activate(action); }, Qt::QueuedConnection);
  });
  // The shortcut map consults the actions' enabled states right after this event reaches the
  // focus widget, so refreshing them here lets the current states decide.
  QCoreApplication::instance()->installEventFilter(this);
}

QtMenuBar::~QtMenuBar() = default;

void QtMenuBar::Refresh() { ApplyMenuStates(bar_, model_); }

void QtMenuBar::Activate(const QAction* action) {
  const std::optional<MenuItemRef> item = FindMenuItem(bar_, model_, action);
  if (!item) return;
  const QPointer<QtMenuBar> alive(this);
  item->menu->Activate(item->index);
  if (alive) Refresh();
}

bool QtMenuBar::OpenMenusOfShortcut(const QKeySequence& key) {
  bool found = false;
  VisitMenuActions(bar_, model_, [&](const MenuAction& entry) {
    if (entry.action.shortcut().isEmpty() || entry.action.shortcut() != key) return;
    found = true;
    // The bar itself does not open; its menus down to the item's do.
    for (std::size_t depth = 1; depth < entry.path.size(); ++depth) entry.path[depth]->Opening();
  });
  return found;
}

bool QtMenuBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier), Qt::Key(key->key())));
    if (OpenMenusOfShortcut(pressed)) Refresh();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace plorvane
