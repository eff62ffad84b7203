// Language tables as people write them, made into language files the shared table loads.
#include "support/language_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/translate.h"
#include "scratch_folder.h"

namespace plorvane {
namespace {

namespace fs = std::filesystem;

TEST(LanguageTableTest, LinesBecomeItemsInTheFormTranslateLooksUp) {
  TLanguage table;
  const LanguageTableResult result = ReadLanguageTable(
      "\xEF\xBB\xBF# a comment\r\n"
      "@language = Deutsch\r\n"
      "@note = made by hand\n"
      "\n"
      "   Save &As... = Speichern als...  \n"
      "&Edit = &Bearbeiten\n"
      "&File = &Datei\n"
      "Out of memory = Zu wenig Speicher\n"
      "Play = \n"
      "a = b = c\n"
      "\" Vumra\" = \" Vumra (DE)\"\n",
      table);
  ASSERT_TRUE(result.errors.empty()) << result.errors.front();
  EXPECT_EQ(result.untranslated, 1);
  EXPECT_EQ(table.pC, "Deutsch");
  EXPECT_EQ(table.note, "made by hand");
  EXPECT_EQ(table.Count(), 6);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Save &As...", "Speichern &als..."},  // the original's letter, and its dots once
      {"&Edit", "&Bearbeiten"},              // the translation's own shortcut, not a second one
      {"&File", "&Datei"},
      {"File", "Datei"},  // no shortcut asked for: none given
      {"Out of memory", "Zu wenig Speicher"},
      {"Play", "Play"},  // left in English
      {"a", "b = c"},
      {" Vumra", " Vumra (DE)"},  // quoted: the blank belongs to the text
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(TranslateWith(table, text), expected) << text;
}

TEST(LanguageTableTest, BadLinesAreReportedWithTheirNumbers) {
  TLanguage table;
  const LanguageTableResult result = ReadLanguageTable(
      "Save As = Speichern unter\n"
      "no separator here\n"
      " = nothing before\n"
      "save &as... = noch einmal\n"
      "@colour = rot\n"
      "&... = Punkte\n"
      "Gr\xFC\xDF" "e = not UTF-8\n",
      table);
  ASSERT_EQ(result.errors.size(), 6U) << ::testing::PrintToString(result.errors);
  EXPECT_EQ(result.errors[0], "line 2: no \"=\" between the original and its translation");
  EXPECT_EQ(result.errors[1], "line 3: the original text before \"=\" is empty");
  EXPECT_EQ(result.errors[2], "line 4: \"save as\" is translated already on line 1");
  EXPECT_EQ(result.errors[3], "line 5: unknown setting @colour (known: @language, @note)");
  EXPECT_NE(result.errors[4].find("line 6: "), std::string::npos);
  EXPECT_EQ(result.errors[5], "line 7: the line is not UTF-8 text");
}

TEST(LanguageTableTest, MoreThanATableHoldsIsAnError) {
  std::string text;
  for (int i = 0; i <= TLanguage::kCapacity; ++i) text += "text " + std::to_string(i) + " = t\n";
  TLanguage table;
  const LanguageTableResult result = ReadLanguageTable(text, table);
  ASSERT_EQ(result.errors.size(), 1U);
  EXPECT_EQ(result.errors[0], "line 4001: more than 4000 translations");
}

class LanguageFileWritingTest : public ::testing::Test {
 protected:
  test::ScratchFolder folder_;
};

TEST_F(LanguageFileWritingTest, AWrittenFileLoadsBackWithEveryItem) {
  TLanguage table;
  ASSERT_TRUE(ReadLanguageTable("@language = Deutsch\nExit = Beenden\nSend To Desktop... = Auf den Desktop\n", table)
                  .errors.empty());
  const std::string path = folder_.File("out.llf");
  std::string error;
  ASSERT_TRUE(WriteLanguageFile(table, path, error)) << error;
  TLanguage back;
  ASSERT_TRUE(back.LoadFromFile(path, 0)) << back.LastError();
  EXPECT_EQ(back.pC, "Deutsch");
  EXPECT_EQ(TranslateWith(back, "E&xit"), "Beenden");
  EXPECT_EQ(TranslateWith(back, "Send To Desktop..."), "Auf den Desktop...");
  for (const auto& entry : fs::directory_iterator(folder_.path())) {
    EXPECT_EQ(entry.path().filename(), "out.llf") << "nothing is left beside the file";
  }
}

TEST_F(LanguageFileWritingTest, AFileThatCannotBeWrittenSaysWhyAndLeavesNothing) {
  TLanguage table;
  table.AddItem("Exit", "Beenden");
  std::string error;
  EXPECT_FALSE(WriteLanguageFile(table, folder_.File("missing/out.llf"), error));
  EXPECT_NE(error.find("missing/out.llf"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(folder_.File("missing")));
}

}  // namespace
}  // namespace plorvane
