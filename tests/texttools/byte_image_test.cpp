#include "texttools/byte_image.h"

#include <gtest/gtest.h>

namespace plorvane {
namespace {

TEST(ByteImage, PutNextFillsRowsInOrderThenReportsFull) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(3, 2, kWhite));
  TByteImage image(&bitmap);
  for (Colour c = 1; c <= 6; ++c) ASSERT_TRUE(image.PutNext(c));
  EXPECT_FALSE(image.PutNext(99));
  const Colour expected[2][3] = {{1, 2, 3}, {4, 5, 6}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(bitmap.GetPixel(x, y), expected[y][x]) << x << "," << y;
  }
}

TEST(ByteImage, EmptyBitmapIsFullFromTheStart) {
  Bitmap bitmap;
  TByteImage image(&bitmap);
  EXPECT_FALSE(image.PutNext(1));
}

struct CursorCase {
  int x, y;
  int expected_x, expected_y;
};

class ByteImageCursor : public ::testing::TestWithParam<CursorCase> {};

TEST_P(ByteImageCursor, IsClampedToTheBitmap) {
  const CursorCase c = GetParam();
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(3, 2, kWhite));
  TByteImage image(&bitmap);
  image.SetCursor(c.x, c.y);
  EXPECT_EQ(image.CursorX(), c.expected_x);
  EXPECT_EQ(image.CursorY(), c.expected_y);
}

INSTANTIATE_TEST_SUITE_P(Cases, ByteImageCursor,
                         ::testing::Values(CursorCase{1, 1, 1, 1}, CursorCase{-5, -5, -1, 0},
                                           CursorCase{10, 10, 2, 1}, CursorCase{-1, 1, -1, 1}));

TEST(ByteImage, CursorBeforeTheRowSwallowsOnePut) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(2, 1, kWhite));
  TByteImage image(&bitmap);
  image.SetCursor(-1, 0);
  ASSERT_TRUE(image.PutNext(7));
  ASSERT_TRUE(image.PutNext(8));
  EXPECT_EQ(bitmap.GetPixel(0, 0), 8u);
  EXPECT_EQ(bitmap.GetPixel(1, 0), kWhite);
}

TEST(ByteImage, PixelsOutsideAreIgnored) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.Resize(2, 2, kWhite));
  TByteImage image(&bitmap);
  image.SetPixel(1, 0, 0x123456);
  image.SetPixel(2, 0, 0);
  image.SetPixel(0, -1, 0);
  Colour colour = 42;
  EXPECT_FALSE(image.GetPixel(-1, 0, colour));
  EXPECT_FALSE(image.GetPixel(0, 2, colour));
  EXPECT_EQ(colour, 42u);
  ASSERT_TRUE(image.GetPixel(1, 0, colour));
  EXPECT_EQ(colour, 0x123456u);
  EXPECT_EQ(bitmap.GetPixel(0, 0), kWhite);
  EXPECT_EQ(bitmap.GetPixel(1, 1), kWhite);
}

}  // namespace
}  // namespace plorvane
