#pragma once
// Sound files made byte by byte for the tests: each sound device takes them by their content.

#include <cstdint>
#include <string>
#include <vector>

namespace plorvane::test {

// An 8-bit mono wave file at 8,000 samples per second: a quiet saw tooth of `samples` samples.
inline std::vector<std::uint8_t> WaveFile(std::size_t samples = 64) {
  std::string riff = "RIFF";
  const std::uint32_t size = static_cast<std::uint32_t>(36 + samples);
  for (int i = 0; i < 4; ++i) riff += static_cast<char>(size >> (8 * i));
  riff += "WAVEfmt ";
  riff += std::string("\x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0", 20);
  riff += "data";
  for (int i = 0; i < 4; ++i) riff += static_cast<char>(samples >> (8 * i));
  for (std::size_t i = 0; i < samples; ++i) riff += static_cast<char>(128 + (i % 16));
  return {riff.begin(), riff.end()};
}

// The shortest standard MIDI file: one empty track.
inline std::vector<std::uint8_t> MidiFile() {
  const std::string smf = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) +
                          std::string("MTrk\0\0\0\x04\0\xFF\x2F\0", 12);
  return {smf.begin(), smf.end()};
}

// A few seconds of notes on the piano, so a synthesizer has something to play.
inline std::vector<std::uint8_t> MidiTune() {
  std::string track;
  for (const unsigned char note : {60, 64, 67, 72, 67, 64, 60, 64}) {
    track += std::string("\x00\x90", 2) + static_cast<char>(note) + '\x64';  // on at once
    track += std::string("\x60\x80", 2) + static_cast<char>(note) + '\x40';  // off a beat later
  }
  track += std::string("\x00\xFF\x2F\x00", 4);
  std::string smf = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + "MTrk";
  for (int shift = 24; shift >= 0; shift -= 8) smf += static_cast<char>(track.size() >> shift);
  smf += track;
  return {smf.begin(), smf.end()};
}

}  // namespace plorvane::test
