#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "media/wave_midi.h"
#include "platform/headless/headless_platform.h"
#include "scratch_folder.h"

namespace plorvane {
namespace {

const std::string kWaveBytes("RIFF\x24\0\0\0WAVEfmt ", 16);
const std::string kMidiBytes("MThd\0\0\0\x06\0\0\0\x01", 12);
const std::string kRmidBytes("RIFF\x24\0\0\0RMIDdata", 16);

class WaveMidiTest : public testing::Test {
 protected:

  std::string Write(const std::string& name, const std::string& bytes) { return scratch_.Write(name, bytes); }

  // The message of the EMCIDeviceError `action` raises, or "" when it raises none.
  template <typename Action>
  static std::string RaisedText(Action action) {
    try {
      action();
    } catch (const EMCIDeviceError& error) {
      return error.what();
    }
    return "";
  }

  HeadlessPlatform platform_;
  test::ScratchFolder scratch_;
  const std::filesystem::path folder_{scratch_.path()};
};

TEST_F(WaveMidiTest, PlayAndStopOnAClosedPlayerRaiseNoDeviceOpen) {
  TWaveMidi player(platform_.sound_devices());
  EXPECT_EQ(RaisedText([&] { player.Play(); }), "No MCI device open");
  EXPECT_EQ(RaisedText([&] { player.Stop(); }), "No MCI device open");

  player.FileName = Write("a.wav", kWaveBytes);
  player.Open();
  player.Close();
  EXPECT_EQ(RaisedText([&] { player.Play(); }), "No MCI device open") << "after Close as well";
}

TEST_F(WaveMidiTest, OpeningASecondFileClosesTheFirst) {
  TWaveMidi player(platform_.sound_devices());
  player.FileName = Write("first.wav", kWaveBytes);
  player.DeviceType = TMPDeviceTypes::dtWaveAudio;
  player.Open();
  player.FileName = Write("second.mid", kMidiBytes);
  player.DeviceType = TMPDeviceTypes::dtSequencer;
  player.Open();
  player.OpenData({kMidiBytes.begin(), kMidiBytes.end()});

  EXPECT_TRUE(player.Opened());
  EXPECT_EQ(platform_.sound_devices().OpenDeviceCount(), 1);
  EXPECT_TRUE(platform_.log().ContainsInOrder(
      {"sound 1: open wave " + (folder_ / "first.wav").string() + " -> 0", "sound 1: close",
       "sound 1: open sequencer " + (folder_ / "second.mid").string() + " -> 0", "sound 1: close",
       "sound 1: open sequencer " + std::to_string(kMidiBytes.size()) + " bytes -> 0"}));

  player.DeviceType = TMPDeviceTypes::dtWaveAudio;
  EXPECT_EQ(RaisedText([&] { player.OpenData({kMidiBytes.begin(), kMidiBytes.end()}); }),
            "The sound device cannot play this file");
  EXPECT_FALSE(player.Opened());
}

TEST_F(WaveMidiTest, AFailedOpenRaisesTheDeviceTextAndLeavesThePlayerClosed) {
  TWaveMidi player(platform_.sound_devices());
  player.FileName = Write("notes.txt", "just some words");
  player.DeviceType = TMPDeviceTypes::dtWaveAudio;
  EXPECT_EQ(RaisedText([&] { player.Open(); }), "The sound device cannot play this file");
  EXPECT_FALSE(player.Opened());
  EXPECT_EQ(player.LastError(), kHeadlessSoundUnsupportedFile);
  EXPECT_EQ(player.ErrorText(), "The sound device cannot play this file");

  platform_.sound_devices().ScriptOpenResult(42);
  platform_.sound_devices().SetErrorText(42, "");
  EXPECT_EQ(RaisedText([&] { player.Open(); }), "Unknown error code") << "a device without a text for the code";
}

TEST_F(WaveMidiTest, PlayReturnsTheDeviceResultInsteadOfRaising) {
  TWaveMidi player(platform_.sound_devices());
  player.FileName = Write("a.wav", kWaveBytes);
  player.Open();
  platform_.sound_devices().ScriptPlayResult(7);
  platform_.sound_devices().SetErrorText(7, "Device busy");
  EXPECT_EQ(player.Play(), 7);
  EXPECT_EQ(player.LastError(), 7);
  EXPECT_EQ(player.ErrorText(), "Device busy");
  EXPECT_EQ(player.Play(), kSoundOk);
  EXPECT_EQ(player.LastError(), kSoundOk);
}

TEST_F(WaveMidiTest, ModeIsNeverPlayingOnAClosedPlayer) {
  TWaveMidi player(platform_.sound_devices());
  EXPECT_NE(player.Mode(), kSoundModePlaying) << "never opened";

  player.FileName = Write("a.wav", kWaveBytes);
  player.Open();
  player.Play();
  EXPECT_EQ(player.Mode(), kSoundModePlaying);
  player.Stop();
  EXPECT_EQ(player.Mode(), kSoundModeStopped);
  player.Play();
  player.Close();
  EXPECT_NE(player.Mode(), kSoundModePlaying) << "closed while playing";
}

TEST_F(WaveMidiTest, DestroyingThePlayerClosesItsDevice) {
  {
    TWaveMidi player(platform_.sound_devices());
    player.FileName = Write("a.wav", kWaveBytes);
    player.Open();
    EXPECT_EQ(platform_.sound_devices().OpenDeviceCount(), 1);
  }
  EXPECT_EQ(platform_.sound_devices().OpenDeviceCount(), 0);
}

TEST_F(WaveMidiTest, SoundTypeOfFileTriesWaveAudioThenTheSequencer) {
  TWaveMidi player(platform_.sound_devices());
  const struct {
    std::string name;
    std::string bytes;
    int kind;
  } cases[] = {
      {"a.wav", kWaveBytes, 2},
      {"a.mid", kMidiBytes, 1},
      {"a.rmi", kRmidBytes, 1},
      {"a.txt", "hello, world", 0},
      {"empty.wav", "", 0},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(player.SoundTypeOfFile(Write(test.name, test.bytes)), test.kind) << test.name;
  }
  EXPECT_EQ(platform_.sound_devices().OpenDeviceCount(), 0) << "the private players leave nothing open";
  EXPECT_FALSE(player.Opened());
}

TEST_F(WaveMidiTest, SoundTypeOfAMissingFileTouchesNoDevice) {
  TWaveMidi player(platform_.sound_devices());
  EXPECT_EQ(player.SoundTypeOfFile((folder_ / "missing.wav").string()), 0);
  EXPECT_TRUE(platform_.log().Entries().empty()) << "no device was created";
}

}  // namespace
}  // namespace plorvane
