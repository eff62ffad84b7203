#pragma once
// Records what would be handed to the desktop; nothing is started.

#include <string>
#include <vector>

#include "platform/headless/call_log.h"
#include "platform/shell.h"

namespace plorvane {

struct ProgramStart {
  std::string program;
  std::vector<std::string> arguments;
  std::string working_folder;
  friend bool operator==(const ProgramStart&, const ProgramStart&) = default;
};

class HeadlessShell final : public Shell {
 public:
  explicit HeadlessShell(CallLog& log) : log_(log) {}

  bool OpenDocument(const std::string& target) override;
  bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::string& working_folder) override;

  // The answer of every later hand-over; true at first.
  void SetSucceeds(bool succeeds) { succeeds_ = succeeds; }
  [[nodiscard]] const std::vector<std::string>& opened_documents() const { return opened_documents_; }
  [[nodiscard]] const std::vector<ProgramStart>& started_programs() const { return started_programs_; }

 private:
  CallLog& log_;
  bool succeeds_ = true;
  std::vector<std::string> opened_documents_;
  std::vector<ProgramStart> started_programs_;
};

}  // namespace plorvane
