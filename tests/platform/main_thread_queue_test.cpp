#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stop_token>
#include <thread>

#include "platform/headless/headless_platform.h"

namespace plorvane {
namespace {

using namespace std::chrono_literals;

TEST(SynchronizeTest, RunsTheTaskOnTheDrainingThreadAndWaitsForIt) {
  HeadlessPlatform platform;
  std::thread::id ran_on;
  std::atomic<bool> returned{false};
  bool answer = false;
  std::thread worker([&] {
    answer = platform.application().Synchronize([&] { ran_on = std::this_thread::get_id(); }, {});
    returned = true;
  });

  ASSERT_TRUE(platform.application().WaitForPendingTask(5s));
  EXPECT_FALSE(returned) << "returned before the main thread ran the task";
  platform.application().ProcessPendingEvents();
  worker.join();

  EXPECT_TRUE(answer);
  EXPECT_EQ(ran_on, std::this_thread::get_id());
}

TEST(SynchronizeTest, RunsAtOnceOnTheMainThread) {
  HeadlessPlatform platform;
  int runs = 0;
  EXPECT_TRUE(platform.application().Synchronize([&] { ++runs; }, {}));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(platform.application().RunPendingTasks(), 0);
}

TEST(SynchronizeTest, StopRequestWithdrawsATaskNotYetRun) {
  HeadlessPlatform platform;
  std::atomic<int> runs{0};
  std::atomic<bool> answer{true};
  // The pattern of a timer thread that the main thread stops and joins: without withdrawal the
  // join would wait for a task only the joining thread could run.
  {
    std::jthread worker([&](std::stop_token stop) {
      answer = platform.application().Synchronize([&] { ++runs; }, stop);
    });
    ASSERT_TRUE(platform.application().WaitForPendingTask(5s));
  }
  EXPECT_FALSE(answer);
  EXPECT_EQ(platform.application().RunPendingTasks(), 0);
  EXPECT_EQ(runs, 0);
}

TEST(SynchronizeTest, ThrowingTaskStillReleasesTheCaller) {
  HeadlessPlatform platform;
  std::atomic<bool> answer{false};
  std::thread worker([&] { answer = platform.application().Synchronize([] { throw 1; }, {}); });
  ASSERT_TRUE(platform.application().WaitForPendingTask(5s));
  EXPECT_EQ(platform.application().RunPendingTasks(), 1);
  worker.join();
  EXPECT_TRUE(answer);
}

TEST(SynchronizeTest, TasksFromManyThreadsAllRunOnce) {
  HeadlessPlatform platform;
  constexpr int kThreads = 4;
  constexpr int kTasksEach = 25;
  int total = 0;  // touched only by the main thread, so no lock
  std::atomic<int> finished{0};
  std::vector<std::thread> workers;
  for (int t = 0; t < kThreads; ++t) {
    workers.emplace_back([&] {
      for (int i = 0; i < kTasksEach; ++i) platform.application().Synchronize([&] { ++total; }, {});
      ++finished;
    });
  }
  while (finished < kThreads) {
    if (platform.application().WaitForPendingTask(10ms)) platform.application().RunPendingTasks();
  }
  for (std::thread& worker : workers) worker.join();
  EXPECT_EQ(total, kThreads * kTasksEach);
}

}  // namespace
}  // namespace plorvane
