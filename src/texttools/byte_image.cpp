#include "texttools/byte_image.h"

#include <algorithm>

namespace plorvane {

void TByteImage::SetBitmap(Bitmap* bitmap) {
  bitmap_ = bitmap;
  cursor_x_ = 0;
  cursor_y_ = 0;
}

int TByteImage::MaxX() const { return bitmap_ != nullptr ? std::max(bitmap_->width() - 1, 0) : 0; }
int TByteImage::MaxY() const { return bitmap_ != nullptr ? std::max(bitmap_->height() - 1, 0) : 0; }

bool TByteImage::GetPixel(int x, int y, Colour& colour) const {
  if (bitmap_ == nullptr || !bitmap_->Contains(x, y)) return false;
  colour = bitmap_->GetPixel(x, y);
  return true;
}

void TByteImage::SetPixel(int x, int y, Colour colour) {
  if (bitmap_ != nullptr) bitmap_->SetPixel(x, y, colour);
}

void TByteImage::SetCursor(int x, int y) {
  cursor_x_ = std::clamp(x, -1, MaxX());
  cursor_y_ = std::clamp(y, 0, MaxY());
}

bool TByteImage::PutNext(Colour colour) {
  if (bitmap_ == nullptr || bitmap_->empty() || cursor_y_ > MaxY()) return false;
  SetPixel(cursor_x_, cursor_y_, colour);
  if (++cursor_x_ > MaxX()) {
    cursor_x_ = 0;
    ++cursor_y_;
  }
  return true;
}

}  // namespace plorvane
