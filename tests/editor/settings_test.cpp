// The settings file and the library extraction between starts.
#include <filesystem>

#include "editor/settings_file.h"
#include "editor_fixture.h"

namespace plorvane::test {
namespace {

TEST(IniFileTest, ReadsSectionsAndKeysWithoutRegardToCaseAndSkipsNoise) {
  IniFile file;
  file.Parse("junk before any section\r\n[settings]\r\nOUTLINE = 2 \r\n=nokey\nno equals\n[Version]\nSupportFiles=x=y\n");
  EXPECT_EQ(file.Read("Settings", "OutLine"), " 2");
  EXPECT_EQ(file.Read("Version", "supportfiles"), "x=y");
  EXPECT_EQ(file.Read("Version", "Version"), std::nullopt);
  EXPECT_EQ(file.Read("Other", "OutLine"), std::nullopt);
  file.Write("Settings", "OnTop", "1");
  file.Write("settings", "outline", "0");
  IniFile again;
  again.Parse(file.Text());
  EXPECT_EQ(again.Read("Settings", "OutLine"), "0");
  EXPECT_EQ(again.Read("Settings", "OnTop"), "1");
  EXPECT_EQ(again.Read("Version", "SupportFiles"), "x=y");
}

TEST_F(EditorTest, FirstStartExtractsTheLibraryAndWritesTheSettings) {
  Start();
  EXPECT_EQ(testing::ReadTextFile(Library("Pictures") + "Sample.bmp"), "BM sample");
  EXPECT_EQ(testing::ReadTextFile(Library("Sounds") + "Tune.mid"), "MThd");
  EXPECT_EQ(testing::ReadTextFile(MakerFolder() + "ReadMe.txt"), "hello");
  EXPECT_EQ(testing::ReadTextFile(SettingsFile()),
            "[Settings]\nOutLine=0\nOnTop=0\n\n[Version]\nVersion=2.00.1390\nSupportFiles=2.00.1381\n\n");
}

TEST_F(EditorTest, LaterStartsExtractOnlyWhenTheSettingsSayso) {
  Start();
  const std::string sample = Library("Pictures") + "Sample.bmp";
  std::filesystem::remove(sample);
  form_.reset();
  Start();
  EXPECT_FALSE(std::filesystem::exists(sample));  // second start: nothing extracted

  // Without the settings file the next start extracts again, keeping what is there.
  testing::WriteTextFile(Library("Sounds") + "Tune.mid", "changed by the user");
  std::filesystem::remove(SettingsFile());
  form_.reset();
  Start();
  EXPECT_TRUE(std::filesystem::exists(sample));
  EXPECT_EQ(testing::ReadTextFile(Library("Sounds") + "Tune.mid"), "changed by the user");
  EXPECT_TRUE(std::filesystem::exists(SettingsFile()));
}

struct SettingsCase {
  const char* name;
  const char* content;
  int outline;
  bool on_top;
  bool extracts;
};

class SettingsReadTest : public EditorTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsReadTest, TheSettingsFileGivesItsValuesOrTheDefaults) {
  const SettingsCase& c = GetParam();
  std::filesystem::create_directories(std::filesystem::path(SettingsFile()).parent_path());
  testing::WriteTextFile(SettingsFile(), c.content);
  TForm1& form = Start();
  EXPECT_EQ(form.Card().Animations().OutlineMode(), c.outline);
  EXPECT_EQ(form.GetOnTop(), c.on_top);
  EXPECT_EQ(std::filesystem::exists(Library("Pictures") + "Sample.bmp"), c.extracts);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsReadTest,
    ::testing::Values(
        SettingsCase{"Current", "[Settings]\nOutLine=2\nOnTop=1\n[Version]\nSupportFiles=2.00.1381\n", 2, true, false},
        SettingsCase{"OnTopWord", "[Settings]\nOnTop=true\n[Version]\nSupportFiles=2.00.1381\n", 0, false, false},
        SettingsCase{"OutlineRounded", "[Settings]\nOutLine=0.6\n[Version]\nSupportFiles=2.00.1381\n", 1, false,
                     false},
        SettingsCase{"OtherVersion", "[Version]\nSupportFiles=2.00.1000\n", 0, false, true},
        SettingsCase{"Garbage", "\x01\x02garbage]]][[\n=\n\xff\xfe", 0, false, true}),
    CaseName<SettingsCase>);

TEST_F(EditorTest, ExtractSupportFilesAsksFirst) {
  Start();
  const std::string sample = Library("Pictures") + "Sample.bmp";
  std::filesystem::remove(sample);
  platform_.dialogs().ScriptMessageAnswer(MessageAnswer::kCancel);
  ASSERT_TRUE(Pick("&File", "Extract Support Fi&les..."));
  EXPECT_FALSE(std::filesystem::exists(sample));
  platform_.dialogs().ScriptMessageAnswer(MessageAnswer::kYes);
  ASSERT_TRUE(Pick("&File", "Extract Support Fi&les..."));
  EXPECT_TRUE(std::filesystem::exists(sample));
  EXPECT_EQ(platform_.dialogs().messages().back().text, "Extract Support Files?");
  EXPECT_EQ(platform_.dialogs().messages().back().buttons, MessageButtons::kYesCancel);
}

TEST_F(EditorTest, HelpViewFolderAndHelpPagesGoToTheShell) {
  Start();
  ASSERT_TRUE(Pick("&Help", "&Help"));
  ASSERT_TRUE(Pick("&Picture", "Vie&w Folder"));
  ASSERT_TRUE(Pick("&Help", "&Home Page"));
  const auto& opened = platform_.shell().opened_documents();
  ASSERT_EQ(opened.size(), 3U);
  EXPECT_TRUE(opened[0].ends_with("/index.html")) << opened[0];
  EXPECT_TRUE(std::filesystem::exists(opened[0])) << opened[0];
  EXPECT_EQ(opened[1], Library("Pictures"));
  EXPECT_EQ(opened[2], opened[0]);
  EXPECT_TRUE(platform_.dialogs().error_boxes().empty());
}

// The test's help set holds only the index: the other pages are looked for in the help folder
// and reported missing, nothing going to the shell.
TEST_F(EditorTest, HelpPagesMissingFromTheSetAreReportedAsNotFound) {
  Start();
  ASSERT_TRUE(Pick("&Help", "&Support"));
  ASSERT_TRUE(Pick("&Help", "Send &Feedback"));
  ASSERT_TRUE(Pick("&File", "A&dditional Resources..."));
  EXPECT_TRUE(platform_.shell().opened_documents().empty());
  const auto& errors = platform_.dialogs().error_boxes();
  ASSERT_EQ(errors.size(), 3U);
  for (const auto& error : errors) EXPECT_EQ(error.text, "File not found");
}

}  // namespace
}  // namespace plorvane::test
