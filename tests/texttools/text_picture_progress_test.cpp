#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "texttools/picture_helpers.h"
#include "texttools/text_picture.h"

namespace plorvane {
namespace {

struct Report {
  ProgressStage stage;
  int percent;
  std::string text;
};

// A clock that moves on by a fixed step every time it is read.
struct Recorder {
  explicit Recorder(TTextPicture& picture, std::uint64_t step) {
    picture.Clock = [this, step] { return now += step; };
    picture.OnProgress = [this](ProgressStage stage, int percent, std::string_view text) {
      reports.push_back({stage, percent, std::string(text)});
    };
  }
  std::vector<int> RunningPercents() const {
    std::vector<int> percents;
    for (const Report& r : reports) {
      if (r.stage == ProgressStage::kRunning) percents.push_back(r.percent);
    }
    return percents;
  }
  std::uint64_t now = 0;
  std::vector<Report> reports;
};

TEST(TextPictureProgress, SavingReportsRowsNoCloserThan250Milliseconds) {
  TTextPicture picture;
  picture.Assign(testing::MakeBitmap(4, 10, {}));
  Recorder recorder(picture, 100);
  MemoryStream stream;
  picture.SaveToStream(stream);

  ASSERT_GE(recorder.reports.size(), 2u);
  EXPECT_EQ(recorder.reports.front().stage, ProgressStage::kStarting);
  EXPECT_EQ(recorder.reports.back().stage, ProgressStage::kEnding);
  EXPECT_EQ(recorder.reports.back().percent, 100);
  for (const Report& r : recorder.reports) EXPECT_EQ(r.text, "Saving");
  // Start at 100 ms, rows at 200, 300, ... : only rows 3, 6 and 9 are 300 ms after the last report.
  EXPECT_EQ(recorder.RunningPercents(), (std::vector<int>{30, 60, 90}));
}

TEST(TextPictureProgress, LoadingReportsEveryTenThousandCharacters) {
  // 42,000 characters: running reports at 10,000, 20,000, 30,000 and 40,000 characters read.
  std::string text = "T6100100)300~0";
  text += std::string(42000 - text.size() - 1, ' ') + "#";
  TTextPicture picture;
  Recorder recorder(picture, 1000);
  ASSERT_TRUE(picture.LoadFromText(text));
  EXPECT_EQ(recorder.RunningPercents(), (std::vector<int>{23, 47, 71, 95}));
  EXPECT_EQ(recorder.reports.front().text, "Loading");
}

TEST(TextPictureProgress, FailedLoadStillEnds) {
  TTextPicture picture;
  Recorder recorder(picture, 1000);
  ASSERT_FALSE(picture.LoadFromText("nothing here"));
  ASSERT_EQ(recorder.reports.size(), 2u);
  EXPECT_EQ(recorder.reports[0].stage, ProgressStage::kStarting);
  EXPECT_EQ(recorder.reports[1].stage, ProgressStage::kEnding);
}

}  // namespace
}  // namespace plorvane
