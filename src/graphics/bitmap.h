#pragma once
// A 24-bit device-independent bitmap: blue-green-red byte triples, rows top-down in memory,
// each row padded to a multiple of 4 bytes. Coordinates are pixels with (0, 0) the top-left.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "graphics/colour.h"

namespace plorvane {

class Bitmap {
 public:
  Bitmap() = default;  // empty: 0 by 0

  // False (and the bitmap unchanged) when a side is negative or the size passes the pixel cap.
  [[nodiscard]] bool Resize(int width, int height, Colour fill = kWhite);
  // Keeps the rows above the new height; rows added at the bottom get `fill`. Rows only grow or
  // shrink at the end of the pixels, so growing step by step costs no more than one allocation.
  // False (and the bitmap unchanged) for a negative height or beyond the pixel cap.
  [[nodiscard]] bool SetHeight(int height, Colour fill);

  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] bool empty() const { return width_ == 0 || height_ == 0; }
  // Bytes per row, a multiple of 4.
  [[nodiscard]] std::size_t stride() const { return stride_; }

  [[nodiscard]] std::uint8_t* scanline(int y) { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
  [[nodiscard]] const std::uint8_t* scanline(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * stride_;
  }
  [[nodiscard]] std::span<const std::uint8_t> bytes() const { return pixels_; }

  [[nodiscard]] bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Outside the bitmap: GetPixel answers black and SetPixel does nothing.
  [[nodiscard]] Colour GetPixel(int x, int y) const;
  void SetPixel(int x, int y, Colour colour);
  void Fill(Colour colour);

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

  static std::size_t StrideFor(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace plorvane
