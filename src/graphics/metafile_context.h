#pragma once
// The device context a metafile is played into: the selected objects, colours and modes, the
// current position, the window and viewport, and the states SaveState put aside. The painter of
// a platform keeps one and asks it where logical units land on its target.
//
// The mapping onto the target differs by kind. Enhanced metafiles map logical units through the
// window and viewport (in the isotropic and anisotropic modes; the other modes only shift by the
// origins, one logical unit a device pixel) to reference-device pixels, and the header's bounds
// onto the target. Windows metafiles are drawn as a picture is placed: the window (the placeable
// header's bounding box at first, then what the window records set) maps onto the target, and
// the viewport records, which would name pixels of a device that is not there, are kept but
// not used. A Windows metafile that sets no window draws one logical unit a target pixel.

#include <cstdint>
#include <vector>

#include "graphics/metafile_records.h"

namespace plorvane::metafile {

struct DeviceState {
  Pen pen;
  Brush brush;
  Font font;
  Colour text_colour = kBlack;
  Colour background = kWhite;
  bool opaque = true;
  std::uint32_t text_align = 0;
  bool winding = false;
  Point position;
  MapMode map_mode = MapMode::kText;
  Point window_origin;
  Point window_extent;  // 0 on a side: not set
  Point viewport_origin;
  Point viewport_extent{1, 1};
};

// Target pixels = logical units * scale + offset, on each axis.
struct Mapping {
  double scale_x = 1;
  double scale_y = 1;
  double offset_x = 0;
  double offset_y = 0;
};

struct TargetRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

class DrawingContext {
 public:
  DrawingContext(const Drawing& drawing, TargetRect target);

  // Applies a command that changes the state, and answers true. A drawing command answers false
  // and moves the current position to where it ends (read the position before, to start there).
  bool Apply(const Command& command);

  [[nodiscard]] const DeviceState& state() const { return state_; }
  [[nodiscard]] Mapping ToTarget() const;

 private:
  class StateChange;
  void Restore(std::int32_t which);

  Kind kind_;
  Rect frame_;
  TargetRect target_;
  DeviceState state_;
  std::vector<DeviceState> saved_;
};

}  // namespace plorvane::metafile
