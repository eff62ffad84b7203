#include "platform/headless/headless_cursors.h"

#include <string>

namespace plorvane {

bool HeadlessCursors::SetSlotCursor(const CursorImage& image) {
  log_.Add("cursor slot " + std::to_string(image.frames.size()) + " frames");
  if (!image.IsValid()) return false;
  slot_ = image;
  return true;
}

void HeadlessCursors::ResetSlotToHandPoint() {
  log_.Add("cursor slot hand point");
  slot_.reset();
}

void HeadlessCursors::SetBusy(bool busy) {
  log_.Add(busy ? "cursor busy" : "cursor normal");
  busy_ = busy;
  busy_history_.push_back(busy);
}

}  // namespace plorvane
