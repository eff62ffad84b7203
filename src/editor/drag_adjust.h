#pragma once
// Dragging from the adjust buttons of the tool bar: button 16 widens the frame as the pointer
// goes down and narrows it as it goes up, in steps of 5; buttons 17 and 19 take the frame or
// link colour from the screen pixel under the pointer once it has left the button. A whole drag
// is one undo step. Positions are in the pressed button's own coordinates.

#include "editor/form_services.h"
#include "graphics/canvas.h"

namespace plorvane {

class AdjustButtonDrag {
 public:
  static constexpr int kSizeButton = 16;
  static constexpr int kFrameColourButton = 17;
  static constexpr int kLinkColourButton = 19;
  static constexpr int kSizeStep = 5;

  explicit AdjustButtonDrag(FormServices& form) : form_(form) {}

  [[nodiscard]] static bool IsAdjustButton(int tag);

  // Other buttons are ignored by all three.
  void Press(int tag, Point at);
  void Move(int tag, Point at);
  // True when the release is the button's click: over the button, and for the size button only
  // after at most one move, so a drag never ends in the size dialog.
  bool Release(int tag, Point at);

 private:
  void AdjustSize(Point at);
  void TakeScreenColour(int tag, Point at);
  // The undo snapshot on the drag's first change; false (the error shown) when it cannot be
  // taken.
  bool BeginDragChange();

  FormServices& form_;
  bool pressed_ = false;
  bool guard_ = false;  // a move is being handled; moves arriving meanwhile are dropped
  bool undo_taken_ = false;
  int moves_ = 0;
  int start_size_ = 0;
  int start_y_ = 0;
};

}  // namespace plorvane
