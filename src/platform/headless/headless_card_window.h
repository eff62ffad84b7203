#pragma once
// A card window without a display: it keeps the presented pixels in a surface bitmap, records
// what it was asked, and lets a test play the user (mouse, keys, close, right click).

#include <functional>
#include <string>

#include "platform/card_window.h"
#include "platform/headless/call_log.h"

namespace plorvane {

class HeadlessCardWindow final : public CardWindow {
 public:
  // `on_context_menu` shows an attached menu at a screen point; `on_destroy` unregisters.
  HeadlessCardWindow(int id, WindowEventReceiver& receiver, WindowRole role, CallLog& log,
                     std::function<void(PopupMenu&, Point)> on_context_menu,
                     std::function<void(HeadlessCardWindow*)> on_destroy);
  ~HeadlessCardWindow() override;
  HeadlessCardWindow(const HeadlessCardWindow&) = delete;
  HeadlessCardWindow& operator=(const HeadlessCardWindow&) = delete;

  void SetClientSize(PixelSize size) override;
  [[nodiscard]] PixelSize ClientSize() const override { return size_; }
  void MoveTo(Point screen_position) override;
  [[nodiscard]] Point ScreenPosition() const override { return position_; }
  bool StartSystemMove() override;
  void Show() override;
  void Hide() override;
  [[nodiscard]] bool IsVisible() const override { return visible_; }
  void SetEnabled(bool enabled) override;
  void RequestRepaint() override;
  void Present(const Bitmap& pixels, Point at) override;
  void AttachPopupMenu(PopupMenu* menu) override;
  void SetCursor(WindowCursor cursor) override;
  void SetTitle(const std::string& title) override;
  void SetStayOnTop(bool on_top) override;

  [[nodiscard]] int id() const { return id_; }
  [[nodiscard]] WindowRole role() const { return role_; }
  [[nodiscard]] bool enabled() const { return enabled_; }
  [[nodiscard]] WindowCursor cursor() const { return cursor_; }
  [[nodiscard]] const std::string& title() const { return title_; }
  [[nodiscard]] bool stay_on_top() const { return stay_on_top_; }
  [[nodiscard]] PopupMenu* popup_menu() const { return popup_menu_; }
  // What the window shows: client-size, black where nothing was presented since the last resize.
  [[nodiscard]] const Bitmap& surface() const { return surface_; }
  [[nodiscard]] int present_count() const { return present_count_; }
  [[nodiscard]] bool repaint_pending() const { return repaint_pending_; }

  // Whether StartSystemMove is taken, as under a window manager that moves windows.
  void set_system_moves(bool taken) { system_moves_ = taken; }

  // The user's side. Input reaches the receiver only while the window is enabled, as on a real
  // desktop; each answers whether it was delivered (keys: whether the receiver used it).
  bool SimulateMouseDown(const MouseEvent& event);
  bool SimulateMouseMove(const MouseEvent& event);
  bool SimulateMouseUp(const MouseEvent& event);
  bool SimulateKeyDown(const KeyEvent& event);
  // Right button down and up at a client point, then the attached menu at that screen point.
  bool SimulateRightClick(Point client_position);
  void SimulateClose();
  // Delivers OnPaint when a repaint was requested; answers whether it did.
  bool DeliverPendingPaint();

 private:
  void Record(const std::string& what) const;

  const int id_;
  WindowEventReceiver& receiver_;
  const WindowRole role_;
  CallLog& log_;
  std::function<void(PopupMenu&, Point)> on_context_menu_;
  std::function<void(HeadlessCardWindow*)> on_destroy_;

  PixelSize size_{1, 1};
  Point position_;
  bool visible_ = false;
  bool enabled_ = true;
  bool stay_on_top_ = false;
  bool system_moves_ = false;
  bool repaint_pending_ = false;
  WindowCursor cursor_ = WindowCursor::kSlotCursor;
  PopupMenu* popup_menu_ = nullptr;
  std::string title_;
  Bitmap surface_;
  int present_count_ = 0;
};

}  // namespace plorvane
