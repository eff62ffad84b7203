#pragma once
// A screen of a size and pixels the test chooses, 1024 x 768 and black unless told otherwise.

#include "graphics/bitmap.h"
#include "platform/screen.h"

namespace plorvane {

class HeadlessScreen final : public Screen {
 public:
  [[nodiscard]] PixelSize Size() const override { return size_; }
  [[nodiscard]] Point MousePosition() const override { return mouse_; }
  [[nodiscard]] Colour PixelAt(Point screen_point) const override { return pixels_.GetPixel(screen_point.x, screen_point.y); }

  void SetSize(PixelSize size) { size_ = size; }
  void SetMousePosition(Point position) { mouse_ = position; }
  // What the screen shows from its top-left corner; black beyond it.
  void SetPixels(Bitmap pixels) { pixels_ = std::move(pixels); }

 private:
  PixelSize size_{1024, 768};
  Point mouse_;
  Bitmap pixels_;
};

}  // namespace plorvane
