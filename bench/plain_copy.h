#pragma once
// The reference the drawing benchmarks are measured against: one plain copy of as many bytes.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace plorvane::bench {

inline void CopyBytes(benchmark::State& state, std::size_t bytes) {
  const std::vector<std::uint8_t> from(bytes, 0x5A);
  std::vector<std::uint8_t> to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace plorvane::bench
