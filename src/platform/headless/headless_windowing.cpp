#include "platform/headless/headless_windowing.h"

#include <algorithm>

namespace plorvane {

std::unique_ptr<CardWindow> HeadlessWindowing::CreateCardWindow(WindowEventReceiver& receiver, WindowRole role) {
  auto window = std::make_unique<HeadlessCardWindow>(
      next_id_++, receiver, role, log_,
      [this](PopupMenu& menu, Point at) { ShowPopupMenu(menu, at); },
      [this](HeadlessCardWindow* gone) { std::erase(windows_, gone); });
  windows_.push_back(window.get());
  return window;
}

void HeadlessWindowing::ShowPopupMenu(PopupMenu& menu, Point screen_position) {
  menu.Opening();
  ShownMenu shown;
  shown.screen_position = screen_position;
  for (int i = 0; i < menu.Count(); ++i) {
    shown.items.push_back(ShownMenuItem{std::string(menu.Caption(i)), menu.IsEnabled(i), menu.IsSeparator(i)});
  }
  log_.Add("popup menu at " + std::to_string(screen_position.x) + "," + std::to_string(screen_position.y));
  const std::size_t index = shown_menus_.size();
  shown_menus_.push_back(std::move(shown));
  if (menu_picks_.empty()) return;

  const std::string pick = std::move(menu_picks_.front());
  menu_picks_.pop_front();
  log_.Add("menu pick " + pick);
  // By index: the handler may show further menus (growing the list) or destroy this menu.
  const bool picked = menu.ActivateByCaption(pick);
  shown_menus_[index].picked = picked;
}

int HeadlessWindowing::DeliverPendingPaints() {
  int painted = 0;
  // A paint handler may create or destroy windows, so walk a copy and skip the departed.
  const std::vector<HeadlessCardWindow*> snapshot = windows_;
  for (HeadlessCardWindow* window : snapshot) {
    if (std::find(windows_.begin(), windows_.end(), window) == windows_.end()) continue;
    if (window->DeliverPendingPaint()) ++painted;
  }
  return painted;
}

}  // namespace plorvane
