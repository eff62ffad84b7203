#pragma once
// Makes card windows and shows popup menus.

#include <memory>

#include "graphics/canvas.h"
#include "platform/card_window.h"
#include "platform/popup_menu.h"

namespace plorvane {

class Windowing {
 public:
  virtual ~Windowing() = default;

  // A hidden, borderless window of size 1 x 1 at (0, 0) that reports to `receiver`, which must
  // outlive it.
  [[nodiscard]] virtual std::unique_ptr<CardWindow> CreateCardWindow(WindowEventReceiver& receiver,
                                                                     WindowRole role) = 0;
  // Shows the menu at a screen point and waits for the user; the picked item is activated
  // (PopupMenu::Activate) before this returns.
  virtual void ShowPopupMenu(PopupMenu& menu, Point screen_position) = 0;
};

}  // namespace plorvane
