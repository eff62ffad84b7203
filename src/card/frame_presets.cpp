#include "card/frame_presets.h"

namespace plorvane {

const std::array<TFrameCollection, kFrameCollectionCount>& FrameCollections() {
  static constexpr std::array<TFrameCollection, kFrameCollectionCount> kPresets = {{
      {"Traditional", false, false, 0, 0, 60, 85},
      {"Traditional2", false, false, 0, 0, 60, 70},
      {"OldWorld", false, false, 0, 0, 60, 50},
      {"Modern", false, false, 0, 0, 60, 100},
      {"Contemporary", false, true, 0, 0, 60, 100},
      {"Post-Modern", false, false, 0, 0, 60, 25},
      {"Love", true, false, MakeColour(255, 0, 0), 45, 60, 85},
      {"Joy", true, false, MakeColour(255, 255, 0), 45, 60, 50},
      {"Hope", true, false, MakeColour(255, 255, 255), 40, 60, 50},
      {"Hi There", true, false, MakeColour(0, 255, 255), 55, 60, 100},
      {"Classic", true, false, MakeColour(255, 255, 255), 40, 60, 85},
      {"Miss You", true, false, MakeColour(96, 186, 254), 50, 60, 70},
      {"Charm", true, false, MakeColour(242, 255, 132), 45, 60, 85},
      {"Gentle", true, false, MakeColour(254, 184, 226), 45, 60, 100},
      {"Stern", true, false, MakeColour(255, 166, 66), 45, 60, 25},
      {"Default", true, false, MakeColour(98, 164, 253), 50, 60, 100},
  }};
  return kPresets;
}

}  // namespace plorvane
