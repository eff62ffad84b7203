#pragma once
// A private X display for one test program: Xvfb on the first free display number, gone with the
// object. The programs under test and the X tools reach it through DISPLAY.

#include <memory>
#include <string>

#include "e2e/child_process.h"

namespace plorvane::e2e {

class VirtualDisplay {
 public:
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;

  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;
  [[nodiscard]] bool ready() const { return ready_; }
  // ":N", also put into this process's DISPLAY so commands inherit it.
  [[nodiscard]] const std::string& name() const { return name_; }

 private:
  // One try at starting a server; true once it accepts connections.
  bool Start();

  std::string name_;
  std::string lock_file_;
  std::unique_ptr<ChildProcess> server_;
  bool ready_ = false;
};

}  // namespace plorvane::e2e
