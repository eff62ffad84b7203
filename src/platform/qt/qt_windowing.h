#pragma once
// Card windows and popup menus on Qt.

#include <QMenu>
#include <memory>

#include "platform/qt/qt_cursors.h"
#include "platform/windowing.h"

namespace plorvane {

class QtWindowing final : public Windowing {
 public:
  explicit QtWindowing(QtCursors& cursors) : cursors_(cursors) {}

  [[nodiscard]] std::unique_ptr<CardWindow> CreateCardWindow(WindowEventReceiver& receiver, WindowRole role) override;
  void ShowPopupMenu(PopupMenu& menu, Point screen_position) override;

 private:
  QtCursors& cursors_;
};

// The menu's items as Qt actions, each carrying its item's index; separators carry none.
void FillMenu(QMenu& target, const PopupMenu& menu);
// The item index the picked action stands for, or -1 (no pick, or a separator).
int PickedIndex(const QAction* picked);

}  // namespace plorvane
