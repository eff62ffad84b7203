#include "graphics/bmp_codec.h"

#include <new>

#include "graphics/dib_layout.h"
#include "graphics/dib_runs.h"
#include "graphics/little_endian.h"

namespace plorvane {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionNone = 0;

}  // namespace

bool ReadBmp(std::span<const std::uint8_t> file, Bitmap& out) {
  std::uint32_t pixel_offset = 0;
  if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M' || !le::ReadU32(file, 10, pixel_offset))
    return false;
  DibLayout layout;
  if (!ReadDibLayout(file.subspan(kFileHeaderSize), layout)) return false;
  if (layout.run_length) {
    // The runs take as many bytes as they take; their own end mark, not the header's image size
    // (often zero or wrong), says where they stop.
    return pixel_offset >= kFileHeaderSize && pixel_offset <= file.size() &&
           DecodeDibRuns(layout, file.subspan(pixel_offset), out);
  }
  // The pixel cap keeps this product far below the range of std::size_t.
  const std::size_t pixel_bytes = layout.stride * static_cast<std::size_t>(layout.height);
  if (pixel_offset < kFileHeaderSize || !le::Fits(file.size(), pixel_offset, pixel_bytes)) return false;

  try {
    Bitmap decoded;
    if (!decoded.Resize(layout.width, layout.height)) return false;
    const std::uint8_t* pixels = file.data() + pixel_offset;
    // A zero-width picture has no row memory to decode into.
    for (int row = 0; layout.width > 0 && row < layout.height; ++row) {
      const int y = layout.top_down ? row : layout.height - 1 - row;
      DecodeDibRow(layout, pixels + static_cast<std::size_t>(row) * layout.stride, decoded.scanline(y));
    }
    out = std::move(decoded);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap) {
  const std::size_t row_bytes = static_cast<std::size_t>(bitmap.width()) * 3;
  const std::size_t stride = Bitmap::StrideFor(bitmap.width());
  // Bitmaps are capped at 64 megapixels, so every size fits its 32-bit field.
  const auto image_size = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(bitmap.height()));
  const auto header_bytes = static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize);

  std::vector<std::uint8_t> file;
  file.reserve(header_bytes + image_size);
  file.push_back('B');
  file.push_back('M');
  le::AppendU32(file, header_bytes + image_size);
  le::AppendU16(file, 0);
  le::AppendU16(file, 0);
  le::AppendU32(file, header_bytes);

  le::AppendU32(file, kInfoHeaderSize);
  le::AppendI32(file, bitmap.width());
  le::AppendI32(file, bitmap.height());
  le::AppendU16(file, 1);   // planes
  le::AppendU16(file, 24);  // bits per pixel
  le::AppendU32(file, kCompressionNone);
  le::AppendU32(file, image_size);
  le::AppendI32(file, 0);  // horizontal resolution
  le::AppendI32(file, 0);  // vertical resolution
  le::AppendU32(file, 0);  // colours used
  le::AppendU32(file, 0);  // important colours

  for (int y = bitmap.height() - 1; y >= 0; --y) {
    const std::uint8_t* row = bitmap.scanline(y);
    file.insert(file.end(), row, row + row_bytes);
    file.insert(file.end(), stride - row_bytes, 0);
  }
  return file;
}

}  // namespace plorvane
