#include "graphics/bitmap.h"

#include <cstring>

#include "support/limits.h"

namespace plorvane {

bool Bitmap::Resize(int width, int height, Colour fill) {
  if (width < 0 || height < 0) return false;
  if (static_cast<std::int64_t>(width) * height > limits::kMaxBitmapPixels) return false;
  width_ = width;
  height_ = height;
  stride_ = StrideFor(width);
  pixels_.assign(stride_ * static_cast<std::size_t>(height), 0);
  // Black is what the cleared bytes already are; decoders resize to black and overwrite.
  if (fill != kBlack) Fill(fill);
  return true;
}

bool Bitmap::SetHeight(int height, Colour fill) {
  if (height < 0) return false;
  if (static_cast<std::int64_t>(width_) * height > limits::kMaxBitmapPixels) return false;
  const int old_height = height_;
  pixels_.resize(stride_ * static_cast<std::size_t>(height), 0);
  height_ = height;
  if (old_height >= height_ || width_ == 0) return true;
  for (int x = 0; x < width_; ++x) SetPixel(x, old_height, fill);
  const std::size_t row_bytes = static_cast<std::size_t>(width_) * 3;
  for (int y = old_height + 1; y < height_; ++y) std::memcpy(scanline(y), scanline(old_height), row_bytes);
  return true;
}

Colour Bitmap::GetPixel(int x, int y) const {
  if (!Contains(x, y)) return kBlack;
  const std::uint8_t* p = scanline(y) + static_cast<std::size_t>(x) * 3;
  return MakeColour(p[2], p[1], p[0]);
}

void Bitmap::SetPixel(int x, int y, Colour colour) {
  if (!Contains(x, y)) return;
  std::uint8_t* p = scanline(y) + static_cast<std::size_t>(x) * 3;
  p[0] = BlueOf(colour);
  p[1] = GreenOf(colour);
  p[2] = RedOf(colour);
}

void Bitmap::Fill(Colour colour) {
  if (width_ == 0 || height_ == 0) return;  // no pixels, and no buffer to copy rows within
  std::uint8_t* first = scanline(0);
  for (int x = 0; x < width_; ++x) {
    first[x * 3] = BlueOf(colour);
    first[x * 3 + 1] = GreenOf(colour);
    first[x * 3 + 2] = RedOf(colour);
  }
  const std::size_t row_bytes = static_cast<std::size_t>(width_) * 3;
  for (int y = 1; y < height_; ++y) std::memcpy(scanline(y), first, row_bytes);
}

}  // namespace plorvane
