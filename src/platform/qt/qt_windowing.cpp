#include "platform/qt/qt_windowing.h"

#include "platform/popup_menu.h"
#include "platform/qt/qt_card_window.h"

namespace plorvane {

std::unique_ptr<CardWindow> QtWindowing::CreateCardWindow(WindowEventReceiver& receiver, WindowRole role) {
  return std::make_unique<QtCardWindow>(receiver, role, cursors_,
                                        [this](PopupMenu& menu, Point at) { ShowPopupMenu(menu, at); });
}

void FillMenu(QMenu& target, const PopupMenu& menu) {
  for (int index = 0; index < menu.Count(); ++index) {
    if (menu.IsSeparator(index)) {
      target.addSeparator();
      continue;
    }
    QAction* action = target.addAction(QString::fromStdString(std::string(menu.Caption(index))));
    action->setEnabled(menu.IsEnabled(index));
    action->setData(index);
  }
}

int PickedIndex(const QAction* picked) {
  if (picked == nullptr || picked->isSeparator() || !picked->data().isValid()) return -1;
  return picked->data().toInt();
}

void QtWindowing::ShowPopupMenu(PopupMenu& menu, Point screen_position) {
  int picked = -1;
  {
    QMenu shown;
    FillMenu(shown, menu);
    picked = PickedIndex(shown.exec(QPoint(screen_position.x, screen_position.y)));
  }
  // The Qt menu is gone before the command runs: the command may destroy the menu it came from.
  if (picked >= 0) menu.Activate(picked);
}

}  // namespace plorvane
