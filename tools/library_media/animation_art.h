#pragma once
// How the library's animations are drawn: each frame is drawn on its own bitmap filled with the
// key colour, which the animation then leaves out (its elements are transparent), and the
// frames are laid side by side into the animation's strip.

#include <functional>
#include <memory>
#include <string>

#include "animation/animation.h"
#include "drawing.h"
#include "graphics/bitmap.h"

namespace plorvane::library {

// The background of every frame. No drawing uses it, and every frame keeps it in its top-left
// pixel, the one the player takes as the transparent colour.
inline constexpr Colour kKey = art::Rgb(255, 0, 255);

struct AnimationArt {
  std::string name;  // the file name without ".san"
  int width = 64;    // of one frame
  int height = 64;
  int frames = 8;
  int interval = 100;  // milliseconds per frame
  // Draws one frame; `phase` runs from 0 towards 1 over the frames, so a drawing that repeats
  // with a period of 1 loops without a jump.
  std::function<void(Bitmap& frame, double phase)> draw;
};

// The animation with its strip and a transparent template at the art's interval.
std::unique_ptr<TSAN> MakeAnimation(const AnimationArt& art);

}  // namespace plorvane::library
