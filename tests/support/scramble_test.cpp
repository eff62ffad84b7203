#include "support/scramble.h"

#include <gtest/gtest.h>

#include <string>

namespace plorvane {
namespace {

std::string Byte(int value) { return std::string(1, static_cast<char>(value)); }

TEST(Scramble, WrapsModeTwoAndThreeAroundFourteen) {
  EXPECT_EQ(Scramble(Byte(250), Byte(20), 2), Byte(28));
  EXPECT_EQ(Scramble(Byte(28), Byte(20), 3), Byte(250));
  EXPECT_EQ(Scramble(Byte(250), Byte(20), 0), Byte(14));
  EXPECT_EQ(Scramble(Byte(14), Byte(20), 1), Byte(250));
}

TEST(Scramble, PairedModesUndoEachOther) {
  for (const int k : {1, 20, 127, 128, 255}) {
    for (int d = 0; d < 256; ++d) {
      EXPECT_EQ(Scramble(Scramble(Byte(d), Byte(k), 0), Byte(k), 1), Byte(d)) << d << "," << k;
      if (d >= 14) {
        EXPECT_EQ(Scramble(Scramble(Byte(d), Byte(k), 2), Byte(k), 3), Byte(d)) << d << "," << k;
      }
    }
  }
}

TEST(Scramble, UsesTheKeyInRotation) {
  EXPECT_EQ(Scramble("abcde", "\x01\x02", 0), "bddff");
  EXPECT_EQ(Scramble("abc", "\x01", 7), "abc");
  EXPECT_EQ(Scramble("abc", "", 0), "abc");
  EXPECT_EQ(Scramble("", "key", 0), "");
}

TEST(ScrambleText, RoundTrips) {
  std::string long_text;
  for (int i = 0; i < 5000; ++i) long_text += static_cast<char>(32 + i % 95);
  for (const std::string& text :
       {std::string("Animated Zarvick"), std::string("2.00.1003"), std::string("it's 'quoted'"), std::string("''''"),
        std::string("\xC3\xA9t\xC3\xA9"), long_text}) {
    const std::string encoded = ScrambleText(text, true);
    EXPECT_NE(encoded, text);
    EXPECT_EQ(ScrambleText(encoded, false), text) << text;
  }
}

TEST(ScrambleText, EncodedPrintableTextHasNoControlBytesAndOnlyDoubledQuotes) {
  for (int round = 0; round < 50; ++round) {
    const std::string encoded = ScrambleText("Send To Desktop... 'now'", true);
    const auto lead = static_cast<unsigned char>(encoded.front());
    EXPECT_GE(lead, 24);
    EXPECT_LE(lead, 64);
    std::size_t quotes_in_run = 0;
    for (const char c : encoded) {
      EXPECT_GE(static_cast<unsigned char>(c), 14);
      if (c == '\'') {
        ++quotes_in_run;
      } else {
        EXPECT_EQ(quotes_in_run % 2, 0U);
        quotes_in_run = 0;
      }
    }
    EXPECT_EQ(quotes_in_run % 2, 0U);
  }
}

TEST(ScrambleText, RandomKeysMakeEachEncodingDifferent) {
  EXPECT_NE(ScrambleText("same text", true), ScrambleText("same text", true));
}

TEST(ScrambleText, MalformedInputDecodesToEmpty) {
  for (const std::string& bad : {std::string(), Byte(14) + "abc", Byte(10) + "abc", Byte(60) + "short",
                                 std::string("'"), Byte(24) + "0123456789"}) {
    EXPECT_EQ(ScrambleText(bad, false), "") << bad;
  }
  EXPECT_EQ(ScrambleText("", true), "");
}

}  // namespace
}  // namespace plorvane
