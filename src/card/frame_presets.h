#pragma once
// The sixteen named frame presets. Rows 1..6 are frame styles (split, shade and swap only);
// rows 7..16 are colour collections that also set colour and size. Row 16 is the new card.

#include <array>
#include <cstdint>
#include <string_view>

#include "graphics/colour.h"

namespace plorvane {

struct TFrameCollection {
  std::string_view Name;
  bool UsesColor = false;
  bool SwapColor = false;
  Colour Color = 0;
  std::uint8_t Size = 0;
  std::uint8_t Shade = 0;
  std::uint8_t Split = 0;
};

inline constexpr int kFrameCollectionCount = 16;

// Numbered 1..16 as the presets are known to the user; index 0 of the array is preset 1.
const std::array<TFrameCollection, kFrameCollectionCount>& FrameCollections();

}  // namespace plorvane
