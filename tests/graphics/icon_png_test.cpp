// Icons and cursors whose images are stored as PNG files, written through libpng's encoder.
#include <gtest/gtest.h>

#include "graphics/ani_codec.h"
#include "graphics/cursor_codec.h"
#include "graphics/cursor_files.h"
#include "graphics/ico_codec.h"
#include "graphics/icon_graphic.h"
#include "graphics/image_files.h"

namespace plorvane {
namespace {

using test::Bytes;
using test::kCurType;
using test::kIcoType;

// Every pixel different, alpha from clear to opaque among them.
BgraImage Gradient(int width, int height) {
  BgraImage image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.bgra.insert(image.bgra.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                           static_cast<std::uint8_t>(x ^ y), static_cast<std::uint8_t>((x + y) % 4 * 85)});
    }
  }
  return image;
}

test::IconEntry PngEntry(const BgraImage& image, std::uint16_t field_a, std::uint16_t field_b) {
  return {image.width, image.height, field_a, field_b, test::EncodePng(image)};
}

TEST(IconPng, LargestImageOfAnIconIsA256PixelPng) {
  const BgraImage large = Gradient(256, 256);
  const Bytes file = test::IconFileOf(
      kIcoType, {test::EntryOf(kIcoType, test::SolidImage(16, 8, {1, 2, 3, 255})), PngEntry(large, 1, 32)});

  CursorFrame frame;
  ASSERT_EQ(DecodeIconFile(file, IconChoice::kLargest, frame), CursorError::kNone);
  EXPECT_EQ(frame.width, 256);
  EXPECT_EQ(frame.height, 256);
  EXPECT_EQ(frame.bgra, large.bgra);

  auto icon = TIcon::FromBytes(file);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Width(), 256);
  Bitmap drawn;
  ASSERT_TRUE(icon->Render(drawn));
  ASSERT_EQ(drawn.width(), 256);
  // Over white: clear shows white, opaque shows the colour, 170 of 255 in between.
  EXPECT_EQ(drawn.GetPixel(0, 0), kWhite);                           // alpha 0
  EXPECT_EQ(drawn.GetPixel(3, 0), MakeColour(3, 0, 3));              // alpha 255: red x^y, green y, blue x
  EXPECT_EQ(drawn.GetPixel(2, 0), MakeColour(86, 85, 86));           // alpha 170 of (2, 0, 2)
}

TEST(IconPng, CursorWithAPngImageKeepsItsHotSpot) {
  const BgraImage arrow = Gradient(32, 32);
  CursorImage still;
  ASSERT_EQ(DecodeCursor(test::IconFileOf(kCurType, {PngEntry(arrow, 3, 7)}), still), CursorError::kNone);
  ASSERT_EQ(still.frames.size(), 1u);
  EXPECT_EQ(still.frames[0].bgra, arrow.bgra);
  EXPECT_EQ(still.frames[0].hot_spot, (Point{3, 7}));

  // Animated cursors decode their frames through the same reader.
  const Bytes frame = test::IconFileOf(kCurType, {PngEntry(arrow, 1, 1)});
  CursorImage animated;
  ASSERT_EQ(DecodeCursor(test::AniFile({frame, frame}, 6), animated), CursorError::kNone);
  ASSERT_EQ(animated.frames.size(), 2u);
  EXPECT_EQ(animated.frames[1].bgra, arrow.bgra);
}

TEST(IconPng, BadPngImagesFailForTheirFault) {
  Bytes damaged = test::EncodePng(Gradient(8, 8));
  damaged[damaged.size() / 2] ^= 0xFF;  // inside the compressed pixels: the checksum no longer holds
  const struct {
    const char* name;
    Bytes file;
    CursorError error;
  } cases[] = {
      {"damaged pixels", test::IconFileOf(kIcoType, {test::IconEntry{8, 8, 1, 32, damaged}}), CursorError::kBadHeader},
      {"side over 256", test::IconFileOf(kIcoType, {PngEntry(Gradient(257, 2), 1, 32)}), CursorError::kBadHeader},
      {"hot spot outside the png's own size", test::IconFileOf(kCurType, {test::IconEntry{0, 0, 40, 1, test::EncodePng(Gradient(32, 32))}}),
       CursorError::kBadHotSpot},
  };
  for (const auto& c : cases) {
    CursorImage image{{CursorFrame{}}};
    EXPECT_EQ(DecodeCursor(c.file, image), c.error) << c.name;
    EXPECT_EQ(image.frames.size(), 1u) << c.name;
  }
}

}  // namespace
}  // namespace plorvane
