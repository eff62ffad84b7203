#pragma once
// The labels drawn over one window: it owns them, draws them, tracks the one under the mouse and
// hands clicks to them. Hit tests ignore visibility, so a hidden label's box still takes clicks.

#include <memory>
#include <vector>

#include "media/simple_label.h"

namespace plorvane {

class TSimpleLabels {
 public:
  static constexpr int kCapacity = 1000;

  // `renderer` measures and draws the labels and must outlive the list.
  explicit TSimpleLabels(const TextRenderer& renderer) : renderer_(renderer) {}
  TSimpleLabels(const TSimpleLabels&) = delete;
  TSimpleLabels& operator=(const TSimpleLabels&) = delete;

  // A new label owned by the list, or nullptr when the list is full. The pointer stays valid
  // until the label is removed or the list cleared or destroyed.
  TSimpleLabel* NewLabel();
  // Frees the label and closes the gap; false when it is not in the list.
  bool Remove(const TSimpleLabel* label);
  void Clear();
  [[nodiscard]] int Count() const { return static_cast<int>(labels_.size()); }

  // The last label whose box holds the point, or -1.
  [[nodiscard]] int IndexAt(int x, int y) const;
  // Makes the label at the point the hovered one; true when that changed, so the owner repaints.
  bool Hover(int x, int y);
  [[nodiscard]] int HoveredIndex() const { return hovered_; }
  // Fires OnClick of the label at the point; its index, or -1 when there is none.
  int Click(int x, int y);
  // Every visible label in list order, `origin` being where the labels' (0, 0) lies.
  void DrawAll(Point origin, Bitmap& target) const;

 private:
  const TextRenderer& renderer_;
  std::vector<std::unique_ptr<TSimpleLabel>> labels_;
  int hovered_ = -1;
};

}  // namespace plorvane
