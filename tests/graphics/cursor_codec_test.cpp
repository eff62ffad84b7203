#include "graphics/cursor_codec.h"

#include <gtest/gtest.h>

#include "graphics/ani_codec.h"
#include "graphics/cursor_files.h"
#include "graphics/ico_codec.h"
#include "graphics/icon_graphic.h"

namespace plorvane {
namespace {

using test::Bgra;
using test::Bytes;
using test::kCurType;
using test::kIcoType;

std::vector<Bgra> PixelsOf(const CursorFrame& frame) {
  std::vector<Bgra> pixels;
  for (std::size_t i = 0; i + 3 < frame.bgra.size(); i += 4)
    pixels.push_back({frame.bgra[i], frame.bgra[i + 1], frame.bgra[i + 2], frame.bgra[i + 3]});
  return pixels;
}

// Every fourth pixel clear, the others drawn from `colours` opaque colours, black among them, so
// a misplaced row, column or mask bit shows.
std::vector<Bgra> Pattern(int width, int height, int colours) {
  std::vector<Bgra> pixels;
  for (int i = 0; i < width * height; ++i) {
    const int k = i % colours;
    pixels.push_back(i % 4 == 3
                         ? test::kClear
                         : Bgra{static_cast<std::uint8_t>(k * 37), static_cast<std::uint8_t>(k == 0 ? 0 : 255 - k * 20),
                                static_cast<std::uint8_t>(k * 9), 255});
  }
  return pixels;
}

CursorImage Decoded(const Bytes& file) {
  CursorImage image;
  const CursorError error = DecodeCursor(file, image);
  EXPECT_EQ(error, CursorError::kNone) << CursorErrorMessage(error);
  return image;
}

TEST(CursorCodec, DecodesEveryDepthWithItsMaskAndHotSpot) {
  const struct {
    int bits;
    int colours;
  } depths[] = {{1, 2}, {4, 16}, {8, 27}, {24, 27}, {32, 27}};
  // Nine columns cross a byte of 1-bit rows and pad every depth's rows.
  constexpr int kWidth = 9;
  constexpr int kHeight = 3;
  for (const auto& depth : depths) {
    const std::vector<Bgra> pixels = Pattern(kWidth, kHeight, depth.colours);
    test::IconImage image = test::EncodeImage(kWidth, kHeight, depth.bits, pixels);
    image.hot_x = 7;
    image.hot_y = 2;
    const CursorImage cursor = Decoded(test::IconFile(kCurType, {image}));
    ASSERT_EQ(cursor.frames.size(), 1u) << depth.bits;
    const CursorFrame& frame = cursor.frames[0];
    EXPECT_EQ(frame.width, kWidth) << depth.bits;
    EXPECT_EQ(frame.height, kHeight) << depth.bits;
    EXPECT_EQ(frame.hot_spot, (Point{7, 2})) << depth.bits;
    EXPECT_EQ(PixelsOf(frame), pixels) << depth.bits;
  }
}

TEST(CursorCodec, IconUsedAsCursorTakesItsCentreAsHotSpot) {
  const CursorImage cursor = Decoded(test::IconFile(kIcoType, {test::SolidImage(32, 4, {1, 2, 3, 255})}));
  ASSERT_EQ(cursor.frames.size(), 1u);
  EXPECT_EQ(cursor.frames[0].hot_spot, (Point{16, 16}));
}

TEST(CursorCodec, AlphaWinsOverTheMaskUnlessItIsAllZero) {
  const std::vector<Bgra> soft = {{10, 20, 30, 0}, {40, 50, 60, 128}, {70, 80, 90, 255}, {1, 2, 3, 7}};
  test::IconImage image = test::EncodeImage(2, 2, 32, soft);
  image.masked = {true, true, false, true};  // contradicts the alpha, which must win
  EXPECT_EQ(PixelsOf(Decoded(test::IconFile(kCurType, {image})).frames[0]), soft);

  // Old 32-bit icons leave the fourth byte zero and draw through the mask.
  for (Bgra& colour : image.colours) colour.a = 0;
  image.colours[1] = {0, 0, 0, 0};
  image.masked = {false, true, false, false};
  const std::vector<Bgra> expected = {{10, 20, 30, 255}, test::kClear, {70, 80, 90, 255}, {1, 2, 3, 255}};
  EXPECT_EQ(PixelsOf(Decoded(test::IconFile(kCurType, {image})).frames[0]), expected);
}

TEST(CursorCodec, ScreenInvertingPixelKeepsItsLookOverWhite) {
  test::IconImage image = test::EncodeImage(2, 1, 24, {{255, 255, 255, 255}, {0, 200, 40, 255}});
  image.masked = {true, true};
  const std::vector<Bgra> expected = {{0, 0, 0, 255}, {255, 55, 215, 255}};
  EXPECT_EQ(PixelsOf(Decoded(test::IconFile(kCurType, {image})).frames[0]), expected);
}

TEST(CursorCodec, ChoosesNearestCursorSizeThenMostColours) {
  const Bytes file =
      test::IconFile(kCurType, {test::SolidImage(16, 32, {1, 0, 0, 255}), test::SolidImage(32, 4, {2, 0, 0, 255}),
                                test::SolidImage(32, 24, {3, 0, 0, 255}), test::SolidImage(32, 8, {4, 0, 0, 255}),
                                test::SolidImage(48, 32, {5, 0, 0, 255})});
  const CursorImage cursor = Decoded(file);
  ASSERT_EQ(cursor.frames.size(), 1u);
  EXPECT_EQ(cursor.frames[0].width, 32);
  EXPECT_EQ(cursor.frames[0].bgra[0], 3);

  CursorFrame largest;
  ASSERT_EQ(DecodeIconFile(file, IconChoice::kLargest, largest), CursorError::kNone);
  EXPECT_EQ(largest.width, 48);
}

// Each frame a different colour and hot spot, so order shows in both.
std::vector<Bytes> ThreeFrames() {
  return {test::SolidCursor({0, 0, 200, 255}, 0, 0), test::SolidCursor({0, 200, 0, 255}, 1, 1, 1),
          test::SolidCursor({200, 0, 0, 255}, 2, 2, 32)};
}

struct Step {
  int x;  // the frame's hot spot, which names it
  std::uint32_t ms;
  friend bool operator==(const Step&, const Step&) = default;
};

std::vector<Step> StepsOf(const CursorImage& image) {
  std::vector<Step> steps;
  for (const CursorFrame& frame : image.frames) steps.push_back({frame.hot_spot.x, frame.display_ms});
  return steps;
}

TEST(CursorCodec, AnimatedCursorFollowsRatesAndSequence) {
  const struct {
    const char* name;
    Bytes file;
    std::vector<Step> steps;
  } cases[] = {
      {"header rate only", test::AniFile(ThreeFrames(), 10), {{0, 166}, {1, 166}, {2, 166}}},
      {"own rates", test::AniFile(ThreeFrames(), 10, {6, 30, 60}), {{0, 100}, {1, 500}, {2, 1000}}},
      {"sequence", test::AniFile(ThreeFrames(), 3, {}, {2, 0, 2, 1}), {{2, 50}, {0, 50}, {2, 50}, {1, 50}}},
      {"sequence with rates",
       test::AniFile(ThreeFrames(), 3, {60, 0, 0xFFFFFFFF}, {1, 1, 0}),
       {{1, 1000}, {1, 16}, {0, 4294967295u}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StepsOf(Decoded(c.file)), c.steps) << c.name;
  }
}

TEST(CursorCodec, OddChunksArePaddedAndOthersSkipped) {
  const Bytes odd_icon =
      test::Join({test::SolidCursor({9, 9, 9, 255}, 3, 4), Bytes{0xEE}});  // trailing byte makes it odd
  const Bytes info = test::Chunk("LIST", test::ChunkList("INFO", {test::Chunk("INAM", {'a', 'b', 'c'})}));
  const Bytes file =
      test::Riff("ACON", {test::Chunk("junk", {1, 2, 3}), info, test::AniHeader(2, 2, 6, test::kAniIconFrames),
                          test::FrameList({odd_icon, odd_icon}), test::Chunk("tail", {7}, false)});
  const CursorImage cursor = Decoded(file);
  ASSERT_EQ(cursor.frames.size(), 2u);
  EXPECT_EQ(cursor.frames[1].hot_spot, (Point{3, 4}));
  EXPECT_EQ(cursor.frames[1].display_ms, 100u);
}

Bytes Patched(Bytes file, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    file.at(offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
  return file;
}

Bytes AniWith(const std::vector<Bytes>& chunks) { return test::Riff("ACON", chunks); }

TEST(CursorCodec, MalformedFilesFailForTheirFault) {
  const Bytes cursor = test::SolidCursor({1, 2, 3, 255}, 5, 5);
  const Bytes header = test::AniHeader(1, 1, 6, test::kAniIconFrames);
  const Bytes frames = test::FrameList({cursor});
  const test::IconImage wide = test::EncodeImage(257, 1, 24, std::vector<Bgra>(257, Bgra{1, 1, 1, 255}));
  test::IconEntry png{32, 32, 0, 0, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}};
  const Bytes big = test::IconFile(kCurType, {test::SolidImage(256, 1, {1, 1, 1, 255})});
  // The DIB starts at offset 22: its height, compression and bit count sit at 30, 38 and 36.
  const struct {
    const char* name;
    Bytes file;
    CursorError error;
  } cases[] = {
      {"empty", {}, CursorError::kNotACursor},
      {"a bitmap", {'B', 'M', 0, 0, 0, 0}, CursorError::kNotACursor},
      {"a wave file", test::Riff("WAVE", {}), CursorError::kNotACursor},
      {"no images", Bytes{0, 0, 2, 0, 0, 0}, CursorError::kBadHeader},
      {"directory past the end", Patched(cursor, 2, 0xFFFF0002), CursorError::kTruncated},
      {"image offset past the end", Patched(cursor, 18, 0xFFFFFFF0), CursorError::kTruncated},
      {"image size past the end", Patched(cursor, 14, static_cast<std::uint32_t>(cursor.size())),
       CursorError::kTruncated},
      {"hot spot outside", Patched(cursor, 10, 0x00200000), CursorError::kBadHotSpot},
      {"odd dib height", Patched(cursor, 30, 63), CursorError::kBadHeader},
      {"top-down dib", Patched(cursor, 30, static_cast<std::uint32_t>(-64)), CursorError::kBadHeader},
      {"compressed dib", Patched(cursor, 38, 1), CursorError::kBadHeader},
      {"dib taller than its pixels", Patched(cursor, 30, 66), CursorError::kTruncated},
      {"side over 256", test::IconFile(kCurType, {wide}), CursorError::kTooLarge},
      {"png image cut short", test::IconFileOf(kIcoType, {png}), CursorError::kBadHeader},
      {"riff size past the end", Patched(AniWith({header, frames}), 4, 0x7FFFFFFF), CursorError::kTruncated},
      {"chunk size past the end", AniWith({Patched(header, 4, 1000), frames}), CursorError::kTruncated},
      {"no header", AniWith({frames}), CursorError::kBadHeader},
      {"two headers", AniWith({header, header, frames}), CursorError::kBadHeader},
      {"header of another size", AniWith({Patched(header, 8, 40), frames}), CursorError::kBadHeader},
      {"short header", AniWith({test::Chunk("anih", test::U32List({36, 1, 1})), frames}), CursorError::kTruncated},
      {"raw frames", AniWith({test::AniHeader(1, 1, 6, 0), frames}), CursorError::kUnsupportedData},
      {"no frames", AniWith({test::AniHeader(0, 1, 6, 1), frames}), CursorError::kBadHeader},
      {"huge frame count", AniWith({test::AniHeader(0xFFFFFFFF, 1, 6, 1), frames}), CursorError::kTooLarge},
      {"huge step count", AniWith({test::AniHeader(1, 5000, 6, 3), frames}), CursorError::kTooLarge},
      {"more frames than icons", AniWith({test::AniHeader(2, 1, 6, 1), frames}), CursorError::kBadHeader},
      {"no frame list", AniWith({header}), CursorError::kBadHeader},
      {"more steps than frames", AniWith({test::AniHeader(1, 2, 6, 1), frames}), CursorError::kBadSequence},
      {"sequence flag without sequence", AniWith({test::AniHeader(1, 1, 6, 3), frames}), CursorError::kBadHeader},
      {"sequence index out of range",
       AniWith({test::AniHeader(1, 2, 6, 3), test::Chunk("seq ", test::U32List({0, 1})), frames}),
       CursorError::kBadSequence},
      {"short sequence", AniWith({test::AniHeader(1, 2, 6, 3), test::Chunk("seq ", test::U32List({0})), frames}),
       CursorError::kTruncated},
      {"short rates", AniWith({test::AniHeader(1, 1, 6, 1), test::Chunk("rate", {6, 0}), frames}),
       CursorError::kTruncated},
      {"bad frame", AniWith({header, test::FrameList({Patched(cursor, 10, 0x00200000)})}), CursorError::kBadHotSpot},
      {"steps beyond the memory cap",
       AniWith({test::AniHeader(1, 4096, 6, 3), test::Chunk("seq ", Bytes(4096 * 4, 0)), test::FrameList({big})}),
       CursorError::kTooLarge},
  };
  for (const auto& c : cases) {
    CursorImage image{{CursorFrame{}}};
    EXPECT_EQ(DecodeCursor(c.file, image), c.error) << c.name;
    EXPECT_EQ(image.frames.size(), 1u) << c.name << ": image changed";
  }
}

TEST(CursorCodec, EveryTruncationFailsCleanly) {
  const Bytes cursor = test::SolidCursor({1, 2, 3, 255}, 5, 5, 1);
  const Bytes animated = test::AniFile({cursor, cursor}, 6, {6, 7}, {1, 0, 1});
  for (const Bytes& file : {cursor, animated}) {
    for (std::size_t length = 0; length < file.size(); ++length) {
      // A copy of exactly the prefix, so reading past it is caught by the sanitizers.
      const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
      CursorImage image;
      EXPECT_FALSE(DecodeCursorFile(prefix, image)) << length;
    }
  }
}

TEST(IconPicture, RenderLaysTheLargestImageOverWhite) {
  const std::vector<Bgra> pixels = {{0, 0, 255, 255}, {0, 0, 255, 128}, test::kClear, {10, 20, 30, 255}};
  auto icon = TIcon::FromBytes(
      test::IconFile(kIcoType, {test::SolidImage(1, 8, {9, 9, 9, 255}), test::EncodeImage(2, 2, 32, pixels)}));
  ASSERT_NE(icon, nullptr);
  Bitmap drawn;
  ASSERT_TRUE(icon->Render(drawn));
  ASSERT_EQ(drawn.width(), 2);
  ASSERT_EQ(drawn.height(), 2);
  EXPECT_EQ(drawn.GetPixel(0, 0), MakeColour(255, 0, 0));
  EXPECT_EQ(drawn.GetPixel(1, 0), MakeColour(255, 127, 127));
  EXPECT_EQ(drawn.GetPixel(0, 1), kWhite);
  EXPECT_EQ(drawn.GetPixel(1, 1), MakeColour(30, 20, 10));
}

TEST(IconPicture, RenderFailsWhenTheImageDoesNotDecode) {
  test::IconEntry png{32, 32, 1, 32, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}};
  auto icon = TIcon::FromBytes(test::IconFileOf(kIcoType, {png}));
  ASSERT_NE(icon, nullptr);  // the directory is sound
  Bitmap drawn;
  ASSERT_TRUE(drawn.Resize(3, 3));
  EXPECT_FALSE(icon->Render(drawn));
  EXPECT_EQ(drawn.width(), 3);
}

}  // namespace
}  // namespace plorvane
