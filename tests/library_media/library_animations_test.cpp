// The library's animations and groups, taken onto a card the way the editor's "Add from file"
// takes them, then drawn frame by frame on the card's picture.
#include <gtest/gtest.h>

#include <set>

#include "animation_art.h"
#include "card/card.h"
#include "graphics/bitmap_graphic.h"
#include "library_folder.h"
#include "platform/headless/headless_platform.h"

namespace plorvane {
namespace {

constexpr int kCardSide = TZarvickV2::kBlankPictureSide;
// The card's picture: a colour none of the animations uses, so whatever differs is theirs.
constexpr Colour kCardColour = MakeColour(1, 2, 3);

class LibraryAnimationsOnACard : public ::testing::Test {
 protected:
  LibraryAnimationsOnACard() {
    Bitmap plain;
    EXPECT_TRUE(plain.Resize(kCardSide, kCardSide, kCardColour));
    Picture picture;
    picture.SetGraphic(std::make_unique<TBitmap>(std::move(plain)));
    card_.SetCardPicture(std::move(picture));
    card_.Animations().SetOutlineMode(TSAG::kOutlineNone);
  }

  static std::string PathOf(const std::string& name) { return test::LibraryMediaFolder() + "/" + name; }

  // The elements added since `before`.
  std::vector<TElementRec> ElementsFrom(int before) const {
    std::vector<TElementRec> elements;
    for (int index = before; index <= card_.Animations().LastElement(); ++index) {
      card_.Animations().GetElement(index, elements.emplace_back());
    }
    return elements;
  }

  // What an element is expected to be: shown, transparent, animated at a sensible rate.
  static void ExpectPlayable(const std::string& name, const TElementRec& element) {
    EXPECT_TRUE(element.Shown) << name;
    EXPECT_TRUE(element.pT) << name << " is not transparent";
    EXPECT_GT(element.FrameCount, 1) << name;
    EXPECT_GE(element.pD, 40) << name;
    EXPECT_LE(element.pD, 200) << name;
  }

  // Plays every frame of the element in turn, the card's other elements hidden meanwhile, and
  // checks the card's picture: the key colour never shows, the element's own top-left pixel
  // shows the card, and something of the element shows.
  void ExpectDrawnTransparently(const std::string& name, int index) {
    TSAG& group = card_.Animations();
    std::vector<int> hidden;
    for (int other = 0; other <= group.LastElement(); ++other) {
      TElementRec record;
      group.GetElement(other, record);
      if (other == index || !record.Shown) continue;
      record.Shown = false;
      group.SetElement(other, record);
      hidden.push_back(other);
    }
    ExpectFramesDrawnTransparently(name, index);
    for (const int other : hidden) {
      TElementRec record;
      group.GetElement(other, record);
      record.Shown = true;
      group.SetElement(other, record);
    }
  }

  void ExpectFramesDrawnTransparently(const std::string& name, int index) {
    TElementRec element;
    card_.Animations().GetElement(index, element);
    std::set<std::vector<std::uint8_t>> looks;
    for (int frame = 1; frame <= element.FrameCount; ++frame) {
      // Played as the card plays it: one interval later the next frame is due.
      if (frame > 1) {
        platform_.clock().Advance(static_cast<std::uint32_t>(element.pD));
        card_.Animations().AdvanceDue();
      }
      card_.Redraw(true);
      const Bitmap& picture = card_.PictureLayer();
      int drawn = 0;
      std::vector<std::uint8_t> look;
      for (int y = element.pY; y < element.pY + element.Height; ++y) {
        for (int x = element.pX; x < element.pX + element.Width; ++x) {
          const Colour colour = picture.GetPixel(x, y);
          ASSERT_NE(colour, library::kKey) << name << " frame " << frame << " shows its key colour at " << x << "," << y;
          drawn += colour != kCardColour;
          look.push_back(static_cast<std::uint8_t>(colour));
        }
      }
      EXPECT_EQ(picture.GetPixel(element.pX, element.pY), kCardColour) << name << " frame " << frame;
      EXPECT_GE(drawn, 40) << name << " frame " << frame << " shows almost nothing";
      looks.insert(look);
    }
    EXPECT_GT(looks.size(), 1u) << name << " never changes";
  }

  HeadlessPlatform platform_;
  TZarvickV2 card_{platform_, CardMode::kEditor};
};

TEST_F(LibraryAnimationsOnACard, EveryAnimationAddsAsOneTransparentMovingElement) {
  for (const std::string& name : test::LibraryMediaFilesEndingIn(".san")) {
    const int before = card_.Animations().GetCounts().elements;
    ASSERT_TRUE(card_.AddAnimation(PathOf(name))) << name << ": " << card_.LastError();
    const auto added = ElementsFrom(before);
    ASSERT_EQ(added.size(), 1u) << name;
    ExpectPlayable(name, added.front());
    EXPECT_LE(added.front().Width, kCardSide) << name << " is wider than a card";
    ExpectDrawnTransparently(name, before);
    card_.Animations().Clear();
  }
}

TEST_F(LibraryAnimationsOnACard, EveryGroupMergesOntoTheCardWithinItsPicture) {
  for (const std::string& name : test::LibraryMediaFilesEndingIn(".sag")) {
    // A card that already has an animation keeps it: groups merge.
    ASSERT_TRUE(card_.AddAnimation(PathOf("Sparkles.san"))) << card_.LastError();
    const int first = card_.Animations().GetCounts().elements;
    const int animations_before = card_.Animations().GetCounts().animations;
    ASSERT_TRUE(card_.AddAnimationGroup(PathOf(name))) << name << ": " << card_.LastError();
    const auto added = ElementsFrom(first);
    EXPECT_GE(added.size(), 4u) << name;
    EXPECT_GE(card_.Animations().GetCounts().animations - animations_before, 2) << name;
    std::set<std::pair<int, int>> places;
    for (std::size_t i = 0; i < added.size(); ++i) {
      const TElementRec& element = added[i];
      const std::string label = name + " element " + std::to_string(i);
      ExpectPlayable(label, element);
      EXPECT_GE(element.pX, 0) << label;
      EXPECT_GE(element.pY, 0) << label;
      EXPECT_LE(element.pX + element.Width, kCardSide) << label << " reaches past the picture";
      EXPECT_LE(element.pY + element.Height, kCardSide) << label << " reaches past the picture";
      places.insert({element.pX, element.pY});
      ExpectDrawnTransparently(label, first + static_cast<int>(i));
    }
    EXPECT_EQ(places.size(), added.size()) << name << " puts two elements in one place";
    card_.Animations().Clear();
  }
}

TEST_F(LibraryAnimationsOnACard, PlacedAnimationsAdvanceAtTheirOwnRates) {
  ASSERT_TRUE(card_.AddAnimationGroup(PathOf("Fireworks Night.sag"))) << card_.LastError();
  const auto elements = ElementsFrom(0);
  std::set<int> intervals;
  for (const TElementRec& element : elements) intervals.insert(element.pD);
  EXPECT_GE(intervals.size(), 3u) << "the bursts should not go off in step";
  // After one interval of the quickest element, it has moved on and the slowest has not.
  const auto quickest = *intervals.begin();
  platform_.clock().Advance(static_cast<std::uint32_t>(quickest));
  ASSERT_TRUE(card_.Animations().AdvanceDue());
  for (std::size_t i = 0; i < elements.size(); ++i) {
    TElementRec now;
    card_.Animations().GetElement(static_cast<int>(i), now);
    EXPECT_EQ(now.pI != elements[i].pI, elements[i].pD == quickest) << "element " << i;
  }
}

}  // namespace
}  // namespace plorvane
