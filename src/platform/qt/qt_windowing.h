#pragma once
// Card windows and popup menus on Qt.

#include <memory>

#include "platform/qt/qt_cursors.h"
#include "platform/qt/qt_menus.h"
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

}  // namespace plorvane
