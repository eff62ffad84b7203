#pragma once
// TEyeDropper: the colour of any pixel on the screen, so a colour can be picked by dragging the
// pointer across the screen. The window that owns the platform owns the one instance.

#include "graphics/colour.h"
#include "platform/screen.h"

namespace plorvane {

class TEyeDropper {
 public:
  // The screen must outlive the eye dropper.
  explicit TEyeDropper(const Screen& screen) : screen_(screen) {}

  // Black where the screen cannot be read.
  [[nodiscard]] Colour Color(int x, int y) const { return screen_.PixelAt(Point{x, y}); }
  // The colour under the mouse pointer now.
  [[nodiscard]] Colour CursorColor() const { return screen_.PixelAt(screen_.MousePosition()); }

 private:
  const Screen& screen_;
};

}  // namespace plorvane
