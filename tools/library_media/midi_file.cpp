#include "midi_file.h"

#include <algorithm>
#include <bit>
#include <tuple>

namespace plorvane::library {
namespace {

// One event of a track at its absolute time. Note-offs sort before note-ons of the same tick,
// so a repeated key is released before it sounds again.
struct TimedEvent {
  std::uint32_t time = 0;
  int order = 0;
  std::vector<std::uint8_t> bytes;
};

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1) out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
  out.push_back(groups[0]);
}

std::vector<std::uint8_t> MetaEvent(std::uint8_t type, const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> bytes{0xFF, type};
  PutVariableLength(bytes, static_cast<std::uint32_t>(data.size()));
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

std::vector<std::uint8_t> TrackName(const std::string& name) {
  return MetaEvent(0x03, std::vector<std::uint8_t>(name.begin(), name.end()));
}

// The track chunk: delta times between the sorted events, then the end of track at `end`.
std::vector<std::uint8_t> TrackChunk(std::vector<TimedEvent> events, std::uint32_t end) {
  std::stable_sort(events.begin(), events.end(), [](const TimedEvent& a, const TimedEvent& b) {
    return std::tie(a.time, a.order) < std::tie(b.time, b.order);
  });
  std::vector<std::uint8_t> body;
  std::uint32_t now = 0;
  for (const TimedEvent& event : events) {
    PutVariableLength(body, event.time - now);
    now = event.time;
    body.insert(body.end(), event.bytes.begin(), event.bytes.end());
  }
  PutVariableLength(body, std::max(end, now) - now);
  const auto end_of_track = MetaEvent(0x2F, {});
  body.insert(body.end(), end_of_track.begin(), end_of_track.end());
  std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
  PutBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<std::uint8_t> ConductorTrack(const MidiSong& song) {
  const auto tempo = static_cast<std::uint32_t>(60'000'000 / song.quarters_per_minute);
  const auto unit_power = static_cast<std::uint8_t>(std::countr_zero(static_cast<unsigned>(song.beat_unit)));
  std::vector<TimedEvent> events;
  events.push_back({0, 0, TrackName(song.title)});
  events.push_back({0, 1, MetaEvent(0x58, {static_cast<std::uint8_t>(song.beats_per_bar), unit_power, 24, 8})});
  events.push_back({0, 2,
                    MetaEvent(0x51, {static_cast<std::uint8_t>(tempo >> 16), static_cast<std::uint8_t>(tempo >> 8),
                                     static_cast<std::uint8_t>(tempo)})});
  return TrackChunk(std::move(events), song.length);
}

std::vector<std::uint8_t> PartTrack(const MidiPart& part, std::uint32_t end) {
  const auto channel = static_cast<std::uint8_t>(part.channel & 0x0F);
  std::vector<TimedEvent> events;
  events.push_back({0, 0, TrackName(part.name)});
  events.push_back({0, 1, {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(part.program & 0x7F)}});
  for (const MidiNote& note : part.notes) {
    const auto key = static_cast<std::uint8_t>(note.key & 0x7F);
    events.push_back({note.start, 3, {static_cast<std::uint8_t>(0x90 | channel), key, note.velocity}});
    events.push_back({note.start + note.length, 2, {static_cast<std::uint8_t>(0x80 | channel), key, 0x40}});
  }
  return TrackChunk(std::move(events), end);
}

}  // namespace

std::vector<std::uint8_t> EncodeMidiFile(const MidiSong& song) {
  std::vector<std::uint8_t> file{'M', 'T', 'h', 'd'};
  PutBigEndian(file, 6, 4);
  PutBigEndian(file, 1, 2);  // format 1: tracks played together
  PutBigEndian(file, static_cast<std::uint32_t>(1 + song.parts.size()), 2);
  PutBigEndian(file, kTicksPerQuarter, 2);
  const auto conductor = ConductorTrack(song);
  file.insert(file.end(), conductor.begin(), conductor.end());
  for (const MidiPart& part : song.parts) {
    const auto track = PartTrack(part, song.length);
    file.insert(file.end(), track.begin(), track.end());
  }
  return file;
}

}  // namespace plorvane::library
