#include "platform/qt/qt_termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>
#include <cassert>
#include <cerrno>
#include <utility>

namespace plorvane {
namespace {

// The pipe's write end, for the handler. A signal handler reaches no object, so this one value
// has to be global; a lock-free atomic is safe to read inside the handler.
std::atomic<int> signal_pipe{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void WriteSignalByte(int signal_number) {
  const int saved_errno = errno;
  const char byte = static_cast<char>(signal_number);
  // A full pipe already holds a byte that will wake the main thread.
  (void)!::write(signal_pipe.load(), &byte, 1);
  errno = saved_errno;
}

}  // namespace

void QtTerminationSignals::QuitApplication() { QCoreApplication::exit(0); }

QtTerminationSignals::QtTerminationSignals(std::function<void()> on_signal) : on_signal_(std::move(on_signal)) {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the signals keep their default action
  read_end_ = ends[0];
  write_end_ = ends[1];
  [[maybe_unused]] const int before = signal_pipe.exchange(write_end_);
  assert(before == -1 && "one QtTerminationSignals at a time");
  notifier_ = std::make_unique<QSocketNotifier>(read_end_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Drain(); });

  struct sigaction action {};
  action.sa_handler = WriteSignalByte;
  sigemptyset(&action.sa_mask);
  // SA_RESETHAND: the second signal takes the default action and ends the program at once.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &action, &previous_[i]);
}

QtTerminationSignals::~QtTerminationSignals() {
  if (write_end_ < 0) return;
  for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
  signal_pipe.store(-1);
  notifier_.reset();
  ::close(read_end_);
  ::close(write_end_);
}

void QtTerminationSignals::Drain() {
  char bytes[16];
  while (::read(read_end_, bytes, sizeof bytes) > 0) {
  }
  received_ = true;
  on_signal_();
}

}  // namespace plorvane
