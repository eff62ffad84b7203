#pragma once
// A Standard MIDI File of format 1: a first track with the title, metre and tempo, then one
// track per part, each on its own channel with its own General MIDI instrument. Times are in
// ticks, kTicksPerQuarter to a quarter note.

#include <cstdint>
#include <string>
#include <vector>

namespace plorvane::library {

inline constexpr std::uint32_t kTicksPerQuarter = 480;

struct MidiNote {
  std::uint32_t start = 0;
  std::uint32_t length = 0;
  std::uint8_t key = 60;  // 60 is middle C
  std::uint8_t velocity = 96;
};

struct MidiPart {
  std::string name = {};
  std::uint8_t channel = 0;
  std::uint8_t program = 0;  // General MIDI instrument, 0-based
  std::vector<MidiNote> notes = {};
};

struct MidiSong {
  std::string title;
  int quarters_per_minute = 120;
  int beats_per_bar = 4;
  int beat_unit = 4;  // a power of two: 4 counts quarters, 8 eighths
  // How long the song lasts in ticks; the tracks end there, or after their last note.
  std::uint32_t length = 0;
  std::vector<MidiPart> parts = {};
};

std::vector<std::uint8_t> EncodeMidiFile(const MidiSong& song);

}  // namespace plorvane::library
