// Runs a fuzz target without libFuzzer, as an ordinary test: the seeds, their truncations and a
// fixed series of stacked random mutations. The series is deterministic, so a crash seen in CI
// comes back with the same command under a debugger.

#include "fuzz/fuzz_target.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace plorvane::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr long kDefaultIterations = 2000;
constexpr std::size_t kAllPrefixesUpTo = 4096;
constexpr std::size_t kHeaderPrefixes = 1024;
constexpr std::size_t kSampledPrefixes = 1024;
constexpr std::size_t kTailPrefixes = 64;
constexpr std::size_t kSmallChunk = 16;
constexpr std::uint64_t kMutationSeed = 0x706c6f7276616e65;
constexpr int kMaxStackedMutations = 8;

// Written as 32-bit little-endian values, these put length and count fields at their limits.
constexpr std::array<std::uint32_t, 10> kInterestingValues = {
    0x00000000, 0x000000ff, 0x0000007f, 0x00000080, 0xffffffff,
    0x7fffffff, 0x80000000, 0x0000ffff, 0x00008000, 0x00010000};

struct Options {
  long iterations = kDefaultIterations;
  std::optional<std::filesystem::path> seedFolder;
  std::vector<std::filesystem::path> inputFiles;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool hasValue = i + 1 < argc;
    if (argument == "--iterations" && hasValue) {
      const std::string_view value = argv[++i];
      const auto [end, error] =
          std::from_chars(value.data(), value.data() + value.size(), options.iterations);
      if (error != std::errc() || end != value.data() + value.size() || options.iterations < 0) {
        return std::nullopt;
      }
    } else if (argument == "--write-seeds" && hasValue) {
      options.seedFolder = argv[++i];
    } else if (argument.starts_with("-")) {
      return std::nullopt;
    } else {
      options.inputFiles.emplace_back(argument);
    }
  }
  return options;
}

// Every prefix of small inputs; for large ones the header region, an even sample of the body and
// the last bytes, where most end-of-data checks are.
std::vector<std::size_t> PrefixLengths(std::size_t size) {
  std::vector<std::size_t> lengths;
  if (size <= kAllPrefixesUpTo) {
    for (std::size_t length = 0; length < size; ++length) lengths.push_back(length);
    return lengths;
  }
  for (std::size_t length = 0; length < kHeaderPrefixes; ++length) lengths.push_back(length);
  const std::size_t step = (size - kHeaderPrefixes) / kSampledPrefixes + 1;
  for (std::size_t length = kHeaderPrefixes; length < size - kTailPrefixes; length += step) {
    lengths.push_back(length);
  }
  for (std::size_t length = size - kTailPrefixes; length < size; ++length) lengths.push_back(length);
  return lengths;
}

class Mutator {
 public:
  explicit Mutator(const std::vector<Bytes>& seeds) : seeds_(seeds) {
    std::size_t largest = 0;
    for (const Bytes& seed : seeds_) largest = std::max(largest, seed.size());
    maxSize_ = std::max(kAllPrefixesUpTo, 2 * largest);
  }

  void Mutate(Bytes& input) {
    const std::size_t count = 1 + Below(kMaxStackedMutations);
    for (std::size_t i = 0; i < count; ++i) MutateOnce(input);
  }

