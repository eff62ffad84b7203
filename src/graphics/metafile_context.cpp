#include "graphics/metafile_context.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace plorvane::metafile {
namespace {

std::int32_t Clamped(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::int32_t Scaled(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
  return denominator == 0 ? value : Clamped(std::int64_t{value} * numerator / denominator);
}

// The part of a target that one logical unit of the window covers, on one axis.
void MapAxis(double window_origin, double window_extent, double target_start, double target_size, double& scale,
             double& offset) {
  scale = target_size / window_extent;
  offset = target_start - window_origin * scale;
}

}  // namespace

DrawingContext::DrawingContext(const Drawing& drawing, TargetRect target)
    : kind_(drawing.kind), frame_(drawing.frame), target_(target) {
  if (kind_ == Kind::kWindows) {
    state_.window_origin = {frame_.left, frame_.top};
    state_.window_extent = {Clamped(std::int64_t{frame_.right} - frame_.left),
                            Clamped(std::int64_t{frame_.bottom} - frame_.top)};
  } else {
    state_.window_extent = {1, 1};
  }
}

// Changes the state for the state commands (true); drawing commands answer false after
// moving the current position.
class DrawingContext::StateChange {
 public:
  explicit StateChange(DrawingContext& context) : context_(context), s_(context.state_) {}

  bool operator()(const SelectPen& c) { return Set(s_.pen, c.pen); }
  bool operator()(const SelectBrush& c) { return Set(s_.brush, c.brush); }
  bool operator()(const SelectFont& c) { return Set(s_.font, c.font); }
  bool operator()(const SetMapping& c) {
    switch (c.field) {
      case MappingField::kWindowOrigin: return Set(s_.window_origin, c.value);
      case MappingField::kWindowExtent: return Set(s_.window_extent, c.value);
      case MappingField::kViewportOrigin: return Set(s_.viewport_origin, c.value);
      case MappingField::kViewportExtent: return Set(s_.viewport_extent, c.value);
    }
    return true;
  }
  bool operator()(const OffsetWindowOrigin& c) {
    return Set(s_.window_origin, Point{Clamped(std::int64_t{s_.window_origin.x} + c.by.x),
                                       Clamped(std::int64_t{s_.window_origin.y} + c.by.y)});
  }
  bool operator()(const ScaleWindowExtent& c) {
    return Set(s_.window_extent, Point{Scaled(s_.window_extent.x, c.x_num, c.x_denom),
                                       Scaled(s_.window_extent.y, c.y_num, c.y_denom)});
  }
  bool operator()(const SetMapMode& c) { return Set(s_.map_mode, c.mode); }
  bool operator()(const SetBackgroundOpaque& c) { return Set(s_.opaque, c.opaque); }
  bool operator()(const SetBackgroundColour& c) { return Set(s_.background, c.colour); }
  bool operator()(const SetTextColour& c) { return Set(s_.text_colour, c.colour); }
  bool operator()(const SetTextAlign& c) { return Set(s_.text_align, c.flags); }
  bool operator()(const SetWindingFill& c) { return Set(s_.winding, c.winding); }
  bool operator()(const SaveState&) {
    // Past the cap a save is dropped, and the restore that matches it restores an older state.
    if (context_.saved_.size() < kMaxSavedStates) context_.saved_.push_back(s_);
    return true;
  }
  bool operator()(const RestoreState& c) {
    context_.Restore(c.which);
    return true;
  }
  bool operator()(const MoveTo& c) { return Set(s_.position, c.to); }
  bool operator()(const LineTo& c) { return Moved(c.to); }
  bool operator()(const Polyline& c) { return c.from_position && !c.points.empty() ? Moved(c.points.back()) : false; }
  bool operator()(const Bezier& c) { return c.from_position && !c.points.empty() ? Moved(c.points.back()) : false; }
  template <class Drawn>
  bool operator()(const Drawn&) {
    return false;
  }

 private:
  template <class Value>
  static bool Set(Value& field, const Value& value) {
    field = value;
    return true;
  }
  bool Moved(Point to) {
    s_.position = to;
    return false;
  }

  DrawingContext& context_;
  DeviceState& s_;
};

bool DrawingContext::Apply(const Command& command) {
  StateChange change(*this);
  return std::visit(change, command);
}

// Below 0 counts back from the latest save, above 0 names a depth; one that was never saved is
// ignored, as Windows ignores it.
void DrawingContext::Restore(std::int32_t which) {
  const auto depth = static_cast<std::int64_t>(saved_.size());
  const std::int64_t keep = which < 0 ? depth + which : std::int64_t{which} - 1;
  if (which == 0 || keep < 0 || keep >= depth) return;
  state_ = saved_[static_cast<std::size_t>(keep)];
  saved_.resize(static_cast<std::size_t>(keep));
}

Mapping DrawingContext::ToTarget() const {
  const DeviceState& s = state_;
  Mapping mapping;
  if (kind_ == Kind::kWindows) {
    if (s.window_extent.x == 0 || s.window_extent.y == 0) {
      mapping.offset_x = target_.left - s.window_origin.x;
      mapping.offset_y = target_.top - s.window_origin.y;
    } else {
      MapAxis(s.window_origin.x, s.window_extent.x, target_.left, target_.width, mapping.scale_x, mapping.offset_x);
      MapAxis(s.window_origin.y, s.window_extent.y, target_.top, target_.height, mapping.scale_y, mapping.offset_y);
    }
    return mapping;
  }
  // Logical units to reference-device pixels.
  double scale_x = 1;
  double scale_y = 1;
  const bool scaled = s.map_mode == MapMode::kIsotropic || s.map_mode == MapMode::kAnisotropic;
  if (scaled && s.window_extent.x != 0 && s.window_extent.y != 0) {
    scale_x = static_cast<double>(s.viewport_extent.x) / s.window_extent.x;
    scale_y = static_cast<double>(s.viewport_extent.y) / s.window_extent.y;
    if (s.map_mode == MapMode::kIsotropic) {
      const double both = std::min(std::abs(scale_x), std::abs(scale_y));
      scale_x = std::copysign(both, scale_x);
      scale_y = std::copysign(both, scale_y);
    }
  }
  const double device_x = s.viewport_origin.x - s.window_origin.x * scale_x;
  const double device_y = s.viewport_origin.y - s.window_origin.y * scale_y;
  // Reference-device pixels to the target; the bounds are inclusive on both sides.
  const double frame_width = std::max(static_cast<double>(frame_.right) - frame_.left + 1, 1.0);
  const double frame_height = std::max(static_cast<double>(frame_.bottom) - frame_.top + 1, 1.0);
  const double to_target_x = target_.width / frame_width;
  const double to_target_y = target_.height / frame_height;
  mapping.scale_x = scale_x * to_target_x;
  mapping.scale_y = scale_y * to_target_y;
  mapping.offset_x = target_.left + (device_x - frame_.left) * to_target_x;
  mapping.offset_y = target_.top + (device_y - frame_.top) * to_target_y;
  return mapping;
}

}  // namespace plorvane::metafile
