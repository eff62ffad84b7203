#include "wave_tune.h"

#include <cmath>
#include <numbers>

#include "wave_file.h"

namespace plorvane::tools {
namespace {

constexpr std::uint32_t kRate = 11025;
constexpr double kBeatSeconds = 0.3;

}  // namespace

std::vector<std::uint8_t> WaveTune() {
  // Semitones above middle C; each note one beat, fading out.
  constexpr int kNotes[] = {0, 4, 7, 12, 7, 4, 0, 5, 9, 12, 9, 5, 0};
  std::vector<double> samples;
  const auto beat = static_cast<std::size_t>(kRate * kBeatSeconds);
  for (const int note : kNotes) {
    const double frequency = 261.63 * std::pow(2.0, note / 12.0);
    for (std::size_t i = 0; i < beat; ++i) {
      const double fade = 1.0 - static_cast<double>(i) / static_cast<double>(beat);
      const double wave = std::sin(2 * std::numbers::pi * frequency * static_cast<double>(i) / kRate);
      samples.push_back(90.0 / 127 * fade * wave);
    }
  }
  return WaveFile(samples, kRate, WaveDepth::kEightBit);
}

}  // namespace plorvane::tools
