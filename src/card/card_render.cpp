// Drawing the card: the picture layer (picture, animations, labels) and the frame around it.
#include <algorithm>

#include "card/card.h"
#include "card/frame_painter.h"
#include "graphics/canvas.h"
#include "platform/picture_pixels.h"

namespace plorvane {
namespace {

constexpr int kLabelInset = 2;
// The link ends this far before the menu label.
constexpr int kLinkGap = 5;

}  // namespace

void TZarvickV2::SetCardPicture(Picture picture) {
  card_picture_ = std::move(picture);
  picture_pixels_ = PicturePixels(card_picture_, platform_.metafiles());
}

void TZarvickV2::Redraw(bool full) {
  bool painted = false;
  if (!full) {
    if (flags_.colour) DrawFrameLayer(false);
    if (flags_.link_colour) DrawLabels(false);
    painted = flags_.colour || flags_.link_colour;
  }
  flags_ = {};
  if (painted) return;

  const int width = picture_pixels_.width();
  const int height = picture_pixels_.height();
  if (frame_bitmap_.width() != std::max(width + 2 * size_, 1) || frame_bitmap_.height() != std::max(height + 2 * size_, 1)) {
    (void)frame_bitmap_.Resize(std::max(width + 2 * size_, 1), std::max(height + 2 * size_, 1));
  }
  if (picture_layer_.width() != width || picture_layer_.height() != height) (void)picture_layer_.Resize(width, height);
  CopyRect(picture_pixels_, Rect{0, 0, width, height}, picture_layer_, {0, 0});
  animations_->DrawAll();
  DrawLabels(true);
  if (full) {
    DrawFrameLayer(true);
    window_->Present(frame_bitmap_, {0, 0});
  } else {
    window_->Present(picture_layer_, {size_, size_});
  }
}

void TZarvickV2::RedrawIfChanged() {
  if (flags_.Any()) Redraw(flags_.size);
}

void TZarvickV2::DrawLabels(bool to_layer) {
  link_label_->SetFontColour(link_colour_);
  menu_label_->SetFontColour(link_colour_);
  link_label_->SetVisible(!pLink().empty());
  if (to_layer) {
    const int top = picture_layer_.height() - menu_label_->Height() - kLabelInset;
    menu_label_->SetPosition(picture_layer_.width() - menu_label_->Width() - kLabelInset, top);
    link_label_->SetPosition(kLabelInset, top);
    link_label_->Fit();
    // The link ends kLinkGap pixels before the menu label, wherever the link starts.
    const int room = menu_label_->Left() - kLinkGap - link_label_->Left();
    if (room < link_label_->Width()) link_label_->SetWidth(room);
  }
  labels_->DrawAll({0, 0}, picture_layer_);
  if (!to_layer) window_->Present(picture_layer_, {size_, size_});
}

void TZarvickV2::DrawFrameLayer(bool resize) {
  DrawFrame(frame_bitmap_, FrameStyle{size_, split_, shade_, colour_, swap_colour_});
  if (!resize) {
    PaintWindow();
    return;
  }
  CopyRect(picture_layer_, Rect{0, 0, picture_layer_.width(), picture_layer_.height()}, frame_bitmap_, {size_, size_});
  const PixelSize wanted{frame_bitmap_.width(), frame_bitmap_.height()};
  if (window_->ClientSize() != wanted) {
    window_->SetClientSize(wanted);
    platform_.application().ProcessPendingEvents();
  }
}

void TZarvickV2::PaintWindow() {
  CopyRect(picture_layer_, Rect{0, 0, picture_layer_.width(), picture_layer_.height()}, frame_bitmap_, {size_, size_});
  window_->Present(frame_bitmap_, {0, 0});
}

void TZarvickV2::AnimationTick() {
  if (dragging_ && !HasSelection()) return;
  if (AnimationsSuspended()) return;
  // Frame or link changes still owed are painted on their own first.
  if (flags_.Any()) Redraw(false);
  // Only the elements that moved on are drawn and presented again; any other change of the
  // group rebuilds the whole layer.
  const TSAG::CanvasChanges changes = animations_->TakeChanges();
  if (changes.everything) {
    Redraw(false);
  } else {
    for (const Rect& area : changes.areas) RedrawArea(area);
  }
  // Nothing needs the main thread before the next element is due.
  const std::uint32_t now = platform_.clock().Milliseconds();
  animation_timer_->RestUntil(animations_->NextAdvance().value_or(now + TFastTimer::kMaxInterval));
}

void TZarvickV2::RedrawArea(Rect area) {
  // Started on even coordinates, so dotted outlines drawn in the patch keep their pattern.
  area.left = std::max(area.left, 0) & ~1;
  area.top = std::max(area.top, 0) & ~1;
  area.right = std::min(area.right, picture_layer_.width());
  area.bottom = std::min(area.bottom, picture_layer_.height());
  if (area.empty()) return;
  Bitmap patch;
  if (!patch.Resize(area.width(), area.height())) return;
  CopyRect(picture_pixels_, area, patch, {0, 0});
  animations_->DrawArea(area, patch);
  labels_->DrawAll({-area.left, -area.top}, patch);
  CopyRect(patch, Rect{0, 0, patch.width(), patch.height()}, picture_layer_, {area.left, area.top});
  window_->Present(patch, {size_ + area.left, size_ + area.top});
}

void TZarvickV2::SetMenuLabelVisible(bool visible) {
  if (menu_label_->Visible() == visible) return;
  menu_label_->SetVisible(visible);
  flags_.link_colour = true;
  RedrawIfChanged();
}

}  // namespace plorvane
