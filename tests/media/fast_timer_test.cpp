#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "media/fast_timer.h"
#include "platform/headless/headless_platform.h"

namespace plorvane {
namespace {

using std::chrono::milliseconds;

// Set by the test and read by the timer's thread, so unlike ManualClock it is safe across
// threads; counting reads tells the test when the timer has taken its start time.
class SharedClock final : public Clock {
 public:
  [[nodiscard]] std::uint32_t Milliseconds() const override {
    ++reads_;
    return now_;
  }
  void Set(std::uint32_t now) { now_ = now; }
  [[nodiscard]] int reads() const { return reads_; }

 private:
  std::atomic<std::uint32_t> now_{0};
  mutable std::atomic<int> reads_{0};
};

// Short, bounded waits: long enough for an idle thread to act, short enough to keep tests quick.
constexpr milliseconds kQuiet{40};
constexpr milliseconds kPatience{2000};

class FastTimerTest : public testing::Test {
 protected:
  HeadlessApplication& application() { return platform_.application(); }

  // Waits until the timer's thread has read the clock `count` more times than `since`.
  bool WaitForClockReads(int since, int count = 1) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (clock_.reads() < since + count) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(milliseconds(1));
    }
    return true;
  }

  // No tick while the clock shows `quiet_until`, one as soon as it shows the next millisecond.
  ::testing::AssertionResult TicksRightAfter(std::uint32_t quiet_until) {
    clock_.Set(quiet_until);
    if (application().WaitForPendingTask(kQuiet)) return ::testing::AssertionFailure() << "ticked at " << quiet_until;
    clock_.Set(quiet_until + 1);
    if (!application().WaitForPendingTask(kPatience)) return ::testing::AssertionFailure() << "no tick at " << quiet_until + 1;
    return ::testing::AssertionSuccess();
  }
  // Runs the waiting tick and lets the timer's thread plan the next one.
  void RunTheTick() {
    const int reads = clock_.reads();
    EXPECT_EQ(application().RunPendingTasks(), 1);
    EXPECT_TRUE(WaitForClockReads(reads, 2));
  }

  // A timer that counts its ticks and has taken its start time at clock 0.
  std::unique_ptr<TFastTimer> StartedTimer(int interval) {
    clock_.Set(0);
    auto timer = std::make_unique<TFastTimer>(application(), clock_);
    timer->SetInterval(interval);
    timer->SetOnTimer([this] {
      ++ticks_;
      tick_threads_.push_back(std::this_thread::get_id());
    });
    EXPECT_TRUE(WaitForClockReads(0));
    return timer;
  }

  HeadlessPlatform platform_;
  SharedClock clock_;
  int ticks_ = 0;  // only touched on the test (main) thread
  std::vector<std::thread::id> tick_threads_;
};

TEST_F(FastTimerTest, IntervalIsClampedToZeroThroughOneThousand) {
  TFastTimer timer(application(), clock_);
  EXPECT_EQ(timer.Interval(), 1000);
  EXPECT_TRUE(timer.Enabled());
  const struct {
    int asked, stored;
  } cases[] = {{-5, 0}, {0, 0}, {8, 8}, {1000, 1000}, {5000, 1000}};
  for (const auto& test : cases) {
    timer.SetInterval(test.asked);
    EXPECT_EQ(timer.Interval(), test.stored) << test.asked;
  }
}

TEST_F(FastTimerTest, TicksRunOnTheThreadThatDrainsTheQueueOnlyAfterMoreThanTheInterval) {
  const auto timer = StartedTimer(10);
  clock_.Set(10);
  EXPECT_FALSE(application().WaitForPendingTask(kQuiet)) << "exactly the interval is not enough";

  clock_.Set(11);
  ASSERT_TRUE(application().WaitForPendingTask(kPatience));
  EXPECT_EQ(application().RunPendingTasks(), 1);
  ASSERT_EQ(ticks_, 1);
  EXPECT_EQ(tick_threads_[0], std::this_thread::get_id());

  // The next interval counts from when the tick was due, not from when it came.
  const int reads = clock_.reads();
  ASSERT_TRUE(WaitForClockReads(reads));
  EXPECT_FALSE(application().WaitForPendingTask(kQuiet));
  clock_.Set(21);
  ASSERT_TRUE(application().WaitForPendingTask(kPatience));
  EXPECT_EQ(application().RunPendingTasks(), 1);
  EXPECT_EQ(ticks_, 2);
}

