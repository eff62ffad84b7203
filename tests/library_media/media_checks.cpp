#include "media_checks.h"

#include <algorithm>
#include <cmath>

#include "midi_summary.h"

namespace plorvane::test {
namespace {

std::uint32_t Little(std::span<const std::uint8_t> bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

struct Wave {
  int channels = 0;
  std::uint32_t rate = 0;
  int bits = 0;
  std::vector<double> samples;  // -1..1
  std::string error;
};

Wave ReadWave(std::span<const std::uint8_t> bytes) {
  Wave wave;
  if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
      std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE") {
    wave.error = "not a RIFF wave";
    return wave;
  }
  bool format_seen = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::string tag(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
    const std::size_t length = Little(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    if (length > bytes.size() - body) {
      wave.error = "the " + tag + " chunk is cut off";
      return wave;
    }
    if (tag == "fmt " && length >= 16) {
      format_seen = Little(bytes, body, 2) == 1;  // PCM
      wave.channels = static_cast<int>(Little(bytes, body + 2, 2));
      wave.rate = Little(bytes, body + 4, 4);
      wave.bits = static_cast<int>(Little(bytes, body + 14, 2));
    } else if (tag == "data") {
      if (!format_seen || (wave.bits != 8 && wave.bits != 16)) {
        wave.error = "no PCM format before the samples";
        return wave;
      }
      const std::size_t step = static_cast<std::size_t>(wave.bits / 8);
      for (std::size_t i = body; i + step <= body + length; i += step) {
        wave.samples.push_back(wave.bits == 8 ? (bytes[i] - 128) / 128.0
                                              : static_cast<std::int16_t>(Little(bytes, i, 2)) / 32768.0);
      }
      return wave;
    }
    at = body + length + length % 2;
  }
  wave.error = "no samples";
  return wave;
}

}  // namespace

std::vector<std::string> TuneProblems(std::span<const std::uint8_t> bytes) {
  const MidiSummary midi = SummarizeMidi(bytes);
  if (!midi.error.empty()) return {midi.error};
  std::vector<std::string> problems;
  const auto problem = [&](bool failed, std::string text) {
    if (failed) problems.push_back(std::move(text));
  };
  problem(midi.format != 1, "format " + std::to_string(midi.format) + " instead of 1");
  const auto playing = std::count_if(midi.tracks.begin(), midi.tracks.end(), [](const MidiTrackSummary& track) {
    return track.notes > 0;
  });
  problem(midi.tracks.empty() || midi.tracks.front().notes != 0, "no conductor track first");
  problem(playing < 2, std::to_string(playing) + " tracks with notes, not melody and accompaniment");
  problem(midi.notes < 40, "only " + std::to_string(midi.notes) + " notes");
  for (std::size_t i = 1; i < midi.tracks.size(); ++i) {
    const MidiTrackSummary& track = midi.tracks[i];
    const std::string name = "track " + std::to_string(i);
    problem(track.notes == 0, name + " plays nothing");
    problem(track.programs != 1, name + " does not choose its instrument once");
    problem(track.unfinished_notes > 0, name + " leaves notes sounding");
    problem(track.notes > 0 && (track.lowest_key < 28 || track.highest_key > 100),
            name + " goes out of the range instruments play well");
  }
  problem(midi.seconds < 20 || midi.seconds > 60, "lasts " + std::to_string(midi.seconds) + " seconds");
  problem(midi.notes > 0 && midi.first_note_seconds > 2, "starts after a long silence");
  return problems;
}

std::vector<std::string> SoundProblems(std::span<const std::uint8_t> bytes) {
  const Wave wave = ReadWave(bytes);
  if (!wave.error.empty()) return {wave.error};
  std::vector<std::string> problems;
  const auto problem = [&](bool failed, std::string text) {
    if (failed) problems.push_back(std::move(text));
  };
  problem(wave.channels != 1, std::to_string(wave.channels) + " channels");
  problem(wave.rate < 8000 || wave.rate > 48000, "rate " + std::to_string(wave.rate));
  const double seconds = wave.rate == 0 ? 0 : static_cast<double>(wave.samples.size()) / wave.rate;
  problem(seconds < 0.5 || seconds > 5, "lasts " + std::to_string(seconds) + " seconds");
  double peak = 0;
  std::size_t first_loud = wave.samples.size();
  for (std::size_t i = 0; i < wave.samples.size(); ++i) {
    peak = std::max(peak, std::abs(wave.samples[i]));
    if (first_loud == wave.samples.size() && std::abs(wave.samples[i]) > 0.05) first_loud = i;
  }
  problem(peak < 0.25, "too quiet: peak " + std::to_string(peak));
  problem(peak > 0.98, "clips");
  problem(wave.rate > 0 && first_loud > wave.rate / 10, "starts after a silence");
  // The last hundredth of a second must be quiet, or the sound ends in a click.
  const std::size_t tail = wave.rate / 100;
  if (wave.samples.size() > tail) {
    const double ending = std::abs(*std::max_element(wave.samples.end() - static_cast<std::ptrdiff_t>(tail), wave.samples.end(),
                                                     [](double a, double b) { return std::abs(a) < std::abs(b); }));
    problem(ending > 0.05 * std::max(peak, 1e-9) && ending > 0.01, "ends in a click");
  }
  return problems;
}

}  // namespace plorvane::test
