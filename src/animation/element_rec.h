#pragma once
// One placed element of an animation: where it sits on the picture and how it plays. It is
// passed by value between the group and its callers.

#include <cstdint>

namespace plorvane {

struct TElementRec {
  std::int32_t pX = 0;  // left edge on the picture, pixels
  std::int32_t pY = 0;  // top edge, pixels
  bool pT = false;      // transparent: the top-left pixel's colour of the frame is not drawn
  std::int32_t pID = -1;  // index of the animation in the group table
  bool pFV = false;       // flip vertically
  bool pFH = false;       // mirror
  std::int32_t Width = 100;   // frame width, copied from the animation when added
  std::int32_t Height = 100;  // strip height, copied from the animation when added
  std::uint32_t LastAdvance = 0;  // tick count of the last frame advance
  std::int32_t pI = 1;            // current frame, 1-based
  std::int32_t pD = 0;            // frame interval in milliseconds; 0 is still
  std::uint8_t pF = 0;            // flash mode: 0 none, 1 even, 2 odd
  bool pFS = false;               // flash state: visible in this frame
  std::int32_t pSH = 0;   // horizontal scroll step, percent of the width; negative is leftwards
  std::int32_t pSV = 0;   // vertical scroll step, percent of the height; negative is upwards
  std::int32_t pSSH = 0;  // current horizontal scroll offset, -100..100 percent
  std::int32_t pSSV = 0;  // current vertical scroll offset, -100..100 percent
  std::int32_t FrameCount = 0;
  bool Shown = false;  // committed: only shown elements play, draw and are saved

  friend bool operator==(const TElementRec&, const TElementRec&) = default;
};

// The record answered when nothing is selected.
constexpr TElementRec DefaultElement() { return TElementRec{}; }

// Brings the settings into their ranges: scroll steps -99..99, offsets -100..100 (0 without a
// step in that direction), interval 0..5000 ms, flash mode 0..2.
void ClampElementSettings(TElementRec& record);

}  // namespace plorvane
