// The built player ended from outside while its sound plays: by the signals a logout (SIGTERM)
// and Ctrl+C (SIGINT) send, which must end it cleanly and at once, and by being killed, which
// must leave nothing in the temporary folder.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>

#include "e2e/card_maker.h"
#include "e2e/child_process.h"
#include "e2e/desktop_probe.h"
#include "e2e/player_fixture.h"
#include "e2e/virtual_display.h"
#include "scratch_folder.h"
#include "sound_files.h"

namespace plorvane::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kStartTime = 30s;
// A minute of tone at 8,000 samples a second: still playing when the signal comes.
constexpr std::size_t kToneSamples = 8000 * 60;

class PlayerSignalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ready()) << "Xvfb did not start";
    ASSERT_FALSE(PlayerImage().empty()) << "no player image at " << PLORVANE_PLAYER_IMAGE_FILE;
    std::filesystem::create_directories(temp_folder_);
    std::filesystem::create_directories(folder_.File("home"));
    // Qt keeps its runtime folder in the temporary folder unless it is told another.
    std::filesystem::create_directories(folder_.File("runtime"));
    std::filesystem::permissions(folder_.File("runtime"), std::filesystem::perms::owner_all);
    test::WriteBytes(folder_.File("tone.wav"), test::WaveFile(kToneSamples));
    std::string error;
    ASSERT_TRUE(MakeCard(card_, [this](TZarvickV2& c) { return c.LoadSound(folder_.File("tone.wav")); }, error))
        << error;
  }

  // The player on the card, once its window shows and its sound is heard.
  std::unique_ptr<ChildProcess> PlayUntilHeard() {
    std::filesystem::remove(sound_output_);
    auto player = std::make_unique<ChildProcess>(
        card_, std::vector<std::string>{},
        std::map<std::string, std::string>{{"HOME", folder_.File("home")},
                                           {"XDG_CONFIG_HOME", folder_.File("home/config")},
                                           {"XDG_DATA_HOME", folder_.File("home/data")},
                                           {"TMPDIR", temp_folder_},
                                           {"XDG_RUNTIME_DIR", folder_.File("runtime")},
                                           {"QT_QPA_PLATFORM", "xcb"},
                                           {"SDL_AUDIODRIVER", "disk"},
                                           {"SDL_DISKAUDIOFILE", sound_output_}});
    EXPECT_TRUE(player->started()) << std::strerror(player->start_error());
    EXPECT_EQ(WaitForWindows(player->pid(), kStartTime).size(), 1u) << "no card window";
    EXPECT_TRUE(SoundWasWritten(sound_output_)) << "no sound";
    return player;
  }

  [[nodiscard]] std::vector<std::string> TemporaryFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temp_folder_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  VirtualDisplay display_;
  test::ScratchFolder folder_;
  const std::string card_ = folder_.File("tone.exe");
  const std::string temp_folder_ = folder_.File("tmp");
  const std::string sound_output_ = folder_.File("sound.raw");
};

TEST_F(PlayerSignalTest, TermAndIntEndThePlayerCleanlyWithinASecondWhileTheSoundPlays) {
  for (const int signal_number : {SIGTERM, SIGINT}) {
    auto player = PlayUntilHeard();
    ASSERT_FALSE(HasFailure());
    const auto sent = Clock::now();
    ASSERT_EQ(::kill(player->pid(), signal_number), 0);
    const auto exit_code = player->WaitForExit(10s);
    const auto took = Clock::now() - sent;
    ASSERT_TRUE(exit_code.has_value()) << strsignal(signal_number) << " did not end the player";
    EXPECT_EQ(*exit_code, 0) << strsignal(signal_number) << ": ended by the signal, not by its own way out";
    EXPECT_LT(took, 1s) << strsignal(signal_number);
    EXPECT_TRUE(TemporaryFiles().empty()) << strsignal(signal_number);
  }
}

TEST_F(PlayerSignalTest, KilledPlayerLeavesNothingInTheTemporaryFolder) {
  auto player = PlayUntilHeard();
  ASSERT_FALSE(HasFailure());
  ASSERT_EQ(::kill(player->pid(), SIGKILL), 0);
  ASSERT_EQ(player->WaitForExit(10s), 128 + SIGKILL);
  const auto left = TemporaryFiles();
  EXPECT_TRUE(left.empty()) << left.front();
}

}  // namespace
}  // namespace plorvane::e2e
