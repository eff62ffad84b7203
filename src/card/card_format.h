#pragma once
// Constants of the card stream and the card executable.

#include <cstdint>
#include <string_view>

namespace plorvane {

// The X of the signature record in front of every card stream.
inline constexpr std::string_view kCardSignature = "\x09Zarvick v2\x07Vumra Enterprises\x04";
inline constexpr std::string_view kLegacySignature = "\x09Zarvick\x07Vumra Enterprises Inc.\x04";

// Where a card executable keeps its card stream: the player image, zero filler, then the card.
inline constexpr std::int64_t kCardStreamOffset = 418000;
inline constexpr std::int64_t kLegacyCardStreamOffset = 362000;

// What DetectCard finds.
enum class CardVersion : std::uint8_t { kNone = 0, kLegacy = 1, kCurrent = 2 };

// Sound type codes of a card, shared with the sound player.
inline constexpr std::uint8_t kNoSound = 0;
inline constexpr std::uint8_t kMidiSound = 1;
inline constexpr std::uint8_t kWaveSound = 2;

}  // namespace plorvane
