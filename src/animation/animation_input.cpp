// TSAG's mouse and keyboard handling in the editor: selecting, dragging and nudging elements.

#include <cstdint>

#include "animation/animation_group.h"
#include "animation/saturating.h"

namespace plorvane {
namespace {

// The platform's key codes follow ASCII where one exists.
constexpr int kKeySpace = ' ';
constexpr std::int32_t kSmallStep = 1;
constexpr std::int32_t kShiftStep = 15;

}  // namespace

void TSAG::SelectAt(int x, int y) {
  if (editable_) Select(HitTest(x, y));
}

bool TSAG::MouseAction(int kind, int x, int y) {
  if (kind == kMouseHover) {
    last_mouse_kind_ = kMouseHover;
    return editable_ && HitTest(x, y) >= 0;
  }
  if (kind != kMousePress) return false;
  if (last_mouse_kind_ != kMousePress) {
    SelectAt(x, y);
    if (OnPaint) OnPaint();
    last_mouse_ = Point{x, y};
    last_mouse_kind_ = kMousePress;
    return true;
  }
  if (HasSelection()) {
    TElementRec element = elements_[static_cast<std::size_t>(selected_)];
    std::int32_t new_x = SaturatingAdd(element.pX, std::int64_t{x} - last_mouse_.x);
    std::int32_t new_y = SaturatingAdd(element.pY, std::int64_t{y} - last_mouse_.y);
    last_mouse_ = Point{x, y};
    // A position past the limits is not taken at all: the element waits at its last place.
    if (ClampPosition(selected_, new_x, new_y)) {
      element.pX = new_x;
      element.pY = new_y;
      SetElement(selected_, element);
    }
  }
  return true;
}

void TSAG::MoveSelected(std::int32_t dx, std::int32_t dy) {
  TElementRec element;
  GetSelectedElement(element);
  std::int32_t x = SaturatingAdd(element.pX, dx);
  std::int32_t y = SaturatingAdd(element.pY, dy);
  // Stops at the limit, so the position the element window shows is the one drawn.
  ClampPosition(selected_, x, y);
  element.pX = x;
  element.pY = y;
  SetSelectedElement(element);
}

bool TSAG::HandleKey(const KeyEvent& event) {
  if (!HasSelection()) return false;
  const std::int32_t step = event.shift ? kShiftStep : kSmallStep;
  switch (event.key) {
    case kKeySpace:
      SelectRelative(event.control ? -1 : 1);
      return true;
    case kKeyLeft:
      if (event.control) {
        SelectRelative(-1);
      } else {
        MoveSelected(-step, 0);
      }
      return true;
    case kKeyRight:
      if (event.control) {
        SelectRelative(1);
      } else {
        MoveSelected(step, 0);
      }
      return true;
    case kKeyUp:
      MoveSelected(0, -step);
      return true;
    case kKeyDown:
      MoveSelected(0, step);
      return true;
    default:
      // Other keys go on to the editor's shortcuts.
      return false;
  }
}

}  // namespace plorvane
