#include "graphics/counted_block.h"

#include "graphics/little_endian.h"

namespace plorvane {

namespace {
constexpr std::size_t kCountSize = 4;
}

bool SplitCountedBlock(std::span<const std::uint8_t> block, std::uint32_t count_overhead,
                       std::span<const std::uint8_t>& payload) {
  std::uint32_t count = 0;
  if (!le::ReadU32(block, 0, count) || count < count_overhead) return false;
  const std::size_t length = count - count_overhead;
  if (!le::Fits(block.size(), kCountSize, length)) return false;
  payload = block.subspan(kCountSize, length);
  return true;
}

void AppendCountedBlock(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> payload,
                        std::uint32_t count_overhead) {
  le::AppendU32(out, static_cast<std::uint32_t>(payload.size()) + count_overhead);
  out.insert(out.end(), payload.begin(), payload.end());
}

}  // namespace plorvane
