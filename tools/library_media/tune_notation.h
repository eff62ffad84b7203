#pragma once
// Tunes written as text, one token per note or chord, separated by blanks; "|" marks a bar line.
//
//   note    a letter A..G, an optional '#' or 'b', an octave 0..8 (C4 is middle C), a length
//           a note ending in '~' is tied: the next note, of the same key, only lengthens it
//   rest    'r' and a length
//   length  w, h, q, e or s (whole down to sixteenth); each '.' that follows adds half again
//   chord   a root (letter, optional '#' or 'b'), a kind ("" major, "m", "7", "m7", "dim"), ':'
//           and a length; "r:" and a length is a stretch without a chord
//
// Every bar between two bar lines must hold exactly one bar of the metre; the part before the
// first bar line (a pickup) and after the last may be shorter.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plorvane::library {

struct WrittenNote {
  std::uint32_t start = 0;
  std::uint32_t length = 0;
  int key = 60;  // MIDI key number
};

struct WrittenChord {
  std::uint32_t start = 0;
  std::uint32_t length = 0;
  int root = 0;                // pitch class, 0 is C
  std::vector<int> intervals;  // semitones above the root, starting with 0
};

// Rests take time but make no note. The length of the whole passage lands in `length`.
struct NoteParse {
  std::vector<WrittenNote> notes;
  std::uint32_t length = 0;
  std::string error;  // empty when the text was read
};
struct ChordParse {
  std::vector<WrittenChord> chords;  // stretches without a chord are left out
  std::uint32_t length = 0;
  std::string error;
};

NoteParse ParseNotes(std::string_view text, std::uint32_t bar_length);
ChordParse ParseChords(std::string_view text, std::uint32_t bar_length);

}  // namespace plorvane::library