TEST_F(FastTimerTest, ZeroIntervalOrDisabledOrNoHandlerNeverSynchronises) {
  const auto timer = StartedTimer(10);
  timer->SetInterval(-5);
  clock_.Set(500);
  EXPECT_FALSE(application().WaitForPendingTask(kQuiet)) << "interval 0";

  timer->SetEnabled(false);
  timer->SetInterval(10);
  EXPECT_FALSE(application().WaitForPendingTask(kQuiet)) << "disabled";

  timer->SetOnTimer({});
  timer->SetEnabled(true);
  EXPECT_FALSE(application().WaitForPendingTask(kQuiet)) << "no handler";
  EXPECT_EQ(ticks_, 0);
}

TEST_F(FastTimerTest, EnablingTicksAtOnceWhenTheIntervalPassedWhileDisabled) {
  const auto timer = StartedTimer(10);
  timer->SetEnabled(false);
  clock_.Set(100);
  EXPECT_FALSE(application().WaitForPendingTask(kQuiet));
  timer->SetEnabled(true);
  ASSERT_TRUE(application().WaitForPendingTask(kPatience));
  application().RunPendingTasks();
  EXPECT_EQ(ticks_, 1);
}

TEST_F(FastTimerTest, NoTickRunsAfterTheTimerIsDestroyed) {
  auto timer = StartedTimer(10);
  clock_.Set(50);
  ASSERT_TRUE(application().WaitForPendingTask(kPatience));
  // The thread now waits for the main thread; destroying must withdraw that tick, not deadlock.
  timer.reset();
  EXPECT_EQ(application().RunPendingTasks(), 0);
  EXPECT_EQ(ticks_, 0);
}

TEST_F(FastTimerTest, TheClockMayWrapBetweenTicks) {
  clock_.Set(0xFFFFFFF0U);
  TFastTimer timer(application(), clock_);
  timer.SetInterval(20);
  timer.SetOnTimer([this] { ++ticks_; });
  ASSERT_TRUE(WaitForClockReads(0));
  clock_.Set(4);  // 20 ms later, across the wrap
  EXPECT_FALSE(application().WaitForPendingTask(kQuiet));
  clock_.Set(5);
  ASSERT_TRUE(application().WaitForPendingTask(kPatience));
  application().RunPendingTasks();
  EXPECT_EQ(ticks_, 1);
}

// A main thread that runs the tick late must not push the following ticks back; one a whole
// interval behind starts the schedule again instead of firing a burst.
TEST_F(FastTimerTest, TicksKeepTheirScheduleUnlessAWholeIntervalBehind) {
  const auto timer = StartedTimer(10);
  const struct {
    std::uint32_t quiet_until;  // the last time without a tick
    std::uint32_t ran_at;       // when the main thread gets to the tick
  } steps[] = {{10, 19}, {20, 21}, {30, 45}, {55, 56}};
  for (const auto& step : steps) {
    ASSERT_TRUE(TicksRightAfter(step.quiet_until));
    clock_.Set(step.ran_at);
    RunTheTick();
  }
  EXPECT_EQ(ticks_, 4);
}

TEST_F(FastTimerTest, ARestMovesTheNextTickButNoFurtherThanTwoIntervals) {
  const auto timer = StartedTimer(10);
  std::uint32_t rest_until = 0;
  timer->SetOnTimer([&] {
    ++ticks_;
    timer->RestUntil(rest_until);
  });
  // A rest sooner than the interval brings the tick forward; one far off is cut to two
  // intervals; one that has passed leaves the interval as it is.
  const struct {
    std::uint32_t quiet_until;
    std::uint32_t rest_after;  // what this tick asks for
  } steps[] = {{10, 14}, {13, 100}, {33, 0}, {43, 0}};
  for (const auto& step : steps) {
    ASSERT_TRUE(TicksRightAfter(step.quiet_until));
    rest_until = step.rest_after;
    RunTheTick();
  }
  EXPECT_EQ(ticks_, 4);
}

}  // namespace
}  // namespace plorvane
