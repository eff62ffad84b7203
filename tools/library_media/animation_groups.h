#pragma once
// The library's animation groups: animations placed together over a card, each placement with
// its own position, rate and direction.

#include <string>
#include <vector>

#include "animation_art.h"

namespace plorvane::library {

struct Placement {
  int art = 0;  // index into the group's arts
  int x = 0;
  int y = 0;
  int interval = 0;  // milliseconds per frame; 0 keeps the art's
  bool mirror = false;
};

struct GroupArt {
  std::string name;  // the file name without ".sag"
  std::vector<AnimationArt> arts;
  std::vector<Placement> placements;
};

std::vector<GroupArt> LibraryGroups();

// Writes the group as a ".SAG" file: each art once, an element shown for each placement.
bool WriteGroup(const GroupArt& group, const std::string& path, std::string& error);

}  // namespace plorvane::library
