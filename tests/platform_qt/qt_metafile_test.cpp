// Enhanced metafiles drawn by the Qt platform, from files made record by record here.
#include <gtest/gtest.h>

#include <QApplication>

#include "graphics/little_endian.h"
#include "graphics/metafile_graphic.h"
#include "platform/picture_pixels.h"
#include "platform/qt/qt_metafiles.h"

namespace plorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Record(Bytes& file, std::uint32_t type, const std::vector<std::int32_t>& fields) {
  le::AppendU32(file, type);
  le::AppendU32(file, static_cast<std::uint32_t>(8 + 4 * fields.size()));
  for (const std::int32_t field : fields) le::AppendI32(file, field);
}

// A 100 x 100 picture (bounds in pixels, frame in hundredths of a millimetre at 96 dots per
// inch): a red square from 10 to 50 without outline, a blue line across the bottom.
Bytes RedSquare() {
  Bytes file;
  constexpr std::int32_t kFrame = 2646;
  Record(file, 1, {0, 0, 99, 99, 0, 0, kFrame, kFrame, 0x464D4520, 0x10000, 0, 0, 0, 0, 0, 1024, 768, 320, 240});
  Record(file, 39, {1, 0, 0x0000FF, 0});                     // solid red brush
  Record(file, 37, {1});                                     // select it
  Record(file, 37, {static_cast<std::int32_t>(0x80000008)});  // the null pen
  Record(file, 43, {10, 10, 50, 50});                        // rectangle
  Record(file, 38, {2, 0, 3, 0, 0xFF0000});                  // blue pen, 3 wide
  Record(file, 37, {2});
  Record(file, 27, {0, 90});                                  // move to
  Record(file, 54, {99, 90});                                 // line to
  Record(file, 14, {0, 0, 0});                                // end of file
  return file;
}

Bitmap Rendered(const Bytes& file, int width, int height) {
  Bitmap out;
  EXPECT_TRUE(QtMetafiles().Render(file, width, height, out));
  return out;
}

TEST(QtMetafileTest, DrawsShapesWithTheirBrushesAndPensScaledToTheSize) {
  const Bitmap actual = Rendered(RedSquare(), 100, 100);
  EXPECT_EQ(actual.GetPixel(30, 30), MakeColour(255, 0, 0));
  EXPECT_EQ(actual.GetPixel(70, 30), kWhite);
  EXPECT_EQ(actual.GetPixel(50, 90), MakeColour(0, 0, 255));

  const Bitmap doubled = Rendered(RedSquare(), 200, 200);
  EXPECT_EQ(doubled.GetPixel(60, 60), MakeColour(255, 0, 0));
  EXPECT_EQ(doubled.GetPixel(110, 60), kWhite);
  EXPECT_EQ(doubled.GetPixel(100, 180), MakeColour(0, 0, 255));
}

TEST(QtMetafileTest, CardPicturesOfMetafilesAreDrawn) {
  Picture picture;
  auto metafile = TMetafile::FromBytes(RedSquare());
  ASSERT_NE(metafile, nullptr);
  picture.SetGraphic(std::move(metafile));
  const Bitmap pixels = PicturePixels(picture, QtMetafiles());
  EXPECT_EQ(pixels.width(), 100);
  EXPECT_EQ(pixels.GetPixel(30, 30), MakeColour(255, 0, 0));
}

TEST(QtMetafileTest, DamagedFilesNeverCrash) {
  Bitmap out;
  EXPECT_FALSE(QtMetafiles().Render(Bytes{1, 2, 3}, 10, 10, out));
  EXPECT_FALSE(QtMetafiles().Render(RedSquare(), 0, 10, out));
  const Bytes whole = RedSquare();
  for (std::size_t size = 0; size < whole.size(); ++size) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    static_cast<void>(QtMetafiles().Render(cut, 20, 20, out));
  }
  Bytes lying = whole;
  lying[88 + 4] = 0xFF;  // the second record claims to be far longer than the file
  EXPECT_TRUE(QtMetafiles().Render(lying, 20, 20, out));
  Bytes huge_polygon;
  Record(huge_polygon, 1, {0, 0, 9, 9, 0, 0, 265, 265, 0x464D4520});
  Record(huge_polygon, 86, {0, 0, 9, 9, 0x7FFFFFFF});
  EXPECT_TRUE(QtMetafiles().Render(huge_polygon, 20, 20, out));
}

}  // namespace
}  // namespace plorvane
