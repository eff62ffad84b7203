#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "media/sound_kind.h"

namespace plorvane {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(DetectSoundKindTest, JudgesTheFirstBytes) {
  const struct {
    std::string bytes;
    int kind;
  } cases[] = {
      {std::string("RIFF\x24\0\0\0WAVEfmt ", 16), kSoundKindWave},
      {std::string("RIFF\x24\0\0\0RMIDdata", 16), kSoundKindMidi},
      {std::string("MThd\0\0\0\x06", 8), kSoundKindMidi},
      {"MThd", kSoundKindMidi},
      {"MTh", kSoundKindNone},
      {std::string("RIFF\x24\0\0\0WAV", 11), kSoundKindNone},  // cut short inside the form tag
      {std::string("RIFX\x24\0\0\0WAVE", 12), kSoundKindNone},
      {std::string("RIFF\x24\0\0\0AVI ", 12), kSoundKindNone},
      {"WAVE", kSoundKindNone},
      {"", kSoundKindNone},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(DetectSoundKind(Bytes(test.bytes)), test.kind) << "bytes: " << test.bytes;
  }
}

}  // namespace
}  // namespace plorvane
