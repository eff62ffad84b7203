#include "animation/animation.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "animation/animation_test_support.h"
#include "streaming/memory_stream.h"
#include "streaming/record_writer.h"

namespace plorvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Append(Bytes& bytes, std::string_view text) { bytes.insert(bytes.end(), text.begin(), text.end()); }

std::uint32_t U32At(const Bytes& bytes, std::size_t offset) {
  return std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 | std::uint32_t{bytes[offset + 2]} << 16 |
         std::uint32_t{bytes[offset + 3]} << 24;
}

Bytes Inflate(const Bytes& compressed) {
  Bytes output(1 << 20);
  uLongf size = output.size();
  if (uncompress(output.data(), &size, compressed.data(), compressed.size()) != Z_OK) return {};
  output.resize(size);
  return output;
}

Bytes SanBytes(TSAN& animation) {
  MemoryStream stream;
  EXPECT_TRUE(animation.SaveToStream(stream));
  return stream.bytes();
}

// A ".SAN" record with the given integer entries only.
Bytes SanWithInteger(const std::string& name, std::int32_t value) {
  MemoryStream stream;
  RecordWriter writer(stream);
  writer.BeginRecord("TSAN");
  writer.Integer(name, value);
  writer.EndRecord();
  return stream.bytes();
}

TEST(AnimationFile, NewAnimationWritesTheDocumentedBytes) {
  TSAN animation;
  const Bytes bytes = SanBytes(animation);

  Bytes head;
  Append(head, "TPF0\x04TSAN");
  head.push_back(0x00);
  Append(head, "\x02pW\x02\x32\x02pD\x02");
  head.push_back(0x00);
  Append(head, "\x02pI\x06");
  ASSERT_GT(bytes.size(), head.size() + 1);
  ASSERT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(head.size())), head);

  const std::size_t length = bytes[head.size()];
  const std::size_t payload_start = head.size() + 1;
  Bytes tail;
  Append(tail, "\x02pT\x08\x03pFV\x08\x03pFH\x08\x02pF\x02");
  tail.push_back(0x00);
  Append(tail, "\x03pSH\x02");
  tail.push_back(0x00);
  Append(tail, "\x03pSV\x02");
  tail.insert(tail.end(), {0x00, 0x00, 0x00});
  ASSERT_EQ(bytes.size(), payload_start + length + tail.size());
  EXPECT_EQ(Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(payload_start + length), bytes.end()), tail);

  const Bytes payload(bytes.begin() + static_cast<std::ptrdiff_t>(payload_start),
                      bytes.begin() + static_cast<std::ptrdiff_t>(payload_start + length));
  EXPECT_EQ(payload[0], 0x78);
  EXPECT_EQ(payload[1], 0x01);

  // The payload is a 24-bit BMP file of one white 50 by 50 frame.
  const Bytes bmp = Inflate(payload);
  ASSERT_GE(bmp.size(), 54U);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(U32At(bmp, 18), 50U);
  EXPECT_EQ(U32At(bmp, 22), 50U);
  EXPECT_EQ(bmp[28], 24);
  const std::size_t pixels = U32At(bmp, 10);
  constexpr std::size_t kRowBytes = 152;  // 150 bytes of pixels, padded to 4
  ASSERT_EQ(bmp.size(), pixels + 50 * kRowBytes);
  for (std::size_t row = 0; row < 50; ++row) {
    for (std::size_t column = 0; column < 150; ++column) {
      ASSERT_EQ(bmp[pixels + row * kRowBytes + column], 0xFF) << "row " << row << " byte " << column;
    }
  }
}

TEST(AnimationFile, RealStripTakesTheLongStringAndComesBackPixelExact) {
  TSAN written;
  const Bitmap strip = test::NoisyStrip(90, 20, 7);
  ASSERT_TRUE(written.AssignStrip(strip, 30));
  TElementRec settings;
  settings.pT = true;
  settings.pFH = true;
  settings.pF = 1;
  settings.pD = 120;
  settings.pSH = -7;
  settings.pSV = 150;  // steps are kept as they are in an animation
  written.SetTemplate(settings);

  const Bytes bytes = SanBytes(written);
  const std::size_t tag_at = std::string(bytes.begin(), bytes.end()).find("pI") + 2;
  EXPECT_EQ(bytes[tag_at], 0x0C);

  TSAN read;
  MemoryStream stream(bytes);
  ASSERT_TRUE(read.LoadFromStream(stream));
  EXPECT_EQ(read.Strip(), strip);
  EXPECT_EQ(read.pW(), 30);
  EXPECT_EQ(read.FrameCount(), 3);
  TElementRec got;
  read.GetTemplate(got);
  EXPECT_TRUE(got.pT);
  EXPECT_TRUE(got.pFH);
  EXPECT_FALSE(got.pFV);
  EXPECT_EQ(got.pF, 1);
  EXPECT_EQ(got.pD, 120);
  EXPECT_EQ(got.pSH, -7);
  EXPECT_EQ(got.pSV, 150);
}

