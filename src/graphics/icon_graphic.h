#pragma once
// "TIcon": an icon kept as its ICO file. Its data block is the file itself, without a count, and
// runs to the end of the record entry.

#include <memory>

#include "graphics/picture.h"

namespace plorvane {

class TIcon final : public Graphic {
 public:
  TIcon() = default;
  // nullptr when the bytes are not an icon file whose directory is sound.
  static std::unique_ptr<TIcon> FromBytes(std::vector<std::uint8_t> bytes);

  [[nodiscard]] std::string_view ClassName() const override { return "TIcon"; }
  void WriteData(std::vector<std::uint8_t>& out) const override;
  bool ReadData(std::span<const std::uint8_t> block) override;

  // The size of the largest image in the icon.
  [[nodiscard]] int Width() const override { return width_; }
  [[nodiscard]] int Height() const override { return height_; }
  [[nodiscard]] bool Empty() const override { return bytes_.empty(); }
  // The largest image laid over white, as a card shows an icon picture.
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
