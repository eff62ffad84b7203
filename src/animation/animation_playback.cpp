// TSAG's playback: each element advances its frame, flash state and scroll offset on its own
// interval, driven by the card's 8 ms timer.

#include <algorithm>
#include <cstdint>

#include "animation/animation_group.h"
#include "animation/nesting_scope.h"

namespace plorvane {
namespace {

constexpr std::int32_t kMaxScrollStep = 99;
constexpr std::int32_t kScrollEdge = 100;

// An element with a single frame, no flash and no scroll looks the same after an advance, so
// it is never due and never costs a repaint.
bool IsDue(const TElementRec& element, int frame_count, std::uint32_t now) {
  if (!element.Shown) return false;
  // A still element is put back on its first frame once.
  if (element.pD == 0) return element.pI != 1;
  if (element.pD < 0) return false;
  // Unsigned difference: the tick count wraps after 49 days and playback goes on.
  const std::uint32_t elapsed = now - element.LastAdvance;
  if (elapsed < static_cast<std::uint32_t>(element.pD)) return false;
  return frame_count >= 2 || element.pF != 0 || element.pSH != 0 || element.pSV != 0;
}

// Content moving one way wraps to the far side once it is fully out; for one advance the
// offset may reach twice the edge.
std::int32_t ScrollStep(std::int32_t offset, std::int32_t step) {
  if (step < 0) return offset <= -kScrollEdge ? kScrollEdge : offset + step;
  if (step > 0) return offset >= kScrollEdge ? -kScrollEdge : offset + step;
  return offset;
}

void Advance(TElementRec& element, int frame_count, std::uint32_t now) {
  // Compared before adding, so a frame number read from a stream cannot overflow.
  element.pI = (element.pD == 0 || element.pI >= frame_count) ? 1 : element.pI + 1;
  element.LastAdvance = now;
  if (element.pF != 0) element.pFS = !element.pFS;
  element.pSH = std::clamp(element.pSH, -kMaxScrollStep, kMaxScrollStep);
  element.pSV = std::clamp(element.pSV, -kMaxScrollStep, kMaxScrollStep);
  // Offsets read from a stream may lie anywhere; they rejoin the cycle at the far edge.
  element.pSSV = ScrollStep(std::clamp(element.pSSV, -kScrollEdge, kScrollEdge), element.pSV);
  element.pSSH = ScrollStep(std::clamp(element.pSSH, -kScrollEdge, kScrollEdge), element.pSH);
}

}  // namespace

void TSAG::Tick() {
  if (Suspended || ticks_running_ > 0 || busy_count_ > 0) return;
  if (Paused && !dirty_) return;
  const NestingScope running(ticks_running_);
  const bool advanced = !Paused && AdvanceDue();
  if (!advanced && !dirty_) return;
  // Cleared first: a change made while the card repaints is owed another repaint.
  dirty_ = false;
  if (OnPaint) OnPaint();
}

bool TSAG::AdvanceDue() {
  if (busy_count_ > 0) return false;
  const std::uint32_t now = clock_.Milliseconds();
  bool advanced = false;
  for (TElementRec& element : elements_) {
    const TSAN* animation = nullptr;
    if (!GetAnimation(element.pID, animation)) continue;
    const int frame_count = animation->FrameCount();
    if (!IsDue(element, frame_count, now)) continue;
    Advance(element, frame_count, now);
    advanced = true;
  }
  return advanced;
}

}  // namespace plorvane
