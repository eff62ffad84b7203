#pragma once
// "TIcon": an icon kept as its ICO file. Its data block is the file itself, without a count, and
// runs to the end of the record entry.

#include <memory>

#include "graphics/kept_bytes_graphic.h"

namespace plorvane {

// FromBytes answers nullptr when the bytes are not an icon file whose directory is sound.
class TIcon final : public KeptBytesGraphic<TIcon> {
 public:

  [[nodiscard]] std::string_view ClassName() const override { return "TIcon"; }
  void WriteData(std::vector<std::uint8_t>& out) const override;
  bool ReadData(std::span<const std::uint8_t> block) override;

  // Width and Height are those of the largest image in the icon.
  // The largest image laid over white, as a card shows an icon picture.
  bool Render(Bitmap& out) const override;

  // The directory must be sound; the images are only decoded when drawn.
  static bool Measure(std::span<const std::uint8_t> file, int& width, int& height);
};

}  // namespace plorvane
