#pragma once
// Which player a sound file needs, judged by its first bytes. Every sound device implementation
// uses this one definition, so a file is typed the same way wherever it is played.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace plorvane {

// The sound type codes of a card.
inline constexpr int kSoundKindNone = 0;
inline constexpr int kSoundKindMidi = 1;
inline constexpr int kSoundKindWave = 2;

// No more than this many leading bytes decide the kind.
inline constexpr std::size_t kSoundKindProbeBytes = 12;

namespace sound_kind_detail {

inline bool HasTag(std::span<const std::uint8_t> bytes, std::size_t offset, std::string_view tag) {
  if (bytes.size() < offset || bytes.size() - offset < tag.size()) return false;
  for (std::size_t i = 0; i < tag.size(); ++i) {
    if (bytes[offset + i] != static_cast<std::uint8_t>(tag[i])) return false;
  }
  return true;
}

}  // namespace sound_kind_detail

// kSoundKindWave for a RIFF WAVE file; kSoundKindMidi for a standard MIDI file, plain ("MThd") or
// wrapped in RIFF RMID; kSoundKindNone otherwise.
inline int DetectSoundKind(std::span<const std::uint8_t> first_bytes) {
  using sound_kind_detail::HasTag;
  if (HasTag(first_bytes, 0, "MThd")) return kSoundKindMidi;
  if (!HasTag(first_bytes, 0, "RIFF")) return kSoundKindNone;
  // Bytes 4..7 hold the RIFF chunk size, which does not matter here.
  if (HasTag(first_bytes, 8, "WAVE")) return kSoundKindWave;
  if (HasTag(first_bytes, 8, "RMID")) return kSoundKindMidi;
  return kSoundKindNone;
}

}  // namespace plorvane
