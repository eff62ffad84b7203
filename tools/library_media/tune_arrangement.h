#pragma once
// Turns a written tune into a MIDI song: the melody, the accompaniment played from its chords
// (a chord part and a bass part) and its written voices, each a part of its own.

#include <string>

#include "midi_file.h"
#include "tune.h"

namespace plorvane::library {

struct Arrangement {
  MidiSong song;
  std::string error;  // what is wrong with the written tune; empty when it was arranged
};

Arrangement ArrangeTune(const Tune& tune);

}  // namespace plorvane::library
