#include "e2e/child_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "e2e/wait.h"

extern char** environ;

namespace plorvane::e2e {
namespace {

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& additions) {
  std::map<std::string, std::string> merged;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text(*entry);
    const auto equals = text.find('=');
    if (equals != std::string::npos) merged[text.substr(0, equals)] = text.substr(equals + 1);
  }
  for (const auto& [name, value] : additions) merged[name] = value;
  std::vector<std::string> out;
  for (const auto& [name, value] : merged) out.push_back(name + "=" + value);
  return out;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                           const std::map<std::string, std::string>& environment) {
  std::vector<std::string> argv_texts{program};
  argv_texts.insert(argv_texts.end(), arguments.begin(), arguments.end());
  std::vector<std::string> env_texts = MergedEnvironment(environment);
  std::vector<char*> argv = Pointers(argv_texts);
  std::vector<char*> envp = Pointers(env_texts);
  pid_t pid = -1;
  start_error_ = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), envp.data());
  if (start_error_ == 0) pid_ = pid;
}

ChildProcess::~ChildProcess() {
  if (pid_ <= 0 || exit_code_) return;
  // Asked first, so a display server removes its lock and socket for the next one.
  ::kill(pid_, SIGTERM);
  if (WaitForExit(std::chrono::seconds(2))) return;
  ::kill(pid_, SIGKILL);
  int status = 0;
  ::waitpid(pid_, &status, 0);
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
  if (pid_ <= 0) return std::nullopt;
  WaitUntil(
      [this] {
        int status = 0;
        if (!exit_code_ && ::waitpid(pid_, &status, WNOHANG) == pid_) {
          exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return exit_code_.has_value();
      },
      timeout);
  return exit_code_;
}

bool ChildProcess::Running() { return started() && !WaitForExit(std::chrono::milliseconds(0)); }

std::optional<long long> ChildProcess::CpuMicroseconds() const {
  std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // The command name may hold spaces; the fields we want follow its closing parenthesis.
  const auto close = text.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  long long user = 0;
  long long system = 0;
  for (int index = 3; fields >> field; ++index) {
    if (index == 14) user = std::stoll(field);
    if (index == 15) {
      system = std::stoll(field);
      const long ticks = ::sysconf(_SC_CLK_TCK);
      return (user + system) * 1000000LL / ticks;
    }
  }
  return std::nullopt;
}

std::optional<std::string> RunCommand(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return std::nullopt;
  std::string output;
  std::array<char, 4096> buffer{};
  while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) output.append(buffer.data(), got);
  if (::pclose(pipe.release()) != 0) return std::nullopt;
  return output;
}

}  // namespace plorvane::e2e
