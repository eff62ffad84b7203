#include "graphics/jpeg_codec.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "graphics/test_bitmaps.h"

namespace plorvane {
namespace {

double MeanChannelDifference(const Bitmap& a, const Bitmap& b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const Colour p = a.GetPixel(x, y);
      const Colour q = b.GetPixel(x, y);
      total += std::abs(RedOf(p) - RedOf(q)) + std::abs(GreenOf(p) - GreenOf(q)) + std::abs(BlueOf(p) - BlueOf(q));
    }
  return total / (3.0 * a.width() * a.height());
}

std::vector<std::uint8_t> Encoded(const Bitmap& bitmap, int quality) {
  std::vector<std::uint8_t> bytes;
  EXPECT_TRUE(EncodeJpeg(bitmap, quality, bytes));
  return bytes;
}

// Encodes raw samples straight through libjpeg, for colour spaces our encoder never writes.
std::vector<std::uint8_t> EncodeRaw(int width, int height, int components, J_COLOR_SPACE space,
                                    const std::vector<std::uint8_t>& samples) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = space;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  for (int y = 0; y < height; ++y) {
    JSAMPROW row = const_cast<std::uint8_t*>(samples.data()) + static_cast<std::size_t>(y * width * components);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

void ExpectNear(Colour actual, Colour expected, int tolerance) {
  EXPECT_NEAR(RedOf(actual), RedOf(expected), tolerance);
  EXPECT_NEAR(GreenOf(actual), GreenOf(expected), tolerance);
  EXPECT_NEAR(BlueOf(actual), BlueOf(expected), tolerance);
}

TEST(Jpeg, RoundTripKeepsSizeAndColoursApproximately) {
  const Bitmap original = test::GradientBitmap(37, 21);  // sides that are not multiples of the block size
  const std::vector<std::uint8_t> bytes = Encoded(original, 90);
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  Bitmap decoded;
  ASSERT_TRUE(DecodeJpeg(bytes, decoded));
  ASSERT_EQ(decoded.width(), 37);
  ASSERT_EQ(decoded.height(), 21);
  EXPECT_LT(MeanChannelDifference(original, decoded), 3.0);
  // Channel order: a red field must not come back blue.
  Bitmap red;
  ASSERT_TRUE(red.Resize(16, 16, MakeColour(220, 30, 10)));
  ASSERT_TRUE(DecodeJpeg(Encoded(red, 95), decoded));
  ExpectNear(decoded.GetPixel(8, 8), MakeColour(220, 30, 10), 4);

  int width = 0;
  int height = 0;
  ASSERT_TRUE(ReadJpegSize(bytes, width, height));
  EXPECT_EQ(width, 37);
  EXPECT_EQ(height, 21);
}

TEST(Jpeg, QualityIsClampedToOneThroughHundred) {
  const Bitmap original = test::PatternBitmap(24, 24);
  EXPECT_EQ(Encoded(original, -5), Encoded(original, 1));
  EXPECT_EQ(Encoded(original, 0), Encoded(original, 1));
  EXPECT_EQ(Encoded(original, 250), Encoded(original, 100));
  EXPECT_LT(Encoded(original, 1).size(), Encoded(original, 100).size());
}

TEST(Jpeg, EmptyBitmapIsNotEncoded) {
  std::vector<std::uint8_t> bytes = {1, 2, 3};
  EXPECT_FALSE(EncodeJpeg(Bitmap{}, 75, bytes));
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(Jpeg, DecodesGreyAndAdobeCmyk) {
  const std::vector<std::uint8_t> grey(8 * 8, 90);
  Bitmap decoded;
  ASSERT_TRUE(DecodeJpeg(EncodeRaw(8, 8, 1, JCS_GRAYSCALE, grey), decoded));
  ExpectNear(decoded.GetPixel(3, 3), MakeColour(90, 90, 90), 2);

  // libjpeg marks CMYK files as Adobe's, whose samples are stored inverted: these are pure red.
  std::vector<std::uint8_t> cmyk;
  for (int i = 0; i < 8 * 8; ++i) cmyk.insert(cmyk.end(), {255, 0, 0, 255});
  ASSERT_TRUE(DecodeJpeg(EncodeRaw(8, 8, 4, JCS_CMYK, cmyk), decoded));
  ExpectNear(decoded.GetPixel(3, 3), MakeColour(255, 0, 0), 4);
}

// Offset of the frame header's height field (big-endian height, then width).
std::size_t FrameSizeOffset(const std::vector<std::uint8_t>& bytes) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) return i + 5;
  ADD_FAILURE() << "no baseline frame header";
  return 0;
}

TEST(Jpeg, RejectsBrokenAndOversizedFilesLeavingTheBitmapAlone) {
  const std::vector<std::uint8_t> good = Encoded(test::GradientBitmap(16, 16), 80);
  std::vector<std::uint8_t> huge = good;
  const std::size_t size_at = FrameSizeOffset(huge);
  huge[size_at] = huge[size_at + 2] = 0xF0;  // 61,456 by 61,456: far beyond the pixel cap
  std::vector<std::uint8_t> no_width = good;
  no_width[size_at + 2] = no_width[size_at + 3] = 0;
  std::vector<std::uint8_t> garbage(500);
  std::mt19937 random(3);
  for (auto& byte : garbage) byte = static_cast<std::uint8_t>(random());

  const struct {
    const char* name;
    std::vector<std::uint8_t> file;
  } cases[] = {
      {"empty", {}},
      {"start marker only", {0xFF, 0xD8}},
      {"header cut short", {good.begin(), good.begin() + 40}},
      {"oversized", huge},
      {"zero width", no_width},
      {"garbage", garbage},
  };
  for (const auto& c : cases) {
    Bitmap bitmap = test::PatternBitmap(2, 2);
    const Bitmap before = bitmap;
    EXPECT_FALSE(DecodeJpeg(c.file, bitmap)) << c.name;
    EXPECT_EQ(bitmap, before) << c.name;
  }
  int width = 7;
  int height = 7;
  EXPECT_FALSE(ReadJpegSize(huge, width, height));
}

TEST(Jpeg, PictureCutShortInItsScanStillShowsItsTopRows) {
  const Bitmap original = test::GradientBitmap(64, 64);
  const std::vector<std::uint8_t> bytes = Encoded(original, 90);
  Bitmap decoded;
  ASSERT_TRUE(DecodeJpeg(std::span(bytes).first(bytes.size() * 3 / 4), decoded));
  ASSERT_EQ(decoded.width(), 64);
  ExpectNear(decoded.GetPixel(10, 2), original.GetPixel(10, 2), 8);
}

TEST(Jpeg, EveryTruncationAndRandomDamageEndsCleanly) {
  const std::vector<std::uint8_t> good = Encoded(test::PatternBitmap(20, 12), 70);
  Bitmap bitmap;
  for (std::size_t length = 0; length < good.size(); ++length) {
    if (DecodeJpeg(std::span(good).first(length), bitmap)) {
      EXPECT_EQ(bitmap.width(), 20) << length;
    }
  }
  std::mt19937 random(11);
  for (int round = 0; round < 500; ++round) {
    std::vector<std::uint8_t> damaged = good;
    for (int hits = 0; hits < 3; ++hits) damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
    if (DecodeJpeg(damaged, bitmap)) {
      EXPECT_LE(static_cast<std::int64_t>(bitmap.width()) * bitmap.height(), 64LL * 1024 * 1024);
    }
  }
}

}  // namespace
}  // namespace plorvane
