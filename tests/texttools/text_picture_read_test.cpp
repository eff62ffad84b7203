#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/general_error.h"
#include "texttools/picture_helpers.h"
#include "texttools/text_picture.h"

namespace plorvane {
namespace {

using testing::kBlue;
using testing::kGreen;
using testing::kRed;
using testing::kYellow;
using testing::PixelsOf;

constexpr std::string_view kWhiteThenRed = "T1200100)))))300~2#";

struct Loaded {
  bool ok;
  int width;
  int height;
  std::vector<Colour> pixels;
};

Loaded Load(std::string_view text) {
  TTextPicture picture;
  const bool ok = picture.LoadFromText(text);
  return {ok, picture.width(), picture.height(), PixelsOf(picture.bitmap())};
}

TEST(TextPictureRead, GoldenTextGivesWhiteThenRed) {
  const Loaded loaded = Load(kWhiteThenRed);
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.width, 2);
  EXPECT_EQ(loaded.height, 1);
  EXPECT_EQ(loaded.pixels, (std::vector<Colour>{kWhite, kRed}));
}

class TextPictureFiller : public ::testing::TestWithParam<std::string_view> {};

TEST_P(TextPictureFiller, LoadsLikeThePlainText) {
  const Loaded loaded = Load(GetParam());
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.width, 2);
  EXPECT_EQ(loaded.pixels, (std::vector<Colour>{kWhite, kRed}));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, TextPictureFiller,
    ::testing::Values("{a comment}T1200100)))))300~2#", "T1 200 100 \r\n)))) )300 ~ 2 #",
                      "'T1200'+'100))))'+\r\n')300~2#'", "T1{outer {inner} T7 # ~ still outer}200100)))))300~2#",
                      "abc~#T1200100)))))300~2#",        // everything before the signature is skipped
                      "T1200100)))))300~{3}~2",         // end of text instead of a terminator
                      "T1200100)))))300)))~2#",         // digits after the palette are ignored
                      "}T1200100)))))300~2#"));          // a stray closing brace is filler

TEST(TextPictureRead, ShortPaletteKeepsDefaultColours) {
  // Depth 2, 4 by 1, palette lists only white and black; indices 0,1,2 then 3.
  const Loaded loaded = Load("T2400100))))0000~a3#");
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.pixels, (std::vector<Colour>{kWhite, kBlack, kYellow, kGreen}));
}

TEST(TextPictureRead, IndexBeyondThePaletteSelectsTheLastEntry) {
  // Depth 4: sixteen entries, the last red. "z" is 61 and "F" 15, both the last entry.
  const std::string depth4 = "T4300100" + std::string(60, '0') + ")300~zFE#";
  Loaded loaded = Load(depth4);
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.pixels, (std::vector<Colour>{kRed, kRed, kBlack}));

  // Depth 5: thirty-two entries, the last blue; ")" is 63.
  const std::string depth5 = "T5100100" + std::string(31 * 4, '0') + "00m)~)#";
  loaded = Load(depth5);
  ASSERT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.pixels, (std::vector<Colour>{kBlue}));
}

TEST(TextPictureRead, EarlyEndLeavesTheRestWhite) {
  for (const std::string_view text : {"T6200200)300~0#", "T6200200)300~0"}) {
    const Loaded loaded = Load(text);
    ASSERT_TRUE(loaded.ok) << text;
    EXPECT_EQ(loaded.pixels, (std::vector<Colour>{kRed, kWhite, kWhite, kWhite})) << text;
  }
}

TEST(TextPictureRead, OverlongPixelSectionStopsAfterTheFirstSurplusDigit) {
  MemoryStream stream(std::string_view("T6100100)300~01111#"));
  TTextPicture picture;
  picture.LoadFromStream(stream);
  EXPECT_EQ(PixelsOf(picture.bitmap()), std::vector<Colour>{kRed});
  EXPECT_EQ(stream.Position(), 15);  // just after "01"
}

TEST(TextPictureRead, ConsecutivePicturesLoadFromOneStream) {
  MemoryStream stream("xx" + std::string(kWhiteThenRed) + "\r\nT6100100)300~0#");
  TTextPicture picture;
  picture.LoadFromStream(stream);
  EXPECT_EQ(picture.width(), 2);
  picture.LoadFromStream(stream);
  EXPECT_EQ(PixelsOf(picture.bitmap()), std::vector<Colour>{kRed});
}

struct BadHeaderCase {
  std::string_view text;
  std::string_view message;
};

class TextPictureBadHeader : public ::testing::TestWithParam<BadHeaderCase> {};

TEST_P(TextPictureBadHeader, RaisesTheMessageAndKeepsThePicture) {
  const BadHeaderCase c = GetParam();
  TTextPicture picture;
  ASSERT_TRUE(picture.LoadFromText(kWhiteThenRed));
  MemoryStream stream(c.text);
  try {
    picture.LoadFromStream(stream);
    FAIL() << "loaded " << c.text;
  } catch (const EGeneralError& error) {
    EXPECT_EQ(std::string_view(error.what()), c.message);
  }
  EXPECT_EQ(picture.LastError(), c.message);
  EXPECT_EQ(picture.width(), 2);  // nothing was allocated for the bad header
  EXPECT_FALSE(picture.LoadFromText(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextPictureBadHeader,
    ::testing::Values(BadHeaderCase{"", "Unknown format"}, BadHeaderCase{"no signature", "Unknown format"},
                      BadHeaderCase{"{T1200100~}", "Unknown format"}, BadHeaderCase{"T7200100~0#", "Unknown format"},
                      BadHeaderCase{"T0200100~0#", "Unknown format"}, BadHeaderCase{"T1200100#~0#", "Unknown format"},
                      BadHeaderCase{"T1200100))))", "Unknown format"}, BadHeaderCase{"T1000100~0#", "Unknown format"},
                      BadHeaderCase{"T1200000~0#", "Unknown format"}, BadHeaderCase{"T120010~0#", "Unknown format"},
                      BadHeaderCase{"T~", "Unknown format"},
                      // 262,143 square and 8192 by 8193 pass the format but not the pixel cap.
                      BadHeaderCase{"T1))))))~0#", "Unexpected error"},
                      BadHeaderCase{"T1002102~0#", "Unexpected error"}));

TEST(TextPictureRead, SuccessClearsTheLastError) {
  TTextPicture picture;
  ASSERT_FALSE(picture.LoadFromText("T9"));
  ASSERT_FALSE(picture.LastError().empty());
  ASSERT_TRUE(picture.LoadFromText(kWhiteThenRed));
  EXPECT_TRUE(picture.LastError().empty());
}

TEST(TextToBitmap, GivesThePictureOrAnEmptyBitmap) {
  const Bitmap bitmap = TextToBitmap(kWhiteThenRed);
  EXPECT_EQ(PixelsOf(bitmap), (std::vector<Colour>{kWhite, kRed}));
  EXPECT_TRUE(TextToBitmap("T1))))))~").empty());
  EXPECT_TRUE(TextToBitmap("garbage").empty());
}

}  // namespace
}  // namespace plorvane
