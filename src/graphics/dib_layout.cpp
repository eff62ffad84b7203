#include "graphics/dib_layout.h"

#include <bit>
#include <cstring>

#include "graphics/little_endian.h"
#include "support/limits.h"

namespace plorvane {
namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCompressionNone = 0;
constexpr std::uint32_t kCompressionRle8 = 1;
constexpr std::uint32_t kCompressionRle4 = 2;
constexpr std::uint32_t kCompressionBitFields = 3;

// Run-length encoding exists for exactly one depth each.
bool PaletteCompressionFits(std::uint32_t compression, std::uint16_t bits) {
  return compression == kCompressionNone || (compression == kCompressionRle8 && bits == 8) ||
         (compression == kCompressionRle4 && bits == 4);
}

bool CheckedSize(std::int64_t width, std::int64_t height) {
  return width >= 0 && height >= 0 && width <= limits::kMaxBitmapSide && height <= limits::kMaxBitmapSide &&
         width * height <= limits::kMaxBitmapPixels;
}

}  // namespace

DibChannel DibChannel::FromMask(std::uint32_t mask) {
  if (mask == 0) return {};
  const int shift = std::countr_zero(mask);
  return DibChannel{shift, std::countr_one(mask >> shift)};
}

std::uint8_t DibChannel::Extract(std::uint32_t pixel) const {
  if (bits == 0) return 0;
  const std::uint32_t value = (pixel >> shift) & ((bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1));
  if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
  return static_cast<std::uint8_t>(value * 255 / ((1u << bits) - 1));
}

bool ReadDibLayout(std::span<const std::uint8_t> dib, DibLayout& layout) {
  std::uint32_t header_size = 0;
  if (!le::ReadU32(dib, 0, header_size) || !le::Fits(dib.size(), 0, header_size)) return false;

  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint16_t bits = 0;
  std::uint32_t compression = kCompressionNone;
  std::uint32_t colours_used = 0;
  std::size_t palette_entry_size = 4;
  if (header_size == kCoreHeaderSize) {
    std::uint16_t core_width = 0;
    std::uint16_t core_height = 0;
    // Width, height, planes and bit count, 16 bits each.
    if (!le::ReadU16(dib, 4, core_width) || !le::ReadU16(dib, 6, core_height) || !le::ReadU16(dib, 10, bits))
      return false;
    width = core_width;
    height = core_height;
    palette_entry_size = 3;
  } else if (header_size >= kInfoHeaderSize) {
    std::int32_t info_width = 0;
    std::int32_t info_height = 0;
    if (!le::ReadI32(dib, 4, info_width) || !le::ReadI32(dib, 8, info_height) || !le::ReadU16(dib, 14, bits) ||
        !le::ReadU32(dib, 16, compression) || !le::ReadU32(dib, 32, colours_used))
      return false;
    width = info_width;
    height = info_height;
  } else {
    return false;
  }

  layout.top_down = height < 0;
  height = height < 0 ? -height : height;  // 64-bit, so the most negative height cannot overflow
  if (!CheckedSize(width, height)) return false;
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);
  layout.bits_per_pixel = bits;
  layout.stride = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
  layout.bit_fields = compression == kCompressionBitFields;
  layout.pixel_offset = header_size;

  const std::size_t table_offset = header_size;
  switch (bits) {
    case 1:
    case 4:
    case 8: {
      if (!PaletteCompressionFits(compression, bits)) return false;
      layout.run_length = compression != kCompressionNone;
      // Runs are defined from the bottom row up; Windows refuses a compressed top-down DIB.
      if (layout.run_length && layout.top_down) return false;
      const std::uint32_t most = 1u << bits;
      const std::uint32_t entries = (colours_used == 0 || colours_used > most) ? most : colours_used;
      const std::size_t table_size = std::size_t{entries} * palette_entry_size;
      if (!le::Fits(dib.size(), table_offset, table_size)) return false;
      layout.palette.resize(entries);
      for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint8_t* entry = dib.data() + table_offset + i * palette_entry_size;
        layout.palette[i] = {entry[0], entry[1], entry[2]};
      }
      layout.pixel_offset = table_offset + table_size;
      return true;
    }
    case 24:
      return compression == kCompressionNone;
    case 16:
    case 32: {
      std::array<std::uint32_t, 3> masks = bits == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                                                      : std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
      if (compression == kCompressionBitFields) {
        // The masks follow a 40-byte header and sit at the same place inside the longer ones.
        if (header_size < kInfoHeaderSize) return false;
        for (std::size_t i = 0; i < masks.size(); ++i)
          if (!le::ReadU32(dib, kInfoHeaderSize + 4 * i, masks[i])) return false;
        if (header_size == kInfoHeaderSize) layout.pixel_offset = kInfoHeaderSize + 4 * masks.size();
      } else if (compression != kCompressionNone) {
        return false;
      }
      for (std::size_t i = 0; i < masks.size(); ++i) layout.channels[i] = DibChannel::FromMask(masks[i]);
      return true;
    }
    default:
      return false;
  }
}

std::array<std::uint8_t, 3> DibPaletteColour(const DibLayout& layout, std::size_t index) {
  return index < layout.palette.size() ? layout.palette[index] : std::array<std::uint8_t, 3>{0, 0, 0};
}

void DecodeDibRow(const DibLayout& layout, const std::uint8_t* in, std::uint8_t* out) {
  const int bits = layout.bits_per_pixel;
  if (bits == 24) {
    std::memcpy(out, in, static_cast<std::size_t>(layout.width) * 3);
    return;
  }
  for (int x = 0; x < layout.width; ++x, out += 3) {
    if (bits <= 8) {
      const int per_byte = 8 / bits;
      const int shift = 8 - bits * (x % per_byte + 1);
      const std::size_t index = (in[x / per_byte] >> shift) & ((1u << bits) - 1);
      std::memcpy(out, DibPaletteColour(layout, index).data(), 3);
      continue;
    }
    const std::uint8_t* p = in + static_cast<std::size_t>(x) * (bits / 8);
    const std::uint32_t pixel = bits == 16 ? std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8)
                                           : std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) |
                                                 (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
    out[0] = layout.channels[2].Extract(pixel);
    out[1] = layout.channels[1].Extract(pixel);
    out[2] = layout.channels[0].Extract(pixel);
  }
}

}  // namespace plorvane
