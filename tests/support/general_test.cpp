#include "support/general.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/folders.h"
#include "support/temp_home.h"
#include "support/wildcard.h"

namespace plorvane {
namespace {

using testing::TempHome;
using testing::WriteTextFile;

TEST(General, ReplaceAllDoesNotRescanInsertedText) {
  const struct {
    std::string text, find, replacement, expected;
  } cases[] = {
      {"it's Bob's", "'", "''", "it''s Bob''s"},
      {"''", "'", "''", "''''"},
      {"aaa", "a", "aa", "aaaaaa"},
      {"abcabc", "bc", "", "aa"},
      {"unchanged", "", "x", "unchanged"},
      {"", "a", "b", ""},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    TGeneral::ReplaceAll(text, c.find, c.replacement);
    EXPECT_EQ(text, c.expected) << c.text;
  }
}

TEST(General, SettingsBooleansAreExactlyOne) {
  EXPECT_TRUE(TGeneral::IsOne("1"));
  for (const char* text : {"", "0", "01", " 1", "1 ", "true", "2"}) EXPECT_FALSE(TGeneral::IsOne(text)) << text;
  EXPECT_EQ(TGeneral::OneOrZero(true), "1");
  EXPECT_EQ(TGeneral::OneOrZero(false), "0");
}

TEST(General, ToRoundedIntegerReadsNumbersOrAnswersZero) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {{"12.4", 12}, {"12.5", 13}, {"-2.5", -3}, {" 7 ", 7}, {"+3", 3},  {"1e3", 1000},
               {"", 0},      {"abc", 0},   {"3x", 0},    {"nan", 0}, {"inf", 0}, {"1e10", 0}};
  for (const auto& c : cases) EXPECT_EQ(TGeneral::ToRoundedInteger(c.text), c.expected) << c.text;
}

TEST(General, ColourChannels) {
  const Colour c = 0x80C0FF10;
  EXPECT_EQ(TGeneral::Red(c), 0x10);
  EXPECT_EQ(TGeneral::Green(c), 0xFF);
  EXPECT_EQ(TGeneral::Blue(c), 0xC0);
  EXPECT_EQ(TGeneral::HighByte(c), 0x80);
  EXPECT_EQ(TGeneral::Brightest(c), 0xFF);
  EXPECT_EQ(TGeneral::Darkest(c), 0x10);
}

TEST(General, ShadeScalesEachChannelAndStaysInRange) {
  EXPECT_EQ(TGeneral::Shade(MakeColour(200, 101, 3), 50), MakeColour(100, 50, 1));
  EXPECT_EQ(TGeneral::Shade(MakeColour(200, 101, 3), 0), kBlack);
  EXPECT_EQ(TGeneral::Shade(MakeColour(200, 100, 3), 200), MakeColour(255, 200, 6));
  EXPECT_EQ(TGeneral::Shade(MakeColour(200, 100, 3), -50), kBlack);
}

TEST(General, BlendMixesTowardsTheSecondColourAndBeyondHundredTowardsWhite) {
  const Colour c1 = MakeColour(200, 100, 0);
  const Colour c2 = MakeColour(0, 50, 255);
  const struct {
    int percent;
    Colour expected;
  } cases[] = {{100, c1},     {0, c2},      {-20, c2}, {25, MakeColour(50, 62, 191)}, {150, MakeColour(227, 177, 127)},
               {200, kWhite}, {900, kWhite}};
  for (const auto& c : cases) EXPECT_EQ(TGeneral::Blend(c.percent, c1, c2), c.expected) << c.percent;
}

TEST(General, FileSizeOfFilesOnly) {
  TempHome home;
  WriteTextFile(home.root() + "/data.bin", std::string(1234, 'x'));
  EXPECT_EQ(TGeneral::FileSize(home.root() + "/data.bin"), 1234);
  EXPECT_EQ(TGeneral::FileSize(home.root() + "/missing"), -1);
  EXPECT_EQ(TGeneral::FileSize(home.root()), -1);
}

TEST(General, ListFilesMatchesFilesOfTheMaskFolder) {
  TempHome home;
  const std::string folder = home.root() + "/list/";
  ForceFolders(folder + "folder.ZMP");
  for (const char* name : {"b.ZMP", "a.zmp", "c.txt", "d.ZMPX"}) WriteTextFile(folder + name, "");
  EXPECT_EQ(TGeneral::ListFiles(folder + "*.ZMP", false), (std::vector<std::string>{"a.zmp", "b.ZMP"}));
  EXPECT_EQ(TGeneral::ListFiles(folder + "?.*", true),
            (std::vector<std::string>{folder + "a.zmp", folder + "b.ZMP", folder + "c.txt", folder + "d.ZMPX"}));
  EXPECT_TRUE(TGeneral::ListFiles(home.root() + "/none/*", true).empty());
}

TEST(Wildcard, MasksMatchLikeFileMasks) {
  const struct {
    const char* name;
    const char* mask;
    bool matches;
  } cases[] = {{"page.html", "*.html", true},
               {"page.HTML", "*.html", true},
               {"page.htm", "*.html", false},
               {"a", "?", true},
               {"", "?", false},
               {"", "*", true},
               {"abcbc", "a*bc", true},
               {"abcbd", "a*bc", false},
               {"x.y.z", "*.*", true},
               {"aaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false}};
  for (const auto& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " " << c.mask;
}

}  // namespace
}  // namespace plorvane
