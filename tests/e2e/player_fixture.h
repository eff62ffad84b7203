#pragma once
// What the player's end-to-end tests share, whatever display they run on: cards written from the
// built player image into a scratch folder, the player started on them with a home of its own and
// sound going to a file, its card window, and a drag of it with the mouse.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "e2e/card_maker.h"
#include "e2e/child_process.h"
#include "e2e/desktop_probe.h"
#include "e2e/wait.h"
#include "scratch_folder.h"

namespace plorvane::e2e {

inline constexpr int kNewCardSide = 430;
inline constexpr int kNewCardFrame = 50;  // the new card's frame width
inline constexpr Colour kOuterRing = MakeColour(58, 98, 151);

// The card window once its first frame is painted: its outer ring shows at the left edge.
// The disk audio driver writes what it plays into a file; silence is one repeated byte value.
inline bool SoundWasWritten(const std::string& file) {
  return WaitForFile(file, [](const std::vector<std::uint8_t>& bytes) {
           return bytes.size() > 4096 &&
                  std::any_of(bytes.begin(), bytes.end(), [&](std::uint8_t b) { return b != bytes[0]; });
         }).has_value();
}

inline bool ShowsTheFrame(const Bitmap& shot) { return shot.GetPixel(0, kNewCardSide / 2) == kOuterRing; }

class PlayerFixture : public ::testing::Test {
 protected:
  // `display` is what the player needs to find the display under test.
  explicit PlayerFixture(std::map<std::string, std::string> display) : display_environment_(std::move(display)) {}

  void SetUp() override { ASSERT_FALSE(PlayerImage().empty()) << "no player image at " << PLORVANE_PLAYER_IMAGE_FILE; }

  std::string Card(const std::string& name, const std::function<bool(TZarvickV2&)>& prepare) {
    std::string error;
    const std::string path = folder_.File(name);
    EXPECT_TRUE(MakeCard(path, prepare, error)) << error;
    return path;
  }
  std::string NewCard(const std::string& name = "card.exe") {
    return Card(name, [](TZarvickV2&) { return true; });
  }
  std::unique_ptr<ChildProcess> Play(const std::string& card) {
    std::filesystem::create_directories(folder_.File("home"));
    std::map<std::string, std::string> environment{{"HOME", folder_.File("home")},
                                                   {"XDG_CONFIG_HOME", folder_.File("home/config")},
                                                   {"XDG_DATA_HOME", folder_.File("home/data")},
                                                   {"SDL_AUDIODRIVER", "disk"},
                                                   {"SDL_DISKAUDIOFILE", folder_.File("sound.raw")}};
    environment.insert(display_environment_.begin(), display_environment_.end());
    return std::make_unique<ChildProcess>(card, std::vector<std::string>{}, environment);
  }
  // The card window: the player's one visible window.
  std::optional<Rect> CardWindow(ChildProcess& player) {
    EXPECT_TRUE(player.started()) << std::strerror(player.start_error());
    const auto windows = WaitForWindows(player.pid());
    if (windows.size() != 1) return std::nullopt;
    window_ = windows[0];
    return Geometry(window_);
  }
  // Drags the card window by (dx, dy) with the left button from a point inside it; its place
  // once it has moved, or once the time is out.
  std::optional<Rect> Drag(const Rect& before, int dx, int dy) {
    MoveMouse(before.left + 200, before.top + 200);
    PressButton(1);
    MoveMouse(before.left + 200 + dx, before.top + 200 + dy);
    ReleaseButton(1);
    std::optional<Rect> after;
    WaitUntil([&] {
      after = Geometry(window_);
      return after && (after->left != before.left || after->top != before.top);
    });
    return after;
  }

  test::ScratchFolder folder_;
  WindowId window_ = 0;

 private:
  std::map<std::string, std::string> display_environment_;
};

}  // namespace plorvane::e2e
