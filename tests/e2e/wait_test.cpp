// The waits the end-to-end tests build on: they end as soon as the condition holds, and give up
// only once the time is out.
#include "e2e/wait.h"

#include <gtest/gtest.h>

#include <optional>

#include "scratch_folder.h"

namespace plorvane::e2e {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(WaitTest, EndsOnThePollThatHoldsOrGivesUpAtTheDeadline) {
  const struct {
    int holds_on_poll;  // 0: never
    std::chrono::milliseconds timeout;
    bool answer;
    int polls_at_least;
  } cases[] = {{1, 0ms, true, 1}, {1, 10s, true, 1}, {5, 10s, true, 5}, {0, 0ms, false, 1}, {0, 200ms, false, 3}};
  for (const auto& c : cases) {
    int polls = 0;
    const auto start = Clock::now();
    const bool held = WaitUntil([&] { return ++polls == c.holds_on_poll; }, c.timeout);
    const auto waited = Clock::now() - start;
    EXPECT_EQ(held, c.answer) << c.holds_on_poll;
    EXPECT_GE(polls, c.polls_at_least) << c.holds_on_poll;
    if (held) {
      EXPECT_EQ(polls, c.holds_on_poll);
      EXPECT_LT(waited, 5s) << "a condition that held did not end the wait";
    } else {
      EXPECT_GE(waited, c.timeout);
    }
  }
}

TEST(WaitTest, WaitForAnswersTheFirstValueFound) {
  int polls = 0;
  const auto found =
      WaitFor([&]() -> std::optional<int> { return ++polls < 3 ? std::nullopt : std::optional(polls * 10); });
  EXPECT_EQ(found, 30);
  EXPECT_FALSE(WaitFor([]() -> std::optional<int> { return std::nullopt; }, 20ms).has_value());
}

TEST(WaitTest, WaitForFileWaitsUntilTheBytesAreWanted) {
  const test::ScratchFolder folder;
  const std::string path = folder.File("late.txt");
  const auto has_two_bytes = [](const std::vector<std::uint8_t>& bytes) { return bytes.size() >= 2; };
  EXPECT_FALSE(WaitForFile(path, has_two_bytes, 20ms).has_value()) << "no file yet";
  folder.Write("late.txt", "a");
  EXPECT_FALSE(WaitForFile(path, has_two_bytes, 20ms).has_value()) << "too short";
  folder.Write("late.txt", "ab");
  EXPECT_EQ(WaitForFile(path, has_two_bytes, 20ms), (std::vector<std::uint8_t>{'a', 'b'}));
}

}  // namespace
}  // namespace plorvane::e2e
