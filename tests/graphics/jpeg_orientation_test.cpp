// JPEG pictures with an Exif orientation, spliced by hand into a file from our encoder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/exif_orientation.h"
#include "graphics/image_files.h"
#include "graphics/jpeg_codec.h"
#include "graphics/jpeg_graphic.h"

namespace plorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Blocks of one 16x16 coding unit each, so the colours survive compression nearly unchanged.
constexpr int kBlock = 16;

Colour BlockColour(char name) {
  switch (name) {
    case 'A': return MakeColour(255, 0, 0);
    case 'B': return MakeColour(0, 255, 0);
    case 'C': return MakeColour(0, 0, 255);
    case 'D': return MakeColour(255, 255, 0);
    case 'E': return MakeColour(0, 0, 0);
    default: return MakeColour(255, 255, 255);
  }
}

// Stored as three blocks by two: A B C over D E F.
Bytes StoredJpeg() {
  const std::vector<std::string> rows = {"ABC", "DEF"};
  Bitmap bitmap;
  if (!bitmap.Resize(3 * kBlock, 2 * kBlock)) std::abort();
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x)
      bitmap.SetPixel(x, y, BlockColour(rows[static_cast<std::size_t>(y / kBlock)][static_cast<std::size_t>(x / kBlock)]));
  Bytes jpeg;
  if (!EncodeJpeg(bitmap, 95, jpeg)) std::abort();
  return jpeg;
}

bool Near(Colour a, Colour b) {
  const auto close = [](int x, int y) { return std::abs(x - y) <= 24; };
  return close(RedOf(a), RedOf(b)) && close(GreenOf(a), GreenOf(b)) && close(BlueOf(a), BlueOf(b));
}

// How each orientation must show the stored A B C / D E F, block rows top-down.
const struct {
  std::uint16_t orientation;
  std::vector<std::string> upright;
} kOrientations[] = {
    {1, {"ABC", "DEF"}},        // as stored
    {2, {"CBA", "FED"}},        // mirrored left to right
    {3, {"FED", "CBA"}},        // half a turn
    {4, {"DEF", "ABC"}},        // mirrored top to bottom
    {5, {"AD", "BE", "CF"}},    // mirrored across the main diagonal
    {6, {"DA", "EB", "FC"}},    // a quarter turn clockwise
    {7, {"FC", "EB", "DA"}},    // mirrored across the other diagonal
    {8, {"CF", "BE", "AD"}},    // a quarter turn anticlockwise
};

TEST(JpegOrientation, EveryOrientationShowsUprightInBothByteOrders) {
  const Bytes stored = StoredJpeg();
  for (const bool big_endian : {false, true}) {
    for (const auto& c : kOrientations) {
      const std::string label = std::to_string(c.orientation) + (big_endian ? " MM" : " II");
      const Bytes file = test::WithSegment(stored, test::ExifSegment(c.orientation, big_endian));
      auto image = TJPEGImage::FromBytes(file);
      ASSERT_NE(image, nullptr) << label;
      EXPECT_EQ(image->bytes(), file) << label << ": the bytes are kept as they came";
      const int columns = static_cast<int>(c.upright.front().size());
      const int rows = static_cast<int>(c.upright.size());
      EXPECT_EQ(image->Width(), columns * kBlock) << label;
      EXPECT_EQ(image->Height(), rows * kBlock) << label;
      Bitmap shown;
      ASSERT_TRUE(image->Render(shown)) << label;
      ASSERT_EQ(shown.width(), columns * kBlock) << label;
      ASSERT_EQ(shown.height(), rows * kBlock) << label;
      for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
          const char expected = c.upright[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
          // Corners of each block too, so a one-pixel slip in the turn shows.
          for (const auto& [dx, dy] : {std::pair{kBlock / 2, kBlock / 2}, std::pair{2, 2}, std::pair{kBlock - 3, kBlock - 3}}) {
            const Colour got = shown.GetPixel(column * kBlock + dx, row * kBlock + dy);
            EXPECT_TRUE(Near(got, BlockColour(expected))) << label << " block " << row << "," << column;
          }
        }
      }
    }
  }
}

TEST(JpegOrientation, ReadsOnlyASoundOrientationTag) {
  const Bytes stored = StoredJpeg();
  const Bytes turned = test::ExifSegment(6, true);
  const Bytes xmp = {0xFF, 0xE1, 0x00, 0x08, 'h', 't', 't', 'p', ':', '/'};
  Bytes short_directory = turned;
  short_directory[2] = 0x00;
  short_directory[3] = 0x14;  // the segment ends inside the directory
  Bytes offset_past_end = turned;
  offset_past_end[17] = 0x7F;  // the first directory's offset
  Bytes wrong_type = turned;
  wrong_type[35] = 4;  // the orientation as a long, which no writer uses
  const struct {
    const char* name;
    Bytes file;
    ExifOrientation expected;
  } cases[] = {
      {"no exif", stored, ExifOrientation::kUpright},
      {"after another app1 segment", test::WithSegment(test::WithSegment(stored, turned), xmp),
       ExifOrientation::kRotateRight},
      {"value 0", test::WithSegment(stored, test::ExifSegment(0, false)), ExifOrientation::kUpright},
      {"value 9", test::WithSegment(stored, test::ExifSegment(9, false)), ExifOrientation::kUpright},
      {"segment cut inside its directory", test::WithSegment(stored, short_directory), ExifOrientation::kUpright},
      {"directory offset past the segment", test::WithSegment(stored, offset_past_end), ExifOrientation::kUpright},
      {"tag of the wrong type", test::WithSegment(stored, wrong_type), ExifOrientation::kUpright},
      {"segment length past the file", Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF, 'E', 'x'}, ExifOrientation::kUpright},
      {"not a jpeg", Bytes{'E', 'x', 'i', 'f'}, ExifOrientation::kUpright},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadExifOrientation(c.file), c.expected) << c.name;

  // A damaged Exif block never costs the picture.
  auto image = TJPEGImage::FromBytes(test::WithSegment(stored, offset_past_end));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Width(), 3 * kBlock);
}

TEST(JpegOrientation, EveryTruncationOfTheExifBlockEndsCleanly) {
  const Bytes segment = test::ExifSegment(8, false);
  for (std::size_t length = 0; length <= segment.size() + 2; ++length) {
    const Bytes prefix(segment.begin(), segment.begin() + static_cast<std::ptrdiff_t>(std::min(length, segment.size())));
    Bytes file = {0xFF, 0xD8};
    file.insert(file.end(), prefix.begin(), prefix.end());
    const ExifOrientation read = ReadExifOrientation(file);
    EXPECT_EQ(read, length >= segment.size() ? ExifOrientation::kRotateLeft : ExifOrientation::kUpright) << length;
  }
}

}  // namespace
}  // namespace plorvane
