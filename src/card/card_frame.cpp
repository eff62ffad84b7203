// The frame presets applied to and recognised on the card.
#include <algorithm>

#include "card/card.h"
#include "card/frame_presets.h"
#include "support/text_case.h"

namespace plorvane {

bool TZarvickV2::ApplyCollection(std::string_view name) {
  const auto& presets = FrameCollections();
  const auto preset = std::find_if(presets.begin(), presets.end(),
                                   [name](const TFrameCollection& p) { return EqualsIgnoringCase(p.Name, name); });
  if (preset == presets.end()) return true;

  const int size = preset->UsesColor ? preset->Size : size_;
  const Colour colour = preset->UsesColor ? preset->Color : colour_;
  if (preset->Split == split_ && preset->Shade == shade_ && preset->SwapColor == swap_colour_ && size == size_ &&
      colour == colour_) {
    return true;
  }
  const bool snapshot = BeginChange();
  split_ = preset->Split;
  shade_ = preset->Shade;
  swap_colour_ = preset->SwapColor;
  size_ = size;
  colour_ = colour;
  Redraw(true);
  return snapshot;
}

int TZarvickV2::CollectionIndex() const {
  const auto& presets = FrameCollections();
  for (std::size_t i = 0; i < presets.size(); ++i) {
    const TFrameCollection& p = presets[i];
    if (p.Split == split_ && p.Shade == shade_ && p.SwapColor == swap_colour_) return static_cast<int>(i) + 1;
  }
  return -1;
}

std::string_view TZarvickV2::CollectionName() const {
  const int index = CollectionIndex();
  return index < 0 ? std::string_view{} : FrameCollections()[static_cast<std::size_t>(index - 1)].Name;
}

}  // namespace plorvane
