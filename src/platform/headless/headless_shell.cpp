#include "platform/headless/headless_shell.h"

namespace plorvane {

bool HeadlessShell::OpenDocument(const std::string& target) {
  log_.Add("shell open " + target);
  opened_documents_.push_back(target);
  return succeeds_;
}

bool HeadlessShell::StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                                 const std::string& working_folder) {
  std::string entry = "shell start " + program;
  for (const std::string& argument : arguments) entry += " [" + argument + "]";
  log_.Add(std::move(entry));
  started_programs_.push_back(ProgramStart{program, arguments, working_folder});
  return succeeds_;
}

}  // namespace plorvane
