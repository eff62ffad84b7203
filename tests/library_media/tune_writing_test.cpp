// How tunes are written down and turned into MIDI files.
#include <gtest/gtest.h>

#include <map>

#include "midi_file.h"
#include "midi_summary.h"
#include "tune_arrangement.h"
#include "tune_notation.h"
#include "tunes.h"

namespace plorvane::library {
namespace {

constexpr std::uint32_t kQuarter = kTicksPerQuarter;
constexpr std::uint32_t kFourFour = 4 * kQuarter;

std::vector<Tune> AllTunes() {
  std::vector<Tune> all;
  for (const auto& tunes : {CelebrationTunes(), ChristmasTunes(), ClassicalTunes(), FolkTunes()}) {
    all.insert(all.end(), tunes.begin(), tunes.end());
  }
  return all;
}

TEST(TuneNotation, NotesCarryTheirPitchLengthRestsAndTies) {
  const NoteParse parse = ParseNotes("C4q D#4e. Bb3s | rh G5h~ | G5q A0h.", kFourFour);
  ASSERT_EQ(parse.error, "");
  ASSERT_EQ(parse.notes.size(), 5u);
  const WrittenNote expected[] = {{0, kQuarter, 60},
                                  {kQuarter, kQuarter * 3 / 4, 63},
                                  {kQuarter * 7 / 4, kQuarter / 4, 58},
                                  {4 * kQuarter, 3 * kQuarter, 79},
                                  {7 * kQuarter, 3 * kQuarter, 21}};
  for (std::size_t i = 0; i < parse.notes.size(); ++i) {
    EXPECT_EQ(parse.notes[i].start, expected[i].start) << i;
    EXPECT_EQ(parse.notes[i].length, expected[i].length) << i;
    EXPECT_EQ(parse.notes[i].key, expected[i].key) << i;
  }
  EXPECT_EQ(parse.length, 10 * kQuarter) << "a two-beat pickup, a bar and a last bar";
}

TEST(TuneNotation, MiswrittenBarsAndTokensAreRefused) {
  const struct {
    const char* text;
    const char* why;
  } cases[] = {
      {"C4w | C4q D4q E4q | F4q G4q", "a bar one beat short"},
      {"C4w C4q | C4w", "a pickup longer than a bar"},
      {"C4w | C4w C4e", "a last bar that is too long"},
      {"H4q", "no such letter"},
      {"C9q", "no such octave"},
      {"C4x", "no such length"},
      {"C4", "no length"},
      {"C4q~ D4q", "a tie to another key"},
      {"C4q~ rq", "a tie to a rest"},
      {"C4q~", "a tie to nothing"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(ParseNotes(c.text, kFourFour).error, "") << c.text << ": " << c.why;
  }
  EXPECT_NE(ParseNotes("C4w | C4q D4q E4q | F4q G4q", kFourFour).error.find("bar 1"), std::string::npos)
      << "the error names the bar";
  EXPECT_EQ(ParseNotes("C4q | C4w | C4h.", kFourFour).error, "") << "a pickup and a short last bar";
}

TEST(TuneNotation, ChordsNameTheirRootsAndKinds) {
  const ChordParse parse = ParseChords("Am:h G7:q r:q | Bb:w | F#dim:h. Ebm7:q", kFourFour);
  ASSERT_EQ(parse.error, "");
  ASSERT_EQ(parse.chords.size(), 5u) << "the stretch without a chord is left out";
  EXPECT_EQ(parse.chords[0].root, 9);
  EXPECT_EQ(parse.chords[0].intervals, (std::vector<int>{0, 3, 7}));
  EXPECT_EQ(parse.chords[1].intervals, (std::vector<int>{0, 4, 7, 10}));
  EXPECT_EQ(parse.chords[2].root, 10);
  EXPECT_EQ(parse.chords[2].start, kFourFour);
  EXPECT_EQ(parse.chords[3].root, 6);
  EXPECT_EQ(parse.chords[3].intervals, (std::vector<int>{0, 3, 6}));
  EXPECT_EQ(parse.chords[4].root, 3);
  EXPECT_EQ(parse.length, 3 * kFourFour);
  EXPECT_NE(ParseChords("Csus:w", kFourFour).error, "");
  EXPECT_NE(ParseChords("C w", kFourFour).error, "");
}

TEST(TuneArrangement, PartsThatDoNotFitTheMelodyAreRefused) {
  Tune tune{.name = "Test", .melody = "C4w | G4w", .chords = "C:w"};
  EXPECT_NE(ArrangeTune(tune).error.find("chords"), std::string::npos);
  tune.chords = "C:w | G:w";
  tune.voices = {{"Low", kPiano, "C3w"}};
  EXPECT_NE(ArrangeTune(tune).error.find("Low"), std::string::npos);
  tune.voices.clear();
  EXPECT_EQ(ArrangeTune(tune).error, "");
  tune.melody = "rw | rw";
  EXPECT_NE(ArrangeTune(tune).error, "") << "a melody of rests";
}

TEST(TuneArrangement, RepeatsPlayTheWholeTuneAgain) {
  Tune tune{.name = "Test", .melody = "C4h E4h | G4w", .chords = "C:w | G:w"};
  const Arrangement once = ArrangeTune(tune);
  tune.repeats = 3;
  const Arrangement thrice = ArrangeTune(tune);
  ASSERT_EQ(thrice.error, "");
  EXPECT_EQ(thrice.song.length, 3 * once.song.length);
  ASSERT_EQ(thrice.song.parts.size(), once.song.parts.size());
  for (std::size_t part = 0; part < once.song.parts.size(); ++part) {
    const auto& single = once.song.parts[part].notes;
    const auto& triple = thrice.song.parts[part].notes;
    ASSERT_EQ(triple.size(), 3 * single.size());
    EXPECT_EQ(triple[2 * single.size()].start, single[0].start + 2 * once.song.length);
    EXPECT_EQ(triple[2 * single.size()].key, single[0].key);
  }
}

// Every note of the chord and bass parts belongs to the chord written for its time, and where a
// chord begins the melody mostly begins one of its notes too (leaning notes on the beat are
// common, so three in five will do): a chord or melody written a beat out of place shows here.
TEST(TuneArrangement, AccompanimentAndMelodyAgreeWithTheWrittenChords) {
  for (const Tune& tune : AllTunes()) {
    if (tune.chords.empty()) continue;
    const auto bar = static_cast<std::uint32_t>(tune.beats_per_bar) * 4 * kQuarter / static_cast<std::uint32_t>(tune.beat_unit);
    const ChordParse chords = ParseChords(tune.chords, bar);
    const NoteParse melody = ParseNotes(tune.melody, bar);
    ASSERT_EQ(chords.error, "") << tune.name;
    const auto chord_at = [&](std::uint32_t tick) -> const WrittenChord* {
      tick %= chords.length;
      for (const WrittenChord& chord : chords.chords) {
        if (tick >= chord.start && tick < chord.start + chord.length) return &chord;
      }
      return nullptr;
    };
    const auto in_chord = [](const WrittenChord& chord, int key) {
      for (const int interval : chord.intervals) {
        if ((key - chord.root - interval) % 12 == 0) return true;
      }
      return false;
    };
    const Arrangement arrangement = ArrangeTune(tune);
    ASSERT_EQ(arrangement.error, "") << tune.name;
    for (const MidiPart& part : arrangement.song.parts) {
      if (part.name != "Chords" && part.name != "Bass") continue;
      for (const MidiNote& note : part.notes) {
        const WrittenChord* chord = chord_at(note.start);
        ASSERT_NE(chord, nullptr) << tune.name << " " << part.name << " plays without a chord at " << note.start;
        EXPECT_TRUE(in_chord(*chord, note.key)) << tune.name << " " << part.name << " key " << int{note.key};
      }
    }
    int starts = 0;
    int agreeing = 0;
    for (const WrittenNote& note : melody.notes) {
      const WrittenChord* chord = chord_at(note.start);
      if (chord == nullptr || chord->start != note.start) continue;
      ++starts;
      agreeing += in_chord(*chord, note.key);
    }
    EXPECT_GE(agreeing * 5, starts * 3) << tune.name << ": " << agreeing << " of " << starts
                                        << " chord changes fit the melody";
  }
}

TEST(MidiFileWriting, EventsComeBackInTimeAndEveryNoteEnds) {
  MidiSong song{.title = "Test", .quarters_per_minute = 90, .beats_per_bar = 6, .beat_unit = 8};
  MidiPart part{"Part", 3, 40, {}};
  // The same key again at once, and a note far away, whose delta time takes four bytes.
  part.notes = {{0, 480, 60, 90}, {480, 480, 60, 90}, {3'000'000, 240, 72, 90}};
  song.parts = {part, MidiPart{"Other", 4, 0, {{0, 960, 48, 70}}}};
  song.length = 1000;
  const test::MidiSummary summary = test::SummarizeMidi(EncodeMidiFile(song));
  ASSERT_EQ(summary.error, "");
  EXPECT_EQ(summary.format, 1);
  EXPECT_EQ(summary.division, static_cast<int>(kTicksPerQuarter));
  ASSERT_EQ(summary.tracks.size(), 3u);
  EXPECT_EQ(summary.tracks[0].notes, 0);
  EXPECT_EQ(summary.tracks[1].notes, 3);
  EXPECT_EQ(summary.tracks[1].unfinished_notes, 0);
  EXPECT_EQ(summary.tracks[1].end, 3'000'240u) << "a track ends after its last note";
  EXPECT_EQ(summary.tracks[2].end, 1000u) << "or where the song ends";
  EXPECT_EQ(summary.tracks[1].programs, 1);
  EXPECT_NEAR(summary.seconds, 3'000'240.0 / 480 * 60 / 90, 0.01);
}

}  // namespace
}  // namespace plorvane::library
