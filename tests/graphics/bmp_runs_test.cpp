// Run-length encoded BMP files, assembled byte by byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/bmp_codec.h"
#include "graphics/bmp_files.h"
#include "graphics/test_bitmaps.h"

namespace plorvane {
namespace {

using test::Bytes;

using test::IndexColour;
using test::kRle4;
using test::kRle8;
using test::RleBmp;

// Rows top-down, one hexadecimal digit per pixel's palette index.
Bitmap Expected(const std::vector<std::string>& rows) {
  Bitmap bitmap;
  if (!bitmap.Resize(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()))) std::abort();
  for (std::size_t y = 0; y < rows.size(); ++y)
    for (std::size_t x = 0; x < rows[y].size(); ++x)
      bitmap.SetPixel(static_cast<int>(x), static_cast<int>(y), IndexColour(std::stoul(rows[y].substr(x, 1), nullptr, 16)));
  return bitmap;
}

struct RunCase {
  const char* name;
  std::uint16_t bits;
  Bytes runs;  // from the bottom row up
  std::vector<std::string> rows;
};

// Escapes: 00 00 end of line, 00 01 end of bitmap, 00 02 dx dy delta, 00 n absolute run.
const RunCase kRunCases[] = {
    {"rle8 runs, absolute runs with and without padding, ends of line", 8,
     {0x03, 0x05, 0x01, 0x07, 0x00, 0x00,                    // bottom: 5 5 5 7
      0x00, 0x03, 0x01, 0x02, 0x03, 0x00, 0x01, 0x04, 0x00, 0x00,  // odd absolute run, one pad byte
      0x00, 0x04, 0x09, 0x09, 0x0A, 0x0A, 0x00, 0x01},       // even absolute run, no pad
     {"99AA", "1234", "5557"}},
    {"rle8 delta skips pixels, which keep index 0", 8,
     {0x02, 0x05, 0x00, 0x02, 0x01, 0x01, 0x01, 0x06, 0x00, 0x01},
     {"0000", "0006", "5500"}},
    {"rle8 early end of line and early end of bitmap", 8,
     {0x01, 0x03, 0x00, 0x00, 0x01, 0x04, 0x00, 0x01},
     {"0000", "4000", "3000"}},
    {"rle8 end of line after the top row, then end of bitmap", 8,
     {0x04, 0x01, 0x00, 0x00, 0x04, 0x02, 0x00, 0x00, 0x04, 0x03, 0x00, 0x00, 0x00, 0x01},
     {"3333", "2222", "1111"}},
    {"rle8 delta to the row's end, then pixels on the next row", 8,
     {0x00, 0x02, 0x04, 0x00, 0x00, 0x00, 0x02, 0x0B, 0x00, 0x01},
     {"0000", "BB00", "0000"}},
    {"rle8 runs into the row's padding are dropped", 8,
     {0x04, 0x02, 0x00, 0x00, 0x02, 0x03, 0x00, 0x02, 0x02, 0x00, 0x00, 0x00, 0x00, 0x04, 0x05, 0x06, 0x07, 0x08, 0x00, 0x01},
     {"567", "330", "222"}},
    {"rle4 runs into the row's padding are dropped", 4,
     {0x08, 0x9A, 0x00, 0x01},
     {"00000", "00000", "9A9A9"}},
    {"rle4 runs alternate the value's nibbles, absolute runs of odd and even length", 4,
     {0x05, 0x12, 0x00, 0x00,                          // bottom: 1 2 1 2 1
      0x00, 0x05, 0xAB, 0xCD, 0xE0, 0x00, 0x00, 0x00,  // 5 nibbles in 3 bytes, one pad byte
      0x00, 0x04, 0x45, 0x67, 0x00, 0x01},             // 4 nibbles in 2 bytes, no pad
     {"45670", "ABCDE", "12121"}},
    {"rle4 odd absolute run of 3 nibbles in 2 bytes", 4,
     {0x00, 0x03, 0x45, 0x60, 0x00, 0x02, 0x02, 0x00, 0x00, 0x01},
     {"00000", "00000", "45600"}},
    {"rle4 delta and a run of one, its high nibble", 4,
     {0x01, 0xF0, 0x00, 0x02, 0x02, 0x01, 0x02, 0x37, 0x00, 0x01},
     {"00000", "00037", "F0000"}},
};

TEST(BmpRunLength, DecodesEveryEscape) {
  for (const RunCase& c : kRunCases) {
    const Bitmap expected = Expected(c.rows);
    Bitmap decoded;
    ASSERT_TRUE(ReadBmp(RleBmp(expected.width(), expected.height(), c.bits, c.bits == 8 ? kRle8 : kRle4, c.runs),
                        decoded))
        << c.name;
    EXPECT_EQ(decoded, expected) << c.name;
  }
}

TEST(BmpRunLength, DamagedRunsAreRefusedAndLeaveTheBitmapAlone) {
  const Bytes pixel_offset_past_end = [] {
    Bytes file = RleBmp(4, 3, 8, kRle8, {0x00, 0x01});
    file[10] = 0xFF;
    file[11] = 0xFF;
    return file;
  }();
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"rle8 run past the row's end", RleBmp(4, 3, 8, kRle8, {0x05, 0x01, 0x00, 0x01})},
      {"rle8 run after a full row, without end of line", RleBmp(4, 3, 8, kRle8, {0x04, 0x01, 0x01, 0x01, 0x00, 0x01})},
      {"rle8 run past the padded row's end", RleBmp(3, 3, 8, kRle8, {0x05, 0x01, 0x00, 0x01})},
      {"rle4 run past the padded row's end", RleBmp(5, 3, 4, kRle4, {0x09, 0x11, 0x00, 0x01})},
      {"delta past the padded row's end", RleBmp(5, 3, 4, kRle4, {0x00, 0x02, 0x09, 0x00, 0x00, 0x01})},
      {"rle8 absolute run past the row's end",
       RleBmp(4, 3, 8, kRle8, {0x00, 0x05, 1, 2, 3, 4, 5, 0, 0x00, 0x01})},
      {"rle8 absolute run past the end of the file", RleBmp(4, 3, 8, kRle8, {0x00, 0x04, 1, 2})},
      {"rle8 absolute run without its pad byte", RleBmp(4, 3, 8, kRle8, {0x00, 0x03, 1, 2, 3})},
      {"rle4 absolute run past the end of the file", RleBmp(5, 3, 4, kRle4, {0x00, 0x05, 0xAB, 0xCD})},
      {"delta past the right edge", RleBmp(4, 3, 8, kRle8, {0x00, 0x02, 0x05, 0x00, 0x00, 0x01})},
      {"delta past the top row", RleBmp(4, 3, 8, kRle8, {0x00, 0x02, 0x00, 0x04, 0x00, 0x01})},
      {"delta cut short", RleBmp(4, 3, 8, kRle8, {0x00, 0x02, 0x01})},
      {"pixels above the top row",
       RleBmp(4, 3, 8, kRle8, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x01})},
      {"end of line above the top row",
       RleBmp(4, 3, 8, kRle8, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01})},
      {"no end of bitmap", RleBmp(4, 3, 8, kRle8, {0x04, 0x01, 0x00, 0x00})},
      {"escape cut short", RleBmp(4, 3, 8, kRle8, {0x01, 0x01, 0x00})},
      {"no runs at all", RleBmp(4, 3, 8, kRle8, {})},
      {"rle8 on 4 bits a pixel", RleBmp(4, 3, 4, kRle8, {0x00, 0x01})},
      {"rle4 on 8 bits a pixel", RleBmp(4, 3, 8, kRle4, {0x00, 0x01})},
      {"runs stored top-down", RleBmp(4, -3, 8, kRle8, {0x00, 0x01})},
      {"pixel offset past the end", pixel_offset_past_end},
  };
  for (const auto& c : cases) {
    Bitmap bitmap = test::PatternBitmap(2, 2);
    const Bitmap before = bitmap;
    EXPECT_FALSE(ReadBmp(c.file, bitmap)) << c.name;
    EXPECT_EQ(bitmap, before) << c.name;
  }
}

TEST(BmpRunLength, EveryTruncationFails) {
  for (const RunCase& c : kRunCases) {
    const Bitmap expected = Expected(c.rows);
    const Bytes file = RleBmp(expected.width(), expected.height(), c.bits, c.bits == 8 ? kRle8 : kRle4, c.runs);
    for (std::size_t length = 0; length < file.size(); ++length) {
      // A copy of exactly the prefix, so a read past it is caught by the sanitizers.
      const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
      Bitmap bitmap;
      EXPECT_FALSE(ReadBmp(prefix, bitmap)) << c.name << " cut to " << length;
    }
  }
}

}  // namespace
}  // namespace plorvane
