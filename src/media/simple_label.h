#pragma once
// One text label drawn straight onto a bitmap, with a hover outline and a click handler. The
// card's two links are such labels: the card window has no child controls.

#include <functional>
#include <string>

#include "graphics/bitmap.h"
#include "graphics/canvas.h"
#include "platform/font.h"
#include "platform/text_renderer.h"

namespace plorvane {

class TSimpleLabel {
 public:
  // Measures its default caption with `renderer`, which must outlive the label.
  explicit TSimpleLabel(const TextRenderer& renderer);
  TSimpleLabel(const TSimpleLabel&) = delete;
  TSimpleLabel& operator=(const TSimpleLabel&) = delete;

  // Called with the label that was clicked.
  std::function<void(TSimpleLabel&)> OnClick;

  [[nodiscard]] const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  [[nodiscard]] const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  void SetFontColour(Colour colour);
  [[nodiscard]] bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // Set by every change of caption, font or visibility, for the owner to notice.
  [[nodiscard]] bool Changed() const { return changed_; }
  void ClearChanged() { changed_ = false; }

  // When on, the size follows caption and font; turning it on re-sizes at once.
  [[nodiscard]] bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);
  // Sizes the label to its text now, whether AutoSize is on or not.
  void Fit();

  // Position relative to the origin given at drawing time.
  [[nodiscard]] int Left() const { return left_; }
  [[nodiscard]] int Top() const { return top_; }
  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  void SetPosition(int left, int top);
  void SetWidth(int width) { width_ = width; }
  void SetBounds(int left, int top, int width, int height);

  // Both edges belong to the box: a point on the right or bottom edge still hits.
  [[nodiscard]] bool Contains(int x, int y) const;
  // Caption in the font at `origin` + (Left, Top), and when hovered an outline in the font colour.
  void Draw(Bitmap& target, Point origin, bool hovered) const;

 private:
  void Resize() {
    if (auto_size_) Fit();
  }

  const TextRenderer& renderer_;
  bool auto_size_ = true;
  int width_ = 0;
  int height_ = 0;
  int left_ = 0;
  int top_ = 0;
  std::string caption_ = "TSimpleLabel";
  Font font_;
  bool changed_ = false;
  bool visible_ = false;
};

}  // namespace plorvane
