#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/general_error.h"
#include "texttools/picture_helpers.h"
#include "texttools/test_streams.h"
#include "texttools/text_picture.h"

namespace plorvane {
namespace {

using testing::kBlue;
using testing::kGreen;
using testing::kRed;
using testing::MakeBitmap;
using testing::PixelsOf;
using testing::SaveText;

TEST(TextPictureWrite, GoldenWhiteThenRedAtDepthOne) {
  EXPECT_EQ(SaveText(MakeBitmap(2, 1, {kWhite, kRed}), 1, 0), "T1200100)))))300~2#");
}

TEST(TextPictureWrite, SurplusColoursBecomeTheFirstColour) {
  const std::string text = SaveText(MakeBitmap(4, 1, {kRed, kGreen, kRed, kBlue}), 1, 0);
  TTextPicture picture;
  ASSERT_TRUE(picture.LoadFromText(text));
  EXPECT_EQ(PixelsOf(picture.bitmap()), (std::vector<Colour>{kRed, kGreen, kRed, kRed}));
}

// A deterministic image of exactly `colours` distinct colours, in no simple order.
Bitmap ScrambledImage(int width, int height, int colours) {
  std::vector<Colour> pixels;
  std::uint32_t state = 12345;
  for (int i = 0; i < width * height; ++i) {
    state = state * 1103515245u + 12345u;
    const auto pick = static_cast<Colour>(i < colours ? i : (state >> 16) % static_cast<std::uint32_t>(colours));
    pixels.push_back(pick * 0x010305u + 0x102030u);
  }
  return MakeBitmap(width, height, pixels);
}

struct RoundTripCase {
  int depth;
  int line_style;
};

class TextPictureRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(TextPictureRoundTrip, GivesBackEveryPixel) {
  const auto [depth, line_style] = GetParam();
  // 97 by 31 leaves a partly filled last digit at every depth and spans several windows.
  const Bitmap original = ScrambledImage(97, 31, 1 << depth);
  const std::string text = SaveText(original, depth, line_style);
  TTextPicture picture;
  ASSERT_TRUE(picture.LoadFromText(text)) << picture.LastError();
  EXPECT_TRUE(picture.bitmap() == original);
}

INSTANTIATE_TEST_SUITE_P(DepthsAndStyles, TextPictureRoundTrip,
                         ::testing::Values(RoundTripCase{1, 0}, RoundTripCase{2, 1}, RoundTripCase{3, 2},
                                           RoundTripCase{4, 0}, RoundTripCase{5, 1}, RoundTripCase{6, 2},
                                           RoundTripCase{6, 1}, RoundTripCase{1, 2}));

TEST(TextPictureWrite, QuotedLinesBreakEvery250DigitsWithANewlineEveryFourthBreak) {
  // 2000 single-colour pixels at depth 6: eight full lines of "0".
  const std::string text = SaveText(MakeBitmap(2000, 1, {}), 6, 1);
  const std::string line(250, '0');
  std::string expected = "T6GV0100))))~'+'";
  for (int n = 1; n <= 8; ++n) expected += line + (n == 3 || n == 7 ? "'+\r\n'" : "'+'");
  expected += "#";
  EXPECT_EQ(text, expected);
}

TEST(TextPictureWrite, PlainLinesBreakEvery68Digits) {
  const std::string text = SaveText(MakeBitmap(150, 1, {}), 6, 2);
  const std::string line(68, '0');
  EXPECT_EQ(text, "T6M20100))))~\r\n" + line + "\r\n" + line + "\r\n" + std::string(14, '0') + "#");
}

TEST(TextPictureWrite, AppendsAtThePositionAndLeavesTheStreamAfterTheText) {
  const Bitmap original = ScrambledImage(90, 40, 64);
  TTextPicture picture;
  picture.Assign(original);
  MemoryStream stream(std::string_view("head"));
  ASSERT_TRUE(stream.Seek(4));
  picture.SaveToStream(stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(stream.AsString().substr(0, 5), "headT");

  ASSERT_TRUE(stream.Seek(0));
  TTextPicture loaded;
  loaded.LoadFromStream(stream);
  EXPECT_TRUE(loaded.bitmap() == original);
}

TEST(TextPictureWrite, StreamWithoutRoomRaisesOutOfMemory) {
  TTextPicture picture;
  picture.Assign(ScrambledImage(90, 40, 64));
  for (const std::size_t room : {std::size_t{0}, std::size_t{10}, std::size_t{3000}}) {
    testing::ProbeStream stream({}, room);
    try {
      picture.SaveToStream(stream);
      FAIL() << "saved into " << room << " bytes";
    } catch (const EGeneralError& error) {
      EXPECT_EQ(std::string_view(error.what()), "Out of memory");
    }
    EXPECT_EQ(picture.LastError(), "Out of memory");
  }
}

TEST(TextPictureWrite, SideBeyondThreeDigitsIsRefused) {
  TTextPicture picture;
  ASSERT_TRUE(picture.SetWidth(262144));
  ASSERT_TRUE(picture.SetHeight(1));
  MemoryStream stream;
  EXPECT_THROW(picture.SaveToStream(stream), EGeneralError);
  EXPECT_EQ(picture.LastError(), "Unexpected error");
  EXPECT_EQ(stream.Size(), 0);
}

TEST(TextPicture, SettingsAreClampedAndTravelWithAssign) {
  TTextPicture source;
  source.SetDepth(9);
  source.SetLineStyle(-2);
  EXPECT_EQ(source.Depth(), 6);
  EXPECT_EQ(source.LineStyle(), 0);
  source.SetDepth(0);
  source.SetLineStyle(5);
  ASSERT_TRUE(source.LoadFromText("T1200100)))))300~2#"));

  TTextPicture copy;
  copy.Assign(source);
  EXPECT_EQ(copy.Depth(), 1);
  EXPECT_EQ(copy.LineStyle(), 2);
  EXPECT_TRUE(copy.bitmap() == source.bitmap());
}

TEST(TextPicture, ResizingKeepsTheOverlapAndWhitensTheRest) {
  TTextPicture picture;
  picture.Assign(MakeBitmap(2, 2, {kRed, kGreen, kBlue, kBlack}));
  ASSERT_TRUE(picture.SetWidth(3));
  ASSERT_TRUE(picture.SetHeight(1));
  EXPECT_EQ(PixelsOf(picture.bitmap()), (std::vector<Colour>{kRed, kGreen, kWhite}));
  EXPECT_FALSE(picture.SetWidth(-1));
  EXPECT_EQ(picture.width(), 3);
}

}  // namespace
}  // namespace plorvane
