#include "e2e/wait.h"

#include <algorithm>
#include <thread>

#include "support/file_io.h"

namespace plorvane::e2e {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  using Clock = std::chrono::steady_clock;
  constexpr auto kLongestPause = std::chrono::milliseconds(100);
  const auto deadline = Clock::now() + timeout;
  auto pause = std::chrono::milliseconds(1);
  for (;;) {
    if (condition()) return true;
    const auto now = Clock::now();
    if (now >= deadline) return false;
    std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
    pause = std::min(pause * 3 / 2 + std::chrono::milliseconds(1), kLongestPause);
  }
}

std::optional<std::vector<std::uint8_t>> WaitForFile(
    const std::string& path, const std::function<bool(const std::vector<std::uint8_t>&)>& wanted,
    std::chrono::milliseconds timeout) {
  constexpr std::size_t kLargestFile = 256 << 20;
  return WaitFor(
      [&]() -> std::optional<std::vector<std::uint8_t>> {
        std::vector<std::uint8_t> bytes;
        if (ReadWholeFile(path, bytes, kLargestFile) != FileResult::kOk || !wanted(bytes)) return std::nullopt;
        return bytes;
      },
      timeout);
}

}  // namespace plorvane::e2e
