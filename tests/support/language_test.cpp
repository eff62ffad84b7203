#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "streaming/memory_stream.h"
#include "streaming/object_stream.h"
#include "streaming/record_writer.h"
#include "support/language.h"
#include "support/messages.h"
#include "support/scramble.h"
#include "support/translate.h"
#include "scratch_folder.h"

namespace plorvane {
namespace {

TLanguage French() {
  TLanguage table;
  table.pC = "Francais";
  table.AddItem("Send To Desktop", "Envoyer au bureau");
  table.AddItem("File", "Fichier");
  table.AddItem("Save As", "Enregistrer sous");
  table.AddItem("Exit", "Quitter");
  table.AddItem("Out of memory", "Memoire insuffisante");
  return table;
}

struct TranslateCase {
  std::string text;
  std::string expected;
};

TEST(TranslateTest, LinesShortcutsAndTrailingDots) {
  const TLanguage table = French();
  const std::vector<TranslateCase> cases = {
      {"Send To Desktop...", "Envoyer au bureau..."},
      {"send to desktop", "Envoyer au bureau"},  // the lookup ignores case
      {"&File", "&Fichier"},
      {"E&xit", "Quitter"},  // no "x" in the translation: the shortcut is dropped
      {"Save &As...", "Enregistrer sous..."},
      {"Exit, ", "Quitter, "},
      {"Out of memory\rExit", "Memoire insuffisante\r\nQuitter"},
      {"File\r\nUnknown line", "Fichier\r\nUnknown line"},
      {"Not &in the table...", "Not &in the table..."},
      {"...", "..."},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TranslateWith(table, c.text), c.expected) << c.text;
}

TEST(TranslateTest, WithoutATableEveryTextComesBackUnchanged) {
  const TLanguage english;
  EXPECT_EQ(english.pC, "English");
  for (const std::string text : {"Save &As...", "A program exists with that name\rUse another", "", " , ."}) {
    EXPECT_EQ(TranslateWith(english, text), text);
  }
}

TEST(LanguageTest, IndexOfIsCaseBlindAndEmptyTextIsNeverFound) {
  const TLanguage table = French();
  EXPECT_EQ(table.IndexOf("FILE"), 1);
  EXPECT_EQ(table.IndexOf("Fil"), -1);
  EXPECT_EQ(table.IndexOf(""), -1);
}

class LanguageFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  }

  std::string Save(const TLanguage& table) {
    MemoryStream stream;
    EXPECT_TRUE(table.SaveToStream(stream));
    const auto file = folder_ / "file.llf";
    std::ofstream(file, std::ios::binary) << stream.AsString();
    return file;
  }

  test::ScratchFolder scratch_;
  const std::filesystem::path folder_{scratch_.path()};
};

TEST_F(LanguageFileTest, SavedTableLoadsBackAndItsTextsAreScrambled) {
  TLanguage table = French();
  table.pP = "carried text";
  table.note = "a note";
  const std::string file = Save(table);

  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(bytes.find("Desktop"), std::string::npos);
  EXPECT_EQ(bytes.find("a note"), std::string::npos);

  TLanguage back;
  ASSERT_TRUE(back.LoadFromFile(file, -3)) << back.LastError();
  EXPECT_EQ(back.pC, "Francais");
  EXPECT_EQ(back.pP, "carried text");
  EXPECT_EQ(back.note, "a note");
  EXPECT_EQ(back.Count(), 5);
  EXPECT_EQ(TranslateWith(back, "&File"), "&Fichier");
}

TEST_F(LanguageFileTest, AnItemWithoutTranslationTranslatesToNothing) {
  TLanguage table;
  table.AddItem("Play", "");
  TLanguage back;
  ASSERT_TRUE(back.LoadFromFile(Save(table), 0));
  ASSERT_EQ(back.Count(), 1);
  EXPECT_EQ(TranslateWith(back, "Play..."), "...");
}

TEST_F(LanguageFileTest, MoreThanFourThousandItemsLoadTheFirstFourThousand) {
  TLanguage full;
  for (int i = 0; i < TLanguage::kCapacity; ++i) ASSERT_TRUE(full.AddItem("text " + std::to_string(i), "t"));
  EXPECT_FALSE(full.AddItem("one more", "x"));

  // No writer of the system makes such a file, so build its record by hand.
  MemoryStream block;
  for (int i = 0; i < TLanguage::kCapacity + 100; ++i) {
    TLI item;
    item.X = "item " + std::to_string(i);
    item.Y = "y";
    ASSERT_TRUE(WriteObject(block, item));
  }
  MemoryStream file;
  RecordWriter writer(file);
  writer.BeginRecord("TLanguage");
  writer.String("pI", block.AsString());
  writer.EndRecord();
  const auto path = folder_ / "big.llf";
  std::ofstream(path, std::ios::binary) << file.AsString();

  TLanguage back;
  ASSERT_TRUE(back.LoadFromFile(path, 0)) << back.LastError();
  EXPECT_EQ(back.Count(), TLanguage::kCapacity);
}

