#pragma once
// Deterministic card-like data for the benchmarks: half a smooth picture (compresses well),
// half text with noise (compresses poorly), so neither extreme flatters the compressor.

#include <cstddef>
#include <cstdint>
#include <string>

namespace plorvane::bench {

inline std::string MixedPayload(std::size_t size) {
  std::string bytes(size, '\0');
  const std::size_t half = size / 2;
  for (std::size_t i = 0; i < half; ++i) bytes[i] = static_cast<char>((i / 3 + i / 997) & 0xFF);
  static constexpr std::string_view kWords = "card frame picture sound animation cursor link about ";
  std::uint32_t state = 12345;
  for (std::size_t i = half; i < size; ++i) {
    state = state * 1664525u + 1013904223u;
    bytes[i] = (state >> 28) == 0 ? static_cast<char>(state >> 20) : kWords[i % kWords.size()];
  }
  return bytes;
}

}  // namespace plorvane::bench
