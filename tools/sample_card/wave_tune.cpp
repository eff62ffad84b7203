#include "wave_tune.h"

#include <cmath>
#include <numbers>
#include <string_view>

namespace plorvane::tools {
namespace {

constexpr std::uint32_t kRate = 11025;
constexpr double kBeatSeconds = 0.3;

void Put(std::vector<std::uint8_t>& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> WaveTune() {
  // Semitones above middle C; each note one beat, fading out.
  constexpr int kNotes[] = {0, 4, 7, 12, 7, 4, 0, 5, 9, 12, 9, 5, 0};
  std::vector<std::uint8_t> samples;
  const auto beat = static_cast<std::size_t>(kRate * kBeatSeconds);
  for (const int note : kNotes) {
    const double frequency = 261.63 * std::pow(2.0, note / 12.0);
    for (std::size_t i = 0; i < beat; ++i) {
      const double fade = 1.0 - static_cast<double>(i) / static_cast<double>(beat);
      const double wave = std::sin(2 * std::numbers::pi * frequency * static_cast<double>(i) / kRate);
      samples.push_back(static_cast<std::uint8_t>(128 + 90 * fade * wave));
    }
  }
  std::vector<std::uint8_t> file;
  Put(file, "RIFF");
  Put(file, static_cast<std::uint32_t>(36 + samples.size()), 4);
  Put(file, "WAVEfmt ");
  Put(file, 16, 4);     // format chunk size
  Put(file, 1, 2);      // PCM
  Put(file, 1, 2);      // mono
  Put(file, kRate, 4);  // samples per second
  Put(file, kRate, 4);  // bytes per second
  Put(file, 1, 2);      // block alignment
  Put(file, 8, 2);      // bits per sample
  Put(file, "data");
  Put(file, static_cast<std::uint32_t>(samples.size()), 4);
  file.insert(file.end(), samples.begin(), samples.end());
  return file;
}

}  // namespace plorvane::tools
