// The card as its window shows it: frame, picture, labels, and the animation timer.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "card_fixture.h"
#include "graphics/bitmap_graphic.h"

namespace plorvane::test {
namespace {

constexpr Colour kLinkRed = MakeColour(255, 0, 0);

// The first run of `colour` in a row, [first, last].
std::pair<int, int> FirstRun(const Bitmap& bitmap, int y, Colour colour) {
  int x = 0;
  while (x < bitmap.width() && bitmap.GetPixel(x, y) != colour) ++x;
  const int first = x;
  while (x < bitmap.width() && bitmap.GetPixel(x, y) == colour) ++x;
  return {first, x - 1};
}

// The last run of `colour` in a row, [first, last].
std::pair<int, int> LastRun(const Bitmap& bitmap, int y, Colour colour) {
  int x = bitmap.width() - 1;
  while (x >= 0 && bitmap.GetPixel(x, y) != colour) --x;
  const int last = x;
  while (x >= 0 && bitmap.GetPixel(x, y) == colour) --x;
  return {x + 1, last};
}

class CardWindowTest : public CardTest {
 protected:
  HeadlessCardWindow& Window() { return *platform_.windowing().last_window(); }
  // Moves the pointer to a picture point; the label under it gets its outline.
  void HoverAt(int x, int y) {
    MouseEvent move;
    move.position = {x + card_->pSize(), y + card_->pSize()};
    Window().SimulateMouseMove(move);
  }
  void ClickAt(int x, int y) {
    MouseEvent press;
    press.position = {x + card_->pSize(), y + card_->pSize()};
    Window().SimulateMouseDown(press);
    Window().SimulateMouseUp(press);
  }
};

TEST_F(CardWindowTest, NewCardIsAFramedBlankPictureInTheMiddleOfTheScreen) {
  ASSERT_EQ(Window().ClientSize(), (PixelSize{430, 430}));
  EXPECT_EQ(Window().ScreenPosition(), (Point{(1024 - 430) / 2, (768 - 430) / 2}));
  const Bitmap& shown = Window().surface();
  // The documented colours of the default frame: 60 % shade at the edge, full at ring 49.
  EXPECT_EQ(shown.GetPixel(0, 215), MakeColour(58, 98, 151));
  EXPECT_EQ(shown.GetPixel(429, 215), MakeColour(58, 98, 151));
  EXPECT_EQ(shown.GetPixel(49, 215), MakeColour(98, 164, 253));
  EXPECT_EQ(shown.GetPixel(215, 49), MakeColour(98, 164, 253));
  EXPECT_EQ(shown.GetPixel(50, 215), kWhite);
  EXPECT_EQ(shown.GetPixel(379, 60), kWhite);
}

TEST_F(CardWindowTest, EmptyPictureWithoutFrameStillGivesOnePixel) {
  Picture empty;
  empty.SetGraphic(std::make_unique<TBitmap>(Bitmap{}));
  card_->SetCardPicture(std::move(empty));
  card_->SetSize(0);
  card_->Redraw(true);
  EXPECT_EQ(card_->FrameBitmap().width(), 1);
  EXPECT_EQ(card_->FrameBitmap().height(), 1);
  EXPECT_EQ(Window().ClientSize(), (PixelSize{1, 1}));
}

TEST_F(CardWindowTest, LabelsSitInTheCornersAndALongLinkStopsBeforeTheMenu) {
  card_->SetLinkColor(kLinkRed);
  card_->SetLink("http://" + std::string(100, 'x'));
  card_->Redraw(true);
  const int width = card_->PictureLayer().width();
  const int bottom_row = card_->PictureLayer().height() - 3;

  // A hovered label is outlined, which shows its box.
  HoverAt(width - 5, bottom_row);
  const auto [menu_left, menu_last] = LastRun(card_->PictureLayer(), bottom_row, kLinkRed);
  EXPECT_EQ(menu_last, width - 3) << "the menu label ends 2 pixels inside the right edge";

  HoverAt(5, bottom_row);
  const auto [link_left, link_last] = FirstRun(card_->PictureLayer(), bottom_row, kLinkRed);
  EXPECT_EQ(link_left, 2) << "the link starts 2 pixels inside the left edge";
  EXPECT_EQ(link_last + 1, menu_left - 5) << "the link is cut 5 pixels before the menu label";

  // Clicks follow the cut box: its right edge still opens the link, the gap does not.
  ClickAt(link_last + 1, bottom_row);
  EXPECT_EQ(platform_.shell().opened_documents().size(), 1U);
  ClickAt(link_last + 3, bottom_row);
  EXPECT_EQ(platform_.shell().opened_documents().size(), 1U);
}

TEST_F(CardWindowTest, TimerTicksAnimationsOnTheMainThread) {
  TSAN animation;
  ASSERT_TRUE(animation.AssignStrip(NoisyStrip(60, 20), 20));
  animation.SaveToFile(folder_.File("a.SAN"));
  ASSERT_TRUE(card_->AddAnimation(folder_.File("a.SAN"))) << card_->LastError();
  TElementRec element;
  card_->Animations().GetElement(0, element);
  element.pD = 10;
  card_->Animations().SetElement(0, element);
  card_->Redraw(true);
  const int presents = Window().present_count();

  // The timer's thread only asks; nothing changes until the main thread runs the tick.
  platform_.clock().Advance(200);
  ASSERT_TRUE(platform_.application().WaitForPendingTask(std::chrono::seconds(5)));
  EXPECT_EQ(Window().present_count(), presents);
  platform_.application().RunPendingTasks();
  EXPECT_GT(Window().present_count(), presents) << "the advanced element was repainted";
}

TEST_F(CardWindowTest, AnimationTicksPresentOnlyTheMovedElementsYetShowWhatAFullRedrawShows) {
  // Overlapping, transparent, under the menu label, and (in the editor) one outlined.
  const struct {
    int x, y, interval;
    bool transparent;
  } placements[] = {{41, 40, 30, false}, {50, 47, 50, true}, {300, 311, 70, false}};
  for (const auto& placement : placements) {
    TSAN animation;
    ASSERT_TRUE(animation.AssignStrip(NoisyStrip(60, 20, static_cast<std::uint32_t>(placement.x)), 20));
    animation.SaveToFile(folder_.File("a.SAN"));
    ASSERT_TRUE(card_->AddAnimation(folder_.File("a.SAN"))) << card_->LastError();
    const int index = card_->Animations().GetCounts().elements - 1;
    TElementRec element;
    card_->Animations().GetElement(index, element);
    element.pX = placement.x;
    element.pY = placement.y;
    element.pD = placement.interval;
    element.pT = placement.transparent;
    card_->Animations().SetElement(index, element);
  }
  card_->Redraw(true);
  card_->Animations().Tick();  // the placements' own repaint
  platform_.log().Clear();

  for (int tick = 0; tick < 40; ++tick) {
    platform_.clock().Advance(8);
    card_->Animations().Tick();
  }
  int presents = 0;
  for (const std::string& entry : platform_.log().Entries()) {
    if (entry.find("present") == std::string::npos) continue;
    ++presents;
    const bool whole = entry.find("present 330x330") != std::string::npos || entry.find("present 430x430") != std::string::npos;
    EXPECT_FALSE(whole) << entry;
  }
  EXPECT_GT(presents, 10);
  const Bitmap ticked = Window().surface();
  card_->Redraw(true);
  EXPECT_EQ(ticked, Window().surface());
}

}  // namespace
}  // namespace plorvane::test
