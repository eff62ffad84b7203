// The editor and the player in a Wayland session that offers XWayland, on a private Weston:
// started as a Wayland desktop starts them, with no Qt platform chosen, they run as X11
// clients, so the places they give their windows hold where the user sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "e2e/editor_fixture.h"
#include "e2e/player_fixture.h"
#include "e2e/weston_display.h"

namespace plorvane::e2e {
namespace {

// Made before the fixture that starts programs in it, gone after it.
struct WaylandSession {
  WaylandSession() {
    // What the desktop gives its programs: no Qt platform chosen by the user.
    ::unsetenv("QT_QPA_PLATFORM");
  }
  // The place of the window the compositor shows with `title` once `wanted` accepts it.
  std::optional<Rect> WaitForShown(const std::string& title, const std::function<bool(const Rect&)>& wanted) const {
    return WaitFor([&]() -> std::optional<Rect> {
      for (const ShownWindow& shown : display.ShownWindows()) {
        if (shown.title == title && wanted(shown.area)) return shown.area;
      }
      return std::nullopt;
    });
  }

  WestonDisplay display;
};

constexpr int kToolBarHeight = 27;

bool IsNewCard(const Rect& area) { return area.width() == kNewCardSide && area.height() == kNewCardSide; }

constexpr Rect kCentredNewCard = Rect{(WestonDisplay::kWidth - kNewCardSide) / 2, (WestonDisplay::kHeight - kNewCardSide) / 2,
                                      (WestonDisplay::kWidth + kNewCardSide) / 2, (WestonDisplay::kHeight + kNewCardSide) / 2};

// A fixture that starts its programs in the Wayland session.
template <typename Fixture>
class InWaylandSession : protected WaylandSession, public Fixture {
 protected:
  InWaylandSession() : Fixture(display.environment()) {}
  void SetUp() override {
    ASSERT_TRUE(display.ready()) << "Weston did not start:\n" << display.Log();
    Fixture::SetUp();
  }
  using WaylandSession::WaitForShown;
};

using WaylandEditorTest = InWaylandSession<EditorFixture>;
using WaylandPlayerTest = InWaylandSession<PlayerFixture>;

TEST_F(WaylandEditorTest, NewCardCentredAndTheWholeStripShown) {
  Start();
  ASSERT_FALSE(HasFatalFailure());
  const auto card = WaitForShown(WindowName(card_), IsNewCard);
  ASSERT_TRUE(card.has_value()) << "the compositor shows no card window";
  EXPECT_EQ(*card, kCentredNewCard);
  const auto strip = WaitForShown(WindowName(strip_), [](const Rect& area) { return area.width() == kStripWidth; });
  ASSERT_TRUE(strip.has_value()) << "the compositor shows no strip";
  EXPECT_GT(strip->height(), kToolBarHeight);
}

TEST_F(WaylandPlayerTest, NewCardShowsCentred) {
  auto player = Play(NewCard());
  ASSERT_TRUE(CardWindow(*player).has_value());
  const auto shown = WaitForShown(WindowName(window_), IsNewCard);
  ASSERT_TRUE(shown.has_value()) << "the compositor shows no card window";
  EXPECT_EQ(*shown, kCentredNewCard);
}

TEST_F(WaylandPlayerTest, DragMovesTheCardWithThePointer) {
  auto player = Play(NewCard());
  ASSERT_TRUE(CardWindow(*player).has_value());
  const auto before = WaitForShown(WindowName(window_), IsNewCard);
  ASSERT_TRUE(before.has_value()) << "the compositor shows no card window";
  const Point grab{before->left + 200, before->top + 200};
  const Point target{grab.x + 150, grab.y + 100};
  // The pointer comes from the screen's corner onto the card, as a user's does, until the card
  // has it.
  ASSERT_TRUE(WaitUntil([&] {
    display.MoveMouse({0, 0});
    display.MoveMouse(grab);
    return WindowUnderMouse() == window_;
  })) << "the pointer never reached the card";
  display.PressButton(1);
  // The compositor takes the drag over when the player asks on the first move, which it does only
  // once the press and that move have reached it; so the pointer goes on in small steps, as a
  // hand does, until the card follows it to the target.
  Point pointer = grab;
  const auto moved = WaitForShown(WindowName(window_), [&](const Rect& area) {
    const bool at_target = pointer.x == target.x && pointer.y == target.y;
    if (!at_target) {
      pointer = {std::min(pointer.x + 5, target.x), std::min(pointer.y + 5, target.y)};
      display.MoveMouse(pointer);
    }
    return at_target && area.left != before->left;
  });
  display.ReleaseButton(1);
  ASSERT_TRUE(moved.has_value()) << "the card did not follow the pointer";
  // The grabbed point stays under the pointer, give or take the steps made before the
  // compositor had the drag.
  constexpr int kSteps = 10;
  EXPECT_NEAR(moved->left, before->left + (target.x - grab.x), kSteps);
  EXPECT_NEAR(moved->top, before->top + (target.y - grab.y), kSteps);
  EXPECT_EQ(moved->width(), before->width());
}

}  // namespace
}  // namespace plorvane::e2e
