// The built player on a virtual display: card executables written by the core start, show, move,
// answer the mouse and end as a user would see it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "animation/animation_test_support.h"
#include "card/card_format.h"
#include "card_fixture.h"
#include "e2e/player_fixture.h"
#include "e2e/virtual_display.h"

namespace plorvane::e2e {
namespace {

// A point inside the card menu's last item, above the menu's bottom margin.
constexpr int kLastItemFromBottom = 10;

class PlayerTest : public PlayerFixture {
 protected:
  PlayerTest() : PlayerFixture({{"QT_QPA_PLATFORM", "xcb"}}) {}
  void SetUp() override {
    ASSERT_TRUE(display_.ready()) << "Xvfb did not start";
    PlayerFixture::SetUp();
  }

  // Made before the fixture's first player, gone after its last.
  VirtualDisplay display_;
};

TEST_F(PlayerTest, NewCardShowsItsFramedPictureCentred) {
  auto player = Play(NewCard());
  const auto window = CardWindow(*player);
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(window->width(), kNewCardSide);
  EXPECT_EQ(window->height(), kNewCardSide);
  EXPECT_EQ(window->left, (VirtualDisplay::kWidth - kNewCardSide) / 2);
  EXPECT_EQ(window->top, (VirtualDisplay::kHeight - kNewCardSide) / 2);

  const struct {
    Point at;
    Colour colour;
  } expected[] = {
      {{0, 215}, kOuterRing}, {{49, 215}, MakeColour(98, 164, 253)}, {{429, 215}, kOuterRing}, {{215, 100}, kWhite}};
  const auto painted = [&](const Bitmap& shot) {
    return std::all_of(std::begin(expected), std::end(expected),
                       [&](const auto& pixel) { return shot.GetPixel(pixel.at.x, pixel.at.y) == pixel.colour; });
  };
  // Once painted the card stays still, so a last look tells which pixel is wrong if none came.
  WaitForScreenshot(*window, painted);
  const auto shot = Screenshot(*window);
  ASSERT_TRUE(shot.has_value());
  for (const auto& pixel : expected) {
    EXPECT_EQ(shot->GetPixel(pixel.at.x, pixel.at.y), pixel.colour) << pixel.at.x << "," << pixel.at.y;
  }
}

// Pixels that differ between two screenshots of the card window, inside and outside `element`
// (in picture coordinates).
struct Changes {
  int inside = 0;
  int outside = 0;
};
Changes CountChanges(const Bitmap& before, const Bitmap& after, const Rect& element) {
  Changes changes;
  for (int y = 0; y < before.height(); ++y) {
    for (int x = 0; x < before.width(); ++x) {
      if (before.GetPixel(x, y) == after.GetPixel(x, y)) continue;
      const int px = x - kNewCardFrame;
      const int py = y - kNewCardFrame;
      const bool inside = px >= element.left && px < element.right && py >= element.top && py < element.bottom;
      ++(inside ? changes.inside : changes.outside);
    }
  }
  return changes;
}

TEST_F(PlayerTest, MovingAnimationChangesOnlyInsideItsElement) {
  constexpr Rect kElement{100, 120, 160, 140};  // picture coordinates: 60 x 20 frames
  const std::string card = Card("moving.exe", [this, kElement](TZarvickV2& c) {
    TSAN animation;
    if (!animation.AssignStrip(test::NoisyStrip(240, 20), 60)) return false;
    animation.SaveToFile(folder_.File("a.SAN"));
    if (!c.AddAnimation(folder_.File("a.SAN"))) return false;
    TElementRec element;
    c.Animations().GetElement(0, element);
    element.pX = kElement.left;
    element.pY = kElement.top;
    element.pD = 40;
    c.Animations().SetElement(0, element);
    return true;
  });
  auto player = Play(card);
  const auto window = CardWindow(*player);
  ASSERT_TRUE(window.has_value());
  const auto first = WaitForScreenshot(*window, ShowsTheFrame);
  ASSERT_TRUE(first.has_value()) << "the card was never painted";

  // Screenshots come at growing spacing until one shows another frame of the element, so the
  // test never samples in step with the animation's cycle; every one must match outside it.
  int screenshots = 0;
  int changed_outside = 0;
  const auto moved = WaitForScreenshot(*window, [&](const Bitmap& shot) {
    const Changes changes = CountChanges(*first, shot, kElement);
    ++screenshots;
    changed_outside = std::max(changed_outside, changes.outside);
    return changes.inside > 0;
  });
  EXPECT_TRUE(moved.has_value()) << "the element looked the same in " << screenshots << " screenshots";
  EXPECT_EQ(changed_outside, 0);
}

TEST_F(PlayerTest, LeftDragMovesTheWindowByTheMouseMovement) {
  auto player = Play(NewCard());
  const auto before = CardWindow(*player);
  ASSERT_TRUE(before.has_value());
  const auto after = Drag(*before, 40, -30);
  ASSERT_TRUE(after.has_value());
  EXPECT_EQ(after->left, before->left + 40);
  EXPECT_EQ(after->top, before->top - 30);
  EXPECT_EQ(after->width(), before->width());
}

TEST_F(PlayerTest, RightClickOpensTheMenuAndExitEndsThePlayer) {
  auto player = Play(NewCard());
  const auto window = CardWindow(*player);
  ASSERT_TRUE(window.has_value());
  MoveMouse(window->left + 200, window->top + 200);
  Click(3);
  // The menu is a second window of the player.
  std::vector<WindowId> windows;
  WaitUntil([&] {
    windows = VisibleWindows(player->pid());
    return windows.size() >= 2;
  });
  ASSERT_EQ(windows.size(), 2U) << "no menu appeared";
  // "Exit" is the last item. The mouse picks it: keys would race the menu's keyboard grab, which
  // the popup takes only once the server has mapped it.
  const auto menu = Geometry(windows[0] == window_ ? windows[1] : windows[0]);
  ASSERT_TRUE(menu.has_value());
  MoveMouse(menu->left + menu->width() / 2, menu->bottom - kLastItemFromBottom);
  Click(1);
  EXPECT_EQ(player->WaitForExit(kPatience), 0);
}

TEST_F(PlayerTest, CorruptCardShowsTheErrorBoxAndNoCardWindow) {
  std::vector<std::uint8_t> bytes = test::FileBytes(NewCard());
  // Keep the signature record, spoil the card record behind it.
  for (std::size_t i = kCardStreamOffset + 80; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 37);
  test::WriteBytes(folder_.File("corrupt.exe"), bytes);
  ::chmod(folder_.File("corrupt.exe").c_str(), 0755);
  auto player = Play(folder_.File("corrupt.exe"));
  const auto boxes = WaitForTitledWindows("Error");
  ASSERT_EQ(boxes.size(), 1U);
  // The player shows the box instead of the card, never after it.
  for (const WindowId window : VisibleWindows(player->pid())) {
    const auto geometry = Geometry(window);
    ASSERT_TRUE(geometry.has_value());
    EXPECT_NE(geometry->width(), kNewCardSide) << "a card window appeared";
  }
  PressKey("Return");
  EXPECT_EQ(player->WaitForExit(kPatience), 1);
}

TEST_F(PlayerTest, CopyUnderAnotherNameStillPlays) {
  const std::string original = NewCard();
  std::filesystem::copy_file(original, folder_.File("another name.exe"));
  auto player = Play(folder_.File("another name.exe"));
  const auto window = CardWindow(*player);
  ASSERT_TRUE(window.has_value());
  EXPECT_EQ(window->width(), kNewCardSide);
}

TEST_F(PlayerTest, WaveAndMidiCardsPlayTheirSound) {
  const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> sounds = {
      {"tone.wav", test::WaveFile(44100)},
      {"tune.mid", test::MidiTune()},
  };
  for (const auto& [name, bytes] : sounds) {
    test::WriteBytes(folder_.File(name), bytes);
    const std::string card = Card(name + ".exe", [&](TZarvickV2& c) { return c.LoadSound(folder_.File(name)); });
    std::filesystem::remove(folder_.File("sound.raw"));
    auto player = Play(card);
    ASSERT_TRUE(CardWindow(*player).has_value()) << name;
    EXPECT_TRUE(SoundWasWritten(folder_.File("sound.raw"))) << name;
  }
}

}  // namespace
}  // namespace plorvane::e2e
