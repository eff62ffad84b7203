#include "e2e/virtual_display.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

namespace plorvane::e2e {

VirtualDisplay::VirtualDisplay() {
  for (int number = 90 + ::getpid() % 100; number < 400 && !ready_; ++number) {
    // A lock file means the number is taken by another server.
    if (std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) continue;
    name_ = ":" + std::to_string(number);
    const std::string size = std::to_string(kWidth) + "x" + std::to_string(kHeight) + "x24";
    server_ = std::make_unique<ChildProcess>("/usr/bin/Xvfb", std::vector<std::string>{name_, "-screen", "0", size,
                                                                                        "-nolisten", "tcp"});
    ::setenv("DISPLAY", name_.c_str(), 1);
    for (int attempt = 0; attempt < 100 && server_->Running(); ++attempt) {
      if (RunCommand("xdpyinfo >/dev/null 2>&1")) {
        ready_ = true;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
}

}  // namespace plorvane::e2e
