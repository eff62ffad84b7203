#include "graphics/bitmap_graphic.h"

#include "graphics/bmp_codec.h"
#include "graphics/counted_block.h"

namespace plorvane {

void TBitmap::WriteData(std::vector<std::uint8_t>& out) const {
  // An empty bitmap is a count of 0 with no file, as the platform writes it.
  AppendCountedBlock(out, bitmap_.empty() ? std::vector<std::uint8_t>{} : WriteBmp(bitmap_), 0);
}

bool TBitmap::ReadData(std::span<const std::uint8_t> block) {
  std::span<const std::uint8_t> file;
  Bitmap loaded;
  const bool ok = SplitCountedBlock(block, 0, file) && (file.empty() || ReadBmp(file, loaded));
  bitmap_ = ok ? std::move(loaded) : Bitmap{};
  return ok;
}

bool TBitmap::Render(Bitmap& out) const {
  if (bitmap_.empty()) return false;
  out = bitmap_;
  return true;
}

std::unique_ptr<Graphic> TBitmap::Clone() const { return std::make_unique<TBitmap>(bitmap_); }

}  // namespace plorvane
