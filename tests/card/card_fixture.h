#pragma once
// A card in a temporary home on the headless platform, with the files the card tests make.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "animation/animation_test_support.h"
#include "card/card.h"
#include "platform/headless/headless_platform.h"
#include "support/temp_home.h"

namespace plorvane::test {

// A stand-in for the player image: any bytes do, the card only copies them.
inline std::vector<std::uint8_t> FakePlayerImage(std::size_t size = 1000) {
  std::vector<std::uint8_t> image(size);
  for (std::size_t i = 0; i < size; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 1);
  return image;
}

// The smallest files each sound device takes by their content.
inline std::vector<std::uint8_t> WaveFile(std::size_t samples = 64) {
  std::string riff = "RIFF";
  const std::uint32_t size = static_cast<std::uint32_t>(36 + samples);
  for (int i = 0; i < 4; ++i) riff += static_cast<char>(size >> (8 * i));
  riff += "WAVEfmt ";
  riff += std::string("\x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0", 20);
  riff += "data";
  for (int i = 0; i < 4; ++i) riff += static_cast<char>(samples >> (8 * i));
  for (std::size_t i = 0; i < samples; ++i) riff += static_cast<char>(128 + (i % 16));
  return {riff.begin(), riff.end()};
}

inline std::vector<std::uint8_t> MidiFile() {
  const std::string smf = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) +
                          std::string("MTrk\0\0\0\x04\0\xFF\x2F\0", 12);
  return {smf.begin(), smf.end()};
}

// A few seconds of notes on the piano, so a synthesizer has something to play.
inline std::vector<std::uint8_t> MidiTune() {
  std::string track;
  for (const unsigned char note : {60, 64, 67, 72, 67, 64, 60, 64}) {
    track += std::string("\x00\x90", 2) + static_cast<char>(note) + '\x64';  // on at once
    track += std::string("\x60\x80", 2) + static_cast<char>(note) + '\x40';  // off a beat later
  }
  track += std::string("\x00\xFF\x2F\x00", 4);
  std::string smf = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + "MTrk";
  for (int shift = 24; shift >= 0; shift -= 8) smf += static_cast<char>(track.size() >> shift);
  smf += track;
  return {smf.begin(), smf.end()};
}

class CardTest : public ::testing::Test {
 protected:
  CardTest() { card_->SetPlayerStub(FakePlayerImage()); }

  std::vector<std::uint8_t> Saved(TZarvickV2& card) {
    MemoryStream stream;
    EXPECT_TRUE(card.SaveToStream(stream)) << card.LastError();
    return stream.bytes();
  }
  std::unique_ptr<TZarvickV2> NewEditorCard() { return std::make_unique<TZarvickV2>(platform_, CardMode::kEditor); }

  testing::TempHome home_;
  // The scratch folder lives in the temporary home's TMPDIR, which must exist first.
  bool tmp_made_ = std::filesystem::create_directories(std::getenv("TMPDIR"));
  ScratchFolder folder_;
  HeadlessPlatform platform_;
  std::unique_ptr<TZarvickV2> card_ = NewEditorCard();
};

}  // namespace plorvane::test
