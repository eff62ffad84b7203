#pragma once
// Card windows and popup menus without a display. Every menu shown runs its OnOpen and is
// recorded as it looked then; scripted picks are applied in order, one per menu shown.

#include <deque>
#include <string>
#include <vector>

#include "platform/headless/call_log.h"
#include "platform/headless/headless_card_window.h"
#include "platform/windowing.h"

namespace plorvane {

struct ShownMenuItem {
  std::string caption;
  bool enabled = true;
  bool separator = false;
  friend bool operator==(const ShownMenuItem&, const ShownMenuItem&) = default;
};

struct ShownMenu {
  std::vector<ShownMenuItem> items;
  Point screen_position;
  bool picked = false;  // a scripted pick activated an item
};

class HeadlessWindowing final : public Windowing {
 public:
  explicit HeadlessWindowing(CallLog& log) : log_(log) {}
  HeadlessWindowing(const HeadlessWindowing&) = delete;
  HeadlessWindowing& operator=(const HeadlessWindowing&) = delete;

  [[nodiscard]] std::unique_ptr<CardWindow> CreateCardWindow(WindowEventReceiver& receiver, WindowRole role) override;
  void ShowPopupMenu(PopupMenu& menu, Point screen_position) override;

  // The item the user picks from the next menu shown. A caption that is missing or disabled
  // there picks nothing, as a click on a greyed item does; with no pick queued the menu is
  // dismissed.
  void ScriptMenuPick(std::string caption) { menu_picks_.push_back(std::move(caption)); }
  [[nodiscard]] const std::vector<ShownMenu>& shown_menus() const { return shown_menus_; }

  // Live windows in order of creation.
  [[nodiscard]] const std::vector<HeadlessCardWindow*>& windows() const { return windows_; }
  // The newest live window, or nullptr.
  [[nodiscard]] HeadlessCardWindow* last_window() const { return windows_.empty() ? nullptr : windows_.back(); }
  // Paints every window that asked for it; answers how many were painted.
  int DeliverPendingPaints();

 private:
  CallLog& log_;
  int next_id_ = 1;
  std::vector<HeadlessCardWindow*> windows_;
  std::deque<std::string> menu_picks_;
  std::vector<ShownMenu> shown_menus_;
};

}  // namespace plorvane
