#include "platform/qt/qt_cursors.h"

#include <QApplication>

#include "platform/qt/qt_image.h"

namespace plorvane {

QtCursors::QtCursors() {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [this] { NextFrame(); });
}

QtCursors::~QtCursors() {
  while (busy_depth_ > 0) SetBusy(false);
}

bool QtCursors::SetSlotCursor(const CursorImage& image) {
  if (!image.IsValid()) return false;
  std::vector<Frame> frames;
  for (const CursorFrame& frame : image.frames) {
    frames.push_back({QCursor(PixmapOf(frame), frame.hot_spot.x, frame.hot_spot.y), static_cast<int>(frame.display_ms)});
  }
  frames_ = std::move(frames);
  frame_ = 0;
  timer_.stop();
  Show(frames_.front().cursor);
  if (frames_.size() > 1) timer_.start(frames_.front().display_ms);
  return true;
}

void QtCursors::ResetSlotToHandPoint() {
  timer_.stop();
  frames_.clear();
  frame_ = 0;
  Show(QCursor(Qt::PointingHandCursor));
}

void QtCursors::NextFrame() {
  if (frames_.size() < 2) return;
  frame_ = (frame_ + 1) % frames_.size();
  Show(frames_[frame_].cursor);
  timer_.start(frames_[frame_].display_ms);
}

void QtCursors::Show(const QCursor& cursor) {
  current_ = cursor;
  for (const auto& [id, viewer] : viewers_) viewer(current_);
}

void QtCursors::SetBusy(bool busy) {
  if (busy) {
    ++busy_depth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busy_depth_ > 0) {
    --busy_depth_;
    QApplication::restoreOverrideCursor();
  }
}

int QtCursors::AddViewer(Viewer viewer) {
  viewers_.emplace_back(next_viewer_, std::move(viewer));
  viewers_.back().second(current_);
  return next_viewer_++;
}

void QtCursors::RemoveViewer(int id) {
  std::erase_if(viewers_, [id](const auto& entry) { return entry.first == id; });
}

}  // namespace plorvane
