#include "editor/drag_adjust.h"

#include <algorithm>

#include "card/card.h"
#include "editor/card_colours.h"
#include "editor/main_form.h"
#include "texttools/eye_dropper.h"

namespace plorvane {
namespace {

class GuardScope {
 public:
  explicit GuardScope(bool& guard) : guard_(guard) { guard_ = true; }
  ~GuardScope() { guard_ = false; }
  GuardScope(const GuardScope&) = delete;
  GuardScope& operator=(const GuardScope&) = delete;

 private:
  bool& guard_;
};

bool Inside(Point at) {
  return at.x >= 0 && at.y >= 0 && at.x <= TForm1::kToolButtonSide && at.y <= TForm1::kToolButtonSide;
}

}  // namespace

bool AdjustButtonDrag::IsAdjustButton(int tag) {
  return tag == kSizeButton || tag == kFrameColourButton || tag == kLinkColourButton;
}

void AdjustButtonDrag::Press(int tag, Point at) {
  if (!IsAdjustButton(tag)) return;
  pressed_ = true;
  guard_ = false;
  undo_taken_ = false;
  moves_ = 0;
  if (tag == kSizeButton) {
    start_size_ = form_.card().pSize();
    start_y_ = at.y;
  }
  form_.card().SuspendAnimations(true);
}

void AdjustButtonDrag::Move(int tag, Point at) {
  if (!IsAdjustButton(tag) || !pressed_ || guard_) return;
  if (tag == kSizeButton) {
    AdjustSize(at);
  } else {
    TakeScreenColour(tag, at);
  }
}

bool AdjustButtonDrag::Release(int tag, Point at) {
  if (!IsAdjustButton(tag) || !pressed_) return false;
  pressed_ = false;
  form_.card().SuspendAnimations(false);
  return Inside(at) && (tag != kSizeButton || moves_ < 2);
}

void AdjustButtonDrag::AdjustSize(Point at) {
  // The first move comes with almost any click; only from the second on is it a drag.
  if (++moves_ < 2) return;
  GuardScope guard(guard_);
  TZarvickV2& card = form_.card();
  const int size = std::clamp((at.y - start_y_ + start_size_) / kSizeStep * kSizeStep, 0, TZarvickV2::kMaxFrameSize);
  if (size == card.pSize() / kSizeStep * kSizeStep || !BeginDragChange()) return;
  card.SetSize(size);
  card.RedrawIfChanged();
}

void AdjustButtonDrag::TakeScreenColour(int tag, Point at) {
  // Over the button itself the pointer would only pick the button's face.
  if (Inside(at)) return;
  GuardScope guard(guard_);
  TZarvickV2& card = form_.card();
  const CardColour which = tag == kFrameColourButton ? CardColour::kFrame : CardColour::kLink;
  const Colour colour = TEyeDropper(form_.platform().screen()).CursorColor();
  if (colour == CurrentColour(card, which) || !BeginDragChange()) return;
  StoreColour(card, which, colour);
  card.RedrawIfChanged();
}

bool AdjustButtonDrag::BeginDragChange() {
  if (undo_taken_) return true;
  TZarvickV2& card = form_.card();
  if (!card.BeginChange()) {
    card.ShowError();
    return false;
  }
  undo_taken_ = true;
  return true;
}

}  // namespace plorvane
