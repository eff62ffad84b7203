#pragma once
// A program started by a test, with its own environment additions. The process is killed and
// reaped when the object goes, so a failing test never leaves programs behind.

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace plorvane::e2e {

class ChildProcess {
 public:
  // Starts `program` with `arguments`; `environment` adds to or replaces the test's own.
  ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
               const std::map<std::string, std::string>& environment = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  [[nodiscard]] bool started() const { return pid_ > 0; }
  // Why the program did not start (an errno value), 0 when it did.
  [[nodiscard]] int start_error() const { return start_error_; }
  [[nodiscard]] pid_t pid() const { return pid_; }
  // The exit code once the program has ended within the time; nothing while it still runs.
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
  [[nodiscard]] bool Running();
  // Microseconds of processor time used so far (user and system), from /proc.
  [[nodiscard]] std::optional<long long> CpuMicroseconds() const;

 private:
  pid_t pid_ = -1;
  int start_error_ = 0;
  std::optional<int> exit_code_;
};

// Runs a command line through the shell and answers its standard output; nothing when it fails.
std::optional<std::string> RunCommand(const std::string& command);

}  // namespace plorvane::e2e