TEST(AnimationStrip, FramesAndIntervalFollowTheStrip) {
  struct Case {
    int strip_width;
    int frame_width;
    int interval_before;
    int frames;
    int pw;
    int interval_after;
  };
  const Case cases[] = {
      {130, 50, 0, 2, 50, 500},     // the last 30 columns are no frame
      {50, 50, 0, 1, 50, 0},        // a single frame leaves a still animation still
      {50, 50, 250, 1, 50, 250},    // ... and any interval as it was
      {100, 60, 0, 1, 60, 0},       //
      {40, 0, 0, 40, 1, 500},       // frame width clamped to 1
      {30, 40000, 0, 0, 32767, 0},  // and to 32767
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.strip_width << " / " << c.frame_width);
    TSAN animation;
    animation.SetInterval(c.interval_before);
    ASSERT_TRUE(animation.AssignStrip(test::NoisyStrip(c.strip_width, 8), c.frame_width));
    EXPECT_EQ(animation.FrameCount(), c.frames);
    EXPECT_EQ(animation.pW(), c.pw);
    EXPECT_EQ(animation.Height(), 8);
    TElementRec settings;
    animation.GetTemplate(settings);
    EXPECT_EQ(settings.pD, c.interval_after);
    EXPECT_EQ(settings.FrameCount, c.frames);
    EXPECT_EQ(settings.Width, c.pw);
    EXPECT_EQ(settings.Height, 8);
  }
}

TEST(AnimationStrip, EmptyBitmapIsRefusedAndKeepsTheStrip) {
  TSAN animation;
  const Bitmap before = animation.Strip();
  EXPECT_FALSE(animation.AssignStrip(Bitmap(), 10));
  EXPECT_EQ(animation.LastError(), "Unknown format");
  EXPECT_EQ(animation.Strip(), before);
  EXPECT_EQ(animation.pW(), 50);
}

TEST(AnimationStrip, SetFrameSizeClampsEveryValue) {
  TSAN animation;
  ASSERT_TRUE(animation.SetFrameSize(0, -4, 0));
  EXPECT_EQ(animation.pW(), 1);
  EXPECT_EQ(animation.Height(), 1);
  EXPECT_EQ(animation.FrameCount(), 1);

  ASSERT_TRUE(animation.SetFrameSize(40000, 2, 3));
  EXPECT_EQ(animation.pW(), 32767);
  EXPECT_EQ(animation.FrameCount(), 3);
  EXPECT_EQ(animation.Strip().GetPixel(3 * 32767 - 1, 1), kWhite);

  // Beyond the pixel cap the strip stays as it was.
  EXPECT_FALSE(animation.SetFrameSize(32767, 32767, 32767));
  EXPECT_EQ(animation.pW(), 32767);
  EXPECT_EQ(animation.Height(), 2);
}

TEST(AnimationProperties, ReadingClampsLikeTheSetters) {
  struct Case {
    std::string name;
    std::int32_t value;
    int pw;
    int interval;
    int flash;
    bool flash_state;
  };
  const Case cases[] = {
      {"pW", 0, 1, 0, 0, false},          {"pW", 70000, 32767, 0, 0, false}, {"pD", -3, 50, 0, 0, false},
      {"pD", 7000, 50, 5000, 0, false},   {"pF", 5, 50, 0, 2, true},         {"pF", 2, 50, 0, 2, true},
      {"pF", 1, 50, 0, 1, false},         {"pF", -1, 50, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << " = " << c.value);
    TSAN animation;
    MemoryStream stream(SanWithInteger(c.name, c.value));
    ASSERT_TRUE(animation.LoadFromStream(stream));
    TElementRec settings;
    animation.GetTemplate(settings);
    EXPECT_EQ(animation.pW(), c.pw);
    EXPECT_EQ(settings.pD, c.interval);
    EXPECT_EQ(settings.pF, c.flash);
    EXPECT_EQ(settings.pFS, c.flash_state);
  }
}

TEST(AnimationProperties, BrokenStripKeepsTheStripItHad) {
  const std::string not_a_strip[] = {std::string("\x78\x01garbage", 9), "plain text",
                                     // inflates fine but is no BMP file
                                     [] {
                                       std::string text(100, 'x');
                                       Bytes out(200);
                                       uLongf size = out.size();
                                       compress2(out.data(), &size, reinterpret_cast<const Bytef*>(text.data()),
                                                 text.size(), 1);
                                       return std::string(out.begin(), out.begin() + static_cast<long>(size));
                                     }()};
  for (const std::string& value : not_a_strip) {
    TSAN animation;
    const Bitmap strip = test::NoisyStrip(20, 10);
    ASSERT_TRUE(animation.AssignStrip(strip, 10));
    MemoryStream stream;
    RecordWriter writer(stream);
    writer.BeginRecord("TSAN");
    writer.Integer("pW", 5);
    writer.String("pI", value);
    writer.EndRecord();
    stream.Seek(0);
    EXPECT_TRUE(animation.LoadFromStream(stream));
    EXPECT_EQ(animation.Strip(), strip);
    EXPECT_EQ(animation.pW(), 5);
  }
}

