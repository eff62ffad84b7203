// Real sound through SDL_mixer, written by SDL's disk audio driver into a file per test.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "media/mci_error.h"
#include "media/wave_midi.h"
#include "platform/sdl/sdl_sound_devices.h"
#include "scratch_folder.h"
#include "sound_files.h"

namespace plorvane {
namespace {

using namespace std::chrono_literals;

class SdlSoundTest : public ::testing::Test {
 protected:
  SdlSoundTest() {
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", folder_.File("output.raw").c_str(), 1);
  }

  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    test::WriteBytes(folder_.File(name), bytes);
    return folder_.File(name);
  }
  // Waits for the condition for a few seconds of real playback at most.
  template <class Condition>
  static bool Eventually(Condition condition) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (condition()) return true;
      std::this_thread::sleep_for(50ms);
    }
    return false;
  }
  [[nodiscard]] std::size_t OutputSize() const { return test::FileBytes(folder_.File("output.raw")).size(); }
  // The driver writes silence as one repeated byte; a sound shows as other bytes after `from`.
  [[nodiscard]] bool SomethingWasHeard(std::size_t from = 0) const {
    const auto bytes = test::FileBytes(folder_.File("output.raw"));
    if (bytes.size() <= from) return false;
    return std::any_of(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(),
                       [&](std::uint8_t b) { return b != bytes.front(); });
  }

  test::ScratchFolder folder_;
  SdlSoundDevices devices_;
};

TEST_F(SdlSoundTest, WaveAndMidiFilesPlayUntilStopped) {
  const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files = {
      {"tone.wav", test::WaveFile(40000)},
      {"tune.mid", test::MidiTune()},
  };
  auto device = devices_.CreateSoundDevice();
  for (const auto& [name, bytes] : files) {
    ASSERT_EQ(device->Open(Write(name, bytes), SoundDeviceType::kAutoSelect), kSoundOk) << device->ErrorText(1);
    EXPECT_EQ(device->Mode(), kSoundModeStopped) << name;
    const std::size_t before = OutputSize();
    ASSERT_EQ(device->Play(), kSoundOk) << name;
    EXPECT_EQ(device->Mode(), kSoundModePlaying) << name << ": Play returns while the sound goes on";
    EXPECT_TRUE(Eventually([&] { return SomethingWasHeard(before); })) << name;
    EXPECT_EQ(device->Stop(), kSoundOk);
    EXPECT_EQ(device->Mode(), kSoundModeStopped) << name;
  }
}

TEST_F(SdlSoundTest, BytesPlayWithoutAFileAndTheProgramKeepsItsSignals) {
  auto device = devices_.CreateSoundDevice();
  EXPECT_EQ(device->OpenData({'h', 'e', 'l', 'l', 'o'}, SoundDeviceType::kAutoSelect), kSdlSoundUnsupportedFile);
  ASSERT_EQ(device->OpenData(test::WaveFile(40000), SoundDeviceType::kWaveAudio), kSoundOk);
  ASSERT_EQ(device->Play(), kSoundOk);
  EXPECT_TRUE(Eventually([&] { return SomethingWasHeard(); }));
  EXPECT_EQ(folder_.EntryCount(), 1) << "only the driver's output file";
  // Starting the audio must not take over SIGINT and SIGTERM, or the program could not be ended.
  for (const int signal_number : {SIGINT, SIGTERM}) {
    struct sigaction current {};
    ASSERT_EQ(::sigaction(signal_number, nullptr, &current), 0);
    EXPECT_EQ(current.sa_handler, SIG_DFL) << signal_number;
  }
}

TEST_F(SdlSoundTest, ShortSoundStopsByItself) {
  auto device = devices_.CreateSoundDevice();
  ASSERT_EQ(device->Open(Write("click.wav", test::WaveFile(800)), SoundDeviceType::kWaveAudio), kSoundOk);
  ASSERT_EQ(device->Play(), kSoundOk);
  EXPECT_TRUE(Eventually([&] { return device->Mode() == kSoundModeStopped; }));
}

TEST_F(SdlSoundTest, MidiInsideARiffWrapperPlays) {
  const auto midi = test::MidiTune();
  std::vector<std::uint8_t> data_chunk{'d', 'a', 't', 'a'};
  for (int i = 0; i < 4; ++i) data_chunk.push_back(static_cast<std::uint8_t>(midi.size() >> (8 * i)));
  data_chunk.insert(data_chunk.end(), midi.begin(), midi.end());
  if (midi.size() % 2 != 0) data_chunk.push_back(0);
  std::vector<std::uint8_t> rmid{'R', 'I', 'F', 'F'};
  const auto form_size = static_cast<std::uint32_t>(4 + data_chunk.size());
  for (int i = 0; i < 4; ++i) rmid.push_back(static_cast<std::uint8_t>(form_size >> (8 * i)));
  rmid.insert(rmid.end(), {'R', 'M', 'I', 'D'});
  rmid.insert(rmid.end(), data_chunk.begin(), data_chunk.end());

  auto device = devices_.CreateSoundDevice();
  ASSERT_EQ(device->Open(Write("tune.rmi", rmid), SoundDeviceType::kSequencer), kSoundOk);
  ASSERT_EQ(device->Play(), kSoundOk);
  EXPECT_TRUE(Eventually([&] { return SomethingWasHeard(); }));
}

