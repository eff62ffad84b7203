#include "graphics/cursor_image.h"

#include <gtest/gtest.h>

#include <functional>

namespace plorvane {
namespace {

CursorFrame Frame(int width, int height) {
  CursorFrame frame;
  frame.width = width;
  frame.height = height;
  frame.bgra.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0xFF);
  return frame;
}

struct Damage {
  const char* name;
  std::function<void(CursorImage&)> apply;
};

TEST(CursorImageTest, RefusesEveryKindOfDamage) {
  const Damage damages[] = {
      {"no frames", [](CursorImage& image) { image.frames.clear(); }},
      {"zero width", [](CursorImage& image) { image.frames[0] = Frame(0, 32); }},
      {"too high", [](CursorImage& image) { image.frames[0] = Frame(1, kMaxCursorSide + 1); }},
      {"short pixels", [](CursorImage& image) { image.frames[1].bgra.pop_back(); }},
      {"hot spot right", [](CursorImage& image) { image.frames[1].hot_spot = {32, 0}; }},
      {"hot spot above", [](CursorImage& image) { image.frames[0].hot_spot = {0, -1}; }},
  };
  CursorImage sound{{Frame(32, 32), Frame(32, 32)}};
  ASSERT_TRUE(sound.IsValid());
  for (const Damage& damage : damages) {
    CursorImage image = sound;
    damage.apply(image);
    EXPECT_FALSE(image.IsValid()) << damage.name;
  }
}

}  // namespace
}  // namespace plorvane
