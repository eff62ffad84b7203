#pragma once
// Run-length encoded and OS/2 BMP files assembled field by field, for the reader's tests and
// fuzz seeds.

#include <cstdint>
#include <vector>

#include "graphics/colour.h"
#include "graphics/cursor_files.h"

namespace plorvane::test {

inline constexpr std::uint32_t kRle8 = 1;
inline constexpr std::uint32_t kRle4 = 2;

// Sixteen different colours; index 0 is not black, so pixels left at index 0 show.
inline Colour IndexColour(std::size_t i) {
  return MakeColour(static_cast<std::uint8_t>(i * 16 + 5), static_cast<std::uint8_t>(200 - i * 10),
                    static_cast<std::uint8_t>(i * 7 + 40));
}

// File header, 40-byte info header with the compression and a 16-entry palette of IndexColour,
// then the runs, which start at the bottom row.
inline Bytes RleBmp(int width, int height, std::uint16_t bits, std::uint32_t compression, const Bytes& runs) {
  constexpr std::uint32_t kOffset = 14 + 40 + 16 * 4;
  Bytes out = {'B', 'M'};
  PutU32(out, kOffset + static_cast<std::uint32_t>(runs.size()));
  PutU32(out, 0);
  PutU32(out, kOffset);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));
  PutU16(out, 1);
  PutU16(out, bits);
  PutU32(out, compression);
  PutU32(out, static_cast<std::uint32_t>(runs.size()));
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, 16);  // colours used
  PutU32(out, 0);
  for (std::size_t i = 0; i < 16; ++i) {
    const Colour c = IndexColour(i);
    out.insert(out.end(), {BlueOf(c), GreenOf(c), RedOf(c), 0});
  }
  out.insert(out.end(), runs.begin(), runs.end());
  return out;
}

// Up to 256 different colours for the OS/2 files' tables.
inline Colour CoreColour(std::size_t i) {
  return MakeColour(static_cast<std::uint8_t>(i * 16 + 1), static_cast<std::uint8_t>(255 - i * 8),
                    static_cast<std::uint8_t>(i * 3));
}

// The 24-bit OS/2 files' pixel at (x, y).
inline Colour CoreTrueColour(int x, int y) {
  return MakeColour(static_cast<std::uint8_t>(x ^ y), static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x));
}

// An OS/2 file: 14-byte file header, 12-byte core header (32-bit size, then 16-bit width, height,
// planes and bit count), a full table of 3-byte blue-green-red entries of CoreColour up to 8
// bits, bottom-up rows. Pixel (x, y) is index (x + 3y) modulo the table, or CoreTrueColour.
inline Bytes CoreBmp(int width, int height, std::uint16_t bits) {
  const std::size_t palette_size = bits == 24 ? 0 : std::size_t{1} << bits;
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  const auto offset = static_cast<std::uint32_t>(14 + 12 + 3 * palette_size);
  Bytes out = {'B', 'M'};
  PutU32(out, offset + static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height)));
  PutU32(out, 0);
  PutU32(out, offset);
  PutU32(out, 12);
  PutU16(out, static_cast<std::uint32_t>(width));
  PutU16(out, static_cast<std::uint32_t>(height));
  PutU16(out, 1);
  PutU16(out, bits);
  for (std::size_t i = 0; i < palette_size; ++i) {
    const Colour c = CoreColour(i);
    out.insert(out.end(), {BlueOf(c), GreenOf(c), RedOf(c)});
  }
  for (int y = height - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < width; ++x) {
      const auto at = static_cast<std::size_t>(x);
      if (bits == 24) {
        const Colour c = CoreTrueColour(x, y);
        row[at * 3] = BlueOf(c);
        row[at * 3 + 1] = GreenOf(c);
        row[at * 3 + 2] = RedOf(c);
      } else {
        const auto index = static_cast<std::uint32_t>(static_cast<std::size_t>(x + 3 * y) % palette_size);
        const std::size_t bit = at * bits;
        row[bit / 8] |= static_cast<std::uint8_t>(index << (8 - bits - bit % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace plorvane::test
