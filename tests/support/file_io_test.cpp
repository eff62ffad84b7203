// Safe replacement of files: the new file's permissions follow the user's umask.
#include "support/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "scratch_folder.h"

namespace plorvane {
namespace {

// Sets the process's umask for one test and puts the old one back.
class ScopedUmask {
 public:
  explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
  ~ScopedUmask() { ::umask(previous_); }
  ScopedUmask(const ScopedUmask&) = delete;
  ScopedUmask& operator=(const ScopedUmask&) = delete;

 private:
  mode_t previous_;
};

unsigned PermissionsOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST(WriteFileReplacingTest, NewFileTakesTheModeLessTheUmaskAndLeavesNoTemporaryFile) {
  struct Case {
    mode_t umask;
    unsigned mode;
    unsigned expected;
  };
  for (const Case c : {Case{022, 0666, 0644}, Case{077, 0666, 0600}, Case{002, 0777, 0775}, Case{027, 0777, 0750}}) {
    test::ScratchFolder folder;
    const std::string target = folder.File("out.bin");
    test::WriteBytes(target, {1});  // replaced, not kept: its permissions do not carry over
    ::chmod(target.c_str(), 0400);
    const std::vector<std::uint8_t> bytes = {7, 8, 9};
    {
      const ScopedUmask mask(c.umask);
      ASSERT_EQ(WriteFileReplacing(target, bytes, c.mode), FileResult::kOk);
    }
    EXPECT_EQ(PermissionsOf(target), c.expected) << std::oct << c.umask << " " << c.mode;
    EXPECT_EQ(test::FileBytes(target), bytes);
    EXPECT_EQ(folder.EntryCount(), 1);
  }
}

TEST(WriteFileReplacingTest, CopyKeepsTheSourcesExecutableBits) {
  test::ScratchFolder folder;
  const std::string source = folder.File("card.exe");
  test::WriteBytes(source, {1, 2});
  ::chmod(source.c_str(), 0755);
  const ScopedUmask mask(022);
  ASSERT_TRUE(CopyFileReplacing(source, folder.File("copy.exe")));
  EXPECT_EQ(PermissionsOf(folder.File("copy.exe")), 0755u);
}

}  // namespace
}  // namespace plorvane
