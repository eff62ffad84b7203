// TSAG's playback: each element advances its frame, flash state and scroll offset on its own
// interval, driven by the card's 8 ms timer.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "animation/animation_group.h"
#include "animation/nesting_scope.h"

namespace plorvane {
namespace {

constexpr std::int32_t kMaxScrollStep = 99;
constexpr std::int32_t kScrollEdge = 100;
// Beyond this many changed rectangles one repaint of everything is cheaper.
constexpr std::size_t kMaxListedAreas = 64;

// Milliseconds until the element is due, 0 when it is; none when it never will be as it stands.
// An element with a single frame, no flash and no scroll looks the same after an advance, so
// it is never due and never costs a repaint.
std::optional<std::uint32_t> TimeToDue(const TElementRec& element, int frame_count, std::uint32_t now) {
  if (!element.Shown) return std::nullopt;
  // A still element is put back on its first frame once.
  if (element.pD == 0) return element.pI != 1 ? std::optional<std::uint32_t>(0) : std::nullopt;
  if (element.pD < 0) return std::nullopt;
  if (frame_count < 2 && element.pF == 0 && element.pSH == 0 && element.pSV == 0) return std::nullopt;
  // Unsigned difference: the tick count wraps after 49 days and playback goes on.
  const std::uint32_t elapsed = now - element.LastAdvance;
  const auto interval = static_cast<std::uint32_t>(element.pD);
  return elapsed >= interval ? 0 : interval - elapsed;
}

bool IsDue(const TElementRec& element, int frame_count, std::uint32_t now) {
  return TimeToDue(element, frame_count, now) == std::uint32_t{0};
}

// Content moving one way wraps to the far side once it is fully out; for one advance the
// offset may reach twice the edge.
std::int32_t ScrollStep(std::int32_t offset, std::int32_t step) {
  if (step < 0) return offset <= -kScrollEdge ? kScrollEdge : offset + step;
  if (step > 0) return offset >= kScrollEdge ? -kScrollEdge : offset + step;
  return offset;
}

// Keeps the element on its own beat: the next interval counts from when this advance was due,
// not from the tick that noticed it. Only an element a whole interval behind starts again from
// now, so it never races through frames to catch up.
std::uint32_t NextStart(const TElementRec& element, std::uint32_t now) {
  if (element.pD <= 0) return now;
  const auto interval = static_cast<std::uint32_t>(element.pD);
  const std::uint32_t late = now - element.LastAdvance - interval;
  return late >= interval ? now : element.LastAdvance + interval;
}

void Advance(TElementRec& element, int frame_count, std::uint32_t now) {
  // Compared before adding, so a frame number read from a stream cannot overflow.
  element.pI = (element.pD == 0 || element.pI >= frame_count) ? 1 : element.pI + 1;
  element.LastAdvance = NextStart(element, now);
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
  changes_.everything |= dirty_;
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
    if (!changes_.everything) changes_.areas.push_back(Rect::FromSize(element.pX, element.pY, element.Width, element.Height));
  }
  if (changes_.areas.size() > kMaxListedAreas) changes_ = {.everything = true, .areas = {}};
  return advanced;
}

std::optional<std::uint32_t> TSAG::NextAdvance() const {
  const std::uint32_t now = clock_.Milliseconds();
  std::optional<std::uint32_t> soonest;
  for (const TElementRec& element : elements_) {
    const TSAN* animation = nullptr;
    if (!GetAnimation(element.pID, animation)) continue;
    const std::optional<std::uint32_t> wait = TimeToDue(element, animation->FrameCount(), now);
    if (wait && (!soonest || *wait < *soonest)) soonest = wait;
  }
  if (!soonest) return std::nullopt;
  return now + *soonest;
}

TSAG::CanvasChanges TSAG::TakeChanges() {
  // A change outside a tick (a press that selects) has not been folded in yet.
  changes_.everything |= dirty_;
  if (changes_.everything) changes_.areas.clear();
  return std::exchange(changes_, {});
}

}  // namespace plorvane
