// Metafiles of both kinds drawn by the Qt platform, from files made record by record here.
#include <gtest/gtest.h>

#include <QApplication>

#include "graphics/metafile_graphic.h"
#include "graphics/metafile_samples.h"
#include "platform/picture_pixels.h"
#include "platform/qt/qt_metafiles.h"

namespace plorvane {
namespace {

using test::EmfFile;
using test::FileBytes;
using test::WmfFile;
namespace emf = test::emf;
namespace wmf = test::wmf;

constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kBlue = MakeColour(0, 0, 255);

// A 100 x 100 picture (bounds in pixels, frame in hundredths of a millimetre at 96 dots per
// inch): a red square from 10 to 50 without outline, a blue line across the bottom.
FileBytes EnhancedRedSquare() {
  EmfFile file(99, 99, 2646, 2646);
  file.Record(emf::kCreateBrush, {1, 0, 0x0000FF, 0})
      .Record(emf::kSelectObject, {1})
      .Record(emf::kSelectObject, {emf::kStockObject | 8})  // the null pen
      .Record(emf::kRectangle, {10, 10, 50, 50})
      .Record(emf::kCreatePen, {2, 0, 3, 0, 0xFF0000})  // blue, 3 wide
      .Record(emf::kSelectObject, {2})
      .Record(emf::kMoveTo, {0, 90})
      .Record(emf::kLineTo, {99, 90})
      .End();
  return file.bytes();
}

// A placeable picture 1000 x 1000 logical units (an inch at 1000 a inch: 96 x 96 pixels): a red
// rectangle from 200 to 600 without outline.
FileBytes WindowsRedRectangle(bool placeable = true) {
  WmfFile file(placeable ? std::optional<WmfFile::Placeable>(WmfFile::Placeable{0, 0, 1000, 1000, 1000, true})
                         : std::nullopt);
  if (!placeable) file.Record(wmf::kSetWindowExtent, {1000, 1000});
  file.Record(wmf::kCreateBrush, {0, 0x00FF, 0, 0})
      .Record(wmf::kCreatePen, {5, 0, 0, 0, 0})  // null pen
      .Record(wmf::kSelectObject, {0})
      .Record(wmf::kSelectObject, {1})
      .Record(wmf::kRectangle, {600, 600, 200, 200})
      .End();
  return file.bytes();
}

Bitmap Rendered(const FileBytes& file, int width, int height) {
  Bitmap out;
  EXPECT_TRUE(QtMetafiles().Render(file, width, height, out));
  return out;
}

TEST(QtMetafileTest, EnhancedShapesDrawWithTheirBrushesAndPensScaledToTheSize) {
  const Bitmap actual = Rendered(EnhancedRedSquare(), 100, 100);
  EXPECT_EQ(actual.GetPixel(30, 30), kRed);
  EXPECT_EQ(actual.GetPixel(70, 30), kWhite);
  EXPECT_EQ(actual.GetPixel(50, 90), kBlue);

  const Bitmap doubled = Rendered(EnhancedRedSquare(), 200, 200);
  EXPECT_EQ(doubled.GetPixel(60, 60), kRed);
  EXPECT_EQ(doubled.GetPixel(110, 60), kWhite);
  EXPECT_EQ(doubled.GetPixel(100, 180), kBlue);
}

TEST(QtMetafileTest, WindowsRectanglesFillTheirPlaceOnTheTarget) {
  for (const bool placeable : {true, false}) {
    SCOPED_TRACE(placeable ? "placeable box" : "window records");
    const Bitmap square = Rendered(WindowsRedRectangle(placeable), 100, 100);
    EXPECT_EQ(square.GetPixel(40, 40), kRed);
    EXPECT_EQ(square.GetPixel(21, 59), kRed);
    EXPECT_EQ(square.GetPixel(10, 40), kWhite);
    EXPECT_EQ(square.GetPixel(70, 40), kWhite);
    EXPECT_EQ(square.GetPixel(40, 70), kWhite);
    // Stretched across: 20% to 60% of each side.
    const Bitmap wide = Rendered(WindowsRedRectangle(placeable), 300, 50);
    EXPECT_EQ(wide.GetPixel(65, 12), kRed);
    EXPECT_EQ(wide.GetPixel(175, 28), kRed);
    EXPECT_EQ(wide.GetPixel(55, 25), kWhite);
    EXPECT_EQ(wide.GetPixel(185, 25), kWhite);
  }
}

TEST(QtMetafileTest, CardPicturesOfBothKindsAreDrawn) {
  const struct {
    const char* name;
    FileBytes file;
    int size;
    int inside;
  } cases[] = {{"enhanced", EnhancedRedSquare(), 100, 30}, {"windows", WindowsRedRectangle(), 96, 40}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Picture picture;
    auto metafile = TMetafile::FromBytes(c.file);
    ASSERT_NE(metafile, nullptr);
    picture.SetGraphic(std::move(metafile));
    const Bitmap pixels = PicturePixels(picture, QtMetafiles());
    EXPECT_EQ(pixels.width(), c.size);
    EXPECT_EQ(pixels.GetPixel(c.inside, c.inside), kRed);
    EXPECT_EQ(pixels.GetPixel(c.size - 5, 5), kWhite);
  }
}

// Logical y growing upwards (a negative viewport extent) still puts shapes where they belong.
TEST(QtMetafileTest, EnhancedMappingWithYUpwardsPlacesShapes) {
  EmfFile file(99, 99, 2646, 2646);
  file.Record(emf::kSetMapMode, {8})
      .Record(emf::kSetWindowExtent, {1000, 1000})
      .Record(emf::kSetViewportExtent, {100, -100})
      .Record(emf::kSetViewportOrigin, {0, 100})
      .Record(emf::kSelectObject, {emf::kStockObject | 4})  // black brush
      .Record(emf::kRectangle, {0, 0, 500, 300})            // the bottom-left corner
      .End();
  const Bitmap drawn = Rendered(file.bytes(), 100, 100);
  EXPECT_EQ(drawn.GetPixel(20, 85), kBlack);
  EXPECT_EQ(drawn.GetPixel(20, 20), kWhite);
  EXPECT_EQ(drawn.GetPixel(80, 85), kWhite);
}

TEST(QtMetafileTest, BitmapsAndTextDraw) {
  const FileBytes dib = test::SolidDib(2, 2, 0, 0, 255);
  FileBytes stretch;
  for (const std::uint32_t word : {0x0020u, 0x00CCu, 0u, 2u, 2u, 0u, 0u, 50u, 50u, 0u, 0u}) test::Put16(stretch, word);
  stretch.insert(stretch.end(), dib.begin(), dib.end());
  FileBytes text;
  test::Put16(text, 6);
  for (const char c : std::string_view("HHHHHH")) text.push_back(static_cast<std::uint8_t>(c));
  test::Put16(text, 60);  // y
  test::Put16(text, 5);   // x
  FileBytes font;
  for (const std::uint32_t word : {static_cast<std::uint32_t>(-30) & 0xFFFF, 0u, 0u, 0u, 700u}) test::Put16(font, word);
  font.insert(font.end(), 9, 0);

  WmfFile file(WmfFile::Placeable{0, 0, 100, 100, 96, true});
  file.Raw(wmf::kStretchDib, stretch)
      .Raw(wmf::kCreateFont, font)
      .Record(wmf::kSelectObject, {0})
      .Record(wmf::kSetTextColour, {0xFF00, 0})
      .Record(wmf::kSetBackgroundMode, {1})
      .Raw(wmf::kTextOut, text)
      .End();
  const Bitmap drawn = Rendered(file.bytes(), 100, 100);
  EXPECT_EQ(drawn.GetPixel(25, 25), kBlue);
  EXPECT_EQ(drawn.GetPixel(75, 25), kWhite);
  int green = 0;
  for (int y = 60; y < 95; ++y)
    for (int x = 0; x < 100; ++x) green += drawn.GetPixel(x, y) == MakeColour(0, 255, 0) ? 1 : 0;
  EXPECT_GT(green, 50);
}

TEST(QtMetafileTest, DamagedFilesNeverCrash) {
  Bitmap out;
  EXPECT_FALSE(QtMetafiles().Render(FileBytes{1, 2, 3}, 10, 10, out));
  EXPECT_FALSE(QtMetafiles().Render(EnhancedRedSquare(), 0, 10, out));
  for (const FileBytes& whole :
       {test::EveryEnhancedRecord(), test::EveryWindowsRecord(true), test::EveryWindowsRecord(false)}) {
    for (std::size_t size = 0; size < whole.size(); ++size) {
      const FileBytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
      static_cast<void>(QtMetafiles().Render(cut, 20, 20, out));
    }
  }
  FileBytes lying = EnhancedRedSquare();
  // The second record (after the header and the 24-byte brush) claims to be far longer than the file.
  constexpr std::size_t kSecondRecordSize = 88 + 24 + 4;
  lying[kSecondRecordSize + 3] = 0x7F;
  EXPECT_TRUE(QtMetafiles().Render(lying, 20, 20, out));
  FileBytes huge_polygon_body(20, 0);
  for (std::size_t i = 16; i < 20; ++i) huge_polygon_body[i] = 0xFF;
  EXPECT_TRUE(QtMetafiles().Render(EmfFile(9, 9, 265, 265).Raw(emf::kPolygon16, huge_polygon_body).bytes(), 20, 20, out));
  // Coordinates at the ends of their range and a pen as wide as they come.
  WmfFile extremes;
  extremes.Record(wmf::kCreatePen, {0, 0x7FFF, 0, 0, 0})
      .Record(wmf::kSelectObject, {0})
      .Record(wmf::kEllipse, {0x7FFF, 0x7FFF, -0x8000, -0x8000})
      .Record(wmf::kRoundRect, {0x7FFF, 0x7FFF, 0x7FFF, 0x7FFF, -0x8000, -0x8000})
      .Record(wmf::kPie, {0, 0, 0, 0, 0, 0, 0, 0})
      .End();
  EXPECT_TRUE(QtMetafiles().Render(extremes.bytes(), 20, 20, out));
}

}  // namespace
}  // namespace plorvane