TEST_F(SdlSoundTest, FilesThatCannotPlayAreRefusedWithAText) {
  std::vector<std::uint8_t> damaged = test::WaveFile(100);
  std::fill(damaged.begin() + 12, damaged.end(), 0xEE);  // "WAVE" stays, the chunks are garbage
  const struct {
    const char* name;
    std::string path;
    SoundDeviceType type;
    int code;
  } cases[] = {
      {"missing", folder_.File("missing.wav"), SoundDeviceType::kAutoSelect, kSdlSoundFileNotFound},
      {"text", Write("notes.txt", {'h', 'e', 'l', 'l', 'o'}), SoundDeviceType::kAutoSelect, kSdlSoundUnsupportedFile},
      {"wave on the sequencer", Write("a.wav", test::WaveFile()), SoundDeviceType::kSequencer, kSdlSoundUnsupportedFile},
      {"midi as wave audio", Write("a.mid", test::MidiTune()), SoundDeviceType::kWaveAudio, kSdlSoundUnsupportedFile},
      {"damaged wave", Write("damaged.wav", damaged), SoundDeviceType::kAutoSelect, kSdlSoundCannotDecode},
  };
  auto device = devices_.CreateSoundDevice();
  for (const auto& c : cases) {
    EXPECT_EQ(device->Open(c.path, c.type), c.code) << c.name;
    EXPECT_FALSE(device->IsOpen()) << c.name;
    EXPECT_NE(device->ErrorText(c.code), "Unknown error code") << c.name;
    EXPECT_NE(device->Mode(), kSoundModePlaying) << c.name;
    EXPECT_EQ(device->Play(), kSdlSoundNotOpen) << c.name;
  }
  // SDL's words about the damaged file belong to that failure only.
  EXPECT_NE(device->ErrorText(kSdlSoundCannotDecode).find('('), std::string::npos);
  EXPECT_EQ(device->ErrorText(kSdlSoundNotOpen).find('('), std::string::npos);
}

TEST_F(SdlSoundTest, OpenAndCloseEndTheSoundBefore) {
  auto device = devices_.CreateSoundDevice();
  const std::string tone = Write("long.wav", test::WaveFile(40000));
  ASSERT_EQ(device->Open(tone, SoundDeviceType::kAutoSelect), kSoundOk);
  ASSERT_EQ(device->Play(), kSoundOk);
  ASSERT_EQ(device->Open(Write("tune.mid", test::MidiTune()), SoundDeviceType::kAutoSelect), kSoundOk);
  EXPECT_EQ(device->Mode(), kSoundModeStopped);

  ASSERT_EQ(device->Open(tone, SoundDeviceType::kAutoSelect), kSoundOk);
  ASSERT_EQ(device->Play(), kSoundOk);
  EXPECT_EQ(device->Close(), kSoundOk);
  EXPECT_FALSE(device->IsOpen());
  EXPECT_EQ(device->Mode(), kSoundModeNotReady);
  EXPECT_EQ(device->Stop(), kSdlSoundNotOpen);
  EXPECT_EQ(device->Close(), kSdlSoundNotOpen);
}

TEST_F(SdlSoundTest, DevicesDoNotDisturbEachOther) {
  auto card = devices_.CreateSoundDevice();
  ASSERT_EQ(card->Open(Write("long.wav", test::WaveFile(40000)), SoundDeviceType::kAutoSelect), kSoundOk);
  ASSERT_EQ(card->Play(), kSoundOk);
  {
    // A short-lived device that only looks at a file's type.
    auto probe = devices_.CreateSoundDevice();
    EXPECT_EQ(probe->Open(Write("tune.mid", test::MidiTune()), SoundDeviceType::kAutoSelect), kSoundOk);
    EXPECT_EQ(probe->Mode(), kSoundModeStopped);
  }
  EXPECT_EQ(card->Mode(), kSoundModePlaying);

  // The stream goes to whoever plays last; the other no longer counts as playing.
  auto other = devices_.CreateSoundDevice();
  ASSERT_EQ(other->Open(Write("tune.mid", test::MidiTune()), SoundDeviceType::kAutoSelect), kSoundOk);
  ASSERT_EQ(other->Play(), kSoundOk);
  EXPECT_EQ(card->Mode(), kSoundModeStopped);
  EXPECT_EQ(other->Mode(), kSoundModePlaying);
  EXPECT_EQ(card->Stop(), kSoundOk);
  EXPECT_EQ(other->Mode(), kSoundModePlaying) << "stopping a sound that is not on the stream stops nothing";
}

TEST_F(SdlSoundTest, SoundPlayerPlaysThroughTheDevices) {
  TWaveMidi player(devices_);
  player.FileName = Write("tone.wav", test::WaveFile(40000));
  player.Open();
  EXPECT_EQ(player.Play(), kSoundOk);
  EXPECT_EQ(player.Mode(), kSoundModePlaying);
  EXPECT_EQ(player.Stop(), kSoundOk);
  EXPECT_EQ(player.Mode(), kSoundModeStopped);
  player.Close();
  EXPECT_NE(player.Mode(), kSoundModePlaying);
  EXPECT_THROW(player.Play(), EMCIDeviceError);
}

}  // namespace
}  // namespace plorvane
