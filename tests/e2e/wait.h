#pragma once
// Waiting for what a test expects to happen, with a deadline instead of a fixed pause: the
// condition is polled, often at first and then less often, until it holds or time is out.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plorvane::e2e {

// Ample for a busy 2-core machine; a condition that holds ends the wait at once.
inline constexpr std::chrono::milliseconds kPatience = std::chrono::seconds(30);

// Polls `condition` until it holds (true) or `timeout` has passed (false). The pause between
// polls grows from a millisecond to a tenth of a second, so a fast machine waits little and
// the polls do not keep step with anything periodic, such as an animation's cycle.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kPatience);

// The first value `probe` answers within `timeout`; nothing when the time is out.
template <typename Probe>
auto WaitFor(const Probe& probe, std::chrono::milliseconds timeout = kPatience) -> decltype(probe()) {
  decltype(probe()) found;
  WaitUntil(
      [&] {
        found = probe();
        return found.has_value();
      },
      timeout);
  return found;
}

// The bytes of the file at `path` once it exists and `wanted` accepts them; nothing when the
// time is out first.
std::optional<std::vector<std::uint8_t>> WaitForFile(
    const std::string& path, const std::function<bool(const std::vector<std::uint8_t>&)>& wanted,
    std::chrono::milliseconds timeout = kPatience);

}  // namespace plorvane::e2e
