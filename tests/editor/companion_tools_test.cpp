// The Tools menu's companions: offered exactly while their programs are installed, started from
// their own folders, and the two the editor brings along written out at start when missing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "editor/companion_tools.h"
#include "editor_fixture.h"

namespace plorvane {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kToolsMenu = "&File > Too&ls";

std::string Install(const CompanionTool& tool, std::string_view content = "a program") {
  const std::string path = ToolPath(tool.name).path;
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << content;
  return path;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

class CompanionToolsTest : public test::EditorTest {
 protected:
  // The editor as built, with both companions in its critical carrier.
  TForm1& StartWithCompanions() {
    EditorCarriers carriers = test::TestCarriers();
    carriers.critical = test::Carrier({{"A.EXE", test::PlayerImage()},
                                       {"plorvane-print.exe", test::Bytes("print companion")},
                                       {"Plorvane-Language.EXE", test::Bytes("language maker")}});
    form_ = MakeForm(std::move(carriers));
    EXPECT_TRUE(form_->FormCreate());
    return *form_;
  }
  bool Enabled(const CompanionTool& tool) { return ItemEnabled(std::string(kToolsMenu), std::string(tool.caption)); }
};

TEST_F(CompanionToolsTest, EachItemIsEnabledExactlyWhileItsProgramIsThere) {
  Start();
  const auto& tools = CompanionTools();
  for (const CompanionTool& tool : tools) EXPECT_FALSE(Enabled(tool)) << tool.caption;

  Install(tools[2]);
  fs::create_directories(ToolPath(tools[5].name).path);  // a folder of the program's name is no program
  for (std::size_t i = 0; i < tools.size(); ++i) EXPECT_EQ(Enabled(tools[i]), i == 2) << tools[i].caption;

  fs::remove(ToolPath(tools[2].name).path);
  EXPECT_FALSE(Enabled(tools[2])) << "checked anew each time the menu opens";
}

TEST_F(CompanionToolsTest, AnItemStartsItsProgramFromTheProgramsOwnFolder) {
  Start();
  const CompanionTool& tool = CompanionTools()[6];
  const std::string program = Install(tool);
  ASSERT_TRUE(Pick(std::string(kToolsMenu), std::string(tool.caption)));
  ASSERT_EQ(platform_.shell().started_programs().size(), 1U);
  const auto& started = platform_.shell().started_programs().front();
  EXPECT_EQ(started.program, program);
  EXPECT_TRUE(started.arguments.empty());
  EXPECT_EQ(fs::path(started.working_folder), fs::path(program).parent_path() / "");
}

TEST(ToolPathTest, NamesAndShortNamesInAnyCaseFindTheSameProgram) {
  testing::TempHome home;
  const ToolLocation full = ToolPath("print companion");
  EXPECT_EQ(full.path, Paths().MenuFolder("", false) + "Print/plorvane-print.exe");
  EXPECT_EQ(ToolPath("PRINT").path, full.path);
  EXPECT_EQ(ToolPath(kLanguageMakerTool).path, Paths().MenuFolder("", false) + "Language/plorvane-language.exe");
  const ToolLocation unknown = ToolPath("Picture Trimmer");
  EXPECT_TRUE(unknown.path.empty());
  EXPECT_FALSE(unknown.found);
  // Every installed file name is told apart, so a carrier item finds exactly one tool.
  for (const CompanionTool& tool : CompanionTools()) EXPECT_EQ(ToolOfFile(ToolFileName(tool)), &tool);
}

TEST_F(CompanionToolsTest, StartWritesMissingCompanionsStartableAndLeavesExistingOnes) {
  StartWithCompanions();
  const std::string print = ToolPath(kPrintCompanionTool).path;
  const std::string maker = ToolPath(kLanguageMakerTool).path;
  EXPECT_EQ(FileText(print), "print companion");
  EXPECT_EQ(FileText(maker), "language maker");
  for (const std::string& program : {print, maker}) {
    struct stat info {};
    ASSERT_EQ(::stat(program.c_str(), &info), 0) << program;
    EXPECT_EQ(info.st_mode & 0777, 0755U) << program;
  }
  EXPECT_TRUE(ItemEnabled(std::string(kToolsMenu), "&Print Companion"));
  EXPECT_TRUE(ItemEnabled(std::string(kToolsMenu), "&Language File Maker"));
  form_.reset();

  fs::remove(print);
  std::ofstream(maker) << "the user's own build";
  StartWithCompanions();
  EXPECT_EQ(FileText(print), "print companion") << "a removed companion is written again";
  EXPECT_EQ(FileText(maker), "the user's own build") << "an existing one is left alone";
}

}  // namespace
}  // namespace plorvane
