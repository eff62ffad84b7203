#include <gtest/gtest.h>

#include <vector>

#include "media/simple_labels.h"
#include "platform/headless/headless_text_renderer.h"

namespace plorvane {
namespace {

constexpr Colour kRed = MakeColour(255, 0, 0);

class SimpleLabelsTest : public testing::Test {
 protected:
  // A visible label with its top-left at (left, top) and the size its caption gives.
  TSimpleLabel& Place(const std::string& caption, int left, int top) {
    TSimpleLabel* label = labels_.NewLabel();
    label->SetCaption(caption);
    label->SetPosition(left, top);
    label->SetVisible(true);
    return *label;
  }

  HeadlessTextRenderer renderer_;
  TSimpleLabels labels_{renderer_};
};

TEST_F(SimpleLabelsTest, AutoSizeIsTheTextExtentPlusFour) {
  TSimpleLabel& label = *labels_.NewLabel();
  // "TSimpleLabel": 12 characters of 6 pixels; a size 8 line is 12 pixels high.
  EXPECT_EQ(label.Width(), 12 * kHeadlessGlyphAdvance + 4);
  EXPECT_EQ(label.Height(), 12 + 4);

  label.SetCaption("menu");
  EXPECT_EQ(label.Width(), 4 * kHeadlessGlyphAdvance + 4);
  Font large = label.GetFont();
  large.size = 20;
  label.SetFont(large);
  EXPECT_EQ(label.Height(), 24 + 4);

  label.SetAutoSize(false);
  label.SetCaption("a much longer caption");
  EXPECT_EQ(label.Width(), 4 * kHeadlessGlyphAdvance + 4) << "a fixed size stays";
  label.Fit();
  EXPECT_EQ(label.Width(), 21 * kHeadlessGlyphAdvance + 4);
}

TEST_F(SimpleLabelsTest, OnlyRealChangesMarkTheLabelChanged) {
  TSimpleLabel& label = *labels_.NewLabel();
  EXPECT_FALSE(label.Changed());
  label.SetCaption("TSimpleLabel");
  label.SetVisible(false);
  label.SetFontColour(kBlack);
  EXPECT_FALSE(label.Changed()) << "every value was set to what it already was";

  const auto marks = [&](auto change) {
    label.ClearChanged();
    change();
    return label.Changed();
  };
  EXPECT_TRUE(marks([&] { label.SetCaption("link"); }));
  EXPECT_TRUE(marks([&] { label.SetVisible(true); }));
  EXPECT_TRUE(marks([&] { label.SetFontColour(kRed); }));
  EXPECT_FALSE(marks([&] { label.SetBounds(5, 6, 7, 8); })) << "moving and sizing are not changes";
}

TEST_F(SimpleLabelsTest, HitTestIncludesTheRightAndBottomEdges) {
  TSimpleLabel& label = *labels_.NewLabel();
  label.SetBounds(10, 20, 30, 16);
  const struct {
    int x, y, index;
  } cases[] = {
      {10, 20, 0}, {40, 36, 0}, {40, 20, 0}, {10, 36, 0}, {25, 28, 0},
      {9, 20, -1}, {41, 36, -1}, {40, 37, -1}, {10, 19, -1},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(labels_.IndexAt(test.x, test.y), test.index) << test.x << ", " << test.y;
  }
}

TEST_F(SimpleLabelsTest, TheLastOfOverlappingLabelsWinsAndVisibilityIsIgnored) {
  Place("first", 0, 0);
  TSimpleLabel& second = Place("second", 10, 0);
  second.SetVisible(false);
  EXPECT_EQ(labels_.IndexAt(12, 5), 1);
  EXPECT_EQ(labels_.IndexAt(5, 5), 0);
}

TEST_F(SimpleLabelsTest, HoverReportsOnlyAChangeOfLabel) {
  Place("one", 0, 0);
  Place("two", 100, 0);
  EXPECT_TRUE(labels_.Hover(5, 5));
  EXPECT_FALSE(labels_.Hover(10, 8)) << "moving within one label";
  EXPECT_TRUE(labels_.Hover(105, 5)) << "onto another label";
  EXPECT_EQ(labels_.HoveredIndex(), 1);
  EXPECT_TRUE(labels_.Hover(500, 500)) << "off every label";
  EXPECT_FALSE(labels_.Hover(600, 600));
  EXPECT_EQ(labels_.HoveredIndex(), -1);
}

TEST_F(SimpleLabelsTest, ClickFiresTheLabelUnderThePointEvenWhenInvisible) {
  TSimpleLabel& hidden = Place("hidden", 0, 0);
  hidden.SetVisible(false);
  std::vector<const TSimpleLabel*> clicked;
  hidden.OnClick = [&](TSimpleLabel& sender) { clicked.push_back(&sender); };

  EXPECT_EQ(labels_.Click(3, 3), 0);
  EXPECT_EQ(labels_.Click(300, 3), -1);
  ASSERT_EQ(clicked.size(), 1U);
  EXPECT_EQ(clicked[0], &hidden);
}

TEST_F(SimpleLabelsTest, AHandlerMayRemoveItsOwnLabel) {
  TSimpleLabel& label = Place("bye", 0, 0);
  int calls = 0;
  label.OnClick = [&](TSimpleLabel& sender) {
    ++calls;
    labels_.Remove(&sender);
  };
  EXPECT_EQ(labels_.Click(3, 3), 0);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(labels_.Count(), 0);
}

TEST_F(SimpleLabelsTest, TheThousandAndFirstLabelIsNotCreated) {
  TSimpleLabel* first = labels_.NewLabel();
  for (int i = 1; i < TSimpleLabels::kCapacity; ++i) ASSERT_NE(labels_.NewLabel(), nullptr) << i;
  EXPECT_EQ(labels_.NewLabel(), nullptr);
  EXPECT_EQ(labels_.Count(), 1000);

  ASSERT_TRUE(labels_.Remove(first));
  EXPECT_NE(labels_.NewLabel(), nullptr) << "a freed entry can be used again";
}

TEST_F(SimpleLabelsTest, RemoveClosesTheGapAndTheHoverFollowsItsLabel) {
  TSimpleLabel& first = Place("a", 0, 0);
  Place("b", 100, 0);
  Place("c", 200, 0);
  labels_.Hover(205, 5);
  ASSERT_EQ(labels_.HoveredIndex(), 2);

  EXPECT_TRUE(labels_.Remove(&first));
  EXPECT_FALSE(labels_.Remove(&first)) << "no longer in the list";
  EXPECT_EQ(labels_.Count(), 2);
  EXPECT_EQ(labels_.IndexAt(205, 5), 1);
  EXPECT_EQ(labels_.HoveredIndex(), 1) << "still the label under the mouse";
  EXPECT_EQ(labels_.IndexAt(5, 5), -1);

  labels_.Clear();
  EXPECT_EQ(labels_.Count(), 0);
  EXPECT_EQ(labels_.HoveredIndex(), -1);
}

class SimpleLabelsDrawTest : public SimpleLabelsTest {
 protected:
  void SetUp() override { ASSERT_TRUE(bitmap_.Resize(40, 40, kWhite)); }

