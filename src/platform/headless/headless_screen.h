#pragma once
// A screen of a size the test chooses, 1024 x 768 unless told otherwise.

#include "platform/screen.h"

namespace plorvane {

class HeadlessScreen final : public Screen {
 public:
  [[nodiscard]] PixelSize Size() const override { return size_; }
  [[nodiscard]] Point MousePosition() const override { return mouse_; }

  void SetSize(PixelSize size) { size_ = size; }
  void SetMousePosition(Point position) { mouse_ = position; }

 private:
  PixelSize size_{1024, 768};
  Point mouse_;
};

}  // namespace plorvane
