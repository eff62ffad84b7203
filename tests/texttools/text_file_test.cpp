// Text files as the text window loads and saves them.
#include "texttools/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "scratch_folder.h"
#include "texttools/text_lines.h"

namespace plorvane {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLines, EveryBreakEndsALineAndAFinalBreakLeavesAnEmptyOne) {
  EXPECT_EQ(SplitLines(""), Lines{""});
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n\r\nb\r\n"), (Lines{"a", "", "b", ""}));
  EXPECT_EQ(SplitLines("\n\r"), (Lines{"", "", ""}));  // LF CR is two breaks, not one
  EXPECT_EQ(JoinLines({"a", "", "b"}, "\r\n"), "a\r\n\r\nb");
  EXPECT_EQ(JoinLines({}, "\r\n"), "");
}

struct ReadCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

class ReadTextFileLines : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTextFileLines, AreTheFilesLinesWithoutAnEmptyOneAfterTheLastBreak) {
  test::ScratchFolder folder;
  const std::string path = folder.Write("text.txt", GetParam().bytes);
  TextFileContent content;
  std::string error;
  ASSERT_TRUE(ReadTextFile(path, 1024, content, error)) << error;
  EXPECT_EQ(content.lines, GetParam().lines);
  EXPECT_TRUE(content.whole);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTextFileLines,
    ::testing::Values(ReadCase{"Empty", "", {}}, ReadCase{"OneBreak", "\r\n", {""}},
                      ReadCase{"WithoutFinalBreak", "one\r\ntwo", {"one", "two"}},
                      ReadCase{"WithFinalBreak", "one\r\ntwo\r\n", {"one", "two"}},
                      ReadCase{"UnixBreaksAndEmptyLines", "one\n\n\ntwo\n\n", {"one", "", "", "two", ""}},
                      ReadCase{"Utf8Kept", "gr\xC3\xBC\xC3\x9F" "e\n", {"gr\xC3\xBC\xC3\x9F" "e"}}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return std::string(param.param.name); });

TEST(ReadTextFile, LongerThanTheLimitKeepsTheWholeLinesBeforeTheCut) {
  test::ScratchFolder folder;
  const std::string path = folder.Write("long.txt", "one\r\ntwo\r\nthree\r\n");
  TextFileContent content;
  std::string error;
  ASSERT_TRUE(ReadTextFile(path, 12, content, error)) << error;  // cut inside "three"
  EXPECT_EQ(content.lines, (Lines{"one", "two"}));
  EXPECT_FALSE(content.whole);
  // Exactly as long as the limit is still the whole file.
  ASSERT_TRUE(ReadTextFile(path, 17, content, error));
  EXPECT_EQ(content.lines, (Lines{"one", "two", "three"}));
  EXPECT_TRUE(content.whole);
}

TEST(ReadTextFile, FailuresNameTheStep) {
  test::ScratchFolder folder;
  TextFileContent content;
  content.lines = {"kept"};
  std::string error;
  EXPECT_FALSE(ReadTextFile(folder.File("missing.txt"), 1024, content, error));
  EXPECT_EQ(error, "File not found");
  EXPECT_FALSE(ReadTextFile(folder.path(), 1024, content, error));  // a folder cannot be read as text
  EXPECT_EQ(error, "File in use");
  EXPECT_EQ(content.lines, Lines{"kept"});
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

TEST(ReadTextFile, ReadOnlyFileIsReadAndKeepsItsMode) {
  test::ScratchFolder folder;
  const std::string path = folder.Write("locked.txt", "line\n");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  TextFileContent content;
  std::string error;
  ASSERT_TRUE(ReadTextFile(path, 1024, content, error)) << error;
  EXPECT_EQ(content.lines, Lines{"line"});
  EXPECT_EQ(ModeOf(path), 0444u);
}

TEST(WriteTextFile, LinesAreSeparatedByCrLfAndReadBackTheSame) {
  test::ScratchFolder folder;
  const std::string path = folder.File("out.txt");
  std::string error;
  const Lines lines{"one", "", "three"};
  ASSERT_TRUE(WriteTextFile(path, lines, error)) << error;
  const auto bytes = test::FileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "one\r\n\r\nthree");
  TextFileContent content;
  ASSERT_TRUE(ReadTextFile(path, 1024, content, error));
  EXPECT_EQ(content.lines, lines);
}

TEST(WriteTextFile, ReplacesAReadOnlyFileAndFailsWhereNoFileCanBe) {
  test::ScratchFolder folder;
  const std::string path = folder.Write("locked.txt", "old");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  std::string error;
  ASSERT_TRUE(WriteTextFile(path, {"new"}, error)) << error;
  const auto bytes = test::FileBytes(path);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new");
  EXPECT_FALSE(WriteTextFile(folder.File("no-folder/out.txt"), {"x"}, error));
  EXPECT_EQ(error, "File in use");
}

}  // namespace
}  // namespace plorvane
