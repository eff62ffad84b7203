#include "graphics/picture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "graphics/bitmap_graphic.h"
#include "graphics/bmp_codec.h"
#include "graphics/icon_graphic.h"
#include "graphics/jpeg_graphic.h"
#include "graphics/metafile_graphic.h"
#include "graphics/test_bitmaps.h"

namespace plorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}
Bytes ShortString(const std::string& text) {
  Bytes out(text.size() + 1);
  out[0] = static_cast<std::uint8_t>(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) out[i + 1] = static_cast<std::uint8_t>(text[i]);
  return out;
}
Bytes U32(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value >> 16),
          static_cast<std::uint8_t>(value >> 24)};
}
Bytes U16(std::uint16_t value) { return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)}; }

Bytes Saved(const Picture& picture) {
  Bytes out;
  picture.SaveData(out);
  return out;
}

// The head of an enhanced metafile: header record, bounds, a frame of 25.4 by 12.7 mm, signature.
Bytes EnhancedMetafile() {
  return Concat({U32(1), U32(88), U32(0), U32(0), U32(95), U32(47), U32(0), U32(0), U32(2540), U32(1270),
                 U32(0x464D4520), U32(0x00010000), U32(88), U32(1), U16(1), U16(0), Bytes(36, 0)});
}

// Placeable metafile of one inch by half an inch at 1440 units an inch, then a bare metafile head.
Bytes PlaceableMetafile() {
  return Concat({U32(0x9AC6CDD7), U16(0), U16(0), U16(0), U16(1440), U16(720), U16(1440), U32(0), U16(0),
                 U16(1), U16(9), U16(0x300), U32(12), U16(0), U32(3), U16(0), U32(3), U16(0)});
}

// An icon with a 16x16 and a 32x32 entry; `last_offset` places the second image.
Bytes IconFile(std::uint32_t last_offset = 38 + 4) {
  return Concat({U16(0), U16(1), U16(2),                                                        //
                 Bytes{16, 16, 0, 0}, U16(1), U16(32), U32(4), U32(38),                         //
                 Bytes{32, 32, 0, 0}, U16(1), U16(32), U32(4), U32(last_offset),  //
                 Bytes{1, 2, 3, 4}, Bytes{5, 6, 7, 8}});
}

TEST(Picture, JpegBytesSurviveSaveAndLoadUnchanged) {
  auto jpeg = TJPEGImage::FromBitmap(test::GradientBitmap(20, 10), 62);
  ASSERT_NE(jpeg, nullptr);
  const Bytes file = jpeg->bytes();
  Picture picture;
  picture.SetGraphic(std::move(jpeg));
  const Bytes saved = Saved(picture);
  EXPECT_EQ(saved, Concat({ShortString("TJPEGImage"), U32(static_cast<std::uint32_t>(file.size())), file}));

  Picture loaded;
  ASSERT_TRUE(loaded.LoadData(saved));
  ASSERT_TRUE(loaded.HasGraphic());
  EXPECT_EQ(loaded.graphic()->ClassName(), "TJPEGImage");
  EXPECT_EQ(loaded.graphic()->Width(), 20);
  EXPECT_EQ(loaded.graphic()->Height(), 10);
  EXPECT_EQ(Saved(loaded), saved);
  Bitmap pixels;
  EXPECT_TRUE(loaded.graphic()->Render(pixels));
  EXPECT_EQ(pixels.width(), 20);
}

TEST(Picture, EmptyJpegIsACountOfZero) {
  Picture picture;
  ASSERT_TRUE(picture.LoadData(Concat({ShortString("TJPEGImage"), U32(0)})));
  EXPECT_TRUE(picture.graphic()->Empty());
  EXPECT_EQ(Saved(picture), Concat({ShortString("TJPEGImage"), U32(0)}));
}

TEST(Picture, BitmapIsSavedAsACountedBmpFile) {
  const Bitmap pixels = test::PatternBitmap(5, 3);
  Picture picture;
  picture.SetGraphic(std::make_unique<TBitmap>(pixels));
  const Bytes bmp = WriteBmp(pixels);
  const Bytes saved = Saved(picture);
  EXPECT_EQ(saved, Concat({ShortString("TBitmap"), U32(static_cast<std::uint32_t>(bmp.size())), bmp}));

  Picture loaded;
  ASSERT_TRUE(loaded.LoadData(saved));
  Bitmap rendered;
  ASSERT_TRUE(loaded.graphic()->Render(rendered));
  EXPECT_EQ(rendered, pixels);
}

TEST(Picture, MetafileCountIncludesItselfAndBytesAreKept) {
  for (const Bytes& file : {EnhancedMetafile(), PlaceableMetafile()}) {
    const Bytes block = Concat({ShortString("TMetafile"), U32(static_cast<std::uint32_t>(file.size() + 4)), file});
    Picture picture;
    ASSERT_TRUE(picture.LoadData(block));
    EXPECT_EQ(picture.graphic()->Width(), 96);
    EXPECT_EQ(picture.graphic()->Height(), 48);
    EXPECT_EQ(Saved(picture), block);
    Bitmap unused;
    EXPECT_FALSE(picture.graphic()->Render(unused));
  }
}

