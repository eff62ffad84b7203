#include "graphics/dib_runs.h"

#include <cstring>
#include <new>

#include "graphics/little_endian.h"

namespace plorvane {
namespace {

constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;

// The position runs write at, counted in stored rows from the bottom. A row has room for as many
// pixels as its uncompressed form would hold, padding included: encoders (ImageMagick among
// them) fill the padding with a run, so pixels there are accepted and dropped, and only a run
// past the padded row is an error.
class RunCursor {
 public:
  RunCursor(const DibLayout& layout, Bitmap& bitmap)
      : layout_(layout), bitmap_(bitmap), width_(static_cast<std::size_t>(layout.width)),
        room_(layout.stride * 8 / static_cast<std::size_t>(layout.bits_per_pixel)),
        rows_(static_cast<std::size_t>(layout.height)) {}

  // True when `count` more pixels fit on the current row.
  [[nodiscard]] bool Fits(std::size_t count) const { return row_ < rows_ && count <= room_ - x_; }

  // Only after Fits said the pixel has room.
  void Put(std::size_t index) {
    if (x_ < width_) {
      std::uint8_t* row = bitmap_.scanline(static_cast<int>(rows_ - 1 - row_));
      std::memcpy(row + x_ * 3, DibPaletteColour(layout_, index).data(), 3);
    }
    ++x_;
  }

  // A position at the end of the row or above the top row is allowed, so a file may end a row
  // or the bitmap with a move; writing there fails.
  bool Move(std::size_t right, std::size_t up) {
    if (right > room_ - x_ || up > rows_ - row_) return false;
    x_ += right;
    row_ += up;
    return true;
  }

  bool EndLine() {
    if (row_ >= rows_) return false;
    x_ = 0;
    ++row_;
    return true;
  }

 private:
  const DibLayout& layout_;
  Bitmap& bitmap_;
  std::size_t width_;
  std::size_t room_;
  std::size_t rows_;
  std::size_t x_ = 0;
  std::size_t row_ = 0;
};

// The i-th of the stored pixels of an absolute run: one a byte (8 bits) or two (4 bits, high
// nibble first).
std::size_t StoredPixel(const std::uint8_t* bytes, std::size_t i, int bits) {
  if (bits == 8) return bytes[i];
  const std::uint8_t pair = bytes[i / 2];
  return i % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

bool DecodeInto(const DibLayout& layout, std::span<const std::uint8_t> runs, RunCursor& cursor) {
  const int bits = layout.bits_per_pixel;
  std::size_t at = 0;
  for (;;) {
    if (!le::Fits(runs.size(), at, 2)) return false;
    const std::uint8_t count = runs[at];
    const std::uint8_t value = runs[at + 1];
    at += 2;
    if (count != 0) {
      if (!cursor.Fits(count)) return false;
      // A 4-bit run alternates the value's two nibbles, high first.
      const std::size_t high = bits == 8 ? value : value >> 4;
      const std::size_t low = bits == 8 ? value : value & 0x0F;
      const std::size_t alternating[] = {high, low};
      for (std::size_t i = 0; i < count; ++i) cursor.Put(alternating[i % 2]);
      continue;
    }
    switch (value) {
      case kEndOfLine:
        if (!cursor.EndLine()) return false;
        break;
      case kEndOfBitmap:
        return true;
      case kDelta:
        if (!le::Fits(runs.size(), at, 2) || !cursor.Move(runs[at], runs[at + 1])) return false;
        at += 2;
        break;
      default: {  // an absolute run of `value` stored pixels
        const std::size_t bytes = bits == 8 ? value : (value + 1u) / 2;
        const std::size_t padded = (bytes + 1) & ~std::size_t{1};
        if (!le::Fits(runs.size(), at, padded) || !cursor.Fits(value)) return false;
        for (std::size_t i = 0; i < value; ++i) cursor.Put(StoredPixel(runs.data() + at, i, bits));
        at += padded;
      }
    }
  }
}

}  // namespace

bool DecodeDibRuns(const DibLayout& layout, std::span<const std::uint8_t> runs, Bitmap& out) {
  try {
    Bitmap decoded;
    const std::array<std::uint8_t, 3> unwritten = DibPaletteColour(layout, 0);
    if (!decoded.Resize(layout.width, layout.height, MakeColour(unwritten[2], unwritten[1], unwritten[0])))
      return false;
    RunCursor cursor(layout, decoded);
    if (!DecodeInto(layout, runs, cursor)) return false;
    out = std::move(decoded);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace plorvane
