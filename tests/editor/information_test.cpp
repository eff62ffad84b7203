// The Information window's summary of a card, and the three ways of asking for it.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "animation/animation_test_support.h"
#include "card/card.h"
#include "editor/card_information.h"
#include "editor_fixture.h"
#include "graphics/jpeg_graphic.h"

namespace plorvane::test {
namespace {

using Style = InformationStyle;

// The value shown under a heading (compared without the heading's line break or trailing blank).
std::string ValueUnder(const std::vector<InformationPiece>& pieces, const std::string& heading) {
  for (std::size_t at = 0; at + 1 < pieces.size(); ++at) {
    std::string text = pieces[at].text;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text.starts_with('\n')) text.erase(0, 1);
    if (pieces[at].style == Style::kHeading && text == heading && pieces[at + 1].style == Style::kValue) {
      return pieces[at + 1].text;
    }
  }
  ADD_FAILURE() << "no heading " << heading;
  return {};
}

class InformationTest : public EditorTest {
 protected:
  void SetUp() override { Start(); }
  TZarvickV2& Card() { return form_->Card(); }
  // One shown element of each animation named; the same letter is the same animation.
  void PlaceElements(const std::string& animations_of_elements) {
    TSAG& group = Card().Animations();
    std::map<char, int> animation_of;
    for (const char name : animations_of_elements) {
      int index = -1;
      if (!animation_of.contains(name)) {
        ASSERT_TRUE(group.AddFromBitmap(NoisyStrip(40, 20, static_cast<std::uint32_t>(name)), 20, index));
        TElementRec element;
        group.GetElement(index, element);
        animation_of[name] = element.pID;
        continue;
      }
      TElementRec element;
      element.pID = animation_of[name];
      ASSERT_GE(group.AddElement(element), 0);
    }
  }
};

TEST_F(InformationTest, ANewCardIsDescribedWordForWord) {
  const int side = TZarvickV2::kBlankPictureSide + 2 * Card().pSize();
  ASSERT_EQ(Card().pSize(), 50);  // the "Default" frame collection's
  const std::vector<InformationPiece> pieces = CardInformation(Card());
  const std::vector<InformationPiece> expected_head = {
      {Style::kTitle, "Zarvick Information"},
      {Style::kHeading, "\nDimensions (Pixels)"},
      {Style::kValue, "    " + std::to_string(side) + "W x " + std::to_string(side) + "H"},
      {Style::kHeading, "Picture Compression"},
      {Style::kValue, "    No"},
      {Style::kHeading, "Animation "},
      {Style::kValue, "    No"},
      {Style::kHeading, "Cursor "},
      {Style::kValue, "    No"},
      {Style::kHeading, "Sound"},
      {Style::kValue, "    No"},
      {Style::kHeading, "Frame"},
      {Style::kValue, "    Yes"},
      {Style::kHeading, "Link "},
      {Style::kValue, "    No"},
      {Style::kHeading, "Name"},
      {Style::kValue, "    Untitled.exe"},
      {Style::kHeading, "Size"},
  };
  ASSERT_EQ(pieces.size(), expected_head.size() + 3);
  EXPECT_EQ(std::vector<InformationPiece>(pieces.begin(), pieces.begin() + static_cast<long>(expected_head.size())),
            expected_head);
  EXPECT_EQ(pieces[expected_head.size()].text, "    " + MegabyteText(Card().EstimatedSize()) + "MB");
  EXPECT_EQ(pieces.back(), (InformationPiece{Style::kValue, "    Saved"}));
}

TEST_F(InformationTest, AnimationsCountElementsAndDuplicates) {
  struct Case {
    const char* elements;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"A", "    1 animation/s\n    0 duplicate/s"},
      {"AA", "    2 animation/s\n    1 duplicate/s"},
      {"ABA", "    3 animation/s\n    1 duplicate/s"},
      {"ABCAB", "    5 animation/s\n    2 duplicate/s"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.elements);
    Card().Animations().Clear();
    PlaceElements(c.elements);
    EXPECT_EQ(ValueUnder(CardInformation(Card()), "Animation"), c.shown);
  }
}

TEST_F(InformationTest, AnAnimationNoElementShowsIsNotCounted) {
  PlaceElements("AB");
  // The first element now shows the second animation too, so no element shows the first.
  TSAG& group = Card().Animations();
  TElementRec first;
  TElementRec second;
  group.GetElement(0, first);
  group.GetElement(1, second);
  first.pID = second.pID;
  group.SetElement(0, first);
  ASSERT_EQ(group.GetCounts().animations, 2);
  EXPECT_EQ(ValueUnder(CardInformation(Card()), "Animation"), "    2 animation/s\n    1 duplicate/s");
}

