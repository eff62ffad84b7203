#include "e2e/virtual_display.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "e2e/display_start_lock.h"
#include "e2e/socket_probe.h"
#include "e2e/wait.h"

namespace plorvane::e2e {
namespace {

// Both ends of a pipe, closed with the object.
class Pipe {
 public:
  Pipe() { ok_ = ::pipe(ends_.data()) == 0; }
  ~Pipe() {
    for (const int end : ends_) {
      if (end >= 0) ::close(end);
    }
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  [[nodiscard]] bool ok() const { return ok_; }
  [[nodiscard]] int read_end() const { return ends_[0]; }
  [[nodiscard]] int write_end() const { return ends_[1]; }
  void CloseWriteEnd() {
    ::close(ends_[1]);
    ends_[1] = -1;
  }

 private:
  std::array<int, 2> ends_{-1, -1};
  bool ok_ = false;
};

// The line the server writes once it accepts connections; empty when none came in time.
std::string ReadLine(int fd, int timeout_ms) {
  std::string line;
  pollfd wanted{fd, POLLIN, 0};
  char c = 0;
  while (::poll(&wanted, 1, timeout_ms) > 0 && ::read(fd, &c, 1) == 1) {
    if (c == '\n') return line;
    line += c;
  }
  return {};
}

// A lock file left by a server that was killed: the process it names is gone.
bool HoldsOnlyTheDead(const std::string& path) {
  std::ifstream lock(path);
  long pid = 0;
  return lock >> pid && pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Xvfb picks its number by the sockets it can bind and writes no lock file; servers that pick
// theirs by lock files (XWayland under Weston, Xorg) would take the number and replace its
// socket. The lock file, made exclusively, keeps them off; false when one is there already.
bool MakeLockFile(const std::string& path, pid_t server) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0444);
  if (fd < 0 && errno == EEXIST && HoldsOnlyTheDead(path)) {
    ::unlink(path.c_str());
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0444);
  }
  if (fd < 0) return false;
  char text[16];
  const int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(server));
  const bool written = ::write(fd, text, static_cast<std::size_t>(length)) == length;
  ::close(fd);
  if (!written) ::unlink(path.c_str());
  return written;
}

}  // namespace

VirtualDisplay::~VirtualDisplay() {
  if (!lock_file_.empty()) ::unlink(lock_file_.c_str());
}

VirtualDisplay::VirtualDisplay() {
  // A server started by someone else on the same number at the same moment makes ours give up
  // ("server already running"); a new server then picks the next free number.
  constexpr int kAttempts = 5;
  for (int attempt = 0; attempt < kAttempts && !ready_; ++attempt) ready_ = Start();
  if (ready_) ::setenv("DISPLAY", name_.c_str(), 1);
}

bool VirtualDisplay::Start() {
  // The server picks a free display number itself and writes it to the pipe when it is ready;
  // one server starts at a time, so tests running side by side never share a display.
  const DisplayStartLock lock;
  server_.reset();
  Pipe pipe;
  if (!pipe.ok()) return false;
  ::fcntl(pipe.read_end(), F_SETFD, FD_CLOEXEC);
  // -noreset: the server would otherwise reset when its last client leaves (the readiness
  // probe below, or a program between two tests) and refuse the next one meanwhile.
  const std::string size = std::to_string(kWidth) + "x" + std::to_string(kHeight) + "x24";
  server_ = std::make_unique<ChildProcess>(
      "/usr/bin/Xvfb",
      std::vector<std::string>{"-displayfd", std::to_string(pipe.write_end()), "-screen", "0", size, "-nolisten", "tcp", "-noreset"});
  pipe.CloseWriteEnd();
  const std::string number = ReadLine(pipe.read_end(), static_cast<int>(kPatience.count()));
  if (number.empty() || !AcceptsConnections("/tmp/.X11-unix/X" + number)) return false;
  const std::string lock_file = "/tmp/.X" + number + "-lock";
  if (!MakeLockFile(lock_file, server_->pid())) return false;
  lock_file_ = lock_file;
  name_ = ":" + number;
  return true;
}

}  // namespace plorvane::e2e
