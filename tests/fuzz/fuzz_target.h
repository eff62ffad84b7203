#pragma once
// Every reader has one fuzz target file that defines both functions below.
//
// Built with -DPLORVANE_FUZZ=ON (clang), the target links libFuzzer and runs under the address
// and undefined-behaviour sanitizers, starting from a corpus of the seeds. In the ordinary build it
// links the seeded mutation driver instead, which runs the seeds, their truncations and a fixed
// series of random mutations of them as a CTest test.

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace plorvane::fuzz {

// Valid inputs for the reader, built in code with the project's own writers.
std::vector<std::vector<std::uint8_t>> FuzzSeeds();

}  // namespace plorvane::fuzz
