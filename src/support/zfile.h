#pragma once
// Clears stale temporary files of the maker's programs when the program ends.

#include <chrono>
#include <functional>

namespace plorvane {

class TZFile {
 public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;

  explicit TZFile(Clock now = std::chrono::system_clock::now);
  // Runs the clean-up twice, as the program ends.
  ~TZFile();
  TZFile(const TZFile&) = delete;
  TZFile& operator=(const TZFile&) = delete;

  // Deletes at most four "*.ZMP" files from the settings tree's TEMP folder whose time stamp is
  // at least 499 seconds away from now (either way: a clock set back must not keep files
  // forever). A missing folder is left missing. Answers how many files were deleted.
  int CleanTemporaryFiles();

 private:
  int CleanStaleFiles();

  Clock now_;
};

// The one shared instance, made on first use.
TZFile& ZFile();

}  // namespace plorvane
