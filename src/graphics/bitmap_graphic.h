#pragma once
// "TBitmap": a picture kept as pixels. Its data block is a byte count and a complete BMP file.

#include <memory>

#include "graphics/bitmap.h"
#include "graphics/picture.h"

namespace plorvane {

class TBitmap final : public Graphic {
 public:
  TBitmap() = default;
  explicit TBitmap(Bitmap bitmap) : bitmap_(std::move(bitmap)) {}

  [[nodiscard]] std::string_view ClassName() const override { return "TBitmap"; }
  void WriteData(std::vector<std::uint8_t>& out) const override;
  bool ReadData(std::span<const std::uint8_t> block) override;

  [[nodiscard]] int Width() const override { return bitmap_.width(); }
  [[nodiscard]] int Height() const override { return bitmap_.height(); }
  [[nodiscard]] bool Empty() const override { return bitmap_.empty(); }
  bool Render(Bitmap& out) const override;
  [[nodiscard]] std::unique_ptr<Graphic> Clone() const override;

  [[nodiscard]] const Bitmap& bitmap() const { return bitmap_; }

 private:
  Bitmap bitmap_;
};

}  // namespace plorvane
