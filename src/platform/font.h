#pragma once
// A font as the core describes it: the platform picks the nearest face it has.

#include <string>

#include "graphics/colour.h"

namespace plorvane {

struct Font {
  std::string name;  // empty: the platform's default face
  int size = 8;      // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Colour colour = kBlack;
  bool strikeout = false;
  // Above 0: the character cell's height in pixels, which then decides the glyphs' size instead
  // of `size` (the symbol window draws its glyphs exactly as high as its rows).
  int pixel_height = 0;

  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace plorvane
