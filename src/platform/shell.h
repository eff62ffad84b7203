#pragma once
// Handing things to the desktop: documents and addresses to their default handler, programs
// started directly. Each answers whether the hand-over itself worked, not what followed.

#include <string>
#include <vector>

namespace plorvane {

class Shell {
 public:
  virtual ~Shell() = default;

  // A file, folder or address (http://, https://, mailto:) opened with its default handler.
  virtual bool OpenDocument(const std::string& target) = 0;
  // Starts `program` with these arguments, each passed as it is (no quoting or splitting), in
  // `working_folder` (empty: the program's own folder). Does not wait for it.
  virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                            const std::string& working_folder) = 0;
};

}  // namespace plorvane
