#pragma once
// The library's animated cursors: 32 x 32 frames and the steps that play them.

#include <string>
#include <vector>

#include "cursor_writer.h"
#include "graphics/cursor_image.h"

namespace plorvane::art {

struct AnimatedCursorArt {
  std::string name;  // what it shows, also its file name without ".ani"
  std::vector<CursorFrame> frames;
  std::vector<AniStep> steps;
};

std::vector<AnimatedCursorArt> AnimatedCursors();

}  // namespace plorvane::art
