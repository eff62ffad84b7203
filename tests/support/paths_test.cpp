#include "support/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/folders.h"
#include "support/temp_home.h"
#include "support/xdg_folders.h"

namespace plorvane {
namespace {

namespace fs = std::filesystem;
using testing::ReadTextFile;
using testing::TempHome;
using testing::WriteTextFile;

TEST(PathsText, WithBackslashAppendsOnlyWhenMissing) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"", "/"}, {"/tmp", "/tmp/"}, {"/tmp/", "/tmp/"}, {"a//", "a//"}};
  for (const auto& c : cases) EXPECT_EQ(TPaths::WithBackslash(c.in), c.out) << c.in;
}

TEST(PathsText, StripExtensionDropsOnlyTheLastExtensionOfTheFileName) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"card.v2.exe", "card.v2"},     {"README", "README"}, {"/a.b/file", "/a.b/file"},
               {"/a.b/file.txt", "/a.b/file"}, {"dot.", "dot"},      {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(TPaths::StripExtension(c.in), c.out) << c.in;
}

TEST(PathsText, ClampLetsHighWinOverLow) {
  EXPECT_EQ(TPaths::Clamp(5, 10, 3), 3);
  EXPECT_EQ(TPaths::Clamp(-4, 0, 9), 0);
  EXPECT_EQ(TPaths::Clamp(12, 0, 9), 9);
  EXPECT_EQ(TPaths::Clamp(7, 0, 9), 7);
}

TEST(PathsFolders, TreesLiveUnderTheXdgFolders) {
  TempHome home;
  const std::string menu = home.root() + "/data/Vumra Enterprises/";
  const std::string settings = home.root() + "/config/Vumra Enterprises/";

  EXPECT_EQ(Paths().MenuFolder("Pictures", false), menu + "Pictures/");
  EXPECT_FALSE(DirectoryExists(menu + "Pictures/"));
  EXPECT_EQ(Paths().MenuFolder("Pictures"), menu + "Pictures/");
  EXPECT_TRUE(DirectoryExists(menu + "Pictures/"));
  EXPECT_EQ(Paths().MenuFolder("", false), menu);

  EXPECT_EQ(Paths().SettingsPath("TEMP"), settings + "TEMP/");
  EXPECT_FALSE(DirectoryExists(settings + "TEMP/"));
  EXPECT_EQ(Paths().SettingsFolder("Settings"), settings + "Settings/");
  EXPECT_TRUE(DirectoryExists(settings + "Settings/"));

  EXPECT_EQ(Paths().ClipboardObjectFile("SAN"), menu + "Clipboard/clipboard-object-SAN.SAN");
  EXPECT_EQ(Paths().TempFolder(), home.root() + "/tmp/");
}

TEST(PathsFolders, FallBackToHomeWhenXdgVariablesAreUnsetOrRelative) {
  TempHome home;
  home.Set("XDG_CONFIG_HOME", std::nullopt);
  home.Set("XDG_DATA_HOME", "relative/data");
  home.Set("TMPDIR", std::nullopt);
  EXPECT_EQ(Paths().WindowsFolder(), home.root() + "/.config/");
  EXPECT_EQ(Paths().ProgramsFolder(), home.root() + "/.local/share/");
  EXPECT_EQ(Paths().FontsFolder(), home.root() + "/.local/share/fonts/");
  EXPECT_EQ(Paths().TempFolder(), "/tmp/");
  EXPECT_EQ(Paths().FavoritesFolder(), "");
  EXPECT_EQ(Paths().SendToFolder(), "");
  EXPECT_EQ(Paths().SpecialFolder(37), "");
}