TEST_F(InformationTest, EachPartOfTheCardIsReported) {
  struct Case {
    const char* name;
    std::function<void(TZarvickV2&)> arrange;
    std::string heading;
    std::string value;
  };
  const std::vector<Case> cases = {
      {"jpeg picture",
       [](TZarvickV2& card) {
         Picture picture;
         picture.SetGraphic(TJPEGImage::FromBytes(SmallJpeg(40, 30)));
         card.SetCardPicture(std::move(picture));
       },
       "Picture Compression", "    Yes"},
      {"picture measured with its frame",
       [](TZarvickV2& card) {
         Picture picture;
         picture.SetGraphic(TJPEGImage::FromBytes(SmallJpeg(40, 30)));
         card.SetCardPicture(std::move(picture));
         card.SetSize(5);
       },
       "Dimensions (Pixels)", "    50W x 40H"},
      {"no frame", [](TZarvickV2& card) { card.SetSize(0); }, "Frame", "    No"},
      {"midi", [](TZarvickV2& card) { card.SetSoundType(1); }, "Sound", "    Midi"},
      {"wave", [](TZarvickV2& card) { card.SetSoundType(2); }, "Sound", "    Wave"},
      {"unknown sound type", [](TZarvickV2& card) { card.SetSoundType(3); }, "Sound", "    No"},
      {"mail link", [](TZarvickV2& card) { card.SetLink("MailTo:ann@example.org"); }, "Link (Email)",
       "    MailTo:ann@example.org"},
      {"web link", [](TZarvickV2& card) { card.SetLink("http://example.org/"); }, "Link (Web)",
       "    http://example.org/"},
      {"changed", [](TZarvickV2& card) { card.SetSaved(false); }, "Status", "    Not Saved"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Card().NewCard());
    c.arrange(Card());
    EXPECT_EQ(ValueUnder(CardInformation(Card()), c.heading), c.value);
  }
}

TEST(MegabyteTextTest, WholeKilobytesWithoutTrailingZeros) {
  const std::vector<std::pair<std::int64_t, std::string>> cases = {
      {0, "0"},          {999, "0"},           {1000, "0.001"},     {418000, "0.418"},
      {420999, "0.42"},  {1000000, "1"},       {1234567, "1.234"},  {12'030'000, "12.03"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(MegabyteText(bytes), text) << bytes;
}

TEST(InformationRichTextTest, CardTextsAreEscapedAndLinesBreakBetweenPieces) {
  const std::vector<InformationPiece> pieces = {
      {Style::kTitle, "Zarvick Information"},
      {Style::kHeading, "Link "},
      {Style::kValue, "    <b>&\"x\"</b>\nnext"},
  };
  const std::string html = InformationRichText(pieces);
  EXPECT_EQ(html.find("<b>"), std::string::npos);
  EXPECT_NE(html.find("&lt;b&gt;&amp;&quot;x&quot;&lt;/b&gt;<br>next"), std::string::npos);
  EXPECT_NE(html.find("&nbsp;&nbsp;&nbsp;&nbsp;&lt;b"), std::string::npos);
  // Two breaks between the three pieces, one inside the last, none after it.
  std::size_t breaks = 0;
  for (auto at = html.find("<br>"); at != std::string::npos; at = html.find("<br>", at + 1)) ++breaks;
  EXPECT_EQ(breaks, 3U);
  EXPECT_EQ(html.find("<br></span>"), std::string::npos);
  EXPECT_NE(html.find("color:#ff0000; font-weight:bold; font-size:18pt;\">Zarvick&nbsp;Information"),
            std::string::npos);
}

TEST_F(InformationTest, MenuShortcutAndToolButtonShowTheSummaryWhileBusy) {
  PopupMenu& edit = Menu("&Edit");
  const int item = edit.IndexOf("&Information...");
  ASSERT_GE(item, 0);
  EXPECT_EQ(edit.Shortcut(item), "Ctrl+I");
  EXPECT_TRUE(form_->ToolButtons()[19].enabled);
  const std::string expected = InformationRichText(CardInformation(Card()));
  const std::vector<std::pair<const char*, std::function<void()>>> ways = {
      {"menu", [this] { EXPECT_TRUE(Pick("&Edit", "&Information...")); }},
      {"tool button 20", [this] { form_->iButtons_OnClick(20); }},
  };
  for (const auto& [name, ask] : ways) {
    SCOPED_TRACE(name);
    view_.information.clear();
    platform_.log().Clear();
    ask();
    EXPECT_EQ(view_.information, expected);
    EXPECT_TRUE(platform_.log().ContainsInOrder({"cursor busy", "information Information", "cursor normal"}));
    EXPECT_FALSE(form_->GetBusy());
  }
}

}  // namespace
}  // namespace plorvane::test
