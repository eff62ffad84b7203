// The card window's events: painting, closing, and the mouse over labels and animations.
#include "card/card.h"

namespace plorvane {

Point TZarvickV2::ToPicture(Point window_point) const { return {window_point.x - size_, window_point.y - size_}; }

void TZarvickV2::SetHoverCursor(bool over_animation) {
  window_->SetCursor(over_animation && mode_ == CardMode::kEditor ? WindowCursor::kDragCursor
                                                                   : WindowCursor::kSlotCursor);
}

void TZarvickV2::OnMouseDown(const MouseEvent& event) {
  const Point at = ToPicture(event.position);
  if (labels_->Click(at.x, at.y) >= 0) return;
  SetHoverCursor(animations_->MouseAction(TSAG::kMousePress, at.x, at.y));
  if (event.button == MouseButton::kRight) {
    if (IsPlayer()) HandleClick(PlayerCommand::kMenu);
    return;
  }
  drag_start_ = event.position;
  dragging_ = true;
  drag_offered_ = false;
}

void TZarvickV2::DragWindow(Point pointer) {
  // The first move offers the drag to the window system, which then moves the window and keeps
  // the release to itself; where it moves no windows for us, the window follows the pointer so
  // that the grabbed point stays under it.
  if (!drag_offered_) {
    drag_offered_ = true;
    if (window_->StartSystemMove()) {
      dragging_ = false;
      return;
    }
  }
  const Point window = window_->ScreenPosition();
  window_->MoveTo({window.x + pointer.x - drag_start_.x, window.y + pointer.y - drag_start_.y});
}

void TZarvickV2::OnMouseMove(const MouseEvent& event) {
  const Point at = ToPicture(event.position);
  if (dragging_) {
    if (!HasSelection()) {
      DragWindow(event.position);
    } else {
      SetHoverCursor(animations_->MouseAction(TSAG::kMousePress, at.x, at.y));
      SetSaved(false);
    }
    return;
  }
  if (labels_->Hover(at.x, at.y)) Redraw(false);
  if (labels_->IndexAt(at.x, at.y) < 0) {
    SetHoverCursor(animations_->MouseAction(TSAG::kMouseHover, at.x, at.y));
  } else {
    SetHoverCursor(false);
  }
}

void TZarvickV2::OnMouseUp(const MouseEvent& event) {
  dragging_ = false;
  const Point at = ToPicture(event.position);
  SetHoverCursor(animations_->MouseAction(TSAG::kMouseHover, at.x, at.y));
}

bool TZarvickV2::OnKeyDown(const KeyEvent& event) { return animations_->HandleKey(event); }

void TZarvickV2::OnPaint() { PaintWindow(); }

void TZarvickV2::OnClose() { StopSound(); }

}  // namespace plorvane
