#pragma once
// A tune of the library as it is written down: its melody, its chords or written accompanying
// voices, its metre, tempo and instruments. tune_arrangement turns it into a MIDI song.

#include <cstdint>
#include <string_view>
#include <vector>

namespace plorvane::library {

// General MIDI instruments (0-based program numbers).
enum GmProgram : std::uint8_t {
  kPiano = 0,
  kCelesta = 8,
  kGlockenspiel = 9,
  kMusicBox = 10,
  kVibraphone = 11,
  kChurchOrgan = 19,
  kAccordion = 21,
  kNylonGuitar = 24,
  kAcousticBass = 32,
  kFingerBass = 33,
  kPizzicatoStrings = 45,
  kHarp = 46,
  kStrings = 48,
  kSlowStrings = 49,
  kTrumpet = 56,
  kTuba = 58,
  kFrenchHorn = 60,
  kBrassSection = 61,
  kClarinet = 71,
  kFlute = 73,
  kRecorder = 74,
  kFiddle = 110,
};

// How the chords are played under the melody.
enum class Accompaniment {
  kPulse,      // the bass on the first beat of each chord (and the fifth on the third of a long
               // one), the chord on the other beats
  kSustained,  // chord and bass held for as long as the chord lasts
  kBroken,     // the bass held, the chord's notes one after another in eighths above it
};

// A written part beside the melody, such as a pianist's left hand.
struct Voice {
  std::string_view name;
  GmProgram program = kPiano;
  std::string_view notes = {};
};

struct Tune {
  std::string_view name = {};  // also the file name, without ".mid"
  int quarters_per_minute = 100;
  int beats_per_bar = 4;
  int beat_unit = 4;
  // The whole tune is played this many times in a row.
  int repeats = 1;
  GmProgram melody_program = kPiano;
  std::string_view melody = {};
  // Chord symbols as long as the melody, or empty.
  std::string_view chords = {};
  Accompaniment accompaniment = Accompaniment::kPulse;
  GmProgram chord_program = kPiano;
  GmProgram bass_program = kAcousticBass;
  std::vector<Voice> voices = {};
};

}  // namespace plorvane::library