TEST(AnimationProperties, EveryTruncationFailsCleanly) {
  TSAN written;
  ASSERT_TRUE(written.AssignStrip(test::NoisyStrip(40, 10), 20));
  const Bytes bytes = SanBytes(written);
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    TSAN read;
    MemoryStream stream(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)));
    ASSERT_FALSE(read.LoadFromStream(stream)) << size;
    EXPECT_EQ(read.LastError(), "Unknown format");
    EXPECT_EQ(read.LoadingCount(), 0);
  }
}

TEST(AnimationTemplate, SetTemplateClampsThroughTheSettersAndKeepsTheRest) {
  TSAN animation;
  ASSERT_TRUE(animation.AssignStrip(test::NoisyStrip(60, 12), 20));
  TElementRec record;
  record.pX = 17;
  record.pY = -4;
  record.pI = 3;
  record.pD = 9000;
  record.pF = 7;
  record.pFS = false;
  record.pSH = 300;
  record.pSSH = 250;
  record.Shown = true;
  record.pID = 42;
  record.Width = 1;
  animation.SetTemplate(record);

  TElementRec got;
  animation.GetTemplate(got);
  EXPECT_EQ(got.pD, 5000);
  EXPECT_EQ(got.pF, 2);
  EXPECT_TRUE(got.pFS);
  EXPECT_EQ(got.pSH, 300);
  EXPECT_EQ(got.pSSH, 250);
  EXPECT_EQ(got.pX, 17);
  EXPECT_EQ(got.pY, -4);
  EXPECT_EQ(got.pI, 3);
  EXPECT_TRUE(got.Shown);
  EXPECT_EQ(got.pID, -1);  // the animation's own index: unregistered
  EXPECT_EQ(got.Width, 20);
  EXPECT_EQ(got.Height, 12);
  EXPECT_EQ(got.FrameCount, 3);
}

// Writes past this many bytes fail as on a full disk. The soft limit is put back afterwards.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, previous_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t previous_handler_ = SIG_DFL;
};

TEST(AnimationFiles, SaveAndLoadRoundTrip) {
  test::ScratchFolder folder;
  const std::string path = folder.File("strip.SAN");
  TSAN written;
  const Bitmap strip = test::NoisyStrip(64, 16, 3);
  ASSERT_TRUE(written.AssignStrip(strip, 16));
  ASSERT_TRUE(written.SaveToFile(path));
  EXPECT_EQ(test::FileBytes(path), SanBytes(written));

  TSAN read;
  ASSERT_TRUE(read.LoadFromFile(path));
  EXPECT_EQ(read.Strip(), strip);
  EXPECT_EQ(read.FrameCount(), 4);
}

TEST(AnimationFiles, LoadFailuresNameTheirStep) {
  test::ScratchFolder folder;
  TSAN animation;
  EXPECT_FALSE(animation.LoadFromFile(folder.File("missing.SAN")));
  EXPECT_EQ(animation.LastError(), "File not found");

  const std::string bad = folder.File("bad.SAN");
  test::WriteBytes(bad, {'T', 'P', 'F', '0', 4, 'T', 'S', 'A', 'N', 0, 2, 'p', 'W', 2});
  EXPECT_FALSE(animation.LoadFromFile(bad));
  EXPECT_EQ(animation.LastError(), "Unknown format");

  EXPECT_FALSE(animation.SaveToFile(folder.File("no-such-folder/a.SAN")));
  EXPECT_EQ(animation.LastError(), "File in use");
}

TEST(AnimationFiles, FailedSaveLeavesTheOldFileWhole) {
  test::ScratchFolder folder;
  const std::string path = folder.File("keep.SAN");
  const Bytes old_bytes(300, 0x5A);
  test::WriteBytes(path, old_bytes);

  TSAN animation;
  ASSERT_TRUE(animation.AssignStrip(test::NoisyStrip(200, 50), 50));
  {
    const FileSizeLimit limit(old_bytes.size());
    EXPECT_FALSE(animation.SaveToFile(path));
  }
  EXPECT_EQ(animation.LastError(), "Out of disk space");
  EXPECT_EQ(test::FileBytes(path), old_bytes);
  EXPECT_EQ(folder.EntryCount(), 1);  // no temporary file left behind
}

}  // namespace
}  // namespace plorvane
