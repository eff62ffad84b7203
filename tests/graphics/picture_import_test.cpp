// Pictures taken in from files, told apart by their content. PNG, GIF and WebP files are written
// through libpng, giflib and libwebp's own encoders.
#include "graphics/picture_import.h"

#include <gtest/gtest.h>

#include <string>

#include "graphics/bitmap_graphic.h"
#include "graphics/bmp_codec.h"
#include "graphics/cursor_files.h"
#include "graphics/icon_graphic.h"
#include "graphics/image_files.h"
#include "graphics/jpeg_codec.h"
#include "graphics/jpeg_graphic.h"
#include "graphics/metafile_graphic.h"
#include "graphics/test_bitmaps.h"
#include "support/messages.h"

namespace plorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Three by two: opaque red, half-covered red, clear; opaque green, blue and a dark grey.
BgraImage SmallPicture() {
  return {3, 2, {0, 0, 255, 255, 0, 0, 255, 128, 9, 9, 9, 0, 0, 255, 0, 255, 255, 0, 0, 255, 40, 40, 40, 255}};
}

// SmallPicture laid over white.
Bitmap SmallPictureOverWhite() {
  Bitmap expected;
  if (!expected.Resize(3, 2)) std::abort();
  expected.SetPixel(0, 0, MakeColour(255, 0, 0));
  expected.SetPixel(1, 0, MakeColour(255, 127, 127));
  expected.SetPixel(2, 0, kWhite);
  expected.SetPixel(0, 1, MakeColour(0, 255, 0));
  expected.SetPixel(1, 1, MakeColour(0, 0, 255));
  expected.SetPixel(2, 1, MakeColour(40, 40, 40));
  return expected;
}

Picture Imported(const Bytes& file) {
  Picture picture;
  std::string_view error;
  EXPECT_TRUE(ImportPicture(file, picture, error)) << error;
  EXPECT_TRUE(error.empty());
  return picture;
}

Bitmap BitmapOf(const Picture& picture) {
  const auto* bitmap = dynamic_cast<const TBitmap*>(picture.graphic());
  EXPECT_NE(bitmap, nullptr) << "not kept as a bitmap";
  return bitmap != nullptr ? bitmap->bitmap() : Bitmap{};
}

TEST(PictureImport, PngAndWebpBecomeBitmapsLaidOverWhite) {
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"png", test::EncodePng(SmallPicture())},
      {"webp", test::EncodeWebp(SmallPicture())},
  };
  for (const auto& c : cases) EXPECT_EQ(BitmapOf(Imported(c.file)), SmallPictureOverWhite()) << c.name;
}

TEST(PictureImport, GifGivesItsFirstFrameOnItsScreen) {
  const std::vector<test::GifColour> palette = {{200, 10, 10}, {10, 200, 10}, {10, 10, 200}, {0, 0, 0}};
  // The frame covers all but the screen's left column and top row; index 3 is its clear colour.
  constexpr int kScreenWidth = 4;
  constexpr int kScreenHeight = 10;
  test::GifFrame first{1, 1, 3, 9, false, 3, {}};
  for (int i = 0; i < first.width * first.height; ++i) first.indices.push_back(static_cast<std::uint8_t>(i % 4));
  test::GifFrame second{0, 0, kScreenWidth, kScreenHeight, false, NO_TRANSPARENT_COLOR,
                        Bytes(kScreenWidth * kScreenHeight, 0)};

  Bitmap expected;
  ASSERT_TRUE(expected.Resize(kScreenWidth, kScreenHeight));
  for (int y = 0; y < first.height; ++y) {
    for (int x = 0; x < first.width; ++x) {
      const auto index = first.indices[static_cast<std::size_t>(y * first.width + x)];
      if (index == 3) continue;
      const test::GifColour c = palette[index];
      expected.SetPixel(x + 1, y + 1, MakeColour(c.r, c.g, c.b));
    }
  }
  for (const bool interlaced : {false, true}) {
    first.interlaced = interlaced;
    const Bytes file = test::EncodeGif(kScreenWidth, kScreenHeight, palette, {first, second});
    EXPECT_EQ(BitmapOf(Imported(file)), expected) << (interlaced ? "interlaced" : "sequential");
  }

  // A frame reaching past a screen too small for it grows the picture.
  const Bytes grown = test::EncodeGif(1, 1, palette, {test::GifFrame{0, 0, 2, 1, false, NO_TRANSPARENT_COLOR, {1, 2}}});
  const Bitmap wide = BitmapOf(Imported(grown));
  ASSERT_EQ(wide.width(), 2);
  EXPECT_EQ(wide.GetPixel(1, 0), MakeColour(10, 10, 200));
}

