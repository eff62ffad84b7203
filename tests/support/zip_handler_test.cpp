#include "support/zip_handler.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "streaming/memory_stream.h"
#include "support/messages.h"

namespace plorvane {
namespace {

// Deterministic bytes: `noisy` ones barely compress, the others compress well.
std::string SampleBytes(std::size_t size, bool noisy) {
  std::string bytes(size, '\0');
  std::uint32_t state = 12345;
  for (std::size_t i = 0; i < size; ++i) {
    state = state * 1664525U + 1013904223U;
    bytes[i] = static_cast<char>(noisy ? state >> 24 : "card text "[i % 10] + (state >> 30));
  }
  return bytes;
}

std::string Compressed(const std::string& plain) {
  std::string text = plain;
  EXPECT_TRUE(ZipHandler().CompressString(text));
  return text;
}

TEST(ZipHandler, StringsRoundTrip) {
  for (const std::string& plain : {std::string(), std::string("a"), SampleBytes(10'000, false),
                                   SampleBytes(100'000, true), SampleBytes(4 << 20, false)}) {
    std::string text = Compressed(plain);
    // An independent decoder reads what we write.
    std::vector<Bytef> reference(plain.size() + 1);
    uLongf length = reference.size();
    ASSERT_EQ(uncompress(reference.data(), &length, reinterpret_cast<const Bytef*>(text.data()), text.size()), Z_OK);
    EXPECT_EQ(length, plain.size());

    ASSERT_TRUE(ZipHandler().DecompressString(text));
    EXPECT_EQ(text, plain);
  }
}

TEST(ZipHandler, EmptyInputGivesAShortFastestLevelStream) {
  const std::string text = Compressed("");
  ASSERT_EQ(text.size(), 8U);
  EXPECT_EQ(static_cast<unsigned char>(text[0]), 0x78);
  EXPECT_EQ(static_cast<unsigned char>(text[1]), 0x01);
}

TEST(ZipHandler, StreamDecompressesFromItsPositionAndIgnoresTrailingBytes) {
  const std::string plain = SampleBytes(50'000, true);
  MemoryStream stream("head" + Compressed(plain) + "tail");
  ASSERT_TRUE(stream.Seek(4));
  ASSERT_TRUE(ZipHandler().DecompressStream(stream));
  EXPECT_EQ(stream.AsString(), plain);
  EXPECT_EQ(stream.Position(), 0);

  ASSERT_TRUE(ZipHandler().CompressStream(stream));
  EXPECT_EQ(stream.AsString(), Compressed(plain));
  EXPECT_EQ(stream.Position(), 0);
}

TEST(ZipHandler, TruncatedOrDamagedDataFailsAndKeepsTheContent) {
  const std::string whole = Compressed(SampleBytes(5'000, true));
  std::vector<std::string> bad;
  for (const std::size_t cut :
       {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{1500}, whole.size() - 4, whole.size() - 1}) {
    bad.push_back(whole.substr(0, cut));
  }
  bad.push_back(whole);
  bad.back().back() ^= 1;  // checksum
  bad.push_back(whole);
  bad.back()[0] = 0x79;  // header
  for (const std::string& input : bad) {
    TZipHandler handler;
    MemoryStream stream(input);
    EXPECT_FALSE(handler.DecompressStream(stream)) << input.size();
    EXPECT_EQ(handler.LastError(), msg::kOutOfMemory);
    EXPECT_EQ(stream.AsString(), input);
    std::string text = input;
    EXPECT_FALSE(handler.DecompressString(text));
    EXPECT_EQ(text, input);
  }
  MemoryStream beyond(whole);
  beyond.Seek(static_cast<std::int64_t>(whole.size()) + 10);
  EXPECT_FALSE(ZipHandler().DecompressStream(beyond));
  EXPECT_EQ(beyond.Position(), static_cast<std::int64_t>(whole.size()) + 10);
  EXPECT_EQ(beyond.AsString(), whole);
}

TEST(ZipHandler, OutputBeyondTheCapFails) {
  TZipHandler capped(100'000);
  for (const std::size_t size : {std::size_t{100'000}, std::size_t{70'000}}) {
    std::string text = Compressed(std::string(size, 'z'));
    EXPECT_TRUE(capped.DecompressString(text));
    EXPECT_EQ(text.size(), size);
  }
  // 400 bytes that would inflate to 10 MB.
  const std::string bomb = Compressed(std::string(10'000'000, '\0'));
  std::string text = bomb;
  EXPECT_FALSE(capped.DecompressString(text));
  text = Compressed(std::string(100'001, 'z'));
  EXPECT_FALSE(capped.DecompressString(text));
  MemoryStream stream(bomb);
  EXPECT_FALSE(capped.DecompressStream(stream));
  EXPECT_EQ(stream.Size(), static_cast<std::int64_t>(bomb.size()));
}

}  // namespace
}  // namespace plorvane