TEST(PathsFolders, DesktopComesFromUserDirsWithHomeExpanded) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n", "/home/u/Schreibtisch/"},
      {"XDG_DESKTOP_DIR=\"/srv/desk\"\r\n", "/srv/desk/"},
      {"XDG_DESKTOP_DIR=\"$HOME\"\n", "/home/u/"},
      {"XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n", ""},
      {"XDG_DESKTOP_DIR=\"$HOMEWORK/x\"\n", ""},
      {"XDG_DESKTOP_DIR=\"relative\"\n", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(xdg::DesktopDirFromUserDirs(c.text, "/home/u/"), c.expected) << c.text;

  TempHome home;
  EXPECT_EQ(Paths().DesktopFolder(), home.root() + "/Desktop/");
  ForceFolders(home.root() + "/config");
  WriteTextFile(home.root() + "/config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
  EXPECT_EQ(Paths().DesktopFolder(), home.root() + "/Bureau/");
}

TEST(PathsFiles, DeleteFileIfPresentRemovesReadOnlyFiles) {
  TempHome home;
  const std::string file = home.root() + "/locked.txt";
  WriteTextFile(file, "x");
  ::chmod(file.c_str(), 0444);
  EXPECT_TRUE(Paths().DeleteFileIfPresent(file));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(Paths().DeleteFileIfPresent(file));
  EXPECT_FALSE(Paths().DeleteFileIfPresent(home.root()));
}

TEST(PathsFiles, CopyFileToReplacesTargetAndKeepsItWhenSourceIsMissing) {
  TempHome home;
  const std::string source = home.root() + "/card.exe";
  const std::string target = home.root() + "/new/folder/card.exe";
  WriteTextFile(source, "new content");
  ::chmod(source.c_str(), 0755);
  ForceFolders(home.root() + "/new/folder");
  WriteTextFile(target, "old");
  ::chmod(target.c_str(), 0444);

  EXPECT_FALSE(Paths().CopyFileTo(home.root() + "/missing", target));
  EXPECT_EQ(ReadTextFile(target), "old");

  EXPECT_TRUE(Paths().CopyFileTo(source, target));
  EXPECT_EQ(ReadTextFile(target), "new content");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
  EXPECT_EQ(std::distance(fs::directory_iterator(home.root() + "/new/folder"), fs::directory_iterator()), 1);

  EXPECT_TRUE(Paths().CopyFileTo(source, home.root() + "/made/on/demand/card.exe"));
  EXPECT_EQ(ReadTextFile(home.root() + "/made/on/demand/card.exe"), "new content");
}

TEST(PathsFiles, TempFileNamesAreNewPrivateFiles) {
  TempHome home;
  std::set<std::string> names;
  for (int i = 0; i < 200; ++i) {
    const std::string name = Paths().TempFileName("ZMP");
    ASSERT_TRUE(name.starts_with(home.root() + "/tmp/")) << name;
    ASSERT_TRUE(name.ends_with(".ZMP"));
    EXPECT_EQ(fs::status(name).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 200U);
  EXPECT_EQ(Paths().TempFileName("../x"), "");
}

TEST(PathsFiles, UniqueTokenHasFiveFieldsAndAnAdvancingCounter) {
  const auto fields = [](const std::string& token) {
    std::vector<std::string> parts(1);
    for (const char c : token) {
      if (c == '=') {
        parts.emplace_back();
      } else {
        parts.back().push_back(c);
      }
    }
    return parts;
  };
  const auto first = fields(Paths().UniqueToken());
  const auto second = fields(Paths().UniqueToken());
  ASSERT_EQ(first.size(), 5U);
  ASSERT_EQ(second.size(), 5U);
  EXPECT_EQ(std::stoul(second[4]), (std::stoul(first[4]) + 1) % 2'147'483'647UL);
  EXPECT_EQ(first[0], std::to_string(Paths().VolumeSerial('C')));
  EXPECT_EQ(Paths().VolumeSerial('C'), Paths().VolumeSerial('c'));
  EXPECT_EQ(Paths().VolumeSerial('D'), 0U);
}

TEST(PathsFiles, VolumeControlProgramIsTheFirstExecutableFoundOnPath) {
  TempHome home;
  const std::string bin = home.root() + "/bin";
  ForceFolders(bin);
  home.Set("PATH", ":" + bin);
  EXPECT_EQ(Paths().VolumeControlProgram(), "");

  WriteTextFile(bin + "/pavucontrol", "");  // not executable
  WriteTextFile(bin + "/pavucontrol-qt", "");
  ::chmod((bin + "/pavucontrol-qt").c_str(), 0755);
  EXPECT_EQ(Paths().VolumeControlProgram(), bin + "/pavucontrol-qt");
  ::chmod((bin + "/pavucontrol").c_str(), 0755);
  EXPECT_EQ(Paths().VolumeControlProgram(), bin + "/pavucontrol");
}

TEST(Folders, ForceFoldersMakesTheWholeChain) {
  TempHome home;
  const std::string deep = home.root() + "/a/b/c/d/";
  EXPECT_TRUE(ForceFolders(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_TRUE(ForceFolders(deep));

  WriteTextFile(home.root() + "/file", "x");
  EXPECT_FALSE(ForceFolders(home.root() + "/file/below"));
  EXPECT_FALSE(DirectoryExists(home.root() + "/file"));
}

}  // namespace
}  // namespace plorvane