TEST(Picture, IconBlockIsTheFileWithoutACount) {
  const Bytes block = Concat({ShortString("TIcon"), IconFile()});
  Picture picture;
  ASSERT_TRUE(picture.LoadData(block));
  EXPECT_EQ(picture.graphic()->Width(), 32);
  EXPECT_EQ(Saved(picture), block);
}

TEST(Picture, CopyIsDeep) {
  Picture original;
  original.SetGraphic(std::make_unique<TBitmap>(test::PatternBitmap(4, 4)));
  Picture copy = original;
  original.SetGraphic(std::make_unique<TBitmap>(test::PatternBitmap(2, 2)));
  ASSERT_TRUE(copy.HasGraphic());
  EXPECT_NE(copy.graphic(), original.graphic());
  EXPECT_EQ(copy.graphic()->Width(), 4);
  copy = original;
  EXPECT_EQ(copy.graphic()->Width(), 2);
  EXPECT_EQ(Saved(copy), Saved(original));
}

TEST(Picture, BadDataFailsWithItsMessageAndKeepsThePicture) {
  const Bytes bmp = WriteBmp(test::PatternBitmap(2, 2));
  const Bytes metafile = EnhancedMetafile();
  const struct {
    const char* name;
    Bytes data;
    const char* error;
  } cases[] = {
      {"nothing", {}, "Unknown format"},
      {"name past the end", {20, 'T', 'B'}, "Unknown format"},
      {"unknown class", Concat({ShortString("TPngImage"), U32(0)}), "Unknown format"},
      {"bitmap without count", ShortString("TBitmap"), "Data corrupt"},
      {"bitmap count past the end", Concat({ShortString("TBitmap"), U32(static_cast<std::uint32_t>(bmp.size() + 1)), bmp}),
       "Data corrupt"},
      {"bitmap not a bmp", Concat({ShortString("TBitmap"), U32(4), Bytes{1, 2, 3, 4}}), "Data corrupt"},
      {"jpeg not a jpeg", Concat({ShortString("TJPEGImage"), U32(4), Bytes{0xFF, 0xD8, 0, 0}}), "Data corrupt"},
      {"jpeg count past the end", Concat({ShortString("TJPEGImage"), U32(0xFFFFFFFF)}), "Data corrupt"},
      {"metafile count below 4", Concat({ShortString("TMetafile"), U32(3)}), "Data corrupt"},
      {"metafile count past the end",
       Concat({ShortString("TMetafile"), U32(static_cast<std::uint32_t>(metafile.size() + 5)), metafile}), "Data corrupt"},
      {"metafile of neither kind", Concat({ShortString("TMetafile"), U32(12), U32(0), U32(0)}), "Data corrupt"},
      {"icon image past the end", Concat({ShortString("TIcon"), IconFile(1000)}), "Data corrupt"},
      {"icon of the cursor type", Concat({ShortString("TIcon"), U16(0), U16(2), U16(0)}), "Data corrupt"},
  };
  for (const auto& c : cases) {
    Picture picture;
    picture.SetGraphic(std::make_unique<TBitmap>(test::PatternBitmap(3, 3)));
    EXPECT_FALSE(picture.LoadData(c.data)) << c.name;
    EXPECT_EQ(picture.LastError(), c.error) << c.name;
    ASSERT_TRUE(picture.HasGraphic()) << c.name;
    EXPECT_EQ(picture.graphic()->Width(), 3) << c.name;
  }
}

TEST(Picture, RandomBlocksBehindEveryClassNameEndCleanly) {
  std::mt19937 random(5);
  for (const char* name : {"TBitmap", "TJPEGImage", "TIcon", "TMetafile"}) {
    for (int round = 0; round < 300; ++round) {
      Bytes data = ShortString(name);
      const std::size_t length = random() % 64;
      for (std::size_t i = 0; i < length; ++i) data.push_back(static_cast<std::uint8_t>(random()));
      // A count that fits the block more often than chance would give.
      if (length >= 4 && round % 2 == 0) {
        const Bytes count = U32(static_cast<std::uint32_t>(length - 4 + (name == std::string("TMetafile") ? 4 : 0)));
        std::copy(count.begin(), count.end(), data.begin() + static_cast<std::ptrdiff_t>(data.size() - length));
      }
      Picture picture;
      if (picture.LoadData(data)) {
        ASSERT_TRUE(picture.HasGraphic());
        EXPECT_EQ(picture.graphic()->ClassName(), name);
      }
    }
  }
}

}  // namespace
}  // namespace plorvane
