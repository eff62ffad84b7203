#include "graphics/bmp_codec.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "graphics/bmp_files.h"
#include "graphics/test_bitmaps.h"

namespace plorvane {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// Builds a BMP file field by field, independently of the writer under test. `rows` are the raw
// pixel values (palette indices or packed values) from the top row down.
struct BmpFile {
  int width = 0;
  int height = 0;
  bool top_down = false;
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t colours_used = 0;
  std::vector<Colour> palette;
  std::vector<std::uint32_t> masks;
  std::vector<std::vector<std::uint32_t>> rows;

  static BmpFile Of(int width, int height, std::uint16_t bits, bool top_down = false) {
    BmpFile file;
    file.width = width;
    file.height = height;
    file.bits = bits;
    file.top_down = top_down;
    return file;
  }

  [[nodiscard]] std::vector<std::uint8_t> Bytes() const {
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    const std::uint32_t offset = static_cast<std::uint32_t>(14 + 40 + 4 * masks.size() + 4 * palette.size());
    std::vector<std::uint8_t> out = {'B', 'M'};
    Put32(out, offset + static_cast<std::uint32_t>(stride * rows.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(top_down ? -height : height));
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, compression);
    Put32(out, static_cast<std::uint32_t>(stride * rows.size()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, colours_used);
    Put32(out, 0);
    for (const std::uint32_t mask : masks) Put32(out, mask);
    for (const Colour colour : palette) Put32(out, (RedOf(colour) << 16) | (GreenOf(colour) << 8) | BlueOf(colour));
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const auto& row = rows[top_down ? r : rows.size() - 1 - r];
      std::vector<std::uint8_t> packed(stride, 0);
      for (std::size_t x = 0; x < row.size(); ++x) {
        const std::uint32_t v = row[x];
        if (bits < 8) {
          const std::size_t bit = x * bits;
          packed[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
        } else {
          for (std::size_t b = 0; b < bits / 8u; ++b) packed[x * bits / 8 + b] = static_cast<std::uint8_t>(v >> (8 * b));
        }
      }
      out.insert(out.end(), packed.begin(), packed.end());
    }
    return out;
  }
};

constexpr int kWidth = 5;  // odd, so rows need padding at every depth
constexpr int kHeight = 3;

Colour PaletteColour(std::size_t i) {
  return MakeColour(static_cast<std::uint8_t>(i * 16 + 1), static_cast<std::uint8_t>(255 - i * 8),
                    static_cast<std::uint8_t>(i * 3));
}

struct DepthCase {
  std::uint16_t bits;
  bool top_down;
};

class BmpDepthTest : public ::testing::TestWithParam<DepthCase> {};

TEST_P(BmpDepthTest, ReadsEveryDepthInBothRowOrders) {
  const DepthCase c = GetParam();
  BmpFile file = BmpFile::Of(kWidth, kHeight, c.bits, c.top_down);
  Bitmap expected;
  ASSERT_TRUE(expected.Resize(kWidth, kHeight));
  const std::size_t palette_size = c.bits == 1 ? 2 : 16;
  if (c.bits <= 8) {
    for (std::size_t i = 0; i < palette_size; ++i) file.palette.push_back(PaletteColour(i));
    file.colours_used = c.bits == 1 ? 0 : 16;
  }
  for (int y = 0; y < kHeight; ++y) {
    auto& row = file.rows.emplace_back();
    for (int x = 0; x < kWidth; ++x) {
      const auto r = static_cast<std::uint8_t>(x * 50 + y);
      const auto g = static_cast<std::uint8_t>(y * 90);
      const auto b = static_cast<std::uint8_t>(200 - x * 10);
      switch (c.bits) {
        case 16: {  // five bits a channel: only full and empty channels survive exactly
          const bool red = (x & 1) != 0, green = (y & 1) != 0, blue = (x + y) % 3 == 0;
          row.push_back((red ? 0x7C00u : 0) | (green ? 0x03E0u : 0) | (blue ? 0x001Fu : 0));
          expected.SetPixel(x, y, MakeColour(red ? 255 : 0, green ? 255 : 0, blue ? 255 : 0));
          break;
        }
        case 24:
        case 32:
          row.push_back((std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b);
          expected.SetPixel(x, y, MakeColour(r, g, b));
          break;
        default: {
          const std::size_t index = static_cast<std::size_t>(x + 2 * y) % palette_size;
          row.push_back(static_cast<std::uint32_t>(index));
          expected.SetPixel(x, y, PaletteColour(index));
        }
      }
    }
  }
  Bitmap decoded;
  ASSERT_TRUE(ReadBmp(file.Bytes(), decoded));
  EXPECT_EQ(decoded, expected);
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpDepthTest,
                         ::testing::Values(DepthCase{1, false}, DepthCase{1, true}, DepthCase{4, false},
                                           DepthCase{4, true}, DepthCase{8, false}, DepthCase{8, true},
                                           DepthCase{16, false}, DepthCase{16, true}, DepthCase{24, false},
                                           DepthCase{24, true}, DepthCase{32, false}, DepthCase{32, true}),
                         [](const auto& case_info) {
                           return std::to_string(case_info.param.bits) + (case_info.param.top_down ? "_top_down" : "_bottom_up");
                         });

TEST(BmpRead, BitFieldMasksChooseTheChannels) {
  BmpFile rgbx = BmpFile::Of(2, 1, 32);
  rgbx.compression = 3;
  rgbx.masks = {0xFF000000, 0x00FF0000, 0x0000FF00};
  rgbx.rows = {{0x11223300, 0xFF000000}};
  Bitmap decoded;
  ASSERT_TRUE(ReadBmp(rgbx.Bytes(), decoded));
  EXPECT_EQ(decoded.GetPixel(0, 0), MakeColour(0x11, 0x22, 0x33));
  EXPECT_EQ(decoded.GetPixel(1, 0), MakeColour(0xFF, 0, 0));

  BmpFile rgb565 = BmpFile::Of(2, 1, 16);
  rgb565.compression = 3;
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.rows = {{0xFFE0, 0x001F}};
  ASSERT_TRUE(ReadBmp(rgb565.Bytes(), decoded));
  EXPECT_EQ(decoded.GetPixel(0, 0), MakeColour(255, 255, 0));
  EXPECT_EQ(decoded.GetPixel(1, 0), MakeColour(0, 0, 255));
}

TEST(BmpRead, IndexPastAShortPaletteIsBlack) {
  BmpFile file = BmpFile::Of(2, 1, 8);
  file.colours_used = 1;
  file.palette = {MakeColour(10, 20, 30)};
  file.rows = {{0, 7}};
  Bitmap decoded;
  ASSERT_TRUE(ReadBmp(file.Bytes(), decoded));
  EXPECT_EQ(decoded.GetPixel(0, 0), MakeColour(10, 20, 30));
  EXPECT_EQ(decoded.GetPixel(1, 0), kBlack);
}

TEST(BmpRead, ReadsTheOldCoreHeader) {
  // 2x1, 1 bit per pixel, 3-byte palette entries: black and pure green.
  std::vector<std::uint8_t> file = {'B', 'M', 36, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0,
                                    12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 1, 0,
                                    0, 0, 0, 0, 255, 0,
                                    0x40, 0, 0, 0};
  Bitmap decoded;
  ASSERT_TRUE(ReadBmp(file, decoded));
  EXPECT_EQ(decoded.GetPixel(0, 0), kBlack);
  EXPECT_EQ(decoded.GetPixel(1, 0), MakeColour(0, 255, 0));
}

TEST(BmpRead, OldCoreHeaderGivesItsFullSizeAtEveryDepth) {
  constexpr int kCoreWidth = 127;
  constexpr int kCoreHeight = 64;
  for (const std::uint16_t bits : {1, 4, 8, 24}) {
    const std::size_t palette_size = bits == 24 ? 0 : std::size_t{1} << bits;
    Bitmap decoded;
    ASSERT_TRUE(ReadBmp(test::CoreBmp(kCoreWidth, kCoreHeight, bits), decoded)) << bits;
    ASSERT_EQ(decoded.width(), kCoreWidth) << bits;
    ASSERT_EQ(decoded.height(), kCoreHeight) << bits;
    for (int y = 0; y < kCoreHeight; ++y) {
      for (int x = 0; x < kCoreWidth; ++x) {
        const Colour expected =
            bits == 24 ? test::CoreTrueColour(x, y) : test::CoreColour(static_cast<std::size_t>(x + 3 * y) % palette_size);
        ASSERT_EQ(decoded.GetPixel(x, y), expected) << bits << " bits at " << x << "," << y;
      }
    }
  }
}

TEST(BmpWrite, WritesTheExactWindowsLayout) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(3, 2));
  bitmap.SetPixel(0, 0, MakeColour(1, 2, 3));   // top row
  bitmap.SetPixel(2, 1, MakeColour(4, 5, 6));   // bottom row, written first
  const std::vector<std::uint8_t> expected = {
      'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,   // file header: size 54 + 2 rows of 12
      40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,  // size, width, height, planes, depth
      0, 0, 0, 0, 24, 0, 0, 0,                           // no compression, image size
      0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    // resolutions, colour counts
      255, 255, 255, 255, 255, 255, 6, 5, 4, 0, 0, 0,    // bottom row, 3 padding bytes
      3, 2, 1, 255, 255, 255, 255, 255, 255, 0, 0, 0};   // top row
  EXPECT_EQ(WriteBmp(bitmap), expected);
}

TEST(BmpWrite, RoundTripsEveryPaddingWidth) {
  for (int width = 1; width <= 5; ++width) {
    const Bitmap original = test::PatternBitmap(width, 3);
    Bitmap decoded;
    ASSERT_TRUE(ReadBmp(WriteBmp(original), decoded)) << width;
    EXPECT_EQ(decoded, original) << width;
  }
}

std::vector<std::uint8_t> WithU32(std::vector<std::uint8_t> file, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) file[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
  return file;
}

TEST(BmpRead, RejectsBrokenFilesAndLeavesTheBitmapAlone) {
  const std::vector<std::uint8_t> good = WriteBmp(test::PatternBitmap(3, 2));
  const std::vector<std::uint8_t> short_pixels(good.begin(), good.end() - 1);
  std::vector<std::uint8_t> bad_magic = good;
  bad_magic[1] = 'A';
  BmpFile eight_bit = BmpFile::Of(2, 1, 8);
  eight_bit.colours_used = 4;
  eight_bit.palette = {kWhite, kWhite, kWhite, kWhite};
  eight_bit.rows = {{0, 1}};
  std::vector<std::uint8_t> short_palette = eight_bit.Bytes();
  short_palette.resize(14 + 40 + 8);

  const struct {
    const char* name;
    std::vector<std::uint8_t> file;
  } cases[] = {
      {"empty", {}},
      {"only the magic", {'B', 'M'}},
      {"bad magic", bad_magic},
      {"pixels cut short", short_pixels},
      {"pixel offset past the end", WithU32(good, 10, 0xFFFFFFF0)},
      {"pixel offset inside the file header", WithU32(good, 10, 4)},
      {"header size past the end", WithU32(good, 14, 0x7FFFFFFF)},
      {"header size unknown", WithU32(good, 14, 20)},
      {"width beyond the cap", WithU32(good, 18, 300000)},
      {"negative width", WithU32(good, 18, 0xFFFFFFFF)},
      {"most negative height", WithU32(good, 22, 0x80000000)},
      {"too many pixels", WithU32(WithU32(good, 18, 200000), 22, 200000)},
      {"two bits per pixel", WithU32(good, 26, 0x00020001)},
      {"run-length compression", WithU32(good, 30, 1)},
      {"bit fields on 24 bits", WithU32(good, 30, 3)},
      {"palette cut short", short_palette},
  };
  for (const auto& c : cases) {
    Bitmap bitmap = test::PatternBitmap(2, 2);
    const Bitmap before = bitmap;
    EXPECT_FALSE(ReadBmp(c.file, bitmap)) << c.name;
    EXPECT_EQ(bitmap, before) << c.name;
  }
}

TEST(BmpRead, EveryTruncationAndRandomDamageFailsOrDecodesSafely) {
  const std::vector<std::uint8_t> good = WriteBmp(test::PatternBitmap(3, 3));
  Bitmap bitmap;
  for (std::size_t length = 0; length < good.size(); ++length)
    EXPECT_FALSE(ReadBmp(std::span(good).first(length), bitmap)) << length;

  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::vector<std::uint8_t> damaged = good;
    for (int hits = 0; hits < 4; ++hits)
      damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
    if (ReadBmp(damaged, bitmap)) {
      EXPECT_LE(static_cast<std::int64_t>(bitmap.width()) * bitmap.height(), 64LL * 1024 * 1024);
    }
  }
}

}  // namespace
}  // namespace plorvane
