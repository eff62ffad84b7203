// The text window's picture of its text, drawn with the headless renderer's fixed metrics: each
// character advances 6 pixels, a line of a size-8 font is 12 pixels high and its glyphs are boxes
// 5 wide and 8 high, 2 pixels below the line's top.
#include "texttools/text_rendering.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_text_renderer.h"
#include "support/general.h"
#include "support/limits.h"

namespace plorvane {
namespace {

constexpr int kLine = 12;  // a size-8 line
const Font kBlackText{"", 8};

struct Rendered {
  bool ok = false;
  Bitmap bitmap;
  std::string error;
  std::vector<int> progress;
};

Rendered Render(std::string_view text, const Font& font = kBlackText, RenderTextHooks hooks = {}) {
  Rendered out;
  if (!hooks.progress) hooks.progress = [&out](int percent) { out.progress.push_back(percent); };
  out.ok = RenderText(HeadlessTextRenderer(), text, font, out.bitmap, hooks, out.error);
  return out;
}

struct ExtentCase {
  const char* name;
  std::string text;
  int width;
  int height;
};

class RenderTextExtent : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(RenderTextExtent, IsTheWidestLineAndTheLinesBelowAMarginRow) {
  const ExtentCase& c = GetParam();
  const Rendered out = Render(c.text);
  ASSERT_TRUE(out.ok) << out.error;
  EXPECT_EQ(out.bitmap.width(), c.width);
  EXPECT_EQ(out.bitmap.height(), c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RenderTextExtent,
    ::testing::Values(ExtentCase{"EmptyTextIsOnePixel", "", 1, 1},
                      ExtentCase{"OneLine", "ab", 12, 1 + kLine},
                      ExtentCase{"FinalBreakAddsNoHeight", "ab\r\n", 12, 1 + kLine},
                      ExtentCase{"FinalLoneLineFeedAddsNoHeight", "ab\n", 12, 1 + kLine},
                      ExtentCase{"InnerEmptyLineKeepsItsHeight", "ab\r\n\r\ncd", 12, 1 + 3 * kLine},
                      ExtentCase{"LoneCarriageReturnsBreakLines", "a\r\rb", 6, 1 + 3 * kLine},
                      ExtentCase{"WidestLineDecides", "abc\r\nx\r\nabcde", 30, 1 + 3 * kLine},
                      ExtentCase{"OnlyABreakIsOneSpaceWideLine", "\r\n", 6, 1 + kLine},
                      ExtentCase{"TwoFinalBreaksKeepOneEmptyLine", "ab\n\n", 12, 1 + 2 * kLine}),
    [](const ::testing::TestParamInfo<ExtentCase>& param) { return std::string(param.param.name); });

TEST(RenderText, DrawsEachLineOneLineBelowTheLastAfterTheMarginRow) {
  // Ten lines make the picture grow several times while drawing; earlier lines must stay.
  std::string text;
  for (int i = 0; i < 10; ++i) text += std::string(static_cast<std::size_t>(i + 1), 'x') + "\r\n";
  const Rendered out = Render(text);
  ASSERT_TRUE(out.ok) << out.error;
  ASSERT_EQ(out.bitmap.height(), 1 + 10 * kLine);
  EXPECT_EQ(out.bitmap.GetPixel(0, 0), kWhite);
  for (int line = 0; line < 10; ++line) {
    const int glyph_top = 1 + line * kLine + 2;
    SCOPED_TRACE(line);
    EXPECT_EQ(out.bitmap.GetPixel(0, glyph_top - 1), kWhite);
    EXPECT_EQ(out.bitmap.GetPixel(0, glyph_top), kBlack);
    EXPECT_EQ(out.bitmap.GetPixel(6 * line + 4, glyph_top + 7), kBlack);  // the line's last glyph
    EXPECT_EQ(out.bitmap.GetPixel(6 * line + 5, glyph_top), kWhite);      // the gap after it
    if (line < 9) {
      EXPECT_EQ(out.bitmap.GetPixel(6 * line + 6, glyph_top), kWhite);
    }
  }
  EXPECT_EQ(out.progress.size(), 11u);  // the empty last line is drawn too
  EXPECT_EQ(out.progress.back(), 100);
}

TEST(RenderText, ProgressIsTheShareOfLinesDrawn) {
  EXPECT_EQ(Render("a\nb\nc\nd").progress, (std::vector<int>{25, 50, 75, 100}));
  EXPECT_EQ(Render("a\nb\nc").progress, (std::vector<int>{33, 66, 100}));
}

struct ContrastCase {
  Colour text;
  Colour background;
};

class ContrastColourOf : public ::testing::TestWithParam<ContrastCase> {};

TEST_P(ContrastColourOf, IsWhiteUpTo192InEveryComponentElseBlack) {
  const ContrastCase& c = GetParam();
  EXPECT_EQ(TGeneral::ContrastColour(c.text), c.background);
  Font font = kBlackText;
  font.colour = c.text;
  const Rendered out = Render("a", font);
  ASSERT_TRUE(out.ok);
  EXPECT_EQ(out.bitmap.GetPixel(0, 0), c.background);
  EXPECT_EQ(out.bitmap.GetPixel(5, 5), c.background);  // right of the glyph box
  EXPECT_EQ(out.bitmap.GetPixel(0, 3), c.text);
}

INSTANTIATE_TEST_SUITE_P(Colours, ContrastColourOf,
                         ::testing::Values(ContrastCase{kBlack, kWhite}, ContrastCase{kWhite, kBlack},
                                           ContrastCase{MakeColour(192, 192, 192), kWhite},
                                           ContrastCase{MakeColour(192, 0, 0), kWhite},
                                           ContrastCase{MakeColour(193, 0, 0), kBlack},
                                           ContrastCase{MakeColour(0, 193, 0), kBlack},
                                           ContrastCase{MakeColour(0, 0, 193), kBlack},
                                           ContrastCase{MakeColour(10, 150, 192), kWhite}));

// The cancel check answers true from its `stop_at`-th question on.
RenderTextHooks StopAt(int stop_at, int& questions) {
  return RenderTextHooks{[stop_at, &questions] { return ++questions >= stop_at; }, {}};
}

TEST(RenderText, StopWhileDrawingEndsBeforeTheNextLine) {
  int questions = 0;
  // Five lines are measured (five questions), then the third drawn line is refused.
  Rendered out = Render("a\nb\nc\nd\ne", kBlackText, StopAt(8, questions));
  EXPECT_FALSE(out.ok);
  EXPECT_EQ(out.error, "Task cancelled");
  EXPECT_EQ(questions, 8);
  EXPECT_EQ(out.progress, (std::vector<int>{20, 40}));
  // What was drawn stays: two lines in a picture grown for three.
  EXPECT_EQ(out.bitmap.height(), 1 + 3 * kLine);
  EXPECT_EQ(out.bitmap.GetPixel(0, 1 + kLine + 2), kBlack);
  EXPECT_EQ(out.bitmap.GetPixel(0, 1 + 2 * kLine + 2), kWhite);
}

TEST(RenderText, StopWhileMeasuringLeavesTheBitmapAlone) {
  int questions = 0;
  Rendered out;
  ASSERT_TRUE(out.bitmap.Resize(3, 2, MakeColour(1, 2, 3)));
  const Bitmap before = out.bitmap;
  out.ok = RenderText(HeadlessTextRenderer(), "a\nb\nc", kBlackText, out.bitmap, StopAt(2, questions), out.error);
  EXPECT_FALSE(out.ok);
  EXPECT_EQ(out.error, "Task cancelled");
  EXPECT_EQ(questions, 2);
  EXPECT_EQ(out.bitmap, before);
}

struct AbsurdCase {
  const char* name;
  int font_size;
  int line_count;
  int line_length;
};

class RenderTextTooLarge : public ::testing::TestWithParam<AbsurdCase> {};

TEST_P(RenderTextTooLarge, FailsWithOutOfMemoryBeforeDrawing) {
  const AbsurdCase& c = GetParam();
  Font font = kBlackText;
  font.size = c.font_size;
  std::string text;
  for (int i = 0; i < c.line_count; ++i) text += std::string(static_cast<std::size_t>(c.line_length), 'w') + "\n";
  const Rendered out = Render(text, font);
  EXPECT_FALSE(out.ok);
  EXPECT_EQ(out.error, "Out of memory");
  EXPECT_TRUE(out.progress.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, RenderTextTooLarge,
    ::testing::Values(AbsurdCase{"TallerThanABitmapSide", 1000, 262, 1},        // 262 lines of 1004 pixels
                      AbsurdCase{"WiderThanABitmapSide", 8, 1, 50'000},         // 300,000 pixels wide
                      AbsurdCase{"MorePixelsThanTheCap", 8, 600, 1'700}),       // 10,200 by 7,201
    [](const ::testing::TestParamInfo<AbsurdCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace plorvane