 private:
  // Modulo bias does not matter here; a sequence that is the same on every platform does.
  std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(random_() % bound); }

  std::uint8_t RandomByte() { return static_cast<std::uint8_t>(random_()); }

  // Mostly a few bytes, sometimes any length, so that both fields and whole records move.
  std::size_t ChunkLength(std::size_t available) {
    if (Below(4) == 0) return 1 + Below(available);
    return 1 + Below(std::min(available, kSmallChunk));
  }

  std::size_t Room(const Bytes& input) const {
    return input.size() < maxSize_ ? maxSize_ - input.size() : 0;
  }

  void MutateOnce(Bytes& input) {
    switch (Below(7)) {
      case 0: FlipBit(input); break;
      case 1: SetRandomByte(input); break;
      case 2: WriteInterestingValue(input); break;
      case 3: InsertRandomBytes(input); break;
      case 4: DeleteChunk(input); break;
      case 5: DuplicateChunk(input); break;
      default: SpliceWithSeed(input); break;
    }
  }

  void FlipBit(Bytes& input) {
    if (input.empty()) return;
    input[Below(input.size())] ^= static_cast<std::uint8_t>(1u << Below(8));
  }

  void SetRandomByte(Bytes& input) {
    if (input.empty()) return;
    input[Below(input.size())] = RandomByte();
  }

  void WriteInterestingValue(Bytes& input) {
    if (input.empty()) return;
    const std::uint32_t value = kInterestingValues[Below(kInterestingValues.size())];
    const std::size_t position = Below(input.size());
    for (std::size_t i = 0; i < 4 && position + i < input.size(); ++i) {
      input[position + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
  }

  void InsertRandomBytes(Bytes& input) {
    const std::size_t room = Room(input);
    if (room == 0) return;
    Bytes inserted(1 + Below(std::min(room, kSmallChunk)));
    for (std::uint8_t& byte : inserted) byte = RandomByte();
    input.insert(input.begin() + static_cast<std::ptrdiff_t>(Below(input.size() + 1)),
                 inserted.begin(), inserted.end());
  }

  void DeleteChunk(Bytes& input) {
    if (input.empty()) return;
    const std::size_t start = Below(input.size());
    const std::size_t length = ChunkLength(input.size() - start);
    const auto first = input.begin() + static_cast<std::ptrdiff_t>(start);
    input.erase(first, first + static_cast<std::ptrdiff_t>(length));
  }

  void DuplicateChunk(Bytes& input) {
    const std::size_t room = Room(input);
    if (input.empty() || room == 0) return;
    const std::size_t start = Below(input.size());
    const std::size_t length = std::min(ChunkLength(input.size() - start), room);
    const auto first = input.begin() + static_cast<std::ptrdiff_t>(start);
    const Bytes chunk(first, first + static_cast<std::ptrdiff_t>(length));
    input.insert(input.begin() + static_cast<std::ptrdiff_t>(Below(input.size() + 1)),
                 chunk.begin(), chunk.end());
  }

  // The head of this input followed by the tail of a seed: mixes records of different inputs.
  void SpliceWithSeed(Bytes& input) {
    if (seeds_.empty()) return;
    const Bytes& other = seeds_[Below(seeds_.size())];
    input.resize(Below(input.size() + 1));
    const std::size_t otherStart = Below(other.size() + 1);
    const std::size_t length = std::min(other.size() - otherStart, Room(input));
    const auto first = other.begin() + static_cast<std::ptrdiff_t>(otherStart);
    input.insert(input.end(), first, first + static_cast<std::ptrdiff_t>(length));
  }

  const std::vector<Bytes>& seeds_;
  std::size_t maxSize_ = 0;
  std::mt19937_64 random_{kMutationSeed};
};

class TargetRunner {
 public:
  void Run(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy: a read one byte past the end leaves the allocation, where the
    // sanitizers see it.
    const auto copy = std::make_unique<std::uint8_t[]>(size);
    std::copy_n(data, size, copy.get());
    LLVMFuzzerTestOneInput(copy.get(), size);
    ++inputs_;
  }

  void Run(const Bytes& input) { Run(input.data(), input.size()); }

  long Inputs() const { return inputs_; }

 private:
  long inputs_ = 0;
};

int WriteSeeds(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::cerr << "cannot create " << folder << ": " << error.message() << '\n';
    return 1;
  }
  const std::vector<Bytes> seeds = FuzzSeeds();
  for (std::size_t i = 0; i < seeds.size(); ++i) {
    const std::filesystem::path file = folder / ("seed-" + std::to_string(i));
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(seeds[i].data()),
              static_cast<std::streamsize>(seeds[i].size()));
    if (!out.flush()) {
      std::cerr << "cannot write " << file << '\n';
      return 1;
    }
  }
  return 0;
}

// Replays given files, such as a crash input that libFuzzer saved, in this build.
int RunFiles(const std::vector<std::filesystem::path>& files, TargetRunner& runner) {
  for (const std::filesystem::path& file : files) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cerr << "cannot read " << file << '\n';
      return 1;
    }
    const Bytes input{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    runner.Run(input);
  }
  return 0;
}

void RunSeedsAndMutations(long iterations, TargetRunner& runner) {
  const std::vector<Bytes> seeds = FuzzSeeds();
  for (const Bytes& seed : seeds) {
    runner.Run(seed);
    for (const std::size_t length : PrefixLengths(seed.size())) runner.Run(seed.data(), length);
  }
  Mutator mutator(seeds);
  for (long i = 0; i < iterations; ++i) {
    Bytes input = seeds.empty() ? Bytes() : seeds[static_cast<std::size_t>(i) % seeds.size()];
    mutator.Mutate(input);
    runner.Run(input);
  }
}

}  // namespace
}  // namespace plorvane::fuzz

int main(int argc, char** argv) {
  using namespace plorvane::fuzz;
  const std::string name =
      argc > 0 ? std::filesystem::path(argv[0]).filename().string() : std::string("fuzz target");
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    std::cerr << "usage: " << name << " [--iterations N] [--write-seeds FOLDER] [FILE...]\n";
    return 2;
  }
  if (options->seedFolder) return WriteSeeds(*options->seedFolder);

  TargetRunner runner;
  if (!options->inputFiles.empty()) {
    if (const int result = RunFiles(options->inputFiles, runner); result != 0) return result;
  } else {
    RunSeedsAndMutations(options->iterations, runner);
  }
  std::cout << name << ": " << runner.Inputs() << " inputs, 0 crashes\n";
  return 0;
}
