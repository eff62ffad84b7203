#include "midi_summary.h"

#include <algorithm>
#include <map>

namespace plorvane::test {
namespace {

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  [[nodiscard]] bool AtEnd() const { return at_ >= bytes_.size(); }
  [[nodiscard]] std::size_t Left() const { return bytes_.size() - at_; }
  std::optional<std::uint32_t> Fixed(int count) {
    if (Left() < static_cast<std::size_t>(count)) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = value << 8 | bytes_[at_++];
    return value;
  }
  std::optional<std::uint32_t> Variable() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      if (AtEnd()) return std::nullopt;
      const std::uint8_t byte = bytes_[at_++];
      value = value << 7 | (byte & 0x7F);
      if ((byte & 0x80) == 0) return value;
    }
    return std::nullopt;
  }
  std::optional<std::span<const std::uint8_t>> Take(std::size_t count) {
    if (Left() < count) return std::nullopt;
    const auto taken = bytes_.subspan(at_, count);
    at_ += count;
    return taken;
  }
  [[nodiscard]] std::optional<std::uint8_t> Peek() const {
    if (AtEnd()) return std::nullopt;
    return bytes_[at_];
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

// Reads one track; tempo changes go into the shared map (tick to microseconds per quarter).
std::string ReadTrack(std::span<const std::uint8_t> body, MidiTrackSummary& track, std::map<std::uint32_t, std::uint32_t>& tempos) {
  Reader reader(body);
  std::uint32_t now = 0;
  std::uint8_t status = 0;
  std::map<int, int> sounding;  // channel and key to count
  bool first = true;
  while (!reader.AtEnd()) {
    const auto delta = reader.Variable();
    const auto next = reader.Peek();
    if (!delta || !next) return "an event is cut off";
    now += *delta;
    if (*next & 0x80) {
      status = *next;
      (void)reader.Fixed(1);
    } else if (status == 0 || status >= 0xF0) {
      return "data without a status";
    }
    if (status == 0xFF) {
      const auto type = reader.Fixed(1);
      const auto length = type ? reader.Variable() : std::nullopt;
      const auto data = length ? reader.Take(*length) : std::nullopt;
      if (!data) return "a meta event is cut off";
      if (*type == 0x51 && data->size() == 3) tempos[now] = (*data)[0] << 16 | (*data)[1] << 8 | (*data)[2];
      if (*type == 0x2F) {
        track.end = now;
        track.unfinished_notes = 0;
        for (const auto& [key, count] : sounding) track.unfinished_notes += count;
        return reader.AtEnd() ? "" : "bytes after the end of track";
      }
      status = 0;
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      const auto length = reader.Variable();
      if (!length || !reader.Take(*length)) return "a system-exclusive event is cut off";
      status = 0;
      continue;
    }
    const int kind = status & 0xF0;
    const int channel = status & 0x0F;
    const auto data = reader.Take(kind == 0xC0 || kind == 0xD0 ? 1 : 2);
    if (!data) return "a channel event is cut off";
    if (kind == 0xC0) ++track.programs;
    const int key = (*data)[0];
    const bool on = kind == 0x90 && (*data)[1] > 0;
    const bool off = kind == 0x80 || (kind == 0x90 && (*data)[1] == 0);
    if (on) {
      ++track.notes;
      ++sounding[channel << 8 | key];
      track.lowest_key = std::min(track.lowest_key, key);
      track.highest_key = std::max(track.highest_key, key);
      if (first) track.first_note = now;
      first = false;
    } else if (off) {
      auto found = sounding.find(channel << 8 | key);
      if (found == sounding.end()) return "a note ends that never began";
      if (--found->second == 0) sounding.erase(found);
    }
  }
  return "the track has no end-of-track event";
}

double Seconds(std::uint32_t tick, int division, const std::map<std::uint32_t, std::uint32_t>& tempos) {
  double seconds = 0;
  std::uint32_t from = 0;
  std::uint32_t tempo = 500000;  // 120 quarters a minute until told otherwise
  for (const auto& [at, microseconds] : tempos) {
    if (at >= tick) break;
    seconds += static_cast<double>(at - from) * tempo / division / 1e6;
    from = at;
    tempo = microseconds;
  }
  return seconds + static_cast<double>(tick - from) * tempo / division / 1e6;
}

}  // namespace

MidiSummary SummarizeMidi(std::span<const std::uint8_t> bytes) {
  MidiSummary summary;
  Reader reader(bytes);
  const auto header = reader.Take(4);
  const auto header_length = reader.Fixed(4);
  if (!header || std::string(header->begin(), header->end()) != "MThd" || header_length != 6u) {
    summary.error = "no MIDI header";
    return summary;
  }
  const auto format = reader.Fixed(2);
  const auto track_count = reader.Fixed(2);
  const auto division = reader.Fixed(2);
  if (!division || *division == 0 || (*division & 0x8000) != 0) {
    summary.error = "no usable time division";
    return summary;
  }
  summary.format = static_cast<int>(*format);
  summary.division = static_cast<int>(*division);
  std::map<std::uint32_t, std::uint32_t> tempos;
  for (std::uint32_t i = 0; i < *track_count; ++i) {
    const auto tag = reader.Take(4);
    const auto length = reader.Fixed(4);
    const auto body = length ? reader.Take(*length) : std::nullopt;
    if (!tag || std::string(tag->begin(), tag->end()) != "MTrk" || !body) {
      summary.error = "track " + std::to_string(i) + " is missing or cut off";
      return summary;
    }
    MidiTrackSummary& track = summary.tracks.emplace_back();
    const std::string error = ReadTrack(*body, track, tempos);
    if (!error.empty()) {
      summary.error = "track " + std::to_string(i) + ": " + error;
      return summary;
    }
  }
  std::uint32_t end = 0;
  std::uint32_t first_note = UINT32_MAX;
  for (const MidiTrackSummary& track : summary.tracks) {
    summary.notes += track.notes;
    end = std::max(end, track.end);
    if (track.notes > 0) first_note = std::min(first_note, track.first_note);
  }
  summary.seconds = Seconds(end, summary.division, tempos);
  if (summary.notes > 0) summary.first_note_seconds = Seconds(first_note, summary.division, tempos);
  return summary;
}

}  // namespace plorvane::test
