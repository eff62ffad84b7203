#pragma once
// "TMetafile": an enhanced or placeable Windows metafile kept byte for byte. Its data block is a
// byte count that includes the count's own 4 bytes, then the file. Metafiles are drawn through
// the platform, so Render answers false.

#include <memory>

#include "graphics/picture.h"

namespace plorvane {

class TMetafile final : public Graphic {
 public:
  TMetafile() = default;
  // nullptr when the bytes are neither an enhanced nor a placeable Windows metafile.
  static std::unique_ptr<TMetafile> FromBytes(std::vector<std::uint8_t> bytes);

  [[nodiscard]] std::string_view ClassName() const override { return "TMetafile"; }
  void WriteData(std::vector<std::uint8_t>& out) const override;
  bool ReadData(std::span<const std::uint8_t> block) override;

  // The picture frame in pixels of a 96 dots-per-inch screen.
  [[nodiscard]] int Width() const override { return width_; }
  [[nodiscard]] int Height() const override { return height_; }
  [[nodiscard]] bool Empty() const override { return bytes_.empty(); }
  bool Render(Bitmap& out) const override;
  [[nodiscard]] std::unique_ptr<Graphic> Clone() const override;

  [[nodiscard]] const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  bool Assign(std::span<const std::uint8_t> bytes);

  std::vector<std::uint8_t> bytes_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace plorvane
