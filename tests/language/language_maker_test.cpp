// The template of texts and the language-file maker: what the template holds, and a template
// made into a language file that the shared table loads with every text found.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "language/translate_log.h"
#include "media/splash_texts.h"
#include "scratch_folder.h"
#include "support/scramble.h"
#include "support/translate.h"

namespace plorvane {
namespace {

namespace fs = std::filesystem;

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Each template line filled with a translation made from its text.
std::string FilledTemplate(std::map<std::string, std::string>& translations) {
  std::string filled;
  std::istringstream lines(TemplateTable());
  for (std::string line; std::getline(lines, line);) {
    if (line.ends_with(" = ") && !line.starts_with("@")) {
      std::string original = line.substr(0, line.size() - 3);
      if (original.front() == '"') original = original.substr(1, original.size() - 2);
      const std::string key = LookupKey(original);
      translations[key] = "<" + key + ">";
      line += translations[key];
    }
    filled += line + "\n";
  }
  return filled;
}

TEST(TextCatalogueTest, EachTextIsOnceInAFormATableLineCanHold) {
  const std::vector<CatalogueText> texts = TextCatalogue();
  std::set<std::string> seen;
  for (const CatalogueText& text : texts) {
    EXPECT_TRUE(seen.insert(text.key).second) << text.key;
    EXPECT_EQ(LookupKey(text.shown), text.key);
    EXPECT_EQ(text.shown.find('='), std::string::npos) << text.shown;
    EXPECT_NE(text.shown.front(), '#') << text.shown;
    EXPECT_NE(text.shown.front(), '"') << text.shown;
    EXPECT_NE(text.shown.front(), '@') << text.shown;
  }
  // One from each kind of source: menus, tool bar, filters, errors, player, about screen, tool windows.
  for (const std::string& key : std::vector<std::string>{"Save As", "Select Picture from file", "Enhanced Windows Metafile", "Data corrupt",
                                "Send To Start Button", ScrambleText(splash_texts::kVersionLabel, false),
                                "Scroll Vertically", "Word Wrap", "Font", "Copy as Text", "Paste with Compression"}) {
    EXPECT_EQ(seen.count(key), 1U) << key;
  }
  EXPECT_EQ(seen.count("2"), 0U) << "numbers alone need no translation";
}

TEST(TextCatalogueTest, ATemplateFilledInAndMadeIntoAFileFindsEveryText) {
  std::map<std::string, std::string> translations;
  TLanguage table;
  const LanguageTableResult result = ReadLanguageTable(FilledTemplate(translations), table);
  ASSERT_TRUE(result.errors.empty()) << result.errors.front();
  EXPECT_EQ(result.untranslated, 0);
  ASSERT_EQ(static_cast<std::size_t>(table.Count()), TextCatalogue().size());

  test::ScratchFolder folder;
  std::string error;
  ASSERT_TRUE(WriteLanguageFile(table, folder.File("all.llf"), error)) << error;
  TLanguage loaded;
  ASSERT_TRUE(loaded.LoadFromFile(folder.File("all.llf"), 0)) << loaded.LastError();
  for (const CatalogueText& text : TextCatalogue()) {
    std::string found = text.key;
    ASSERT_TRUE(loaded.Lookup(found)) << text.key;
    EXPECT_EQ(found, translations[text.key]);
  }
}

class LanguageMakerProgramTest : public ::testing::Test {
 protected:
  // Runs the maker with its settings folder in the scratch folder; answers its exit code.
  int Run(const std::string& arguments) {
    const std::string command ="XDG_CONFIG_HOME='" + folder_.File("config") + "' '" PLORVANE_LANGUAGE_MAKER "' " +
                                arguments + " >'" + folder_.File("out.txt") + "' 2>'" + folder_.File("err.txt") + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  [[nodiscard]] std::string Errors() const { return FileText(folder_.File("err.txt")); }

  test::ScratchFolder folder_;
};

TEST_F(LanguageMakerProgramTest, TemplateThenMakeInstallsTheFileTheProgramsLoad) {
  ASSERT_EQ(Run("template '" + folder_.File("template.txt") + "'"), 0) << Errors();
  EXPECT_EQ(FileText(folder_.File("template.txt")), TemplateTable());
  ASSERT_EQ(Run("template"), 0);
  EXPECT_EQ(FileText(folder_.File("out.txt")), TemplateTable());

  std::ofstream(folder_.File("table.txt")) << "@language = Deutsch\nE&xit = Beenden\nPlay = \n";
  ASSERT_EQ(Run("make '" + folder_.File("table.txt") + "'"), 0) << Errors();
  EXPECT_NE(FileText(folder_.File("out.txt")).find("Deutsch, 1 translated, 1 left in English"), std::string::npos);
  TLanguage installed;
  ASSERT_TRUE(installed.LoadFromFile(folder_.File("config/Vumra Enterprises/Settings/language.llf"), 0));
  EXPECT_EQ(TranslateWith(installed, "E&xit"), "Beenden");
}

TEST_F(LanguageMakerProgramTest, ATableWithBadLinesWritesNothingAndSaysWhichLines) {
  const std::string out = folder_.File("out.llf");
  std::ofstream(out) << "the file that was there";
  std::ofstream(folder_.File("bad.txt")) << "Exit = Beenden\nPlay Abspielen\n";
  EXPECT_EQ(Run("make '" + folder_.File("bad.txt") + "' '" + out + "'"), 1);
  EXPECT_NE(Errors().find("line 2: no \"=\""), std::string::npos) << Errors();
  EXPECT_EQ(FileText(out), "the file that was there");

  EXPECT_EQ(Run("make '" + folder_.File("missing.txt") + "'"), 1);
  EXPECT_NE(Errors().find("File not found"), std::string::npos) << Errors();
  EXPECT_EQ(Run("translate"), 2) << "an unknown command shows the usage";
  EXPECT_NE(Errors().find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace plorvane
