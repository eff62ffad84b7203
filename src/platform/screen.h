#pragma once
// The screen, for placing and centring windows and opening menus at the mouse.

#include "graphics/canvas.h"
#include "platform/pixel_size.h"

namespace plorvane {

class Screen {
 public:
  virtual ~Screen() = default;
  [[nodiscard]] virtual PixelSize Size() const = 0;
  [[nodiscard]] virtual Point MousePosition() const = 0;
  // The colour shown at a screen point; black where the screen cannot be read.
  [[nodiscard]] virtual Colour PixelAt(Point screen_point) const = 0;
};

}  // namespace plorvane