  // "ab" at (3, 4) in red: 16 by 16; glyph boxes 5 wide from x 5 and 11, rows 8..15.
  TSimpleLabel& RedLabel() {
    TSimpleLabel& label = Place("ab", 3, 4);
    label.SetFontColour(kRed);
    return label;
  }

  Bitmap bitmap_;
};

TEST_F(SimpleLabelsDrawTest, DrawsTheCaptionInsetByTwoAndFramesOnlyTheHoveredLabel) {
  RedLabel();
  labels_.DrawAll({0, 0}, bitmap_);
  EXPECT_EQ(bitmap_.GetPixel(5, 8), kRed);
  EXPECT_EQ(bitmap_.GetPixel(9, 15), kRed);
  EXPECT_EQ(bitmap_.GetPixel(10, 8), kWhite) << "space between the glyphs";
  EXPECT_EQ(bitmap_.GetPixel(11, 8), kRed);
  EXPECT_EQ(bitmap_.GetPixel(3, 4), kWhite) << "no frame without hover";

  labels_.Hover(3, 4);
  labels_.DrawAll({0, 0}, bitmap_);
  for (const Point corner : {Point{3, 4}, Point{18, 4}, Point{3, 19}, Point{18, 19}}) {
    EXPECT_EQ(bitmap_.GetPixel(corner.x, corner.y), kRed) << corner.x << ", " << corner.y;
  }
  EXPECT_EQ(bitmap_.GetPixel(19, 20), kWhite) << "the frame stays inside the box";
  EXPECT_EQ(bitmap_.GetPixel(4, 5), kWhite) << "one pixel wide, no background";
}

TEST_F(SimpleLabelsDrawTest, TextIsClippedTwoPixelsInsideANarrowLabel) {
  TSimpleLabel& label = RedLabel();
  label.SetWidth(8);  // clip ends at x 3 + 8 - 2 = 9
  labels_.DrawAll({0, 0}, bitmap_);
  EXPECT_EQ(bitmap_.GetPixel(8, 8), kRed);
  EXPECT_EQ(bitmap_.GetPixel(9, 8), kWhite);
  EXPECT_EQ(bitmap_.GetPixel(11, 8), kWhite);
}

TEST_F(SimpleLabelsDrawTest, AnInvisibleLabelIsNotDrawn) {
  RedLabel().SetVisible(false);
  labels_.Hover(5, 8);
  const Bitmap before = bitmap_;
  labels_.DrawAll({0, 0}, bitmap_);
  EXPECT_EQ(bitmap_, before);
}

TEST_F(SimpleLabelsDrawTest, ExtremePositionsDrawNothingAndDoNotOverflow) {
  TSimpleLabel& label = RedLabel();
  label.SetBounds(2147483600, 2147483600, 1000, 1000);
  labels_.Hover(2147483647, 2147483647);
  EXPECT_EQ(labels_.HoveredIndex(), 0);
  const Bitmap before = bitmap_;
  labels_.DrawAll({100, 100}, bitmap_);
  EXPECT_EQ(bitmap_, before);
}

}  // namespace
}  // namespace plorvane
