#pragma once
// "TMetafile": an enhanced or placeable Windows metafile kept byte for byte. Its data block is a
// byte count that includes the count's own 4 bytes, then the file. Metafiles are drawn through
// the platform, so Render answers false.

#include <cstdint>
#include <memory>

#include "graphics/kept_bytes_graphic.h"

namespace plorvane {

// An enhanced metafile starts with a header record (type 1) carrying this signature at byte 40.
inline constexpr std::uint32_t kEnhancedHeaderRecord = 1;
inline constexpr std::uint32_t kEnhancedSignature = 0x464D4520;  // " EMF"

// FromBytes answers nullptr when the bytes are neither an enhanced nor a placeable Windows
// metafile.
class TMetafile final : public KeptBytesGraphic<TMetafile> {
 public:

  [[nodiscard]] std::string_view ClassName() const override { return "TMetafile"; }
  void WriteData(std::vector<std::uint8_t>& out) const override;
  bool ReadData(std::span<const std::uint8_t> block) override;

  bool Render(Bitmap& out) const override;

  // Width and Height are the picture frame in pixels of a 96 dots-per-inch screen.
  static bool Measure(std::span<const std::uint8_t> file, int& width, int& height);
};

}  // namespace plorvane
