#pragma once
// Pixel access to a 24-bit bitmap with a write cursor that fills rows left to right, top to
// bottom, as a decoder emits pixels.

#include "graphics/bitmap.h"
#include "graphics/colour.h"

namespace plorvane {

class TByteImage {
 public:
  TByteImage() = default;
  explicit TByteImage(Bitmap* bitmap) { SetBitmap(bitmap); }

  // The bitmap is not owned. Its size is read on every call, so resizing it afterwards is safe.
  void SetBitmap(Bitmap* bitmap);

  // Outside the bitmap: false, and colour is left alone.
  bool GetPixel(int x, int y, Colour& colour) const;
  // Outside the bitmap: ignored.
  void SetPixel(int x, int y, Colour colour);

  // x is clamped to -1..width-1 and y to 0..height-1 (never below 0). With x at -1 the next
  // PutNext is consumed without drawing.
  void SetCursor(int x, int y);
  // Writes at the cursor and moves it on; false, writing nothing, once the image is full.
  bool PutNext(Colour colour);

  [[nodiscard]] int CursorX() const { return cursor_x_; }
  [[nodiscard]] int CursorY() const { return cursor_y_; }

 private:
  [[nodiscard]] int MaxX() const;
  [[nodiscard]] int MaxY() const;

  Bitmap* bitmap_ = nullptr;
  int cursor_x_ = 0;
  int cursor_y_ = 0;
};

}  // namespace plorvane
