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

  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace plorvane
