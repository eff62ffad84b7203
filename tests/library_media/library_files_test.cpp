// The library's tunes and sounds: the files the build lists, each fit to be a card's sound, and
// each played through the sound player on SDL's disk audio driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "library_folder.h"
#include "library_media.h"
#include "media/sound_kind.h"
#include "media/wave_midi.h"
#include "media_checks.h"
#include "platform/sdl/sdl_sound_devices.h"
#include "scratch_folder.h"
#include "sound_files.h"

namespace plorvane {
namespace {

using namespace std::chrono_literals;

std::vector<std::uint8_t> LibraryFile(const std::string& name) {
  return test::FileBytes(test::LibraryMediaFolder() + "/" + name);
}

std::string Joined(const std::vector<std::string>& problems) {
  std::string text;
  for (const std::string& problem : problems) text += problem + "; ";
  return text;
}

TEST(LibraryMediaFiles, TheProgramWritesExactlyTheFilesTheBuildPacks) {
  std::vector<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(test::LibraryMediaFolder())) {
    EXPECT_GT(entry.file_size(), 0u) << entry.path();
    written.push_back(entry.path().filename().string());
  }
  std::vector<std::string> made;
  for (const auto& file : library::LibraryMediaFiles()) made.push_back(file.name);
  const std::vector<std::string> listed = test::ListedLibraryMediaFiles();
  EXPECT_EQ(made, listed) << "files.cmake and the program must name the same files";
  std::sort(written.begin(), written.end());
  std::vector<std::string> sorted = listed;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(written, sorted);

  EXPECT_EQ(test::LibraryMediaFilesEndingIn(".mid").size(), 14u);
  EXPECT_EQ(test::LibraryMediaFilesEndingIn(".wav").size(), 3u);
  EXPECT_EQ(test::LibraryMediaFilesEndingIn(".san").size() + test::LibraryMediaFilesEndingIn(".sag").size(), 27u);
  EXPECT_GE(test::LibraryMediaFilesEndingIn(".sag").size(), 6u);
}

TEST(LibraryMediaFiles, EveryTuneHasMelodyAndAccompanimentOfAFittingLength) {
  for (const std::string& name : test::LibraryMediaFilesEndingIn(".mid")) {
    const auto problems = test::TuneProblems(LibraryFile(name));
    EXPECT_TRUE(problems.empty()) << name << ": " << Joined(problems);
  }
}

TEST(LibraryMediaFiles, EverySoundIsAnAudibleShortWave) {
  for (const std::string& name : test::LibraryMediaFilesEndingIn(".wav")) {
    const auto problems = test::SoundProblems(LibraryFile(name));
    EXPECT_TRUE(problems.empty()) << name << ": " << Joined(problems);
  }
}

TEST(LibraryMediaFiles, TheChecksRefuseTunesAndSoundsThatCannotServe) {
  EXPECT_FALSE(test::TuneProblems(test::MidiFile()).empty()) << "a tune without notes";
  EXPECT_FALSE(test::TuneProblems(test::MidiTune()).empty()) << "a few seconds of one track";
  auto cut = LibraryFile("Jingle Bells.mid");
  cut.resize(cut.size() / 2);
  EXPECT_FALSE(test::TuneProblems(cut).empty()) << "half a file";

  auto silent = LibraryFile("Chime.wav");
  std::fill(silent.begin() + 44, silent.end(), 0);
  EXPECT_FALSE(test::SoundProblems(silent).empty()) << "silence";
  EXPECT_FALSE(test::SoundProblems(test::WaveFile(40000)).empty()) << "a quiet saw tooth";
  EXPECT_FALSE(test::SoundProblems(LibraryFile("Happy Birthday.mid")).empty()) << "not a wave";
}

class LibrarySoundPlayback : public ::testing::Test {
 protected:
  LibrarySoundPlayback() {
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
  }
  // The disk driver writes silence as one repeated byte; a sound shows as other bytes after `from`.
  [[nodiscard]] bool HeardAfter(std::size_t from) const {
    const auto bytes = test::FileBytes(output_);
    return bytes.size() > from && std::any_of(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(),
                                              [&](std::uint8_t b) { return b != bytes.front(); });
  }
  [[nodiscard]] std::size_t OutputSize() const { return test::FileBytes(output_).size(); }

  test::ScratchFolder folder_;
  std::string output_ = folder_.File("output.raw");
  SdlSoundDevices devices_;
};

TEST_F(LibrarySoundPlayback, EveryTuneAndSoundPlaysThroughTheSoundPlayer) {
  TWaveMidi player(devices_);
  std::vector<std::string> sounds = test::LibraryMediaFilesEndingIn(".wav");
  for (const std::string& tune : test::LibraryMediaFilesEndingIn(".mid")) sounds.push_back(tune);
  for (const std::string& name : sounds) {
    const std::string path = test::LibraryMediaFolder() + "/" + name;
    // As the card takes a sound: judged by its content, then played from its bytes.
    const int kind = player.SoundTypeOfFile(path);
    EXPECT_EQ(kind, name.ends_with(".wav") ? kSoundKindWave : kSoundKindMidi) << name;
    player.DeviceType = kind == kSoundKindMidi ? TMPDeviceTypes::dtSequencer : TMPDeviceTypes::dtWaveAudio;
    ASSERT_NO_THROW(player.OpenData(test::FileBytes(path))) << name;
    const std::size_t before = OutputSize();
    ASSERT_EQ(player.Play(), kSoundOk) << name << ": " << player.ErrorText();
    bool heard = false;
    for (int attempt = 0; attempt < 100 && !heard; ++attempt) {
      heard = HeardAfter(before);
      if (!heard) std::this_thread::sleep_for(50ms);
    }
    EXPECT_TRUE(heard) << name;
    EXPECT_EQ(player.Mode(), kSoundModePlaying) << name << " stopped at once";
    EXPECT_EQ(player.Stop(), kSoundOk) << name;
    player.Close();
  }
}

}  // namespace
}  // namespace plorvane
