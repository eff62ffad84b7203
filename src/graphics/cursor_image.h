#pragma once
// A mouse cursor decoded by the core from a CUR, ICO or ANI file, in a form every platform can
// turn into its own cursor: one frame for still cursors, several for animated ones.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/canvas.h"

namespace plorvane {

struct CursorFrame {
  int width = 0;
  int height = 0;
  // Rows top-down, 4 bytes per pixel: blue, green, red, alpha (0 transparent, 255 opaque).
  std::vector<std::uint8_t> bgra;
  Point hot_spot;                  // within the frame
  std::uint32_t display_ms = 0;    // how long an animated cursor shows this frame

  friend bool operator==(const CursorFrame&, const CursorFrame&) = default;
};

struct CursorImage {
  std::vector<CursorFrame> frames;

  // Sides 1..kMaxCursorSide, the pixel buffer exactly width x height x 4 bytes, the hot spot
  // inside the frame, at least one frame and at most kMaxCursorFrames. Platforms refuse
  // anything else, so a damaged file cannot reach them.
  [[nodiscard]] bool IsValid() const;

  friend bool operator==(const CursorImage&, const CursorImage&) = default;
};

inline constexpr int kMaxCursorSide = 256;
inline constexpr std::size_t kMaxCursorFrames = 4096;

}  // namespace plorvane
