#pragma once
// Builds ICO, CUR and ANI files field by field for the cursor tests and the fuzz seeds, without
// any help from the decoders they test.

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace plorvane::test {

using Bytes = std::vector<std::uint8_t>;

inline void PutU16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void PutU32(Bytes& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

inline Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// A pixel as a cursor shows it: blue, green, red, alpha.
struct Bgra {
  std::uint8_t b = 0, g = 0, r = 0, a = 0;
  friend bool operator==(const Bgra&, const Bgra&) = default;
};

inline constexpr Bgra kClear{0, 0, 0, 0};

// One image of an icon or cursor. Rows run top-down here; the file stores them bottom-up.
struct IconImage {
  int width = 0;
  int height = 0;
  int bits = 32;              // 1, 4, 8, 24 or 32
  std::vector<Bgra> palette;  // for up to 8 bits
  // A palette index for up to 8 bits, else the colour (its alpha only stored at 32 bits).
  std::vector<std::uint32_t> indices;
  std::vector<Bgra> colours;
  std::vector<bool> masked;  // the AND mask; empty means all zero
  std::uint16_t hot_x = 0;   // written to cursor directories only
  std::uint16_t hot_y = 0;
};

// Encodes `pixels` (top-down) at `bits` per pixel, building the palette from the colours used.
// Pixels of alpha 0 become black with their mask bit set; at 32 bits the alpha is stored as is.
inline IconImage EncodeImage(int width, int height, int bits, const std::vector<Bgra>& pixels) {
  IconImage image{width, height, bits, {}, {}, {}, {}, 0, 0};
  for (const Bgra& pixel : pixels) {
    const bool clear = pixel.a == 0;
    image.masked.push_back(bits != 32 && clear);
    const Bgra stored = bits == 32 ? pixel : clear ? Bgra{0, 0, 0, 0} : Bgra{pixel.b, pixel.g, pixel.r, 0};
    if (bits > 8) {
      image.colours.push_back(stored);
      continue;
    }
    std::uint32_t index = 0;
    while (index < image.palette.size() && !(image.palette[index] == stored)) ++index;
    if (index == image.palette.size()) image.palette.push_back(stored);
    if (image.palette.size() > (1u << bits)) std::abort();  // the test asked for too many colours
    image.indices.push_back(index);
  }
  return image;
}

inline std::size_t RowBytes(int width, int bits) { return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4; }

// The DIB of an icon image: info header of doubled height, palette, colour rows, mask rows.
inline Bytes DibOf(const IconImage& image) {
  const std::size_t colour_row = RowBytes(image.width, image.bits);
  const std::size_t mask_row = RowBytes(image.width, 1);
  Bytes out;
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(image.width));
  PutU32(out, static_cast<std::uint32_t>(image.height * 2));
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint32_t>(image.bits));
  PutU32(out, 0);
  PutU32(out, static_cast<std::uint32_t>((colour_row + mask_row) * static_cast<std::size_t>(image.height)));
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, static_cast<std::uint32_t>(image.palette.size()));
  PutU32(out, 0);
  for (const Bgra& entry : image.palette) out.insert(out.end(), {entry.b, entry.g, entry.r, 0});
  for (int y = image.height - 1; y >= 0; --y) {
    Bytes row(colour_row, 0);
    for (int x = 0; x < image.width; ++x) {
      const auto at = static_cast<std::size_t>(y * image.width + x);
      if (image.bits <= 8) {
        const int bit = x * image.bits;
        row[static_cast<std::size_t>(bit / 8)] |=
            static_cast<std::uint8_t>(image.indices[at] << (8 - image.bits - bit % 8));
      } else {
        const Bgra& c = image.colours[at];
        const std::size_t byte = static_cast<std::size_t>(x) * static_cast<std::size_t>(image.bits / 8);
        row[byte] = c.b;
        row[byte + 1] = c.g;
        row[byte + 2] = c.r;
        if (image.bits == 32) row[byte + 3] = c.a;
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = image.height - 1; y >= 0; --y) {
    Bytes row(mask_row, 0);
    for (int x = 0; x < image.width; ++x) {
      const auto at = static_cast<std::size_t>(y * image.width + x);
      if (!image.masked.empty() && image.masked[at])
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// One directory entry with its image bytes, for files whose images are not plain DIBs.
struct IconEntry {
  int width = 0;  // 256 is written as 0
  int height = 0;
  std::uint16_t field_a = 0;  // planes, or the hot spot's x in cursors
  std::uint16_t field_b = 0;  // bit count, or the hot spot's y in cursors
  Bytes image;
};

inline constexpr std::uint16_t kIcoType = 1;
inline constexpr std::uint16_t kCurType = 2;

inline Bytes IconFileOf(std::uint16_t type, const std::vector<IconEntry>& entries) {
  Bytes out;
  PutU16(out, 0);
  PutU16(out, type);
  PutU16(out, static_cast<std::uint32_t>(entries.size()));
  std::size_t offset = 6 + 16 * entries.size();
  for (const IconEntry& entry : entries) {
    out.push_back(static_cast<std::uint8_t>(entry.width & 0xFF));
    out.push_back(static_cast<std::uint8_t>(entry.height & 0xFF));
    out.push_back(0);  // colour count
    out.push_back(0);
    PutU16(out, entry.field_a);
    PutU16(out, entry.field_b);
    PutU32(out, static_cast<std::uint32_t>(entry.image.size()));
    PutU32(out, static_cast<std::uint32_t>(offset));
    offset += entry.image.size();
  }
  for (const IconEntry& entry : entries) out.insert(out.end(), entry.image.begin(), entry.image.end());
  return out;
}

inline IconEntry EntryOf(std::uint16_t type, const IconImage& image) {
  const bool cursor = type == kCurType;
  return {image.width, image.height, cursor ? image.hot_x : std::uint16_t{1},
          cursor ? image.hot_y : static_cast<std::uint16_t>(image.bits), DibOf(image)};
}

inline Bytes IconFile(std::uint16_t type, const std::vector<IconImage>& images) {
  std::vector<IconEntry> entries;
  for (const IconImage& image : images) entries.push_back(EntryOf(type, image));
  return IconFileOf(type, entries);
}

// A solid square image; `colour` opaque everywhere.
inline IconImage SolidImage(int side, int bits, Bgra colour) {
  return EncodeImage(side, side, bits,
                     std::vector<Bgra>(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), colour));
}

// RIFF pieces. A chunk of odd size is followed by one pad byte unless `pad` is false.
inline Bytes Chunk(std::string_view id, const Bytes& data, bool pad = true) {
  Bytes out(id.begin(), id.end());
  PutU32(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  if (pad && data.size() % 2 != 0) out.push_back(0);
  return out;
}

inline Bytes ChunkList(std::string_view form, const std::vector<Bytes>& chunks) {
  Bytes out(form.begin(), form.end());
  for (const Bytes& chunk : chunks) out.insert(out.end(), chunk.begin(), chunk.end());
  return out;
}

inline Bytes Riff(std::string_view form, const std::vector<Bytes>& chunks) {
  return Chunk("RIFF", ChunkList(form, chunks));
}

inline Bytes U32List(const std::vector<std::uint32_t>& values) {
  Bytes out;
  for (const std::uint32_t value : values) PutU32(out, value);
  return out;
}

inline constexpr std::uint32_t kAniIconFrames = 1;
inline constexpr std::uint32_t kAniSequence = 2;

inline Bytes AniHeader(std::uint32_t frames, std::uint32_t steps, std::uint32_t jiffies, std::uint32_t flags) {
  // size, frames, steps, width, height, bit count, planes, rate, flags
  return Chunk("anih", U32List({36, frames, steps, 0, 0, 0, 0, jiffies, flags}));
}

inline Bytes FrameList(const std::vector<Bytes>& icon_files) {
  std::vector<Bytes> chunks;
  for (const Bytes& file : icon_files) chunks.push_back(Chunk("icon", file));
  return Chunk("LIST", ChunkList("fram", chunks));
}

// An animated cursor of the given frames (ICO or CUR files); a sequence and rates are written
// only when given.
inline Bytes AniFile(const std::vector<Bytes>& frames, std::uint32_t jiffies,
                     const std::vector<std::uint32_t>& rates = {}, const std::vector<std::uint32_t>& sequence = {}) {
  const auto steps = static_cast<std::uint32_t>(sequence.empty() ? frames.size() : sequence.size());
  std::vector<Bytes> chunks{AniHeader(static_cast<std::uint32_t>(frames.size()), steps, jiffies,
                                      kAniIconFrames | (sequence.empty() ? 0 : kAniSequence))};
  if (!rates.empty()) chunks.push_back(Chunk("rate", U32List(rates)));
  if (!sequence.empty()) chunks.push_back(Chunk("seq ", U32List(sequence)));
  chunks.push_back(FrameList(frames));
  return Riff("ACON", chunks);
}

// A 32x32 cursor of one colour with its hot spot at (x, y).
inline Bytes SolidCursor(Bgra colour, std::uint16_t x, std::uint16_t y, int bits = 8) {
  IconImage image = SolidImage(32, bits, colour);
  image.hot_x = x;
  image.hot_y = y;
  return IconFile(kCurType, {image});
}

}  // namespace plorvane::test
