#pragma once
// Reads a Standard MIDI File as a player would (running status, meta and system-exclusive
// events, the tempo map) and sums up what it would play.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace plorvane::test {

struct MidiTrackSummary {
  int notes = 0;               // note-ons with a velocity
  int unfinished_notes = 0;    // still sounding at the end of the track
  int programs = 0;            // program changes
  int lowest_key = 127;
  int highest_key = 0;
  std::uint32_t first_note = 0;  // tick of the first note-on
  std::uint32_t end = 0;         // tick of the end of track
};

struct MidiSummary {
  int format = 0;
  int division = 0;  // ticks per quarter note
  std::vector<MidiTrackSummary> tracks;
  int notes = 0;
  double seconds = 0;             // until the last track ends
  double first_note_seconds = 0;  // when the first note sounds
  std::string error;              // empty when the whole file was read
};

MidiSummary SummarizeMidi(std::span<const std::uint8_t> bytes);

}  // namespace plorvane::test
