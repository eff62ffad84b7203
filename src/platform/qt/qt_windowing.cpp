#include "platform/qt/qt_windowing.h"

#include "platform/popup_menu.h"
#include "platform/qt/qt_card_window.h"

namespace plorvane {

std::unique_ptr<CardWindow> QtWindowing::CreateCardWindow(WindowEventReceiver& receiver, WindowRole role) {
  return std::make_unique<QtCardWindow>(receiver, role, cursors_,
                                        [this](PopupMenu& menu, Point at) { ShowPopupMenu(menu, at); });
}

void QtWindowing::ShowPopupMenu(PopupMenu& menu, Point screen_position) {
  menu.Opening();
  std::optional<MenuItemRef> picked;
  {
    QMenu shown;
    shown.setToolTipsVisible(true);
    FillMenu(shown, menu);
    picked = FindMenuItem(shown, menu, shown.exec(QPoint(screen_position.x, screen_position.y)));
  }
  // The Qt menu is gone before the command runs: the command may destroy the menu it came from.
  if (picked) picked->menu->Activate(picked->index);
}

}  // namespace plorvane
