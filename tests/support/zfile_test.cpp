#include "support/zfile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "support/folders.h"
#include "support/temp_home.h"

namespace plorvane {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;
using std::chrono::system_clock;
using testing::TempHome;

class ZFileTest : public ::testing::Test {
 protected:
  // Every file gets this time stamp; the injected clock moves instead.
  const system_clock::time_point stamp_ = system_clock::time_point(seconds(1'600'000'000));
  TempHome home_;
  const std::string folder_ = home_.root() + "/config/Vumra Enterprises/TEMP/";

  void MakeFiles(const std::string& prefix, int count, const std::string& extension = ".ZMP") {
    ForceFolders(folder_);
    for (int i = 0; i < count; ++i) {
      const std::string name = folder_ + prefix + std::to_string(i) + extension;
      testing::WriteTextFile(name, "x");
      const timespec times[2] = {{1'600'000'000, 0}, {1'600'000'000, 0}};
      ::utimensat(AT_FDCWD, name.c_str(), times, 0);
    }
  }
  long FilesLeft() const { return std::distance(fs::directory_iterator(folder_), fs::directory_iterator()); }
  TZFile::Clock At(seconds offset) const {
    return [now = stamp_ + offset] { return now; };
  }
};

TEST_F(ZFileTest, DeletesAtMostFourStaleFilesPerRun) {
  MakeFiles("old", 6);
  TZFile zfile(At(seconds(499)));
  EXPECT_EQ(zfile.CleanTemporaryFiles(), 4);
  EXPECT_EQ(FilesLeft(), 2);
  EXPECT_EQ(zfile.CleanTemporaryFiles(), 2);
  EXPECT_EQ(FilesLeft(), 0);
}

TEST_F(ZFileTest, KeepsYoungFilesAndOtherExtensions) {
  MakeFiles("young", 3);
  MakeFiles("other", 2, ".TMP");
  TZFile zfile(At(seconds(498)));
  EXPECT_EQ(zfile.CleanTemporaryFiles(), 0);
  EXPECT_EQ(FilesLeft(), 5);
}

TEST_F(ZFileTest, StampsFarInTheFutureCountAsStale) {
  MakeFiles("future", 1);
  TZFile zfile(At(seconds(-499)));
  EXPECT_EQ(zfile.CleanTemporaryFiles(), 1);
}

TEST_F(ZFileTest, DestructionCleansTwice) {
  MakeFiles("old", 10);
  { TZFile zfile(At(seconds(1000))); }
  EXPECT_EQ(FilesLeft(), 2);
}

TEST_F(ZFileTest, MissingFolderIsNotCreated) {
  TZFile zfile(At(seconds(1000)));
  EXPECT_EQ(zfile.CleanTemporaryFiles(), 0);
  EXPECT_FALSE(DirectoryExists(folder_));
}

}  // namespace
}  // namespace plorvane
