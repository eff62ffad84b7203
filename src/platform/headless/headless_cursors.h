#pragma once
// The cursor slot and the busy state, kept for tests to read.

#include <optional>
#include <vector>

#include "platform/cursors.h"
#include "platform/headless/call_log.h"

namespace plorvane {

class HeadlessCursors final : public Cursors {
 public:
  explicit HeadlessCursors(CallLog& log) : log_(log) {}

  bool SetSlotCursor(const CursorImage& image) override;
  void ResetSlotToHandPoint() override;
  [[nodiscard]] bool SlotHoldsHandPoint() const override { return !slot_.has_value(); }
  void SetBusy(bool busy) override;

  // The slot's image; nullopt while it holds the hand-point cursor.
  [[nodiscard]] const std::optional<CursorImage>& slot() const { return slot_; }
  [[nodiscard]] bool busy() const { return busy_; }
  // Every SetBusy in order, so a test sees the hourglass came and went.
  [[nodiscard]] const std::vector<bool>& busy_history() const { return busy_history_; }

 private:
  CallLog& log_;
  std::optional<CursorImage> slot_;
  bool busy_ = false;
  std::vector<bool> busy_history_;
};

}  // namespace plorvane
