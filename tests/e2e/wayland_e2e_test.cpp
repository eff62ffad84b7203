// The editor and the player in a Wayland session that offers XWayland, on a private Weston:
// started as a Wayland desktop starts them, with no Qt platform chosen, they run as X11
// clients, so the places they give their windows hold where the user sees them.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace plorvane::e2e
