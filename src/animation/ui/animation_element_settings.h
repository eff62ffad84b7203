#pragma once
// What the animation element window keeps between runs, as the published properties of its
// settings file. A plain value, so that a file that fails to read leaves it as it was and the
// window applies nothing.

#include <string_view>

#include "streaming/published_properties.h"

namespace plorvane {

struct AnimationElementSettings {
  static constexpr std::string_view kClassName = "TAnimationElementWindow";
  // pWidth, pHeight, pLeft, pTop, pOnTop, pVisible.
  static const PublishedProperties<AnimationElementSettings>& Published();

  // The window's outer size: written, never applied, since the layout fixes it.
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  bool on_top = false;
  bool visible = false;
};

}  // namespace plorvane
