#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace plorvane::tools {
namespace {

void Put(std::vector<std::uint8_t>& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> WaveFile(std::span<const double> samples, std::uint32_t rate, WaveDepth depth) {
  const std::uint32_t sample_bytes = depth == WaveDepth::kEightBit ? 1 : 2;
  const auto data_bytes = static_cast<std::uint32_t>(samples.size() * sample_bytes);
  std::vector<std::uint8_t> file;
  file.reserve(44 + data_bytes + 1);
  Put(file, "RIFF");
  Put(file, 36 + data_bytes + data_bytes % 2, 4);
  Put(file, "WAVEfmt ");
  Put(file, 16, 4);                  // format chunk size
  Put(file, 1, 2);                   // PCM
  Put(file, 1, 2);                   // mono
  Put(file, rate, 4);                // samples per second
  Put(file, rate * sample_bytes, 4);  // bytes per second
  Put(file, sample_bytes, 2);        // block alignment
  Put(file, 8 * sample_bytes, 2);    // bits per sample
  Put(file, "data");
  Put(file, data_bytes, 4);
  for (const double sample : samples) {
    const double clipped = std::clamp(sample, -1.0, 1.0);
    if (depth == WaveDepth::kEightBit) {
      file.push_back(static_cast<std::uint8_t>(std::lround(128 + 127 * clipped)));
    } else {
      Put(file, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(32767 * clipped))), 2);
    }
  }
  // Chunks are padded to an even length.
  if (data_bytes % 2 != 0) file.push_back(0);
  return file;
}

}  // namespace plorvane::tools
