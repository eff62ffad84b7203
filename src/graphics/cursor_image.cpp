#include "graphics/cursor_image.h"

namespace plorvane {
namespace {

bool IsValidFrame(const CursorFrame& frame) {
  if (frame.width < 1 || frame.height < 1 || frame.width > kMaxCursorSide || frame.height > kMaxCursorSide) {
    return false;
  }
  const std::size_t expected = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height) * 4;
  return frame.bgra.size() == expected && frame.hot_spot.x >= 0 && frame.hot_spot.y >= 0 &&
         frame.hot_spot.x < frame.width && frame.hot_spot.y < frame.height;
}

}  // namespace

bool CursorImage::IsValid() const {
  if (frames.empty() || frames.size() > kMaxCursorFrames) return false;
  for (const CursorFrame& frame : frames) {
    if (!IsValidFrame(frame)) return false;
  }
  return true;
}

}  // namespace plorvane
