#include "platform/file_filter.h"

#include <gtest/gtest.h>

namespace plorvane {
namespace {

struct FilterCase {
  const char* filter;
  std::vector<FileFilter> expected;
};

class FileFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(FileFilterTest, SplitsIntoLabelsAndPatterns) { EXPECT_EQ(ParseFileFilter(GetParam().filter), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Filters, FileFilterTest,
    testing::Values(
        FilterCase{"", {}},
        FilterCase{"Zarvicks (*.exe)|*.exe", {{"Zarvicks (*.exe)", {"*.exe"}}}},
        FilterCase{"All Sounds|*.wav;*.mid;*.rmi|Wave (*.wav)|*.wav",
                   {{"All Sounds", {"*.wav", "*.mid", "*.rmi"}}, {"Wave (*.wav)", {"*.wav"}}}},
        // A trailing label without patterns, and empty masks, are dropped.
        FilterCase{"Bitmap|*.bmp|Orphan", {{"Bitmap", {"*.bmp"}}}},
        FilterCase{"Empty||Jpeg| *.jpg ;;", {{"Jpeg", {"*.jpg"}}}}));

}  // namespace
}  // namespace plorvane
