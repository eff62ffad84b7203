#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/headless/headless_platform.h"
#include "scratch_folder.h"

namespace plorvane {
namespace {

class HeadlessSoundTest : public testing::Test {
 protected:

  std::string Write(const std::string& name, const std::string& bytes) { return scratch_.Write(name, bytes); }

  HeadlessPlatform platform_;
  test::ScratchFolder scratch_;
  const std::filesystem::path folder_{scratch_.path()};
};

TEST_F(HeadlessSoundTest, OpensAFileOnlyOnTheDeviceTypeItsBytesFit) {
  const std::string wave = Write("a.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
  const std::string midi = Write("a.mid", "MThd\0\0\0\x06");
  const std::string text = Write("a.txt", "hello, world");
  auto device = platform_.sound_devices().CreateSoundDevice();

  EXPECT_EQ(device->Open(wave, SoundDeviceType::kWaveAudio), kSoundOk);
  EXPECT_EQ(device->Open(wave, SoundDeviceType::kSequencer), kHeadlessSoundUnsupportedFile);
  EXPECT_FALSE(device->IsOpen()) << "a failed open must leave the device closed";
  EXPECT_EQ(device->Open(midi, SoundDeviceType::kSequencer), kSoundOk);
  EXPECT_EQ(device->Open(midi, SoundDeviceType::kAutoSelect), kSoundOk);
  EXPECT_EQ(device->Open(text, SoundDeviceType::kWaveAudio), kHeadlessSoundUnsupportedFile);
  EXPECT_EQ(device->Open((folder_ / "missing.wav").string(), SoundDeviceType::kWaveAudio),
            kHeadlessSoundFileNotFound);
}

TEST_F(HeadlessSoundTest, ModeFollowsPlayStopCloseAndTheEndOfTheSound) {
  const std::string wave = Write("b.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
  auto device = platform_.sound_devices().CreateSoundDevice();
  EXPECT_EQ(device->Play(), kHeadlessSoundNotOpen);
  EXPECT_NE(device->Mode(), kSoundModePlaying);

  ASSERT_EQ(device->Open(wave, SoundDeviceType::kWaveAudio), kSoundOk);
  EXPECT_EQ(device->Play(), kSoundOk);
  EXPECT_EQ(device->Mode(), kSoundModePlaying);
  platform_.sound_devices().FinishPlayback();
  EXPECT_EQ(device->Mode(), kSoundModeStopped);
  EXPECT_EQ(device->Play(), kSoundOk);
  EXPECT_EQ(device->Stop(), kSoundOk);
  EXPECT_EQ(device->Mode(), kSoundModeStopped);
  EXPECT_EQ(device->Play(), kSoundOk);
  device->Close();
  EXPECT_NE(device->Mode(), kSoundModePlaying) << "a closed device reported playing";
  EXPECT_EQ(platform_.sound_devices().OpenDeviceCount(), 0);
}

TEST_F(HeadlessSoundTest, ScriptedResultsWinOverTheFileAndCarryTheirText) {
  const std::string wave = Write("c.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
  platform_.sound_devices().ScriptOpenResult(263);
  platform_.sound_devices().ScriptPlayResult(277);
  platform_.sound_devices().SetErrorText(263, "The device is busy");
  auto device = platform_.sound_devices().CreateSoundDevice();

  const int code = device->Open(wave, SoundDeviceType::kWaveAudio);
  EXPECT_EQ(code, 263);
  EXPECT_EQ(device->ErrorText(code), "The device is busy");
  EXPECT_EQ(device->Open(wave, SoundDeviceType::kWaveAudio), kSoundOk) << "script used twice";
  EXPECT_EQ(device->Play(), 277);
  EXPECT_NE(device->Mode(), kSoundModePlaying);
  EXPECT_EQ(device->ErrorText(999), "Unknown error code");

  device.reset();
  EXPECT_TRUE(platform_.log().ContainsInOrder({"sound 1: open wave " + wave + " -> 263",
                                               "sound 1: open wave " + wave + " -> 0", "sound 1: play -> 277",
                                               "sound 1: close", "sound 1: destroy"}));
}

}  // namespace
}  // namespace plorvane
