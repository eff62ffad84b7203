#include "media/simple_labels.h"

#include <algorithm>

namespace plorvane {

TSimpleLabel* TSimpleLabels::NewLabel() {
  if (Count() >= kCapacity) return nullptr;
  labels_.push_back(std::make_unique<TSimpleLabel>(renderer_));
  return labels_.back().get();
}

bool TSimpleLabels::Remove(const TSimpleLabel* label) {
  const auto found =
      std::find_if(labels_.begin(), labels_.end(), [label](const auto& owned) { return owned.get() == label; });
  if (found == labels_.end()) return false;
  const int index = static_cast<int>(found - labels_.begin());
  // The hover mark follows its label, so no other label takes over its outline.
  if (hovered_ == index) {
    hovered_ = -1;
  } else if (hovered_ > index) {
    --hovered_;
  }
  labels_.erase(found);
  return true;
}

void TSimpleLabels::Clear() {
  hovered_ = -1;
  labels_.clear();
}

int TSimpleLabels::IndexAt(int x, int y) const {
  for (int i = Count() - 1; i >= 0; --i) {
    if (labels_[static_cast<std::size_t>(i)]->Contains(x, y)) return i;
  }
  return -1;
}

bool TSimpleLabels::Hover(int x, int y) {
  const int index = IndexAt(x, y);
  if (index == hovered_) return false;
  hovered_ = index;
  return true;
}

int TSimpleLabels::Click(int x, int y) {
  const int index = IndexAt(x, y);
  if (index < 0) return -1;
  TSimpleLabel& label = *labels_[static_cast<std::size_t>(index)];
  // A copy, so a handler that frees its own label does not destroy the code that is running.
  const auto handler = label.OnClick;
  if (handler) handler(label);
  return index;
}

void TSimpleLabels::DrawAll(Point origin, Bitmap& target) const {
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    const TSimpleLabel& label = *labels_[i];
    if (label.Visible()) label.Draw(target, origin, static_cast<int>(i) == hovered_);
  }
}

}  // namespace plorvane
