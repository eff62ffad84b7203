#include "platform/headless/headless_card_window.h"

#include <utility>

#include "graphics/canvas.h"

namespace plorvane {
namespace {

std::string Describe(Point point) { return std::to_string(point.x) + "," + std::to_string(point.y); }

std::string Describe(PixelSize size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

std::string CursorName(WindowCursor cursor) {
  switch (cursor) {
    case WindowCursor::kSlotCursor:
      return "slot";
    case WindowCursor::kDragCursor:
      return "drag";
    case WindowCursor::kArrowCursor:
      return "arrow";
    case WindowCursor::kLinkCursor:
      return "link";
  }
  return "unknown";
}

std::string RoleName(WindowRole role) {
  switch (role) {
    case WindowRole::kMain:
      return "create main";
    case WindowRole::kOrdinary:
      return "create ordinary";
    case WindowRole::kDialog:
      return "create dialog";
  }
  return "create";
}

}  // namespace

HeadlessCardWindow::HeadlessCardWindow(int id, WindowEventReceiver& receiver, WindowRole role, CallLog& log,
                                       std::function<void(PopupMenu&, Point)> on_context_menu,
                                       std::function<void(HeadlessCardWindow*)> on_destroy)
    : id_(id),
      receiver_(receiver),
      role_(role),
      log_(log),
      on_context_menu_(std::move(on_context_menu)),
      on_destroy_(std::move(on_destroy)) {
  static_cast<void>(surface_.Resize(size_.width, size_.height, kBlack));
  Record(RoleName(role));
}

HeadlessCardWindow::~HeadlessCardWindow() {
  Record("destroy");
  if (on_destroy_) on_destroy_(this);
}

void HeadlessCardWindow::Record(const std::string& what) const {
  log_.Add("window " + std::to_string(id_) + ": " + what);
}

void HeadlessCardWindow::SetClientSize(PixelSize size) {
  Record("size " + Describe(size));
  // A size the bitmap refuses (negative or beyond the pixel cap) keeps the old surface.
  if (!surface_.Resize(size.width, size.height, kBlack)) return;
  size_ = size;
}

void HeadlessCardWindow::MoveTo(Point screen_position) {
  Record("move " + Describe(screen_position));
  position_ = screen_position;
}

bool HeadlessCardWindow::StartSystemMove() {
  Record(system_moves_ ? "system move" : "system move refused");
  return system_moves_;
}

void HeadlessCardWindow::Show() {
  Record("show");
  visible_ = true;
}

void HeadlessCardWindow::Hide() {
  Record("hide");
  visible_ = false;
}

void HeadlessCardWindow::SetEnabled(bool enabled) {
  Record(enabled ? "enable" : "disable");
  enabled_ = enabled;
}

void HeadlessCardWindow::RequestRepaint() {
  Record("repaint request");
  repaint_pending_ = true;
}

void HeadlessCardWindow::Present(const Bitmap& pixels, Point at) {
  Record("present " + Describe(PixelSize{pixels.width(), pixels.height()}) + " at " + Describe(at));
  CopyRect(pixels, Rect::FromSize(0, 0, pixels.width(), pixels.height()), surface_, at);
  ++present_count_;
}

void HeadlessCardWindow::AttachPopupMenu(PopupMenu* menu) {
  Record(menu ? "attach menu" : "detach menu");
  popup_menu_ = menu;
}

void HeadlessCardWindow::SetCursor(WindowCursor cursor) {
  if (cursor == cursor_) return;  // the pointer moves often; only changes are worth recording
  Record("cursor " + CursorName(cursor));
  cursor_ = cursor;
}

void HeadlessCardWindow::SetTitle(const std::string& title) {
  Record("title " + title);
  title_ = title;
}

void HeadlessCardWindow::SetStayOnTop(bool on_top) {
  Record(on_top ? "stay on top" : "normal layer");
  stay_on_top_ = on_top;
}

bool HeadlessCardWindow::SimulateMouseDown(const MouseEvent& event) {
  if (!enabled_) return false;
  receiver_.OnMouseDown(event);
  return true;
}

bool HeadlessCardWindow::SimulateMouseMove(const MouseEvent& event) {
  if (!enabled_) return false;
  receiver_.OnMouseMove(event);
  return true;
}

bool HeadlessCardWindow::SimulateMouseUp(const MouseEvent& event) {
  if (!enabled_) return false;
  receiver_.OnMouseUp(event);
  return true;
}

bool HeadlessCardWindow::SimulateKeyDown(const KeyEvent& event) { return enabled_ && receiver_.OnKeyDown(event); }

bool HeadlessCardWindow::SimulateRightClick(Point client_position) {
  const MouseEvent event{MouseButton::kRight, false, false, client_position};
  if (!SimulateMouseDown(event)) return false;
  // The receiver may have detached the menu or hidden the window while handling the press.
  SimulateMouseUp(event);
  if (popup_menu_ && on_context_menu_) {
    on_context_menu_(*popup_menu_, Point{position_.x + client_position.x, position_.y + client_position.y});
  }
  return true;
}

void HeadlessCardWindow::SimulateClose() {
  Record("close");
  visible_ = false;
  receiver_.OnClose();
}

bool HeadlessCardWindow::DeliverPendingPaint() {
  if (!repaint_pending_) return false;
  repaint_pending_ = false;
  receiver_.OnPaint();
  return true;
}

}  // namespace plorvane
