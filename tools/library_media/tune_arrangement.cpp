#include "tune_arrangement.h"

#include <algorithm>

#include "tune_notation.h"

namespace plorvane::library {
namespace {

constexpr std::uint8_t kMelodyVelocity = 100;
constexpr std::uint8_t kVoiceVelocity = 80;
constexpr std::uint8_t kChordVelocity = 56;
constexpr std::uint8_t kBassVelocity = 78;
constexpr std::uint32_t kBeat = kTicksPerQuarter;

// Written notes sound a little shorter than written, so repeated keys are heard apart.
std::uint32_t Sounding(std::uint32_t length) { return std::max<std::uint32_t>(length * 9 / 10, length - 60); }

void AddNote(MidiPart& part, std::uint32_t start, std::uint32_t length, int key, std::uint8_t velocity) {
  part.notes.push_back({start, Sounding(length), static_cast<std::uint8_t>(std::clamp(key, 0, 127)), velocity});
}

// The chord's root between F3 and E4 and the bass's between E2 and D#3.
int ChordRoot(const WrittenChord& chord) { return 48 + chord.root + (chord.root < 5 ? 12 : 0); }
int BassRoot(const WrittenChord& chord) { return 36 + chord.root + (chord.root < 4 ? 12 : 0); }

void AddChordNotes(MidiPart& part, const WrittenChord& chord, std::uint32_t start, std::uint32_t length) {
  for (const int interval : chord.intervals) AddNote(part, start, length, ChordRoot(chord) + interval, kChordVelocity);
}

void Accompany(const WrittenChord& chord, std::uint32_t offset, Accompaniment style, MidiPart& chords, MidiPart& bass) {
  const std::uint32_t start = offset + chord.start;
  switch (style) {
    case Accompaniment::kSustained:
      AddChordNotes(chords, chord, start, chord.length);
      AddNote(bass, start, chord.length, BassRoot(chord), kBassVelocity);
      break;
    case Accompaniment::kPulse:
      for (std::uint32_t at = 0; at < chord.length; at += kBeat) {
        const std::uint32_t length = std::min(kBeat, chord.length - at);
        const std::uint32_t beat = at / kBeat;
        if (beat == 0) {
          AddNote(bass, start + at, length, BassRoot(chord), kBassVelocity);
        } else if (beat == 2 && chord.length >= 4 * kBeat) {
          AddNote(bass, start + at, length, BassRoot(chord) + 7, kBassVelocity);
        } else {
          AddChordNotes(chords, chord, start + at, length);
        }
      }
      break;
    case Accompaniment::kBroken: {
      AddNote(bass, start, chord.length, BassRoot(chord), kBassVelocity);
      // Root, fifth, octave, the third above it, and back down.
      const int third = chord.intervals.size() > 1 ? chord.intervals[1] : 4;
      const int fifth = chord.intervals.size() > 2 ? chord.intervals[2] : 7;
      const int pattern[] = {0, fifth, 12, 12 + third, 12, fifth};
      int step = 0;
      for (std::uint32_t at = 0; at < chord.length; at += kBeat / 2, ++step) {
        const std::uint32_t length = std::min(kBeat / 2, chord.length - at);
        AddNote(chords, start + at, length, ChordRoot(chord) - 12 + pattern[step % 6], kChordVelocity);
      }
      break;
    }
  }
}

}  // namespace

Arrangement ArrangeTune(const Tune& tune) {
  Arrangement arrangement;
  MidiSong& song = arrangement.song;
  song.title = std::string(tune.name);
  song.quarters_per_minute = tune.quarters_per_minute;
  song.beats_per_bar = tune.beats_per_bar;
  song.beat_unit = tune.beat_unit;
  const auto bar = static_cast<std::uint32_t>(tune.beats_per_bar) * 4 * kTicksPerQuarter /
                   static_cast<std::uint32_t>(tune.beat_unit);
  const auto fail = [&](std::string_view part, const std::string& error) {
    arrangement.error = std::string(tune.name) + ", " + std::string(part) + ": " + error;
    return arrangement;
  };

  const NoteParse melody = ParseNotes(tune.melody, bar);
  if (!melody.error.empty()) return fail("melody", melody.error);
  if (melody.notes.empty()) return fail("melody", "no notes");
  std::vector<NoteParse> voices;
  for (const Voice& voice : tune.voices) {
    voices.push_back(ParseNotes(voice.notes, bar));
    if (!voices.back().error.empty()) return fail(voice.name, voices.back().error);
    if (voices.back().length != melody.length) return fail(voice.name, "not as long as the melody");
  }
  ChordParse chords;
  if (!tune.chords.empty()) {
    chords = ParseChords(tune.chords, bar);
    if (!chords.error.empty()) return fail("chords", chords.error);
    if (chords.length != melody.length) return fail("chords", "not as long as the melody");
  }

  std::uint8_t channel = 0;
  MidiPart melody_part{"Melody", channel++, tune.melody_program, {}};
  std::vector<MidiPart> voice_parts;
  for (const Voice& voice : tune.voices) voice_parts.push_back({std::string(voice.name), channel++, voice.program, {}});
  MidiPart chord_part{"Chords", channel++, tune.chord_program, {}};
  MidiPart bass_part{"Bass", channel++, tune.bass_program, {}};
  for (int round = 0; round < tune.repeats; ++round) {
    const std::uint32_t offset = static_cast<std::uint32_t>(round) * melody.length;
    for (const WrittenNote& note : melody.notes) AddNote(melody_part, offset + note.start, note.length, note.key, kMelodyVelocity);
    for (std::size_t i = 0; i < voices.size(); ++i) {
      for (const WrittenNote& note : voices[i].notes) {
        AddNote(voice_parts[i], offset + note.start, note.length, note.key, kVoiceVelocity);
      }
    }
    for (const WrittenChord& chord : chords.chords) Accompany(chord, offset, tune.accompaniment, chord_part, bass_part);
  }
  song.length = static_cast<std::uint32_t>(tune.repeats) * melody.length;
  song.parts.push_back(std::move(melody_part));
  for (MidiPart& part : voice_parts) song.parts.push_back(std::move(part));
  if (!chord_part.notes.empty()) song.parts.push_back(std::move(chord_part));
  if (!bass_part.notes.empty()) song.parts.push_back(std::move(bass_part));
  return arrangement;
}

}  // namespace plorvane::library