TEST(PictureImport, StoredKindsAreKeptAsTheyCame) {
  const Bitmap pattern = test::PatternBitmap(5, 3);
  Bytes jpeg;
  ASSERT_TRUE(EncodeJpeg(test::GradientBitmap(8, 6), 80, jpeg));
  const Bytes icon = test::IconFile(test::kIcoType, {test::SolidImage(4, 24, {1, 2, 3, 255})});
  // An enhanced metafile's header record: type, size, bounds, a frame of 25.4 by 12.7 mm in
  // hundredths of a millimetre, signature, version, file size, records, handles, then the rest.
  Bytes metafile;
  for (const std::uint32_t field : {1u, 88u, 0u, 0u, 95u, 47u, 0u, 0u, 2540u, 1270u, 0x464D4520u, 0x00010000u, 88u, 1u})
    test::PutU32(metafile, field);
  test::PutU16(metafile, 1);
  test::PutU16(metafile, 0);
  metafile.resize(88, 0);

  EXPECT_EQ(BitmapOf(Imported(WriteBmp(pattern))), pattern);

  const Picture from_jpeg = Imported(jpeg);
  const auto* kept_jpeg = dynamic_cast<const TJPEGImage*>(from_jpeg.graphic());
  ASSERT_NE(kept_jpeg, nullptr);
  EXPECT_EQ(kept_jpeg->bytes(), jpeg);

  const Picture from_icon = Imported(icon);
  const auto* kept_icon = dynamic_cast<const TIcon*>(from_icon.graphic());
  ASSERT_NE(kept_icon, nullptr);
  EXPECT_EQ(kept_icon->bytes(), icon);

  const Picture from_metafile = Imported(metafile);
  const auto* kept_metafile = dynamic_cast<const TMetafile*>(from_metafile.graphic());
  ASSERT_NE(kept_metafile, nullptr);
  EXPECT_EQ(kept_metafile->bytes(), metafile);
  EXPECT_EQ(kept_metafile->Width(), 96);
}

TEST(PictureImport, FilesThatDrawNothingGiveTheirErrorAndNothingElse) {
  const Bytes png = test::EncodePng(SmallPicture());
  const Bytes gif = test::EncodeGif(2, 2, {{0, 0, 0}, {255, 255, 255}}, {test::GifFrame{0, 0, 2, 2, false, -1, {0, 1, 1, 0}}});
  const Bytes webp = test::EncodeWebp(SmallPicture());
  Bytes jpeg;
  ASSERT_TRUE(EncodeJpeg(test::GradientBitmap(16, 16), 80, jpeg));
  const Bytes jpeg_header_only(jpeg.begin(), jpeg.begin() + 200);
  const auto cut = [](const Bytes& file, std::size_t keep) { return Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(keep)); };
  // A still WebP's header with the animation flag set: an extended header chunk and nothing more.
  const Bytes animated_webp = {'R', 'I', 'F', 'F', 22, 0, 0, 0, 'W', 'E', 'B', 'P', 'V', 'P', '8', 'X', 10, 0, 0, 0,
                               0x02, 0, 0, 0, 1, 0, 0, 1, 0, 0};
  test::IconEntry bad_png{16, 16, 1, 32, cut(png, 20)};

  const struct {
    const char* name;
    Bytes file;
    std::string_view error;
  } cases[] = {
      {"empty", {}, msg::kUnknownFormat},
      {"text", {'h', 'e', 'l', 'l', 'o'}, msg::kUnknownFormat},
      {"png cut short", cut(png, png.size() - 20), msg::kDataCorrupt},
      {"png signature only", cut(png, 8), msg::kDataCorrupt},
      {"gif cut short", cut(gif, gif.size() - 4), msg::kDataCorrupt},
      {"gif without a frame", cut(gif, 13 + 6), msg::kDataCorrupt},
      {"webp cut short", cut(webp, webp.size() - 6), msg::kDataCorrupt},
      {"animated webp", animated_webp, msg::kUnsupportedFormat},
      {"jpeg without its scan", jpeg_header_only, msg::kDataCorrupt},
      {"bmp cut short", cut(WriteBmp(test::PatternBitmap(3, 3)), 60), msg::kDataCorrupt},
      {"bmp of no pixels", WriteBmp(Bitmap{}), msg::kDataCorrupt},
      {"cursor", test::SolidCursor({1, 2, 3, 255}, 0, 0), msg::kUnsupportedFormat},
      {"icon whose png image is damaged", test::IconFileOf(test::kIcoType, {bad_png}), msg::kDataCorrupt},
  };
  for (const auto& c : cases) {
    Picture picture;
    picture.SetGraphic(std::make_unique<TBitmap>(test::PatternBitmap(2, 2)));
    const Graphic* before = picture.graphic();
    std::string_view error;
    EXPECT_FALSE(ImportPicture(c.file, picture, error)) << c.name;
    EXPECT_EQ(error, c.error) << c.name;
    EXPECT_EQ(picture.graphic(), before) << c.name << ": the picture changed";
  }
}

}  // namespace
}  // namespace plorvane
