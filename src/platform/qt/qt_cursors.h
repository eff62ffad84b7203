#pragma once
// The application-wide cursor slot (hand-point, a still cursor, or an animated one stepping
// through its frames at their own rates) shown by every card window, and the busy hourglass.

#include <QCursor>
#include <QTimer>
#include <functional>
#include <vector>

#include "platform/cursors.h"

namespace plorvane {

class QtCursors final : public Cursors {
 public:
  QtCursors();
  ~QtCursors() override;
  QtCursors(const QtCursors&) = delete;
  QtCursors& operator=(const QtCursors&) = delete;

  bool SetSlotCursor(const CursorImage& image) override;
  void ResetSlotToHandPoint() override;
  [[nodiscard]] bool SlotHoldsHandPoint() const override { return frames_.empty(); }
  void SetBusy(bool busy) override;

  // The cursor the slot shows at this moment.
  [[nodiscard]] const QCursor& SlotCursor() const { return current_; }
  // Which frame an animated cursor shows now (0 for a still one).
  [[nodiscard]] std::size_t FrameIndex() const { return frame_; }

  // Windows that show the slot; each is told when it changes.
  using Viewer = std::function<void(const QCursor&)>;
  int AddViewer(Viewer viewer);
  void RemoveViewer(int id);

 private:
  struct Frame {
    QCursor cursor;
    int display_ms = 0;
  };
  void Show(const QCursor& cursor);
  void NextFrame();

  std::vector<Frame> frames_;
  std::size_t frame_ = 0;
  QCursor current_{Qt::PointingHandCursor};
  QTimer timer_;
  int busy_depth_ = 0;
  int next_viewer_ = 1;
  std::vector<std::pair<int, Viewer>> viewers_;
};

}  // namespace plorvane
