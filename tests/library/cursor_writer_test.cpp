// The tool's icon, cursor and animated-cursor writers, read back by the program's readers.

#include "cursor_writer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/ani_codec.h"
#include "graphics/ico_codec.h"
#include "icons.h"

namespace plorvane::art {
namespace {

// A frame whose every pixel differs, with clear, half-covered and opaque pixels.
CursorFrame Pattern(int width, int height, std::uint8_t seed, Point hot_spot) {
  CursorFrame frame;
  frame.width = width;
  frame.height = height;
  frame.hot_spot = hot_spot;
  for (int i = 0; i < width * height; ++i) {
    const auto alpha = static_cast<std::uint8_t>(i % 3 == 0 ? 0 : i % 3 == 1 ? 255 : 90);
    frame.bgra.insert(frame.bgra.end(), {static_cast<std::uint8_t>(i + seed), static_cast<std::uint8_t>(i * 3),
                                         static_cast<std::uint8_t>(seed), alpha});
  }
  return frame;
}

// What a reader shows of a frame: clear pixels carry no colour.
std::vector<std::uint8_t> Shown(const CursorFrame& frame) {
  std::vector<std::uint8_t> bgra = frame.bgra;
  for (std::size_t i = 0; i < bgra.size(); i += 4) {
    if (bgra[i + 3] == 0) std::fill_n(bgra.begin() + static_cast<std::ptrdiff_t>(i), 3, 0);
  }
  return bgra;
}

TEST(CursorWriter, IconAndCursorImagesReadBackExactlyWithTheirHotSpots) {
  const CursorFrame images[] = {Pattern(16, 16, 1, {3, 4}), Pattern(32, 32, 2, {30, 1}), Pattern(48, 40, 3, {0, 39})};
  for (const std::uint16_t type : {kIconFileType, kCursorFileType}) {
    const std::vector<std::uint8_t> file = EncodeIconFile(images, type);
    CursorFrame nearest;
    ASSERT_EQ(DecodeIconFile(file, IconChoice::kCursorSize, nearest), CursorError::kNone);
    EXPECT_EQ(nearest.bgra, Shown(images[1]));
    CursorFrame largest;
    ASSERT_EQ(DecodeIconFile(file, IconChoice::kLargest, largest), CursorError::kNone);
    EXPECT_EQ(largest.width, 48);
    EXPECT_EQ(largest.height, 40);
    EXPECT_EQ(largest.bgra, Shown(images[2]));
    if (type == kCursorFileType) {
      EXPECT_EQ(largest.hot_spot, (Point{0, 39}));
      EXPECT_EQ(nearest.hot_spot, (Point{30, 1}));
    } else {
      EXPECT_EQ(largest.hot_spot, (Point{24, 20}));  // an icon points with its centre
    }
  }
}

TEST(CursorWriter, WithoutItsAlphaAnIconStillShowsItsOutline) {
  // Readers that ignore alpha draw through the mask: with the alpha wiped from the file, what
  // was clear must stay clear and what was opaque must keep its colour.
  const CursorFrame frame = Pattern(9, 3, 7, {});
  std::vector<std::uint8_t> file = EncodeIconFile({&frame, 1}, kIconFileType);
  const std::size_t pixels = 6 + 16 + 40;  // header, one entry, the DIB header
  for (std::size_t i = 0; i < 27; ++i) file[pixels + i * 4 + 3] = 0;
  CursorFrame read;
  ASSERT_EQ(DecodeIconFile(file, IconChoice::kLargest, read), CursorError::kNone);
  for (std::size_t i = 0; i < 27; ++i) {
    const std::uint8_t written = frame.bgra[i * 4 + 3];
    if (written == 0) {
      EXPECT_EQ(read.bgra[i * 4 + 3], 0) << i;
    }
    if (written == 255) {
      EXPECT_EQ(read.bgra[i * 4 + 3], 255) << i;
      EXPECT_TRUE(std::equal(read.bgra.begin() + static_cast<std::ptrdiff_t>(i * 4), read.bgra.begin() + static_cast<std::ptrdiff_t>(i * 4 + 3),
                             frame.bgra.begin() + static_cast<std::ptrdiff_t>(i * 4)))
          << i;
    }
  }
}

TEST(CursorWriter, AnimatedCursorPlaysItsStepsInOrderAtTheirRates) {
  const CursorFrame frames[] = {Pattern(32, 32, 10, {1, 2}), Pattern(32, 32, 20, {3, 4}), Pattern(32, 32, 30, {5, 6})};
  const AniStep steps[] = {{0, 6}, {2, 3}, {1, 60}, {2, 3}};
  const std::vector<std::uint8_t> file = EncodeAniFile(frames, steps);
  CursorImage image;
  ASSERT_EQ(DecodeAniFile(file, image), CursorError::kNone);
  ASSERT_EQ(image.frames.size(), 4u);
  const std::uint32_t expected_ms[] = {100, 50, 1000, 50};
  for (std::size_t i = 0; i < 4; ++i) {
    const CursorFrame& source = frames[steps[i].frame];
    EXPECT_EQ(image.frames[i].bgra, Shown(source)) << i;
    EXPECT_EQ(image.frames[i].hot_spot, source.hot_spot) << i;
    EXPECT_EQ(image.frames[i].display_ms, expected_ms[i]) << i;
  }
}

TEST(HalfSize, AveragesByCoverageSoClearPixelsAddNoColour) {
  CursorFrame frame;
  frame.width = 2;
  frame.height = 2;
  frame.hot_spot = {1, 1};
  // One opaque red pixel beside three clear white ones: the half-size pixel stays pure red.
  frame.bgra = {0, 0, 255, 255, 255, 255, 255, 0, 255, 255, 255, 0, 255, 255, 255, 0};
  const CursorFrame half = HalfSize(frame);
  ASSERT_EQ(half.width, 1);
  ASSERT_EQ(half.height, 1);
  EXPECT_EQ(half.bgra, (std::vector<std::uint8_t>{0, 0, 255, 64}));
  EXPECT_EQ(half.hot_spot, (Point{0, 0}));
}

}  // namespace
}  // namespace plorvane::art
