#pragma once
// The info header of a device-independent bitmap and what follows it (colour table or channel
// masks), shared by the BMP reader and the icon reader, which store the same DIB behind
// different file headers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace plorvane {

// Where one colour channel sits in a 16- or 32-bit pixel.
struct DibChannel {
  int shift = 0;
  int bits = 0;

  static DibChannel FromMask(std::uint32_t mask);
  [[nodiscard]] std::uint8_t Extract(std::uint32_t pixel) const;
};

struct DibLayout {
  int width = 0;
  int height = 0;  // as stored; icons store twice the image height
  bool top_down = false;
  int bits_per_pixel = 0;
  bool bit_fields = false;                           // channel masks were given rather than implied
  // Run-length encoded pixels (8 bits a pixel with 8-bit runs, 4 bits with 4-bit runs): the rows
  // have no fixed stride, and DecodeDibRow does not apply.
  bool run_length = false;
  std::vector<std::array<std::uint8_t, 3>> palette;  // blue, green, red
  std::array<DibChannel, 3> channels;                // red, green, blue
  std::size_t stride = 0;
  // Where the pixels start, counted from the info header, when they directly follow the header
  // and its colour table or masks, as they do in icons.
  std::size_t pixel_offset = 0;
};

// Reads the info header at the start of `dib` into `layout`, and with it the palette or the
// channel masks that follow it. False for anything outside `dib`, unsupported depths or
// compressions, and sizes beyond the bitmap caps. Run-length encoding is accepted here; callers
// that cannot store it refuse layouts with `run_length` set.
bool ReadDibLayout(std::span<const std::uint8_t> dib, DibLayout& layout);

// The blue-green-red colour of a palette index; indices past a short palette show black, as
// Windows draws them.
std::array<std::uint8_t, 3> DibPaletteColour(const DibLayout& layout, std::size_t index);

// Decodes one stored row into blue-green-red triples; `in` holds layout.stride bytes and `out`
// room for layout.width triples.
void DecodeDibRow(const DibLayout& layout, const std::uint8_t* in, std::uint8_t* out);

}  // namespace plorvane
