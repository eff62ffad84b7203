// Objects to and from strings, streams, files and settings files through their published
// properties.
#include "texttools/component_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "scratch_folder.h"
#include "support/temp_home.h"

namespace plorvane {
namespace {

struct TSample {
  static constexpr std::string_view kClassName = "TSample";
  static const PublishedProperties<TSample>& Published() {
    static const auto properties =
        PublishedProperties<TSample>()
            .String("pName", &TSample::pName)
            .Integer("pCount", &TSample::pCount)
            .Boolean(
                "pOn", [](const TSample& s) { return s.pOn; }, [](TSample& s, bool on) { s.pOn = on; });
    return properties;
  }
  std::string pName;
  std::int32_t pCount = 0;
  bool pOn = false;
  friend bool operator==(const TSample&, const TSample&) = default;
};

const TSample kWritten{"left pane", -40000, true};

// Another class with a subset of TSample's entries: its record would read as a TSample.
struct TNarrowSample {
  static constexpr std::string_view kClassName = "TNarrowSample";
  static const PublishedProperties<TNarrowSample>& Published() {
    static const auto properties = PublishedProperties<TNarrowSample>().Integer("pCount", &TNarrowSample::pCount);
    return properties;
  }
  std::int32_t pCount = 0;
};

class ComponentIOTest : public ::testing::Test {
 protected:
  testing::TempHome home_;
  bool tmp_made_ = std::filesystem::create_directories(std::getenv("TMPDIR"));
  test::ScratchFolder folder_;
  TComponentIO io_;
  std::string error_;
};

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 0777;
}

TEST_F(ComponentIOTest, StringsAndStreamsCarryTheRecord) {
  std::string text;
  ASSERT_TRUE(io_.ComponentToString(kWritten, text, error_));
  EXPECT_TRUE(text.starts_with(std::string("TPF0\x07TSample\x00", 13)));
  TSample read;
  ASSERT_TRUE(io_.StringToComponent(text, read, error_));
  EXPECT_EQ(read, kWritten);

  // A stream is written and read at its position.
  MemoryStream stream;
  stream.Write(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>("head"), 4));
  ASSERT_TRUE(io_.ComponentToStream(kWritten, stream, error_));
  ASSERT_TRUE(stream.Seek(4));
  TSample from_stream;
  ASSERT_TRUE(io_.StreamToComponent(stream, from_stream, error_));
  EXPECT_EQ(from_stream, kWritten);
}

// A record that breaks off, or carries a name the object does not have after good entries,
// changes nothing at all.
TEST_F(ComponentIOTest, UnreadableRecordsLeaveTheObjectAsItWas) {
  std::string text;
  ASSERT_TRUE(io_.ComponentToString(kWritten, text, error_));
  const TSample before{"mine", 3, false};
  for (const std::string& damaged : {text.substr(0, text.size() - 3), text.substr(0, 9), std::string("not a record"),
                                     text.substr(0, text.size() - 2) + std::string("\x05pNope\x02\x01\x00\x00", 10)}) {
    TSample target = before;
    EXPECT_FALSE(io_.StringToComponent(damaged, target, error_));
    EXPECT_EQ(error_, "Unknown format");
    EXPECT_EQ(io_.LastError(), "Unknown format");
    EXPECT_EQ(target, before);
  }
}

TEST_F(ComponentIOTest, EntriesMissingFromTheRecordKeepTheirValues) {
  std::string text;
  ASSERT_TRUE(io_.ComponentToString(TSample{"", 5, false}, text, error_));
  TSample target{"kept", 1, true};
  ASSERT_TRUE(io_.StringToComponent(text, target, error_));
  EXPECT_EQ(target, (TSample{"kept", 5, false}));
}

TEST_F(ComponentIOTest, FilesRoundTripAndNameTheirFailures) {
  const std::string path = folder_.File("sample.dat");
  ASSERT_TRUE(io_.SaveComponent(kWritten, path, error_)) << error_;
  TSample read;
  ASSERT_TRUE(io_.LoadComponent(read, path, error_)) << error_;
  EXPECT_EQ(read, kWritten);

  EXPECT_FALSE(io_.LoadComponent(read, folder_.File("missing.dat"), error_));
  EXPECT_EQ(error_, "File not found");
  EXPECT_FALSE(io_.SaveComponent(kWritten, folder_.File("missing/sample.dat"), error_));
  EXPECT_EQ(error_, "File in use");
  EXPECT_EQ(io_.LastError(), "File in use");
  EXPECT_FALSE(io_.LoadComponent(read, folder_.path(), error_));
  EXPECT_EQ(error_, "File in use");

  const std::string other = folder_.Write("other.dat", "PK\x03\x04 an archive");
  ::chmod(other.c_str(), 0444);
  EXPECT_FALSE(io_.LoadComponent(read, other, error_));
  EXPECT_EQ(error_, "Unknown format");
  EXPECT_EQ(ModeOf(other), 0444U);
}

TEST_F(ComponentIOTest, SettingsLiveInTheSettingsFolderAndReadOnlyFilesAreReplaced) {
  ASSERT_TRUE(io_.SaveSettings(kWritten, "sample.set", error_)) << error_;
  const std::string path = home_.root() + "/config/Vumra Enterprises/Settings/sample.set";
  ASSERT_TRUE(std::filesystem::exists(path));
  ::chmod(path.c_str(), 0444);

  TSample read;
  ASSERT_TRUE(io_.LoadSettings(read, "sample.set", error_)) << error_;
  EXPECT_EQ(read, kWritten);
  ASSERT_TRUE(io_.SaveSettings(TSample{"new", 1, false}, "sample.set", error_)) << error_;
  ASSERT_TRUE(io_.LoadSettings(read, "sample.set", error_));
  EXPECT_EQ(read.pName, "new");
  EXPECT_NE(ModeOf(path) & 0200, 0U);
}

TEST_F(ComponentIOTest, ASettingsFileOfAnotherClassIsNotReadEvenWhenItsEntriesFit) {
  ASSERT_TRUE(io_.SaveSettings(TNarrowSample{7}, "sample.set", error_)) << error_;
  TSample read = kWritten;
  EXPECT_FALSE(io_.LoadSettings(read, "sample.set", error_));
  EXPECT_EQ(error_, "Unknown format");
  EXPECT_EQ(read, kWritten);
  // The same class's file still reads, and garbage is refused as before.
  TNarrowSample narrow;
  ASSERT_TRUE(io_.LoadSettings(narrow, "sample.set", error_)) << error_;
  EXPECT_EQ(narrow.pCount, 7);
  folder_.Write("garbage", "TPF0 not a record at all");
  std::filesystem::copy_file(folder_.File("garbage"), home_.root() + "/config/Vumra Enterprises/Settings/sample.set",
                             std::filesystem::copy_options::overwrite_existing);
  EXPECT_FALSE(io_.LoadSettings(read, "sample.set", error_));
  EXPECT_EQ(read, kWritten);
}

}  // namespace
}  // namespace plorvane
