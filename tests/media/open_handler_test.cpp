#include "media/open_handler.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/headless_platform.h"
#include "scratch_folder.h"
#include "support/paths.h"
#include "support/temp_home.h"

namespace plorvane {
namespace {

class OpenHandlerTest : public ::testing::Test {
 protected:
  const FileDialogRequest& LastRequest() { return platform_.dialogs().file_dialogs().back(); }

  // Made in the real temporary folder, before the test's own home replaces it.
  test::ScratchFolder folder_;
  testing::TempHome home_;
  HeadlessPlatform platform_;
  TOpenHandler handler_{platform_.dialogs()};
  TDialogSpec spec_{"exe", {}, "Cards (*.exe)|*.exe|All|*.*", 1, folder_.File("old card.exe")};
};

TEST_F(OpenHandlerTest, SaveProposesTheRememberedNameInItsFolder) {
  platform_.dialogs().ScriptFileChoice(folder_.File("new.exe"), 2);
  std::string chosen;
  ASSERT_TRUE(handler_.Execute(spec_, OpenDialogKind::kSave, chosen));
  EXPECT_EQ(chosen, folder_.File("new.exe"));
  EXPECT_EQ(spec_.FilterIndex, 2);
  EXPECT_EQ(LastRequest().kind, FileDialogKind::kSave);
  EXPECT_EQ(LastRequest().file_name, "old card.exe");
  EXPECT_EQ(LastRequest().initial_folder, folder_.path());
  EXPECT_EQ(LastRequest().default_extension, "exe");
}

TEST_F(OpenHandlerTest, OpenStartsWithAnEmptyNameInTheGivenFolder) {
  platform_.dialogs().ScriptFileCancel();
  std::string chosen = "stale";
  EXPECT_FALSE(handler_.Execute(spec_, OpenDialogKind::kOpen, chosen, "/"));
  EXPECT_TRUE(chosen.empty());
  EXPECT_TRUE(LastRequest().file_name.empty());
  EXPECT_EQ(LastRequest().initial_folder, "/");
}

TEST_F(OpenHandlerTest, MissingFolderFallsBackToTheSettingsRoot) {
  spec_.FileName = folder_.File("gone/card.exe");
  std::string chosen;
  handler_.Execute(spec_, OpenDialogKind::kOpen, chosen);
  EXPECT_EQ(LastRequest().initial_folder, Paths().WindowsFolder());
  EXPECT_FALSE(LastRequest().initial_folder.empty());
}

TEST_F(OpenHandlerTest, PictureDialogThatFailsIsRetriedPlain) {
  platform_.dialogs().ScriptFileFailure();
  platform_.dialogs().ScriptFileChoice(folder_.File("sky.jpg"));
  std::string chosen;
  ASSERT_TRUE(handler_.Execute(spec_, OpenDialogKind::kOpenPicture, chosen));
  EXPECT_EQ(chosen, folder_.File("sky.jpg"));
  const auto& requests = platform_.dialogs().file_dialogs();
  ASSERT_EQ(requests.size(), 2U);
  EXPECT_TRUE(requests[0].picture_preview);
  EXPECT_FALSE(requests[1].picture_preview);
  EXPECT_EQ(requests[1].kind, FileDialogKind::kOpen);

  // A plain dialog that fails is not retried.
  platform_.dialogs().ScriptFileFailure();
  EXPECT_FALSE(handler_.Execute(spec_, OpenDialogKind::kSave, chosen));
  EXPECT_EQ(platform_.dialogs().file_dialogs().size(), 3U);
}

}  // namespace
}  // namespace plorvane
