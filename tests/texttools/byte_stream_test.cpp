#include "texttools/byte_stream.h"

#include <gtest/gtest.h>

#include <string>

#include "texttools/test_streams.h"

namespace plorvane {
namespace {

using testing::ProbeStream;

std::string Pattern(std::size_t length) {
  std::string bytes(length, '\0');
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>(i % 251);
  return bytes;
}

TEST(ByteStream, SequentialReadsCrossWindowsAndStopAtTheEnd) {
  const std::string content = Pattern(5000);
  ProbeStream stream(content);
  TByteStream bytes(&stream);
  for (std::int64_t i = 0; i < 5000; ++i) {
    std::uint8_t value = 0;
    ASSERT_TRUE(bytes.ReadByte(i, value)) << i;
    ASSERT_EQ(value, static_cast<std::uint8_t>(content[static_cast<std::size_t>(i)])) << i;
  }
  EXPECT_EQ(stream.read_calls, 3);  // windows at 0, 2048 and 4096
  std::uint8_t value = 0;
  EXPECT_FALSE(bytes.ReadByte(5000, value));
  EXPECT_FALSE(bytes.ReadByte(-1, value));
}

struct WindowCase {
  int mode;
  std::int64_t position;
  std::int64_t first;  // first position the reloaded window holds
};

class ByteStreamWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(ByteStreamWindow, ReloadPlacesTheWindowByMode) {
  const WindowCase c = GetParam();
  ProbeStream stream(Pattern(10000));
  TByteStream bytes(&stream);
  bytes.SetWindowMode(c.mode);
  std::uint8_t value = 0;
  ASSERT_TRUE(bytes.ReadByte(c.position, value));
  ASSERT_EQ(stream.read_calls, 1);
  // Both ends of the window are served without touching the stream ...
  ASSERT_TRUE(bytes.ReadByte(c.first, value));
  ASSERT_TRUE(bytes.ReadByte(c.first + TByteStream::kWindowSize - 1, value));
  EXPECT_EQ(stream.read_calls, 1);
  // ... and one past the end is not.
  ASSERT_TRUE(bytes.ReadByte(c.first + TByteStream::kWindowSize, value));
  EXPECT_EQ(stream.read_calls, 2);
}

INSTANTIATE_TEST_SUITE_P(Modes, ByteStreamWindow,
                         ::testing::Values(WindowCase{0, 3000, 3000}, WindowCase{1, 3000, 953},
                                           WindowCase{2, 3000, 1977}, WindowCase{1, 100, 0},
                                           WindowCase{2, 500, 0}));

TEST(ByteStream, WindowModeIsClamped) {
  TByteStream bytes;
  bytes.SetWindowMode(7);
  EXPECT_EQ(bytes.WindowMode(), 2);
  bytes.SetWindowMode(-3);
  EXPECT_EQ(bytes.WindowMode(), 0);
}

TEST(ByteStream, WritesReachTheStreamOnlyOnFlush) {
  ProbeStream stream("abcdef");
  TByteStream bytes(&stream);
  ASSERT_TRUE(bytes.WriteByte(2, 'X'));
  EXPECT_EQ(stream.Content(), "abcdef");
  ASSERT_TRUE(bytes.Flush());
  EXPECT_EQ(stream.Content(), "abXdef");
}

TEST(ByteStream, DestructionWritesBackAndGrowsTheStream) {
  const std::string content = Pattern(5000);
  ProbeStream stream;
  {
    TByteStream bytes(&stream);
    for (std::int64_t i = 0; i < 5000; ++i) {
      ASSERT_TRUE(bytes.WriteByte(i, static_cast<std::uint8_t>(content[static_cast<std::size_t>(i)])));
    }
    EXPECT_EQ(bytes.Size(), 5000);
  }
  EXPECT_EQ(stream.Content(), content);
}

TEST(ByteStream, GapLeftByAWriteIsZeroFilled) {
  ProbeStream stream("ab");
  {
    TByteStream bytes(&stream);
    ASSERT_TRUE(bytes.WriteByte(5, 'z'));
  }
  EXPECT_EQ(stream.Content(), std::string("ab\0\0\0z", 6));
}

TEST(ByteStream, ReadElsewhereDoesNotLoseAPendingWrite) {
  ProbeStream stream(Pattern(5000));
  TByteStream bytes(&stream);
  ASSERT_TRUE(bytes.WriteByte(0, 'Z'));
  std::uint8_t value = 0;
  ASSERT_TRUE(bytes.ReadByte(4000, value));
  EXPECT_EQ(stream.Content()[0], 'Z');
}

TEST(ByteStream, ShortWriteBackFailsTheWriteAndEmptiesTheWindow) {
  ProbeStream stream({}, 100);
  TByteStream bytes(&stream);
  for (std::int64_t i = 0; i < TByteStream::kWindowSize; ++i) ASSERT_TRUE(bytes.WriteByte(i, 'a'));
  EXPECT_FALSE(bytes.WriteByte(TByteStream::kWindowSize, 'b'));
  EXPECT_TRUE(bytes.Flush());  // nothing left to write back
}

TEST(ByteStream, AttachKeepsTheOldStreamWhenItCannotBeFlushed) {
  ProbeStream full({}, 0);
  ProbeStream other("xyz");
  TByteStream bytes(&full);
  ASSERT_TRUE(bytes.WriteByte(0, 'a'));
  EXPECT_FALSE(bytes.Attach(&other));
  // The failed write-back emptied the window, so the second attempt succeeds.
  ASSERT_TRUE(bytes.Attach(&other));
  std::uint8_t value = 0;
  ASSERT_TRUE(bytes.ReadByte(1, value));
  EXPECT_EQ(value, 'y');
}

}  // namespace
}  // namespace plorvane
