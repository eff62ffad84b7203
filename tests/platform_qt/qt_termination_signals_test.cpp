// SIGTERM and SIGINT end the event loop through the program's own way out.
#include "platform/qt/qt_termination_signals.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QEventLoop>
#include <QTimer>

namespace plorvane {
namespace {

void (*HandlerOf(int signal_number))(int) {
  struct sigaction current {};
  ::sigaction(signal_number, nullptr, &current);
  return current.sa_handler;
}

TEST(QtTerminationSignalsTest, EachSignalReachesTheMainThreadAndTheOldHandlersComeBack) {
  for (const int signal_number : {SIGTERM, SIGINT}) {
    // Something other than the default before, so that putting it back shows.
    struct sigaction ignore {};
    struct sigaction saved {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(signal_number, &ignore, &saved);
    {
      QEventLoop loop;
      // The loop of the test, not the application's: quitting that would end every later loop.
      const QtTerminationSignals termination([&loop] { loop.quit(); });
      EXPECT_FALSE(termination.Received());
      bool timed_out = false;
      // The safety net against a hung test; a working hook quits the loop long before.
      QTimer::singleShot(10000, &loop, [&] {
        timed_out = true;
        loop.quit();
      });
      ::raise(signal_number);
      loop.exec();
      EXPECT_FALSE(timed_out) << signal_number;
      EXPECT_TRUE(termination.Received()) << signal_number;
      EXPECT_EQ(HandlerOf(signal_number), SIG_DFL) << "a second signal ends the program at once";
    }
    EXPECT_EQ(HandlerOf(signal_number), SIG_IGN) << signal_number;
    ::sigaction(signal_number, &saved, nullptr);
  }
}

}  // namespace
}  // namespace plorvane
