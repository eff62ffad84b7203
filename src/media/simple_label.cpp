#include "media/simple_label.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace plorvane {
namespace {

// Text keeps this far from the label's top-left corner, and the measured size grows by twice it.
constexpr int kTextInset = 2;

// Positions and sizes come from callers and text metrics; extreme ones must not overflow.
int AddSaturated(int a, int b) {
  return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{a} + b, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

TSimpleLabel::TSimpleLabel(const TextRenderer& renderer) : renderer_(renderer) { Fit(); }

void TSimpleLabel::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Resize();
  changed_ = true;
}

void TSimpleLabel::SetFont(const Font& font) {
  if (font == font_) return;
  font_ = font;
  Resize();
  changed_ = true;
}

void TSimpleLabel::SetFontColour(Colour colour) {
  Font font = font_;
  font.colour = colour;
  SetFont(font);
}

void TSimpleLabel::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed_ = true;
}

void TSimpleLabel::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  Resize();
}

void TSimpleLabel::Fit() {
  const PixelSize text = renderer_.Measure(caption_, font_);
  width_ = AddSaturated(text.width, 2 * kTextInset);
  height_ = AddSaturated(text.height, 2 * kTextInset);
}

void TSimpleLabel::SetPosition(int left, int top) {
  left_ = left;
  top_ = top;
}

void TSimpleLabel::SetBounds(int left, int top, int width, int height) {
  SetPosition(left, top);
  width_ = width;
  height_ = height;
}

bool TSimpleLabel::Contains(int x, int y) const {
  return left_ <= x && x <= AddSaturated(left_, width_) && top_ <= y && y <= AddSaturated(top_, height_);
}

void TSimpleLabel::Draw(Bitmap& target, Point origin, bool hovered) const {
  const Point at{AddSaturated(origin.x, left_), AddSaturated(origin.y, top_)};
  const Rect box = Rect::FromSize(at.x, at.y, width_, height_);
  const Rect text_clip{box.left, box.top, AddSaturated(box.right, -kTextInset), AddSaturated(box.bottom, -kTextInset)};
  const Point text_origin{AddSaturated(at.x, kTextInset), AddSaturated(at.y, kTextInset)};
  renderer_.Draw(target, text_origin, caption_, font_, text_clip);
  if (hovered) FrameRect(target, box, font_.colour);
}

}  // namespace plorvane
