#pragma once
// "TJPEGImage": a picture kept as the JPEG file it came from, so saving it again writes the very
// same bytes. Its data block is a byte count and the complete file (count 0 when empty). A
// picture whose Exif block records an orientation is shown upright: its size and its pixels are
// those after turning, while the bytes stay as they came.

#include <memory>
#include <optional>

#include "graphics/bitmap.h"
#include "graphics/exif_orientation.h"
#include "graphics/picture.h"

namespace plorvane {

class TJPEGImage final : public Graphic {
 public:
  TJPEGImage() = default;
  // nullptr when the bytes are not a JPEG file whose header can be read.
  static std::unique_ptr<TJPEGImage> FromBytes(std::vector<std::uint8_t> bytes);
  // Encodes the bitmap at `quality` (clamped to 1..100); nullptr when that fails.
  static std::unique_ptr<TJPEGImage> FromBitmap(const Bitmap& bitmap, int quality);

  [[nodiscard]] std::string_view ClassName() const override { return "TJPEGImage"; }
  void WriteData(std::vector<std::uint8_t>& out) const override;
  bool ReadData(std::span<const std::uint8_t> block) override;

  [[nodiscard]] int Width() const override { return width_; }
  [[nodiscard]] int Height() const override { return height_; }
  [[nodiscard]] bool Empty() const override { return bytes_.empty(); }
  bool Render(Bitmap& out) const override;
  [[nodiscard]] std::unique_ptr<Graphic> Clone() const override;

  [[nodiscard]] const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  // Takes the bytes when their header reads; otherwise leaves the image empty.
  bool Assign(std::vector<std::uint8_t> bytes);

  std::vector<std::uint8_t> bytes_;
  int width_ = 0;  // upright
  int height_ = 0;
  ExifOrientation orientation_ = ExifOrientation::kUpright;
  // The card draws its picture on every animation tick; decoding once keeps that cheap.
  mutable std::optional<Bitmap> decoded_;
};

}  // namespace plorvane
