#include "support/help.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "support/carrier_test_support.h"
#include "support/messages.h"
#include "support/temp_home.h"

namespace plorvane {
namespace {

namespace fs = std::filesystem;
using testing::ReadTextFile;
using testing::WriteTextFile;

class HelpTest : public ::testing::Test {
 protected:
  std::unique_ptr<THelp> MakeHelp(const std::vector<test::NamedContent>& pages, std::string_view title = "Plorvane") {
    return std::make_unique<THelp>(platform_, title, test::CarrierOf(pages));
  }
  [[nodiscard]] fs::path HelpRoot() const { return fs::path(home_.root()) / "config/Vumra Enterprises/Help"; }
  [[nodiscard]] std::vector<std::string> FilesIn(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::TempHome home_;
  HeadlessPlatform platform_;
  const std::vector<test::NamedContent> pages_{{"index.html", "<h1>Plorvane</h1>"}, {"pic.jpg", "JPEGBYTES"}};
};

TEST_F(HelpTest, SetNameReplacesUnsafeCharactersAndFallsBackToTheDefault) {
  const struct {
    std::string_view title;
    std::string name;
  } cases[] = {{"Plorvane", "Plorvane"},
               {"my card/help?*x\\y", "my_card_help__x_y"},
               {"", "Plorvane_Help"},
               {"..", "Plorvane_Help"}};
  for (const auto& c : cases) {
    auto help = MakeHelp(pages_, c.title);
    EXPECT_EQ(help->HelpSetName(), c.name);
    EXPECT_EQ(help->HelpFolder(), (HelpRoot() / help->HelpSetName()).string() + "/");
  }
}

TEST_F(HelpTest, FirstPageInstallsTheSetOnceAndOpensThePageThroughTheShell) {
  auto help = MakeHelp(pages_);
  const fs::path folder = help->HelpFolder();
  ASSERT_TRUE(help->ShowPage("index.html")) << help->LastError();
  EXPECT_EQ(ReadTextFile(folder / "index.html"), "<h1>Plorvane</h1>");
  EXPECT_EQ(ReadTextFile(folder / "pic.jpg"), "JPEGBYTES");
  ASSERT_EQ(platform_.shell().opened_documents(), std::vector<std::string>{(folder / "index.html").string()});
  const std::vector<std::string> installed = FilesIn(folder);
  EXPECT_EQ(installed.size(), 3u);  // the pages and the marker

  // With the marker there, a page removed by someone is not brought back.
  fs::remove(folder / "pic.jpg");
  EXPECT_TRUE(help->ShowPage("index.html"));
  EXPECT_FALSE(fs::exists(folder / "pic.jpg"));
  EXPECT_FALSE(help->ShowPage("pic.jpg"));
  EXPECT_EQ(help->LastError(), msg::kFileNotFound);
}

TEST_F(HelpTest, ExistingFilesAreNeverOverwritten) {
  auto help = MakeHelp(pages_);
  const fs::path folder = help->HelpFolder();
  fs::create_directories(folder);
  WriteTextFile(folder / "index.html", "the user's own page");
  ASSERT_TRUE(help->ShowPage("index.html"));
  EXPECT_EQ(ReadTextFile(folder / "index.html"), "the user's own page");
  EXPECT_EQ(ReadTextFile(folder / "pic.jpg"), "JPEGBYTES");
}

TEST_F(HelpTest, AMissingPageFailsAfterTheRestIsInstalled) {
  auto help = MakeHelp(pages_);
  EXPECT_FALSE(help->ShowPage("text.html"));
  EXPECT_EQ(help->LastError(), msg::kFileNotFound);
  EXPECT_TRUE(fs::exists(fs::path(help->HelpFolder()) / "index.html"));
  EXPECT_TRUE(platform_.shell().opened_documents().empty());

  help->ShowError();
  ASSERT_EQ(platform_.dialogs().error_boxes().size(), 1u);
  EXPECT_EQ(platform_.dialogs().error_boxes()[0], (ErrorBoxRecord{"Error", "File not found"}));
}

TEST_F(HelpTest, AFileWhereTheHelpFolderBelongsIsReplacedByTheFolder) {
  auto help = MakeHelp(pages_);
  fs::create_directories(HelpRoot());
  WriteTextFile(HelpRoot() / "Plorvane", "in the way");
  EXPECT_TRUE(help->ShowPage("index.html")) << help->LastError();
  EXPECT_TRUE(fs::is_directory(HelpRoot() / "Plorvane"));
}

TEST_F(HelpTest, ItemsThatCannotBeWrittenFailWithTheArchivesError) {
  // A name that would leave the help folder is refused.
  auto help = MakeHelp({{"index.html", "x"}, {"../escape.html", "y"}});
  EXPECT_FALSE(help->ShowPage("index.html"));
  EXPECT_EQ(help->LastError(), msg::kUnknownFormat);
  EXPECT_FALSE(fs::exists(HelpRoot() / "escape.html"));
}

TEST_F(HelpTest, ADamagedCarrierIsReportedAndGivesNoPages) {
  std::vector<std::uint8_t> carrier = test::CarrierOf(pages_);
  std::fill(carrier.begin() + 154, carrier.end(), 0xFF);
  THelp help(platform_, "Plorvane", carrier);
  EXPECT_EQ(help.LastError(), msg::kUnknownFormat);
  EXPECT_FALSE(help.ShowPage("index.html"));
  EXPECT_EQ(help.LastError(), msg::kFileNotFound);
}

TEST_F(HelpTest, AShellThatCannotOpenThePageIsAFailure) {
  auto help = MakeHelp(pages_);
  platform_.shell().SetSucceeds(false);
  EXPECT_FALSE(help->ShowPage("index.html"));
  EXPECT_EQ(help->LastError(), msg::kTaskFailed);
}

TEST_F(HelpTest, CleanupRemovesThePagesAndTheFolderSoTheNextRunInstallsAgain) {
  fs::path folder;
  {
    auto help = MakeHelp(pages_);
    folder = help->HelpFolder();
    ASSERT_TRUE(help->ShowPage("index.html"));
  }
  EXPECT_FALSE(fs::exists(folder));

  auto next_run = MakeHelp(pages_);
  ASSERT_TRUE(next_run->ShowPage("pic.jpg"));
  EXPECT_EQ(ReadTextFile(folder / "pic.jpg"), "JPEGBYTES");
}

}  // namespace
}  // namespace plorvane
