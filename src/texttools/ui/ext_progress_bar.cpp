#include "texttools/ui/ext_progress_bar.h"

#include <QPalette>
#include <QResizeEvent>
#include <algorithm>

namespace plorvane {
namespace {

void FillWith(QWidget& widget, QPalette::ColorRole role) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, palette.color(role));
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace

TExtProgressBar::TExtProgressBar(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), panel_(new QFrame(this)), bar_(new QWidget(panel_)) {
  FillWith(*panel_, QPalette::Base);
  FillWith(*bar_, QPalette::Highlight);
  panel_->setLineWidth(1);
  SetCtl3D(false);
  resize(kInitialWidth, kInitialHeight);
  LayOut();
}

void TExtProgressBar::SetPosition(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == position_) return;
  position_ = percent;
  LayOut();
}

void TExtProgressBar::SetCtl3D(bool on) {
  ctl3d_ = on;
  panel_->setFrameStyle(on ? QFrame::WinPanel | QFrame::Sunken : QFrame::Box | QFrame::Plain);
  LayOut();
}

void TExtProgressBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void TExtProgressBar::LayOut() {
  panel_->setGeometry(rect());
  const QRect client = panel_->contentsRect();
  bar_->setGeometry(client.left(), client.top(), client.width() * position_ / 100, client.height());
}

}  // namespace plorvane