TEST_F(LanguageFileTest, DamagedOrMissingFilesLeaveAnEmptyEnglishTable) {
  TLanguage table = French();
  const std::string file = Save(table);
  std::filesystem::resize_file(file, std::filesystem::file_size(file) - 5);

  TLanguage back = French();
  EXPECT_FALSE(back.LoadFromFile(file, 0));
  EXPECT_EQ(back.LastError(), msg::kUnsupportedFormat);
  EXPECT_EQ(back.Count(), 0);
  EXPECT_EQ(back.pC, "English");

  EXPECT_FALSE(back.LoadFromFile((folder_ / "missing.llf").string(), 0));
  EXPECT_EQ(back.LastError(), msg::kFileNotFound);
}

TEST_F(LanguageFileTest, LanguageFileOfTheSettingsFolderIsOptional) {
  TLanguage table = French();
  EXPECT_TRUE(table.LoadLanguageFile());
  EXPECT_EQ(table.Count(), 0);

  const auto settings = folder_ / "Vumra Enterprises" / "Settings";
  std::filesystem::create_directories(settings);
  std::filesystem::copy_file(Save(French()), settings / "language.llf");
  ASSERT_TRUE(table.LoadLanguageFile()) << table.LastError();
  EXPECT_EQ(table.Count(), 5);
}

// A language file whose keys were scrambled with key-keys of another build.
std::string OtherKeysFile() {
  constexpr std::string_view kKeyA = "another key a of some other build 0123456789 abcdefgh";
  constexpr std::string_view kKeyB = "another key b of some other build 0123456789 abcdef";
  MemoryStream block;
  TLI item;
  item.X = Scramble("File", kKeyA, 0);
  item.Y = Scramble("Datei", kKeyB, 0);
  EXPECT_TRUE(WriteObject(block, item));
  MemoryStream file;
  RecordWriter writer(file);
  writer.BeginRecord("TLanguage");
  writer.String("pC", "Deutsch");
  writer.String("pA", Scramble(kKeyA, "other key-key a", 1));
  writer.String("pB", Scramble(kKeyB, "other key-key b", 1));
  writer.String("pI", block.AsString());
  writer.EndRecord();
  return file.AsString();
}

TEST_F(LanguageFileTest, AFileWrittenWithOtherKeysLeavesAnEmptyEnglishTable) {
  const auto path = folder_ / "other.llf";
  std::ofstream(path, std::ios::binary) << OtherKeysFile();
  TLanguage back = French();
  EXPECT_FALSE(back.LoadFromFile(path, 0));
  EXPECT_EQ(back.LastError(), msg::kUnsupportedFormat);
  EXPECT_EQ(back.Count(), 0);
  EXPECT_EQ(back.pC, "English");
}

// Translate's shared table is loaded once per process, so each file is tried in a process of
// its own: the child exits 0 when "&File" came back as `expected`.
class TranslateLanguageFileTest : public LanguageFileTest {
 protected:
  void SetUp() override {
    LanguageFileTest::SetUp();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    settings_ = folder_ / "Vumra Enterprises" / "Settings";
    std::filesystem::create_directories(settings_);
  }
  void Install(const std::string& bytes) {
    std::ofstream(settings_ / "language.llf", std::ios::binary) << bytes;
  }
  static void ExpectFile(const std::string& expected) {
    std::exit(Translate("&File") == expected ? 0 : 1);
  }

  std::filesystem::path settings_;
};

TEST_F(TranslateLanguageFileTest, AGoodFileTranslates) {
  MemoryStream stream;
  ASSERT_TRUE(French().SaveToStream(stream));
  Install(stream.AsString());
  EXPECT_EXIT(ExpectFile("&Fichier"), ::testing::ExitedWithCode(0), "");
}

TEST_F(TranslateLanguageFileTest, ADamagedFileOrOneWithOtherKeysLeavesTheProgramInEnglish) {
  MemoryStream stream;
  ASSERT_TRUE(French().SaveToStream(stream));
  const std::string good = stream.AsString();
  for (const std::string& bytes : {good.substr(0, good.size() - 7), good.substr(0, 40), OtherKeysFile(),
                                   std::string("not a language file at all")}) {
    Install(bytes);
    EXPECT_EXIT(ExpectFile("&File"), ::testing::ExitedWithCode(0), "") << bytes.size() << " bytes";
  }
}

}  // namespace
}  // namespace plorvane
