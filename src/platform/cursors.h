#pragma once
// The application-wide cursors: the slot that holds the card's cursor (shown by the card window
// and its labels) and the busy hourglass over everything.

#include "graphics/cursor_image.h"

namespace plorvane {

class Cursors {
 public:
  virtual ~Cursors() = default;

  // False, and the slot unchanged, when the image is not valid.
  virtual bool SetSlotCursor(const CursorImage& image) = 0;
  // The slot's default content.
  virtual void ResetSlotToHandPoint() = 0;
  [[nodiscard]] virtual bool SlotHoldsHandPoint() const = 0;

  // While busy every window shows the hourglass.
  virtual void SetBusy(bool busy) = 0;
};

}  // namespace plorvane
